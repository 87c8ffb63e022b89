#include "Drawing.h"
#include "ShellDrawing.h"
#include "ShellScenes.h"
#include "app/Layout.h"

#include <QPainter>
#include <QPainterPath>

namespace tavrio::assets {

namespace {

// The house front: wall, roof, chimney and upstairs windows.
void paintFront(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 90, 50), 3));
    p.setBrush(QColor(255, 225, 170));
    p.drawRect(60, 220, 680, 310);
    p.setBrush(QColor(120, 110, 120));
    p.drawRect(560, 70, 50, 90);
    QPainterPath roof;
    roof.moveTo(30, 230);
    roof.lineTo(400, 40);
    roof.lineTo(770, 230);
    roof.closeSubpath();
    QLinearGradient g(0, 40, 0, 230);
    g.setColorAt(0, QColor(230, 80, 60));
    g.setColorAt(1, QColor(180, 50, 40));
    p.setBrush(g);
    p.setPen(QPen(QColor(120, 30, 20), 4));
    p.drawPath(roof);
    p.setPen(QPen(QColor(150, 40, 30, 140), 2));
    for (int y = 80; y < 230; y += 30)
        p.drawLine(400 - (y - 40) * 370 / 190, y, 400 + (y - 40) * 370 / 190, y);
    drawWindow(p, QRect(355, 120, 90, 70));
    drawWindow(p, QRect(120, 245, 110, 80));
    drawWindow(p, QRect(570, 245, 110, 80));
    // flower boxes under the windows
    for (int x : {120, 570}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 90, 50));
        p.drawRect(x - 5, 325, 120, 12);
        for (int i = 0; i < 5; ++i)
            drawFlower(p, QPointF(x + 10 + i * 24, 328), i % 2 ? QColor(240, 80, 120) : QColor(255, 170, 40));
    }
    // the path to the main door, widening into a round patch that ends
    // inside the picture: on a large screen the grass goes on below it
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 190, 150));
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.moveTo(345, 530);
    path.lineTo(455, 530);
    path.lineTo(496, 574);
    path.lineTo(304, 574);
    path.closeSubpath();
    path.addEllipse(QPointF(400, 574), 116, 18);
    p.drawPath(path);
}

void paintGear(QPainter& p, QPointF c, qreal r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 110));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.drawRect(QRectF(-r * 0.2, -r * 1.25, r * 0.4, r * 0.5));
        p.restore();
    }
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(230, 230, 240));
    p.drawEllipse(c, r * 0.4, r * 0.4);
    p.restore();
}

bool paintEntranceFront(const QString& dir)
{
    namespace L = layout::entrance;
    cSignBoxes signs;
    QImage img = canvas(800, 600, Qt::white);
    QPainter p(&img);
    paintSkyAndGrass(p);
    drawSun(p, QPointF(90, 80), 40);
    drawCloud(p, QPointF(250, 70), 40);
    drawCloud(p, QPointF(650, 40), 30);
    paintFront(p);
    drawDoor(p, L::start, QColor(60, 150, 70), QStringLiteral("Start"));
    drawDoor(p, L::options, QColor(70, 110, 200), QStringLiteral("Optionen"));
    paintGear(p, QPointF(L::options.center().x(), L::options.center().y() + 42), 16);
    drawDoor(p, L::quit, QColor(200, 70, 60), QStringLiteral("Ende"));
    // a little "exit" arrow on the Ende door
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    const QPoint c(L::quit.center().x(), L::quit.center().y() + 42);
    p.drawLine(c + QPoint(-16, 0), c + QPoint(16, 0));
    p.drawLine(c + QPoint(6, -10), c + QPoint(16, 0));
    p.drawLine(c + QPoint(6, 10), c + QPoint(16, 0));
    // The trees stand whole inside the picture, between its edges and the
    // outer doors (a tree reaches 0.35 of its height left, 0.37 right).
    drawTree(p, QPointF(46, 560), 122);
    drawTree(p, QPointF(754, 560), 116);
    drawHelpIcon(p, L::help);
    p.end();
    return saveScene(dir, img, "Eingang",
                     {{"Start", L::start}, {"Optionen", L::options}, {"Ende", L::quit}}, signs);
}

bool paintIntro(const QString& dir)
{
    namespace L = layout::entrance;
    QImage img = canvas(800, 600, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, area(img), QColor(255, 220, 120), QColor(255, 160, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(400, 250);
        p.rotate(i * 30);
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(-60, -600);
        ray.lineTo(60, -600);
        ray.closeSubpath();
        p.drawPath(ray);
        p.restore();
    }
    drawCaption(p, QRect(0, 40, 800, 110), QStringLiteral("Tavrio"), 96, QColor(140, 40, 0));
    drawCaption(p, QRect(0, 150, 800, 40), QStringLiteral("Vokabeln lernen in Tavrios Haus"), 28, QColor(110, 50, 10));
    drawPerson(p, QPointF(250, 410), 190, boyWithCap());
    drawPerson(p, QPointF(550, 410), 180, curlyGirl(QColor(200, 90, 30)));
    // a book between them, with "ABC" on it
    p.setPen(QPen(QColor(90, 40, 10), 3));
    p.setBrush(QColor(60, 120, 220));
    p.drawRoundedRect(QRect(340, 270, 120, 90), 6, 6);
    drawCaption(p, QRect(340, 270, 120, 90), QStringLiteral("ABC"), 34, Qt::white);
    // plain panel behind the count-down text
    p.setPen(QPen(QColor(200, 120, 40), 4));
    p.setBrush(QColor(255, 250, 230));
    p.drawRoundedRect(L::introText.united(L::introCount).adjusted(-10, -8, 10, 8), 20, 20);
    p.end();
    return saveRawPicture(img, dir, QStringLiteral("BG\\Intro.bmp"));
}

} // namespace

bool paintEntrance(const QString& dir)
{
    const bool ok = paintEntranceFront(dir);
    return paintIntro(dir) && ok;
}

} // namespace tavrio::assets
