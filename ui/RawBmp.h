#pragma once
// Pictures shown the moment the program starts are kept as "raw" BMP files:
// uncompressed, 32 bits per pixel (blue, green, red, unused), rows stored
// top-down and 4-byte aligned in the file. Those bytes are a
// QImage::Format_RGB32 image as it lies in memory, so loading one converts
// no pixel. Any BMP viewer opens them like other BMP files.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace tavrio {

// `image` as a raw BMP file.
QByteArray rawBmpBytes(const QImage& image);
// The picture of a raw BMP file, sharing the memory of `bytes`; a null image
// when `bytes` is not one (another kind of BMP, another format, a truncated
// or inconsistent file).
QImage rawBmpImage(const QByteArray& bytes);
// The same for a file; a null image when it is missing or not a raw BMP.
QImage readRawBmp(const QString& path);

} // namespace tavrio
