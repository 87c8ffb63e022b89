// The sample sounds of the phonetic entry: every sign button's caption is
// voiced into "Sound\<bytes>.wav" by espeak-ng from its phoneme mnemonics
// (the sign table in tools/phonetics). The files are named by the engine's
// file helpers, so the bytes reach the disk the way every 8-bit name does.
// Leading and trailing silence is cut, so pieces played one after another
// join up. Without espeak-ng the sounds are skipped with a note; the build
// goes on.
#include "Painters.h"

#include "engine/Files.h"
#include "tools/phonetics/PhoneticSigns.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <cstring>
#include <set>

namespace tavrio::assets {
namespace {

constexpr int kRate = 22050;   // espeak-ng's own rate, 16-bit mono
constexpr int kPauseMs = 120;  // the stress and length marks
constexpr int kSilence = 400;  // sample amplitude counted as silence
constexpr int kMarginMs = 15;

QByteArray wavFile(const QByteArray& samples)
{
    QByteArray h(44, 0);
    char* d = h.data();
    std::memcpy(d, "RIFF", 4);
    qToLittleEndian<quint32>(quint32(36 + samples.size()), d + 4);
    std::memcpy(d + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, d + 16);
    qToLittleEndian<quint16>(1, d + 20);
    qToLittleEndian<quint16>(1, d + 22);
    qToLittleEndian<quint32>(kRate, d + 24);
    qToLittleEndian<quint32>(kRate * 2, d + 28);
    qToLittleEndian<quint16>(2, d + 32);
    qToLittleEndian<quint16>(16, d + 34);
    std::memcpy(d + 36, "data", 4);
    qToLittleEndian<quint32>(quint32(samples.size()), d + 40);
    return h + samples;
}

// The 16-bit samples of espeak-ng's output without the silence around them;
// empty when the file is not what espeak-ng writes.
QByteArray trimmedSamples(const QByteArray& wav)
{
    const qsizetype at = wav.indexOf("data");
    if (!wav.startsWith("RIFF") || at < 0 || at + 8 > wav.size())
        return {};
    const QByteArray data = wav.mid(at + 8);
    const auto sample = [&data](qsizetype i) { return qFromLittleEndian<qint16>(data.constData() + 2 * i); };
    const qsizetype n = data.size() / 2;
    qsizetype first = 0, last = n - 1;
    while (first < n && qAbs(sample(first)) < kSilence)
        ++first;
    while (last > first && qAbs(sample(last)) < kSilence)
        --last;
    if (first >= n)
        return {};
    const qsizetype margin = kRate * kMarginMs / 1000;
    first = qMax<qsizetype>(0, first - margin);
    last = qMin<qsizetype>(n - 1, last + margin);
    return data.mid(2 * first, 2 * (last - first + 1));
}

QByteArray voice(const QString& espeak, const phonetics::cSign& sign, const QString& scratch)
{
    if (!*sign.voice)
        return wavFile(QByteArray(kRate * kPauseMs / 1000 * 2, 0));
    QProcess p;
    p.start(espeak, {QStringLiteral("-v"), QString::fromLatin1(sign.voice), QStringLiteral("-s"),
                     QStringLiteral("120"), QStringLiteral("-w"), scratch,
                     QStringLiteral("[[") + QString::fromLatin1(sign.phonemes) + QStringLiteral("]]")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    QFile f(scratch);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray samples = trimmedSamples(f.readAll());
    return samples.isEmpty() ? QByteArray() : wavFile(samples);
}

// What the sounds were made from; the same table again makes nothing new.
QByteArray recipe()
{
    QByteArray r = "espeak-ng sample sounds v1\n";
    for (const auto& s : phonetics::Signs())
        r += QByteArray(s.bytes.data(), qsizetype(s.bytes.size())) + '\t' + s.voice + '\t' + s.phonemes + '\n';
    return r;
}

} // namespace

bool voicePhoneticSigns(const QString& dir)
{
    const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    if (espeak.isEmpty()) {
        std::printf("Sample sounds skipped: espeak-ng is not installed (scripts/install-deps.sh installs it).\n");
        return true;
    }
    const QString before = QDir::currentPath();
    if (!QDir().mkpath(QDir(dir).filePath(QStringLiteral("Sound"))) || !QDir::setCurrent(dir))
        return false;
    const std::string stamp = "Sound/voices.txt";
    std::string made;
    const QByteArray wanted = recipe();
    bool ok = true;
    if (!ReadFileBytes(stamp, made) || QByteArray::fromStdString(made) != wanted) {
        QTemporaryDir scratch;
        std::set<std::string_view> done;
        for (const auto& sign : phonetics::Signs()) {
            if (!done.insert(sign.bytes).second)
                continue;
            const QByteArray wav = voice(espeak, sign, scratch.filePath(QStringLiteral("sign.wav")));
            if (wav.isEmpty()) {
                std::fprintf(stderr, "espeak-ng gave no sound for %s [[%s]]\n", sign.button, sign.phonemes);
                ok = false;
                continue;
            }
            ok = WriteFileAtomic(phonetics::SoundName(sign.bytes), wav.toStdString()) && ok;
        }
        if (ok)
            ok = WriteFileAtomic(stamp, wanted.toStdString());
    }
    QDir::setCurrent(before);
    return ok;
}

} // namespace tavrio::assets
