// The level editor's pictures and the starting level: the map background
// "LevelEditor.bmp" (480 x 280, a sheet of squared paper with one 20 px
// square per cell), the six 16 x 16 tool pictures and "Start.lvl", written
// by the editor's own writer.
#include "Drawing.h"
#include "ExercisePainters.h"

#include "exercises/level/LevelFile.h"
#include "exercises/level/ToolPictures.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

namespace tavrio::assets {
namespace {

using namespace tavrio::level;

bool paintBackground(const QString& dir)
{
    QImage img = canvas(480, 280, QColor(250, 248, 236));
    QPainter p(&img);
    p.setPen(QColor(190, 205, 225));
    for (int x = 0; x <= 480; x += 20)
        p.drawLine(x, 0, x, 279);
    for (int y = 0; y <= 280; y += 20)
        p.drawLine(0, y, 479, y);
    // The frame the learner cannot change, a little darker.
    p.setPen(QPen(QColor(120, 140, 170), 2));
    p.drawRect(QRect(20, 20, 440, 240));
    p.end();
    return savePicture(img, dir, QString::fromLatin1(kEditorBackground));
}

// The tool pictures: a square of kToolPixels units with a border, and on
// it the tool's own drawing.
void drawEmpty(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(225, 90, 90), 1.3));
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
}

void drawPlayer(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 205, 160));
    p.drawEllipse(QRectF(5, 1.5, 6, 6));
    p.setBrush(QColor(40, 90, 200));
    p.drawRoundedRect(QRectF(4, 7.5, 8, 5), 2, 2);
    p.setPen(QPen(QColor(40, 40, 60), 1.6));
    p.drawLine(QPointF(6, 12.5), QPointF(5.5, 15));
    p.drawLine(QPointF(10, 12.5), QPointF(10.5, 15));
}

void drawWall(QPainter& p)
{
    p.setPen(QColor(30, 100, 40));
    for (int y : {5, 10})
        p.drawLine(1, y, 14, y);
    p.drawLine(7, 1, 7, 5);
    for (int x : {4, 11})
        p.drawLine(x, 5, x, 10);
    p.drawLine(7, 10, 7, 14);
}

void drawBottom(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(210, 235, 255), 1.4));
    QPainterPath swirl;
    swirl.moveTo(8, 8);
    swirl.arcTo(QRectF(6, 6, 4, 4), 0, 270);
    swirl.arcTo(QRectF(4, 4, 8, 8), 270, 270);
    swirl.arcTo(QRectF(2, 2, 12, 12), 180, 180);
    p.drawPath(swirl);
}

void drawExit(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 50, 40));
    p.drawPolygon(QPolygonF({QPointF(1.5, 8), QPointF(8, 2), QPointF(14.5, 8)}));
    p.setBrush(QColor(240, 200, 120));
    p.drawRect(QRectF(3, 8, 10, 6.5));
    p.setBrush(QColor(120, 70, 30));
    p.drawRect(QRectF(6.5, 10, 3, 4.5));
}

void drawLetterField(QPainter& p)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 40, 110));
    p.drawText(QRect(0, 0, kToolPixels, kToolPixels), Qt::AlignCenter, QStringLiteral("ABC"));
}

struct cToolArt {
    QColor fill;
    QColor border;
    void (*draw)(QPainter&);
};

// In the order of the tool codes.
const cToolArt kToolArt[kToolPictures] = {
    {Qt::white, QColor(225, 225, 225), drawEmpty},
    {QColor(225, 240, 255), QColor(90, 130, 200), drawPlayer},
    {QColor(60, 150, 70), QColor(25, 90, 35), drawWall},
    {QColor(70, 130, 210), QColor(30, 70, 140), drawBottom},
    {QColor(255, 245, 220), QColor(180, 120, 60), drawExit},
    {QColor(255, 215, 70), QColor(170, 120, 0), drawLetterField},
};

bool paintTool(const QString& dir, int code)
{
    const cToolArt& art = kToolArt[code];
    QImage img = canvas(kToolPixels, kToolPixels, art.fill);
    QPainter p(&img);
    p.setPen(art.border);
    p.drawRect(0, 0, kToolPixels - 1, kToolPixels - 1);
    art.draw(p);
    p.end();
    return savePicture(img, dir, QString::fromStdString(toolPicture(code)));
}

// The level the games start with: a start top left, the exit top right,
// a short reef beside the start and a whirlpool in a corner; twenty
// letter fields on rows 4, 6, 8 and 10, each alone in its column (3 .. 22)
// with free cells around it, so every block can be pushed down to row 13.
bool writeStartLevel(const QString& dir)
{
    cLevelMap map = editorFrame();
    map.set(3, 2, kStart);
    map.set(22, 2, kExit);
    for (int column = 11; column <= 13; ++column)
        map.set(column, 2, kWall);
    map.set(23, 11, kBottom);
    const int firstColumn[4] = {4, 5, 6, 3};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 5; ++k)
            map.set(firstColumn[i] + 4 * k, 4 + 2 * i, kLetterField);
    if (!saveable(map))
        return false;
    const std::string bytes = formatLevel(map, "Start");
    QSaveFile file(QDir(dir).filePath(QString::fromLatin1(kStartLevel)));
    return file.open(QIODevice::WriteOnly)
           && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
           && file.commit();
}

} // namespace

bool paintLevelEditor(const QString& dir)
{
    bool ok = paintBackground(dir);
    for (int code = 0; code < kToolPictures; ++code)
        ok = paintTool(dir, code) && ok;
    if (pictureScale() == 1)
        ok = writeStartLevel(dir) && ok;
    return ok;
}

} // namespace tavrio::assets
