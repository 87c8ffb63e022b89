// Every generated picture has a double-size twin for large screens: twice
// the pixels, the same picture (so a painter that ignores the scale, or a
// read-back at the wrong size, shows up as a large difference).
#include "ui/PictureNames.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QtTest>

namespace {
// Mean difference per colour channel (0 .. 255) of two pictures of one size.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x]))
                   + std::abs(qBlue(p[x]) - qBlue(q[x]));
    }
    return sum / (3.0 * a.width() * a.height());
}
} // namespace

class PictureTwinsTest : public QObject {
    Q_OBJECT
private slots:
    void everyPictureHasADoubleSizeTwin()
    {
        const QDir runtime(qEnvironmentVariable("TAVRIO_RUNTIME_DIR"));
        QDirIterator it(runtime.path(), {QStringLiteral("*.bmp")}, QDir::Files, QDirIterator::Subdirectories);
        int pictures = 0;
        while (it.hasNext()) {
            const QString rel = runtime.relativeFilePath(it.next());
            const QImage plain = QImage(runtime.filePath(rel)).convertToFormat(QImage::Format_RGB32);
            QString windowsPath = rel;
            windowsPath.replace(QLatin1Char('/'), QLatin1Char('\\'));
            QString twinPath = tavrio::doubleSizePath(windowsPath);
            twinPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
            const QImage twin(runtime.filePath(twinPath));
            QVERIFY2(!plain.isNull() && !twin.isNull(), qPrintable(rel));
            QCOMPARE(twin.size(), plain.size() * 2);
            ++pictures;
            // Small tiles differ mostly in how their letters are smoothed.
            if (plain.width() < 200)
                continue;
            const QImage down = twin.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .convertToFormat(QImage::Format_RGB32);
            const double difference = meanDifference(plain, down);
            QVERIFY2(difference < 10, qPrintable(QStringLiteral("%1 differs by %2").arg(rel).arg(difference)));
        }
        QVERIFY(pictures > 50);
    }
};

QTEST_GUILESS_MAIN(PictureTwinsTest)
#include "PictureTwinsTest.moc"
