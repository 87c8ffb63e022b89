#pragma once
// The one naming rule for double-size pictures, shared by the picture
// generator (which writes them) and the loader in ui/Assets (which reads
// them): beside "BG\\Eingang.bmp" lies "BG\\Eingang@2x.png", the same picture
// painted at twice the size for screens that draw a unit as more than one
// device pixel. PNG keeps these four-times-larger files small.
#include <QString>

namespace tavrio {

inline QString doubleSizePath(const QString& windowsPath)
{
    const qsizetype dot = windowsPath.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = windowsPath.lastIndexOf(QLatin1Char('\\'));
    const QString stem = dot > slash ? windowsPath.left(dot) : windowsPath;
    return stem + QStringLiteral("@2x.png");
}

} // namespace tavrio
