#include "ui/Wav.h"

#include <QFile>
#include <QtEndian>

namespace tavrio {
namespace {
quint32 le32(const QByteArray& b, qint64 at) { return qFromLittleEndian<quint32>(b.constData() + at); }
// Chunks before "data" (fmt, LIST, fact …) are small; this much header is
// read at most.
constexpr qint64 kHeaderBytes = 64 * 1024;
} // namespace

qint64 wavDurationMs(const QByteArray& bytes, qint64 fileSize)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    qint64 at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = le32(bytes, at + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size())
                return -1;
            byteRate = le32(bytes, body + 8);
        } else if (id == "data") {
            if (byteRate == 0)
                return -1;
            const qint64 present = qMax<qint64>(0, qMin(size, fileSize - body));
            return present * 1000 / byteRate;
        }
        at = body + size + (size & 1);
    }
    return -1;
}

qint64 wavFileDurationMs(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return wavDurationMs(f.read(kHeaderBytes), f.size());
}

} // namespace tavrio
