// Raw BMP pictures: written and read back pixel for pixel; anything else is
// left to Qt's own reader.
#include "ui/RawBmp.h"

#include <QBuffer>
#include <QtEndian>
#include <QtTest>

namespace {
QImage sample()
{
    QImage img(5, 3, QImage::Format_RGB32); // odd width: no row padding to hide behind
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x * 50, y * 100, 7));
    return img;
}

QByteArray withField(QByteArray bytes, int at, qint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}
} // namespace

class RawBmpTest : public QObject {
    Q_OBJECT
private slots:
    void aRawBmpReadsBackPixelForPixel()
    {
        const QByteArray bytes = tavrio::rawBmpBytes(sample());
        QCOMPARE(tavrio::rawBmpImage(bytes), sample());
        // Qt's own reader sees the same picture, so any viewer does too.
        QImage viaQt;
        QVERIFY(viaQt.loadFromData(bytes, "BMP"));
        QCOMPARE(viaQt.convertToFormat(QImage::Format_RGB32), sample());
    }

    void otherFilesAreNotRaw_data()
    {
        const QByteArray raw = tavrio::rawBmpBytes(sample());
        QByteArray classic;
        QBuffer out(&classic);
        out.open(QIODevice::WriteOnly);
        sample().save(&out, "BMP"); // 24 bits, bottom-up
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("classic BMP") << classic;
        QTest::newRow("truncated rows") << raw.left(raw.size() - 1);
        QTest::newRow("header only") << raw.left(20);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("bottom-up") << withField(raw, 22, 3);
        QTest::newRow("huge width") << withField(raw, 18, 1 << 30);
        QTest::newRow("zero width") << withField(raw, 18, 0);
        QTest::newRow("pixels before the header ends") << withField(raw, 10, 16);
        QTest::newRow("unaligned rows") << withField(raw, 10, 55);
        QTest::newRow("compressed") << withField(raw, 30, 1);
        QTest::newRow("not a BMP") << QByteArray("GIF89a").leftJustified(100, '\0');
    }
    void otherFilesAreNotRaw()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(tavrio::rawBmpImage(bytes).isNull());
    }
};

QTEST_MAIN(RawBmpTest)
#include "RawBmpTest.moc"
