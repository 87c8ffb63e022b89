#include "exercises/frame/DrawMessage.h"

namespace tavrio::exercises {

QString drawFailureMessage(DrawResult result)
{
    switch (result) {
    case DrawResult::NoWords:
        return QStringLiteral("Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!");
    case DrawResult::NoFitting:
        return QStringLiteral("Die geladenen Vokabeln haben keine Übersetzung. Bitte wähle eine andere "
                              "Vokabelliste aus!");
    case DrawResult::Drawn:
        break;
    }
    return {};
}

} // namespace tavrio::exercises
