#pragma once
// Asset paths are written as the windows name them ("BG\\Eingang.bmp"),
// relative to the working directory; assetPath makes them native.
#include <QPixmap>
#include <QString>

namespace tavrio {

QString assetPath(const QString& windowsPath);
// The picture, or a null pixmap when the file is missing or unreadable
// (the caller then shows a plain background; nothing ends the program).
// At a device pixel ratio above 1 the double-size file beside it
// (ui/PictureNames.h) is taken when present, with ratio 2, so it covers the
// same units; otherwise the named file. Without `ratio`, the application's.
QPixmap loadPicture(const QString& windowsPath);
QPixmap loadPicture(const QString& windowsPath, qreal ratio);
// An image of `units` filled white, at the device pixel ratio of the pictures
// loadPicture gives here (2 where it takes the double-size files, else 1),
// so pictures drawn into it stay sharp.
QImage pictureCanvas(QSize units);

} // namespace tavrio
