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
    return engineBytes(here ? relative : QDir::fromNativeSeparators(info.absoluteFilePath()));
}

std::optional<std::string> engineBytes(const QString& path)
{
    const std::string bytes = toAnsi(path);
    if (fromAnsi(bytes) != path) {
        showMessage(unsupportedNameMessage(path));
        return std::nullopt;
    }
    return bytes;
}

} // namespace tavrio
