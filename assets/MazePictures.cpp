// Pictures of the two maze games: "Seenot!" (sea, boat, reef, whirlpool,
// rescue ship; letters floating on yellow buoys and carried on wooden rafts
// in the boat's tail) and "Hilf Papa!" (floor, figure, brick wall, red
// marked cell, the house; letter crates), each list one strip of 25 x 25
// pictures; the backgrounds and the help pages with a legend of the cells.
#include "Drawing.h"
#include "ExercisePainters.h"
#include "ShellDrawing.h"

#include "exercises/maze/MazePictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace tavrio::assets {
namespace {

using tavrio::maze::kCellPixels;
using CellPainter = std::function<void(QPainter&, int index)>;


void drawLetter(QPainter& p, const QRect& box, char letter, QColor colour, int size)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(size);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, QString(QLatin1Char(letter)));
}

// ---- "Seenot!" cells ----

void sea(QPainter& p)
{
    p.fillRect(QRect(0, 0, 25, 25), QColor(40, 110, 200));
    p.setPen(QPen(QColor(120, 180, 240), 1.5));
    for (int y : {7, 18})
        drawWave(p, 2, 23, y, 3);
}

void boat(QPainter& p)
{
    sea(p);
    p.setPen(QPen(QColor(70, 40, 10), 1));
    p.setBrush(QColor(150, 85, 30));
    p.drawPolygon(QPolygonF({QPointF(2, 16), QPointF(23, 16), QPointF(19, 22), QPointF(6, 22)}));
    p.setPen(QPen(QColor(60, 40, 20), 1.5));
    p.drawLine(QPointF(12.5, 16), QPointF(12.5, 3));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(13.5, 3), QPointF(21, 14), QPointF(13.5, 14)}));
    p.drawPolygon(QPolygonF({QPointF(11.5, 5), QPointF(5, 14), QPointF(11.5, 14)}));
}

void reef(QPainter& p)
{
    sea(p);
    p.setPen(QPen(QColor(40, 35, 30), 1));
    p.setBrush(QColor(95, 85, 75));
    p.drawPolygon(QPolygonF({QPointF(0, 24), QPointF(3, 10), QPointF(8, 14), QPointF(12, 2), QPointF(17, 12),
                             QPointF(21, 7), QPointF(25, 24)}));
    p.setBrush(QColor(140, 130, 120));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(12, 2), QPointF(10, 12), QPointF(14, 11)}));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(0, 23.5), QPointF(25, 23.5));
}

void whirlpool(QPainter& p)
{
    p.fillRect(QRect(0, 0, 25, 25), QColor(15, 50, 120));
    p.setPen(QPen(QColor(200, 230, 255), 1.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    spiral.moveTo(12.5, 12.5);
    for (int i = 1; i <= 60; ++i) {
        const double a = i * 0.32;
        const double r = i * 0.18;
        spiral.lineTo(12.5 + r * std::cos(a), 12.5 + r * std::sin(a));
    }
    p.drawPath(spiral);
}

void ship(QPainter& p)
{
    sea(p);
    p.setPen(QPen(QColor(110, 0, 0), 1));
    p.setBrush(QColor(215, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(0, 14), QPointF(25, 14), QPointF(22, 22), QPointF(3, 22)}));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 6, 13, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 30, 30));
    p.drawRect(QRectF(11.5, 7, 2, 6));
    p.drawRect(QRectF(9.5, 9, 6, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0, 17, 25, 1.5));
}

// Codes 0 .. 4 of a game's picture list, in the game's order.
using CodeCells = std::array<void (*)(QPainter&), 5>;

void drawCode(QPainter& p, int code, const CodeCells& cells) { cells[std::size_t(std::clamp(code, 0, 4))](p); }

void seaCell(QPainter& p, int code) { drawCode(p, code, {sea, boat, reef, whirlpool, ship}); }

// Index 0 .. 25: a floating letter on a yellow buoy; 26 .. 51: the letter
// on a wooden raft in the boat's tail.
void seaLetter(QPainter& p, int index)
{
    sea(p);
    const char letter = static_cast<char>('A' + index % 26);
    if (index < 26) {
        p.setPen(QPen(QColor(200, 120, 0), 1.5));
        p.setBrush(QColor(255, 215, 40));
        p.drawEllipse(QRectF(1.5, 1.5, 22, 22));
        drawLetter(p, QRect(0, 0, 25, 25), letter, QColor(20, 20, 60), 15);
    } else {
        p.setPen(QPen(QColor(80, 45, 15), 1));
        p.setBrush(QColor(170, 110, 55));
        p.drawRect(QRectF(1.5, 3.5, 22, 18));
        p.setPen(QPen(QColor(120, 75, 35), 1));
        for (double y : {9.5, 15.5})
            p.drawLine(QPointF(2, y), QPointF(23, y));
        drawLetter(p, QRect(0, 2, 25, 21), letter, Qt::white, 14);
    }
}

// ---- "Hilf Papa!" cells ----

void floorTile(QPainter& p)
{
    p.fillRect(QRect(0, 0, 25, 25), QColor(235, 225, 195));
    p.setPen(QColor(215, 200, 165));
    p.drawRect(QRect(0, 0, 24, 24));
}

void figure(QPainter& p)
{
    floorTile(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 200));
    p.drawRoundedRect(QRectF(7.5, 10, 10, 9), 3, 3);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(8.5, 18, 3, 5));
    p.drawRect(QRectF(13.5, 18, 3, 5));
    p.setBrush(QColor(250, 205, 160));
    p.drawEllipse(QRectF(8, 1.5, 9, 9));
    p.setBrush(QColor(120, 60, 20));
    p.drawChord(QRectF(8, 1.5, 9, 9), 0, 180 * 16);
    p.setBrush(QColor(250, 205, 160));
    p.drawEllipse(QRectF(4.5, 11, 3.5, 3.5));
    p.drawEllipse(QRectF(17, 11, 3.5, 3.5));
}

void wall(QPainter& p)
{
    p.fillRect(QRect(0, 0, 25, 25), QColor(170, 70, 45));
    p.setPen(QPen(QColor(225, 215, 200), 1));
    for (int y : {0, 6, 12, 18, 24})
        p.drawLine(0, y, 25, y);
    for (int row = 0; row < 4; ++row)
        for (int x = row % 2 ? 6 : 0; x < 25; x += 12)
            p.drawLine(x, row * 6, x, row * 6 + 6);
}

void marked(QPainter& p)
{
    p.fillRect(QRect(0, 0, 25, 25), QColor(250, 190, 185));
    p.setPen(QPen(QColor(210, 30, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 22, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(12.5, 5), QPointF(19, 13), QPointF(6, 13)}));
    p.drawRect(QRectF(10.5, 12, 4, 7));
}

void house(QPainter& p)
{
    p.fillRect(QRect(0, 0, 25, 25), QColor(140, 200, 90));
    p.setPen(QPen(QColor(110, 70, 20), 1));
    p.setBrush(QColor(255, 225, 120));
    p.drawRect(QRectF(4, 11, 17, 13));
    p.setBrush(QColor(200, 40, 30));
    p.drawPolygon(QPolygonF({QPointF(1, 12), QPointF(12.5, 1), QPointF(24, 12)}));
    p.setBrush(QColor(120, 70, 30));
    p.drawRect(QRectF(10, 16, 5.5, 8));
    p.setBrush(QColor(150, 210, 255));
    p.drawRect(QRectF(5.5, 14, 3.5, 3.5));
    p.drawRect(QRectF(16, 14, 3.5, 3.5));
}

void papaCell(QPainter& p, int code) { drawCode(p, code, {floorTile, figure, wall, marked, house}); }

// A wooden crate with its letter.
void crate(QPainter& p, int index)
{
    floorTile(p);
    p.setPen(QPen(QColor(100, 60, 20), 1.5));
    p.setBrush(QColor(215, 160, 90));
    p.drawRect(QRectF(1.5, 1.5, 22, 22));
    p.setPen(QPen(QColor(180, 125, 60), 1));
    p.drawLine(QPointF(2, 2), QPointF(23, 23));
    p.drawLine(QPointF(23, 2), QPointF(2, 23));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 245, 220));
    p.drawEllipse(QRectF(5, 5, 15, 15));
    drawLetter(p, QRect(0, 0, 25, 25), static_cast<char>('A' + index), QColor(30, 30, 30), 14);
}

// ---- lists, backgrounds, help ----

QImage cellImage(const CellPainter& paint, int index)
{
    QImage img = canvas(kCellPixels, kCellPixels, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p, index);
    return img;
}

bool paintStrip(const QString& dir, const char* path, int count, const CellPainter& paint)
{
    QImage strip = canvas(count * kCellPixels, kCellPixels, Qt::white);
    QPainter p(&strip);
    for (int i = 0; i < count; ++i)
        p.drawImage(i * kCellPixels, 0, cellImage(paint, i));
    p.end();
    return savePicture(strip, dir, QString::fromLatin1(path));
}

using tavrio::maze::kMapLeft;
using tavrio::maze::kMapTop;

// Panels for the word (top) and the notes (left), and the map's frame, over
// the entrance's sky and grass: nothing runs to the picture's left or right
// edge, so on a large screen the landscape around the window goes on
// without a seam.
void framePanels(QPainter& p, QColor frame)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(QRect(kMapLeft - 4, 78, 608, 88), 14, 14);
    p.drawRoundedRect(QRect(8, 180, kMapLeft - 16, 345), 14, 14);
    // A 4-unit frame just outside the map.
    p.setPen(QPen(frame, 4));
    p.setBrush(Qt::white);
    p.drawRect(QRect(kMapLeft - 2, kMapTop - 2, 604, 354));
}

bool paintSeaBackground(const QString& dir)
{
    QImage img = canvas(800, 600, QColor(150, 205, 250));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintSkyAndGrass(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 90));
    p.drawEllipse(QPoint(740, 40), 30, 30);
    p.setBrush(Qt::white);
    for (QPoint c : {QPoint(330, 40), QPoint(520, 30)}) {
        p.drawEllipse(c, 34, 14);
        p.drawEllipse(c + QPoint(24, -8), 22, 14);
    }
    // A lighthouse on its rock in a patch of sea beside the title.
    p.setBrush(QColor(30, 100, 190));
    p.drawEllipse(QRect(24, 156, 162, 44));
    p.setPen(QPen(QColor(110, 170, 235), 3));
    drawWave(p, 34, 70, 176, 4, 2);
    drawWave(p, 140, 176, 176, 4, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 110, 100));
    p.drawEllipse(QRect(60, 150, 110, 40));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? Qt::white : QColor(210, 40, 40));
        p.drawRect(QRect(98, 80 + i * 20, 34, 20));
    }
    p.setBrush(QColor(255, 220, 80));
    p.drawRect(QRect(102, 64, 26, 16));
    p.setBrush(QColor(210, 40, 40));
    p.drawPolygon(QPolygon({QPoint(94, 64), QPoint(115, 46), QPoint(136, 64)}));
    framePanels(p, QColor(15, 50, 110));
    // A life ring in the grass between the buttons.
    p.setPen(QPen(QColor(150, 40, 30), 2));
    p.setBrush(QColor(240, 70, 50));
    QPainterPath ring;
    ring.addEllipse(QPointF(228, 570), 17, 17);
    ring.addEllipse(QPointF(228, 570), 9, 9);
    p.drawPath(ring);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::FlatCap));
    for (int a : {45, 135, 225, 315})
        p.drawArc(QRectF(215, 557, 26, 26), a * 16 - 160, 320);
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\Seenot.bmp"));
}

bool paintPapaBackground(const QString& dir)
{
    QImage img = canvas(800, 600, QColor(170, 220, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintSkyAndGrass(p);
    p.setPen(Qt::NoPen);
    // Papa's house beside the title, roof and all between the picture's top
    // and the word's panel (y 78), with a stack of crates, on a strip of lawn.
    p.setBrush(QColor(110, 180, 70));
    p.drawRoundedRect(QRectF(546, 70, 224, 8), 4, 4);
    p.setBrush(QColor(255, 225, 120));
    p.drawRect(QRect(646, 34, 98, 44));
    p.setBrush(QColor(200, 40, 30));
    p.drawPolygon(QPolygon({QPoint(634, 38), QPoint(695, 6), QPoint(756, 38)}));
    p.setBrush(QColor(120, 70, 30));
    p.drawRect(QRect(685, 50, 20, 28));
    p.setBrush(QColor(150, 210, 255));
    p.drawRect(QRect(656, 46, 16, 14));
    p.drawRect(QRect(718, 46, 16, 14));
    p.setBrush(QColor(215, 160, 90));
    p.drawRect(QRect(560, 50, 28, 28));
    p.drawRect(QRect(590, 50, 28, 28));
    p.drawRect(QRect(575, 22, 28, 28));
    framePanels(p, QColor(120, 75, 30));
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\HilfPapa.bmp"));
}

struct cLegend {
    CellPainter paint;
    int index;
    const char* name;
};

// A help page with a row of the game's pictures (drawn twice as large) and
// their names under the text.
bool paintHelpWithLegend(const QString& dir, const QString& path, const QString& title, const QStringList& lines,
                         const std::vector<cLegend>& legend)
{
    int bottom = 0;
    if (!paintHelpPicture(dir, path, title, lines, &bottom))
        return false;
    QImage img = readPicture(dir, path);
    if (img.isNull())
        return false;
    QPainter p(&img);
    const int size = 50;
    const int gap = (660 - static_cast<int>(legend.size()) * size) / qMax<int>(1, static_cast<int>(legend.size()) - 1);
    const int top = qMin(bottom + 20, 600 - 40 - size - 30);
    int x = 70;
    for (const cLegend& item : legend) {
        // Painted at the legend's size rather than enlarged, so it stays sharp.
        p.save();
        p.translate(x, top);
        p.scale(qreal(size) / kCellPixels, qreal(size) / kCellPixels);
        p.setClipRect(QRect(0, 0, kCellPixels, kCellPixels));
        p.setRenderHint(QPainter::Antialiasing);
        item.paint(p, item.index);
        p.restore();
        drawCaption(p, QRect(x - 40, top + size + 2, size + 80, 26), QString::fromUtf8(item.name), 16,
                    QColor(60, 60, 60));
        x += size + gap;
    }
    p.end();
    return savePicture(img, dir, path);
}

// One maze game's pictures: its background, its two picture lists and its
// help page with a legend.
struct cMazeGameArt {
    const tavrio::maze::cPictureLists& lists;
    bool (*background)(const QString& dir);
    CellPainter cells;
    CellPainter letters;
    QString helpPath;
    QString title;
    QStringList lines;
    std::vector<cLegend> legend;
};

bool paintMazeGame(const QString& dir, const cMazeGameArt& art)
{
    bool ok = art.background(dir);
    ok = paintStrip(dir, art.lists.bilder, art.lists.bilderCount, art.cells) && ok;
    ok = paintStrip(dir, art.lists.buchstaben, art.lists.buchstabenCount, art.letters) && ok;
    return paintHelpWithLegend(dir, art.helpPath, art.title, art.lines, art.legend) && ok;
}

} // namespace

bool paintSeenot(const QString& dir)
{
    return paintMazeGame(
        dir,
        {tavrio::maze::kSeenotPictures, paintSeaBackground, seaCell, seaLetter, QStringLiteral("Hilfe\\Seenot.bmp"),
         QStringLiteral("Seenot!"),
         {QStringLiteral("Sammle die Übersetzung des verlorenen Wortes ein, Buchstabe für Buchstabe in "
                         "der richtigen Reihenfolge."),
          QStringLiteral("Steuere das Boot mit den Pfeiltasten; es fährt geradeaus, bis du lenkst."),
          QStringLiteral("Ein Strudel nimmt dir den letzten Buchstaben weg. Meide Riffe, den Rand und "
                         "deinen eigenen Schwanz!"),
          QStringLiteral("Am Rettungsschiff wird dein Wort geprüft.")},
         {{seaCell, 1, "Boot"}, {seaLetter, 7, "Buchstabe"}, {seaLetter, 26 + 7, "eingesammelt"},
          {seaCell, 2, "Riff"}, {seaCell, 3, "Strudel"}, {seaCell, 4, "Rettungsschiff"}}});
}

bool paintHilfPapa(const QString& dir)
{
    return paintMazeGame(
        dir,
        {tavrio::maze::kHilfPapaPictures, paintPapaBackground, papaCell, crate, QStringLiteral("Hilfe\\HilfPapa.bmp"),
         QStringLiteral("Hilf Papa!"),
         {QStringLiteral("Papa sucht die Übersetzung des Wortes, das oben steht."),
          QStringLiteral("Lauf mit den Pfeiltasten. Läufst du gegen eine Kiste, schiebst du sie vor dir her "
                         "– wenn dahinter frei ist."),
          QStringLiteral("Schiebe die Kisten in die Reihe über den roten Feldern. Das Wort beginnt ganz "
                         "links in dieser Reihe."),
          QStringLiteral("Geh dann ins Haus: Papa prüft, was in der Reihe steht.")},
         {{papaCell, 1, "Du"}, {crate, 7, "Kiste"}, {papaCell, 2, "Mauer"}, {papaCell, 3, "rotes Feld"},
          {papaCell, 4, "Haus"}}});
}

} // namespace tavrio::assets
