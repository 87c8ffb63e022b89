#include "ui/Assets.h"

#include "ui/PictureNames.h"
#include "ui/RawBmp.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace tavrio {

QString assetPath(const QString& windowsPath)
{
    QString p = windowsPath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(QDir::current().filePath(p));
}

QPixmap loadPicture(const QString& windowsPath)
{
    return loadPicture(windowsPath, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QImage pictureCanvas(QSize units)
{
    const int ratio = qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
    QImage image(units * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QPixmap loadPicture(const QString& windowsPath, qreal ratio)
{
    QPixmap pm;
    if (ratio > 1.0) {
        const QString large = assetPath(doubleSizePath(windowsPath));
        if (QFileInfo::exists(large) && pm.load(large)) {
            pm.setDevicePixelRatio(2.0);
            return pm;
        }
    }
    const QString path = assetPath(windowsPath);
    if (QFileInfo::exists(path)) {
        // A raw BMP needs no decoding; QPixmap::load reads (and caches) the rest.
        if (QImage raw = readRawBmp(path); !raw.isNull())
            return QPixmap::fromImage(std::move(raw));
        pm.load(path);
    }
    return pm;
}

} // namespace tavrio
