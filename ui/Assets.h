#pragma once
// Asset paths are written as the windows name them ("BG\\Eingang.bmp"),
// relative to the working directory; assetPath makes them native.
#include <QPixmap>
#include <QString>

namespace tavrio {

QString assetPath(const QString& windowsPath);
// The picture, or a null pixmap when the file is missing or unreadable
// (the caller then shows a plain background; nothing ends the program).
QPixmap loadPicture(const QString& windowsPath);

} // namespace tavrio
