#include "Png.h"

#include <QtEndian>
#include <array>

namespace tavrio::assets {

namespace {
quint32 crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char b : bytes)
        c = table[(c ^ static_cast<quint8>(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// length, type, data, CRC of type and data
void appendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    char length[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    png.append(length, 4);
    const QByteArray body = QByteArray(type, 4) + data;
    png.append(body);
    char crc[4];
    qToBigEndian<quint32>(crc32(body), crc);
    png.append(crc, 4);
}
} // namespace

QByteArray encodePng(const QImage& image)
{
    // Read as 0xffRRGGBB words; converting the whole picture first would cost
    // as much again.
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const qsizetype rowBytes = qsizetype(width) * 3;
    QByteArray rows(rgb.height() * (rowBytes + 1), Qt::Uninitialized);
    uchar* out = reinterpret_cast<uchar*>(rows.data());
    const QRgb* above = nullptr;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        *out++ = above ? 2 : 0; // filter "Up" against the row above; the first row as it is
        for (int x = 0; x < width; ++x) {
            const QRgb up = above ? above[x] : 0;
            *out++ = uchar(qRed(row[x]) - qRed(up));
            *out++ = uchar(qGreen(row[x]) - qGreen(up));
            *out++ = uchar(qBlue(row[x]) - qBlue(up));
        }
        above = row;
    }
    QByteArray header(13, 0);
    qToBigEndian<quint32>(quint32(rgb.width()), header.data());
    qToBigEndian<quint32>(quint32(rgb.height()), header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", qCompress(rows, 1).mid(4)); // qCompress puts the length before the zlib stream
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace tavrio::assets
