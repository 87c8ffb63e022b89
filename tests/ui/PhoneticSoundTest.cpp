// The phonetic glyph table and the WAV header reading of the sound seam.
#include "ui/Phonetic.h"
#include "ui/Wav.h"

#include <QtTest>

class PhoneticSoundTest : public QObject {
    Q_OBJECT
private slots:
    void transcriptionsShowAsIpa_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("length mark") << QByteArray("a\xC9") << QString::fromUtf8("aː");
        QTest::newRow("glottal stop") << QByteArray("ko\xD6o\xC9") << QString::fromUtf8("koʔoː");
        QTest::newRow("tie joins both sides") << QByteArray("a\x92i") << QString::fromUtf8("a\u0361i");
        QTest::newRow("tilde nasalises") << QByteArray("o~\xC9") << QString::fromUtf8("o\u0303ː");
        QTest::newRow("stress before syllable") << QByteArray("bal\xC7ko~\xC9") << QString::fromUtf8("balˈko\u0303ː");
        QTest::newRow("non-syllabic below and above") << QByteArray("i\xBB" "y\xE0") << QString::fromUtf8("i̯y̑");
        QTest::newRow("consonants") << QByteArray("\x88\xA0\xA7\xBD\x8D\xF7x") << QString::fromUtf8("ðθʃʒçŋx");
        QTest::newRow("vowels") << QByteArray("\x87\x94\x9E\xAB\xAC\xAF\xBE\xBF\xC3\xCF\xE7")
                                << QString::fromUtf8("ɐɪəɛʊøæɔʌœʏ");
        QTest::newRow("g is the IPA g") << QByteArray("g") << QString::fromUtf8("ɡ");
        QTest::newRow("ascii stays") << QByteArray("=hj 1") << QStringLiteral("=hj 1");
        QTest::newRow("unknown bytes are visible") << QByteArray("\x80\x01\xFF", 3)
                                                   << QString(3, QChar(tavrio::kPhoneticPlaceholder));
        QTest::newRow("mark without a sign gets a circle") << QByteArray("~a \x92")
                                                           << QString::fromUtf8("◌\u0303a ◌\u0361");
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void transcriptionsShowAsIpa()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(tavrio::fromPhonetic(bytes.toStdString()), shown);
    }

    void everyByteShowsSomething()
    {
        for (int b = 0; b < 256; ++b)
            QVERIFY2(tavrio::phoneticGlyph(static_cast<unsigned char>(b)) != 0, qPrintable(QString::number(b)));
    }

    void thePhoneticFontHasTheGlyphs()
    {
        const QFontMetrics m(tavrio::phoneticFont(20));
        for (int b = 0x20; b < 256; ++b) {
            const char16_t g = tavrio::phoneticGlyph(static_cast<unsigned char>(b));
            if (g != tavrio::kPhoneticPlaceholder)
                QVERIFY2(m.inFont(QChar(g)), qPrintable(QString::number(b)));
        }
    }

    void wavDuration_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("fileSize");
        QTest::addColumn<qint64>("ms");
        const auto le = [](quint32 v) {
            QByteArray b(4, 0);
            qToLittleEndian(v, b.data());
            return b;
        };
        const auto fmt = [&](quint32 byteRate) {
            return QByteArray("fmt ") + le(16) + QByteArray("\x01\x00\x01\x00", 4) + le(8000) + le(byteRate)
                   + QByteArray("\x01\x00\x08\x00", 4);
        };
        const QByteArray good = "RIFF" + le(0) + "WAVE" + fmt(8000) + "data" + le(4000);
        QTest::newRow("half a second") << good << qint64(good.size() + 4000) << qint64(500);
        QTest::newRow("truncated data counts what is there") << good << qint64(good.size() + 800) << qint64(100);
        const QByteArray listFirst = "RIFF" + le(0) + "WAVE" + "LIST" + le(3) + "abc" + QByteArray(1, 0) + fmt(16000)
                                     + "data" + le(16000);
        QTest::newRow("other chunk first, padded") << listFirst << qint64(listFirst.size() + 16000) << qint64(1000);
        QTest::newRow("not riff") << QByteArray("garbage garbage garbage") << qint64(23) << qint64(-1);
        QTest::newRow("no data chunk") << QByteArray("RIFF" + le(0) + "WAVE" + fmt(8000)) << qint64(36) << qint64(-1);
        QTest::newRow("zero byte rate") << QByteArray("RIFF" + le(0) + "WAVE" + fmt(0) + "data" + le(10)) << qint64(54)
                                        << qint64(-1);
        QTest::newRow("chunk size past the end") << QByteArray("RIFF" + le(0) + "WAVE" + "junk" + le(0xFFFFFFF0u))
                                                 << qint64(20) << qint64(-1);
        QTest::newRow("empty") << QByteArray() << qint64(0) << qint64(-1);
    }
    void wavDuration()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, fileSize);
        QFETCH(qint64, ms);
        QCOMPARE(tavrio::wavDurationMs(bytes, fileSize), ms);
    }

    void missingWavFileHasNoDuration() { QCOMPARE(tavrio::wavFileDurationMs(QStringLiteral("/nonexistent/x.wav")), -1); }
};

QTEST_MAIN(PhoneticSoundTest)
#include "PhoneticSoundTest.moc"
