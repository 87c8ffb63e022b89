#include "ui/FileNames.h"

#include "ui/Seams.h"
#include "ui/Text.h"

#include <QDir>
#include <QFileInfo>

namespace tavrio {

QString unsupportedNameMessage(const QString& path)
{
    return QStringLiteral("Der Dateiname \"%1\" enth\u00e4lt Zeichen, die Tavrio nicht verarbeiten kann.\r\n"
                          "Bitte benenne die Datei um oder w\u00e4hle eine andere.")
        .arg(QFileInfo(path).fileName());
}

std::optional<std::string> engineFileName(const QString& path)
{
    const QFileInfo info(path);
    const QString relative = QDir::current().relativeFilePath(info.absoluteFilePath());
    const bool here = !relative.startsWith(QStringLiteral("..")) && !QDir::isAbsolutePath(relative);
    const QString chosen = here ? relative : QDir::fromNativeSeparators(info.absoluteFilePath());
    const std::string bytes = toAnsi(chosen);
    if (fromAnsi(bytes) != chosen) {
        showMessage(unsupportedNameMessage(path));
        return std::nullopt;
    }
    return bytes;
}

} // namespace tavrio
