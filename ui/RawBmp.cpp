#include "ui/RawBmp.h"

#include <QFile>
#include <QtEndian>

namespace tavrio {
namespace {
// File header (14 bytes) and BITMAPINFOHEADER (40 bytes), then two bytes of
// padding so the rows start 4-byte aligned.
constexpr int kInfoHeader = 40;
constexpr int kPixelsAt = 14 + kInfoHeader + 2;
constexpr qint32 kMaxSide = 16384;

quint16 le16(const char* p) { return qFromLittleEndian<quint16>(p); }
quint32 le32(const char* p) { return qFromLittleEndian<quint32>(p); }
qint32 le32s(const char* p) { return qFromLittleEndian<qint32>(p); }

// Where the rows start and the size, when the header describes a raw BMP
// whose rows fit into `size` bytes; -1 otherwise.
qint64 rawPixelsAt(const char* h, qint64 size, QSize& dims)
{
    if (size < kPixelsAt || h[0] != 'B' || h[1] != 'M')
        return -1;
    const quint32 at = le32(h + 10);
    const quint32 info = le32(h + 14);
    const qint32 w = le32s(h + 18);
    const qint32 hgt = le32s(h + 22);
    if (info < kInfoHeader || at < 14 + info || at % 4 != 0 || le16(h + 26) != 1 || le16(h + 28) != 32
        || le32(h + 30) != 0 || w <= 0 || w > kMaxSide || hgt >= 0 || hgt < -kMaxSide)
        return -1;
    dims = QSize(w, -hgt);
    return qint64(at) + qint64(w) * dims.height() * 4 <= size ? at : -1;
}
} // namespace

QByteArray rawBmpBytes(const QImage& image)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const qint64 rowBytes = qint64(img.width()) * 4;
    const qint64 pixels = rowBytes * img.height();
    QByteArray out(kPixelsAt, '\0');
    char* h = out.data();
    h[0] = 'B';
    h[1] = 'M';
    qToLittleEndian<quint32>(quint32(kPixelsAt + pixels), h + 2);
    qToLittleEndian<quint32>(kPixelsAt, h + 10);
    qToLittleEndian<quint32>(kInfoHeader, h + 14);
    qToLittleEndian<qint32>(img.width(), h + 18);
    qToLittleEndian<qint32>(-img.height(), h + 22); // negative: top-down
    qToLittleEndian<quint16>(1, h + 26);
    qToLittleEndian<quint16>(32, h + 28);
    qToLittleEndian<quint32>(quint32(pixels), h + 34);
    qToLittleEndian<quint32>(3780, h + 38); // 96 dpi
    qToLittleEndian<quint32>(3780, h + 42);
    out.reserve(kPixelsAt + pixels);
    for (int y = 0; y < img.height(); ++y)
        out.append(reinterpret_cast<const char*>(img.constScanLine(y)), rowBytes);
    return out;
}

QImage rawBmpImage(const QByteArray& bytes)
{
    QSize dims;
    const qint64 at = rawPixelsAt(bytes.constData(), bytes.size(), dims);
    if (at < 0)
        return {};
    const uchar* pixels = reinterpret_cast<const uchar*>(bytes.constData()) + at;
    if (reinterpret_cast<quintptr>(pixels) % 4 != 0)
        return {};
    // The image keeps its own reference to the bytes.
    auto* keep = new QByteArray(bytes);
    return QImage(pixels, dims.width(), dims.height(), qsizetype(dims.width()) * 4, QImage::Format_RGB32,
                  [](void* p) { delete static_cast<QByteArray*>(p); }, keep);
}

QImage readRawBmp(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    // Only a raw BMP is read whole.
    QSize dims;
    const QByteArray head = f.peek(kPixelsAt);
    if (head.size() < kPixelsAt || rawPixelsAt(head.constData(), f.size(), dims) < 0)
        return {};
    return rawBmpImage(f.readAll());
}

} // namespace tavrio
