#include "ui/Progress.h"

#include "engine/Session.h"
#include "ui/Seams.h"
#include "ui/Windows.h"

#include <cstdio>

namespace tavrio {

namespace {
bool failureTold = false;
} // namespace

QString saveFailedMessage() { return QStringLiteral("Dein Lernstand konnte nicht gespeichert werden."); }

bool saveProgress(cSaveReport report)
{
    cSession* s = session();
    if (!s)
        return true;
    if (s->SaveProfile()) {
        failureTold = false;
        return true;
    }
    if (failureTold)
        return false;
    failureTold = true;
    if (report == cSaveReport::MessageBox)
        showMessage(saveFailedMessage());
    else
        std::fprintf(stderr, "Tavrio: %s\n", saveFailedMessage().toLocal8Bit().constData());
    return false;
}

} // namespace tavrio
