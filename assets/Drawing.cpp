#include "Drawing.h"

#include "Png.h"
#include "ui/PictureNames.h"
#include "ui/RawBmp.h"

#include <QBuffer>

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

namespace tavrio::assets {

namespace {
thread_local int g_scale = 1;

QString filePath(const QString& dir, const QString& windowsPath)
{
    QString rel = g_scale == 1 ? windowsPath : doubleSizePath(windowsPath);
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(dir).filePath(rel);
}

// Creates the folders and writes through a temporary name.
bool writeAtomically(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}
} // namespace

void setPictureScale(int scale) { g_scale = qMax(1, scale); }

int pictureScale() { return g_scale; }

bool savePicture(const QImage& image, const QString& dir, const QString& windowsPath)
{
    QByteArray bytes;
    if (g_scale == 1) {
        QBuffer bmp(&bytes);
        if (!bmp.open(QIODevice::WriteOnly) || !image.convertToFormat(QImage::Format_RGB32).save(&bmp, "BMP"))
            return false;
    } else {
        bytes = encodePng(image);
    }
    return writeAtomically(filePath(dir, windowsPath), bytes);
}

bool saveRawPicture(const QImage& image, const QString& dir, const QString& windowsPath)
{
    if (g_scale != 1)
        return savePicture(image, dir, windowsPath);
    return writeAtomically(filePath(dir, windowsPath), rawBmpBytes(image));
}

QImage readPicture(const QString& dir, const QString& windowsPath)
{
    QImage img(filePath(dir, windowsPath));
    img.setDevicePixelRatio(g_scale);
    return img;
}

bool paintAll(const QString& dir, std::initializer_list<bool (*)(const QString&)> painters)
{
    bool ok = true;
    for (const auto painter : painters)
        ok = painter(dir) && ok;
    return ok;
}

QImage canvas(int width, int height, QColor fill)
{
    QImage img(width * g_scale, height * g_scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(g_scale);
    img.fill(fill);
    return img;
}

QRect area(const QImage& image) { return QRect(QPoint(0, 0), image.deviceIndependentSize().toSize()); }

static QFont captionFont(int pixelSize)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

qreal captionWidth(const QString& text, int pixelSize)
{
    return QFontMetricsF(captionFont(pixelSize)).horizontalAdvance(text);
}

void drawCaption(QPainter& p, const QRect& box, const QString& text, int pixelSize, QColor colour)
{
    p.save();
    p.setFont(captionFont(pixelSize));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
    p.restore();
}

void drawButton(QPainter& p, const QRect& box, const QString& text, QColor face)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(box.translated(3, 3), 10, 10);
    p.setBrush(face);
    p.setPen(QPen(face.darker(160), 2));
    p.drawRoundedRect(box, 10, 10);
    p.restore();
    drawCaption(p, box, text, qMax(12, box.height() / 2 - 2));
}

namespace {
constexpr int kHelpTextTop = 160;
constexpr int kHelpTextWidth = 660;
constexpr int kHelpTextBottom = 566; // inside the frame

// 24 px text, or smaller (down to 16 px) while the lines would run into the
// frame. Measured apart from any painter, so both picture sizes agree.
QFont helpTextFont(const QStringList& lines)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    for (int size = 24;; --size) {
        f.setPixelSize(size);
        const QFontMetrics metrics(f);
        int y = kHelpTextTop;
        for (const QString& line : lines)
            y += metrics.boundingRect(QRect(0, 0, kHelpTextWidth, 2000), Qt::TextWordWrap, line).height() + 18;
        if (y - 18 <= kHelpTextBottom || size == 16)
            return f;
    }
}
} // namespace

void drawWave(QPainter& p, qreal left, qreal right, qreal y, qreal swing, int swings)
{
    const qreal step = (right - left) / qMax(1, swings);
    QPainterPath wave;
    wave.moveTo(left, y);
    for (int i = 0; i < swings; ++i) {
        const qreal from = left + i * step;
        wave.cubicTo(from + step * 0.4, y - swing, from + step * 0.6, y + swing, from + step, y);
    }
    p.drawPath(wave);
}

bool paintHelpPicture(const QString& dir, const QString& windowsPath, const QString& title,
                      const QStringList& lines, int* textBottom)
{
    QImage img = canvas(800, 600, QColor(255, 250, 225));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 160, 40), 8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRect(12, 12, 776, 576), 24, 24);
    // A small question-mark owl in the corner keeps the help friendly.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 100, 60));
    p.drawEllipse(QRect(680, 40, 80, 90));
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(692, 58, 26, 26));
    p.drawEllipse(QRect(722, 58, 26, 26));
    p.setBrush(Qt::black);
    p.drawEllipse(QRect(701, 66, 10, 10));
    p.drawEllipse(QRect(731, 66, 10, 10));
    drawCaption(p, QRect(40, 40, 620, 80), title, 40, QColor(160, 70, 0));
    p.setFont(helpTextFont(lines));
    p.setPen(QColor(40, 40, 40));
    int y = kHelpTextTop;
    for (const QString& line : lines) {
        const QRect box(70, y, kHelpTextWidth, 200);
        const QRect used = p.boundingRect(box, Qt::TextWordWrap, line);
        p.setBrush(QColor(230, 160, 40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRect(44, y + 8, 12, 12));
        p.setPen(QColor(40, 40, 40));
        p.drawText(box, Qt::TextWordWrap, line);
        y += used.height() + 18;
    }
    if (textBottom)
        *textBottom = y - 18;
    p.end();
    return savePicture(img, dir, windowsPath);
}

} // namespace tavrio::assets
