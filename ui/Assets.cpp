#include "ui/Assets.h"

#include <QDir>
#include <QFileInfo>

namespace tavrio {

QString assetPath(const QString& windowsPath)
{
    QString p = windowsPath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(QDir::current().filePath(p));
}

QPixmap loadPicture(const QString& windowsPath)
{
    const QString path = assetPath(windowsPath);
    if (!QFileInfo::exists(path))
        return {};
    QPixmap pm;
    pm.load(path);
    return pm;
}

} // namespace tavrio
