// Pictures of "Versteckt, aber wo?": the background with the field's sandy
// frame and the digger, the help page, and the three 26 x 26 cells: blue
// water, a yellow cell with a red sweet (found) and a brown hole (missed).
#include "Drawing.h"
#include "ExercisePainters.h"
#include "ShellDrawing.h"

#include <QPainter>

namespace tavrio::assets {
namespace {

const QString kCells = QStringLiteral("Images\\Verbuddelt Aber Wo\\");

void drawWater(QPainter& p)
{
    p.setPen(QPen(QColor(190, 225, 255), 2));
    for (int y : {8, 17})
        drawWave(p, 2, 24, y, 4);
}

// A wrapped sweet: red body, two twisted ends.
void drawSweet(QPainter& p)
{
    p.setPen(QPen(QColor(140, 0, 0), 1));
    p.setBrush(QColor(230, 30, 40));
    p.drawPolygon(QPolygon({QPoint(2, 7), QPoint(8, 13), QPoint(2, 19)}));
    p.drawPolygon(QPolygon({QPoint(24, 7), QPoint(18, 13), QPoint(24, 19)}));
    p.drawEllipse(QRect(6, 7, 14, 12));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPoint(10, 10), QPoint(13, 10));
}

void drawHole(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 45, 20));
    p.drawEllipse(QRect(5, 7, 16, 12));
    p.setPen(QPen(QColor(245, 225, 185), 2));
    p.drawLine(QPoint(7, 5), QPoint(19, 21));
    p.drawLine(QPoint(19, 5), QPoint(7, 21));
}

// A 26 x 26 cell: `fill`, the drawing, a one-unit `border`.
bool paintCell(const QString& dir, const QString& name, QColor fill, QColor border, void (*draw)(QPainter&))
{
    QImage img = canvas(26, 26, fill);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.setPen(border);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 25, 25);
    p.end();
    return savePicture(img, dir, kCells + name);
}

bool paintBackground(const QString& dir)
{
    QImage img = canvas(800, 600, QColor(170, 220, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The entrance's sky and grass, so on a large screen the horizon runs on
    // beside the window; then the sun and a sandy pit around the field.
    paintSkyAndGrass(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(QPoint(740, 60), 40, 40);
    p.setBrush(QColor(235, 205, 140));
    p.drawRoundedRect(QRect(420, 116, 302, 302), 16, 16);
    // Panel behind the word and the answer.
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(QRect(28, 120, 370, 350), 14, 14);
    // The digger "Buddelmaster 2000": body, cab, arm and bucket.
    p.setBrush(QColor(255, 170, 0));
    p.drawRoundedRect(QRect(460, 500, 170, 45), 8, 8);
    p.drawRect(QRect(470, 470, 50, 34));
    p.setBrush(QColor(180, 220, 255));
    p.drawRect(QRect(478, 476, 34, 20));
    p.setPen(QPen(QColor(200, 120, 0), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPoint(620, 505), QPoint(690, 455));
    p.drawLine(QPoint(690, 455), QPoint(735, 500));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    p.drawPie(QRect(718, 488, 36, 30), 180 * 16, 180 * 16);
    p.setBrush(QColor(50, 50, 50));
    p.drawRoundedRect(QRect(455, 540, 180, 16), 8, 8);
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\Verbuddeltaberwo.bmp"));
}

} // namespace

bool paintHiddenButWhere(const QString& dir)
{
    bool ok = paintBackground(dir);
    ok = paintCell(dir, QStringLiteral("wasser.bmp"), QColor(40, 120, 220), QColor(20, 70, 150), drawWater) && ok;
    ok = paintCell(dir, QStringLiteral("Treffer.bmp"), QColor(255, 220, 60), QColor(180, 130, 0), drawSweet) && ok;
    ok = paintCell(dir, QStringLiteral("Daneben.bmp"), QColor(150, 105, 60), QColor(90, 60, 30), drawHole) && ok;
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Verstecktaberwo.bmp"), QStringLiteral("Versteckt, aber wo?"),
                          {QStringLiteral("Unter dem Wasser sind 20 Bonbons verbuddelt."),
                           QStringLiteral("Tippe die Übersetzung des Wortes ein und klicke dann auf ein Feld."),
                           QStringLiteral("Stimmt die Übersetzung, buddelt die Maschine dort: gelb mit Bonbon "
                                          "heißt Treffer, braunes Loch heißt daneben."),
                           QStringLiteral("Ist die Übersetzung falsch, streikt die Maschine und zeigt dir die "
                                          "richtige."),
                           QStringLiteral("Findest du alle 20 Bonbons, hast du gewonnen!")}) &&
         ok;
    return ok;
}

} // namespace tavrio::assets
