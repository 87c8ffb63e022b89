#pragma once
// Reads what the sound seam needs to know of a WAV file before playing it.
#include <QByteArray>
#include <QString>

namespace tavrio {

// Playing time in milliseconds of a RIFF/WAVE file's data chunk, from its
// header bytes; -1 when the bytes are not a WAV file that can be played
// (no RIFF/WAVE header, no "fmt " or "data" chunk, a byte rate of 0). A data
// chunk that claims more than the file holds counts only what is there.
qint64 wavDurationMs(const QByteArray& bytes, qint64 fileSize);
// The same for a file; -1 when it is missing or unreadable.
qint64 wavFileDurationMs(const QString& path);

} // namespace tavrio
