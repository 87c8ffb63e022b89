#include "Drawing.h"
#include "ShellDrawing.h"
#include "ShellScenes.h"
#include "app/Layout.h"

#include <QPainter>
#include <QPainterPath>

namespace tavrio::assets {

namespace {

// One room of the cut-open house: wallpaper and floor.
void paintRoom(QPainter& p, const QRect& r, QColor wall)
{
    p.fillRect(r, wall);
    p.setPen(QPen(wall.darker(108), 8));
    for (int x = r.left() + 12; x < r.right(); x += 30)
        p.drawLine(x, r.top(), x, r.bottom() - 14);
    drawPlanks(p, QRect(r.left(), r.bottom() - 14, r.width(), 14), QColor(170, 120, 70), false);
}

void paintRockingChair(QPainter& p, const QRect& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 70, 30), 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(r.left(), r.bottom() - 40, r.width(), 60), 200 * 16, 140 * 16);
    p.drawLine(r.left() + 30, r.bottom() - 28, r.left() + 25, r.top() + 20);
    p.drawLine(r.right() - 30, r.bottom() - 28, r.right() - 35, r.top() + 70);
    p.setBrush(QColor(180, 60, 60));
    p.setPen(QPen(QColor(120, 70, 30), 4));
    p.drawRoundedRect(QRect(r.left() + 20, r.top() + 64, r.width() - 50, 18), 6, 6);
    p.restore();
}

} // namespace

bool paintHouse(const QString& dir)
{
    namespace L = layout::house;
    cSignBoxes signs;
    QImage img = canvas(800, 600, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintSkyAndGrass(p);
    drawCloud(p, QPointF(90, 70), 36);
    drawCloud(p, QPointF(690, 120), 28);

    // roof with the attic inside
    QPainterPath roof;
    roof.moveTo(90, 210);
    roof.lineTo(400, 20);
    roof.lineTo(710, 210);
    roof.closeSubpath();
    p.setPen(QPen(QColor(120, 30, 20), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(200, 160, 110));
    p.drawPath(roof);
    drawPlanks(p, QRect(230, 196, 340, 10), QColor(150, 100, 60), false);
    // attic: a round window, a chest and a ladder
    p.setPen(QPen(QColor(110, 70, 40), 3));
    p.setBrush(QColor(160, 110, 60));
    p.drawRoundedRect(QRect(L::attic.left() + 12, L::attic.bottom() - 44, 64, 40), 6, 6);
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRect(L::attic.left() + 40, L::attic.bottom() - 30, 8, 10));
    drawWindow(p, QRect(L::attic.center().x() - 22, L::attic.top() + 34, 44, 44));
    p.setPen(QPen(QColor(120, 80, 40), 5));
    p.drawLine(L::attic.right() - 60, L::attic.bottom() + 10, L::attic.right() - 40, L::attic.top() + 40);
    p.drawLine(L::attic.right() - 30, L::attic.bottom() + 10, L::attic.right() - 10, L::attic.top() + 40);
    for (int i = 0; i < 5; ++i) {
        const int y = L::attic.bottom() + 2 - i * 14;
        p.drawLine(L::attic.right() - 58 + i * 4, y, L::attic.right() - 28 + i * 4, y);
    }
    drawSign(p, QRect(L::attic.left() + 30, L::attic.top() + 2, 140, 26), QStringLiteral("Dachboden"));

    // walls, floors and rooms
    p.setPen(QPen(QColor(150, 90, 50), 6));
    p.setBrush(QColor(230, 200, 160));
    p.drawRect(110, 210, 580, 370);
    paintRoom(p, QRect(120, 220, 275, 170), QColor(200, 230, 255));   // children's room
    paintRoom(p, QRect(405, 220, 275, 170), QColor(255, 220, 230));   // grandma's parlour
    paintRoom(p, QRect(120, 400, 275, 172), QColor(255, 240, 190));   // kitchen with dad
    paintRoom(p, QRect(405, 400, 275, 172), QColor(210, 245, 210));   // back door to the garden

    // children's room: a door with a teddy sticker, toys on the floor
    drawDoor(p, QRect(L::childrensRoom.left() + 40, L::childrensRoom.top(), 100, 140), QColor(250, 160, 60),
             QString());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 110, 60));
    const QPoint teddy(L::childrensRoom.left() + 90, L::childrensRoom.top() + 100);
    p.drawEllipse(teddy, 16, 18);
    p.drawEllipse(teddy + QPoint(0, -24), 12, 12);
    p.drawEllipse(teddy + QPoint(-10, -34), 5, 5);
    p.drawEllipse(teddy + QPoint(10, -34), 5, 5);
    p.setBrush(QColor(230, 60, 60));
    p.drawEllipse(QPoint(L::childrensRoom.left() + 20, L::childrensRoom.bottom() - 20), 14, 14);
    p.setBrush(QColor(60, 120, 230));
    p.drawRect(QRect(L::childrensRoom.right() - 32, L::childrensRoom.bottom() - 38, 24, 24));
    drawSign(p, QRect(L::childrensRoom.left() + 10, L::childrensRoom.top() - 4, 160, 26), QStringLiteral("Kinderzimmer"));

    // grandma in her rocking chair, knitting
    paintRockingChair(p, QRect(L::grandma.left() + 40, L::grandma.top() + 30, 110, 96));
    const cPersonLook oma = grandmaLook();
    drawPerson(p, QPointF(L::grandma.left() + 95, L::grandma.bottom() - 14), 110, oma);
    p.setBrush(QColor(250, 60, 80));
    p.setPen(QPen(QColor(200, 180, 60), 2));
    p.drawEllipse(QPoint(L::grandma.left() + 95, L::grandma.bottom() - 56), 12, 12);
    drawSign(p, QRect(L::grandma.right() - 80, L::grandma.top() + 4, 76, 26), QStringLiteral("Oma"));

    // dad in the kitchen with an ice cream
    cPersonLook papa;
    papa.moustache = true;
    papa.shirt = QColor(60, 110, 200);
    drawPerson(p, QPointF(L::dad.left() + 80, L::dad.bottom() - 12), 140, papa);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 170, 90));
    QPainterPath cone;
    cone.moveTo(L::dad.left() + 118, L::dad.top() + 70);
    cone.lineTo(L::dad.left() + 138, L::dad.top() + 70);
    cone.lineTo(L::dad.left() + 128, L::dad.top() + 100);
    cone.closeSubpath();
    p.drawPath(cone);
    p.setBrush(QColor(255, 180, 200));
    p.drawEllipse(QPoint(L::dad.left() + 128, L::dad.top() + 64), 12, 11);
    p.setBrush(QColor(140, 90, 50));
    p.drawEllipse(QPoint(L::dad.left() + 128, L::dad.top() + 52), 9, 8);
    p.setBrush(QColor(220, 220, 230));
    p.setPen(QPen(QColor(120, 120, 130), 2));
    p.drawRect(QRect(L::dad.right() - 50, L::dad.top() + 50, 44, 96)); // fridge
    drawSign(p, QRect(L::dad.right() - 80, L::dad.top() + 4, 76, 26), QStringLiteral("Papa"));

    // glass door to the garden, flowers outside
    p.setPen(QPen(QColor(120, 80, 40), 6));
    p.setBrush(QColor(160, 220, 140));
    const QRect glass(L::garden.left() + 36, L::garden.top() + 30, 100, 122);
    p.drawRect(glass);
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(glass.center().x(), glass.top(), glass.center().x(), glass.bottom());
    drawSun(p, QPointF(glass.left() + 26, glass.top() + 24), 10);
    for (int i = 0; i < 4; ++i)
        drawFlower(p, QPointF(glass.left() + 12 + i * 25, glass.bottom() - 4),
                   i % 2 ? QColor(250, 90, 120) : QColor(250, 200, 40));
    drawSign(p, QRect(L::garden.left() + 20, L::garden.top() - 2, 130, 26), QStringLiteral("Garten"));

    drawBackArrow(p, layout::backArrow);
    drawHelpIcon(p, layout::helpButton);
    p.end();
    return saveScene(dir, img, "DasHaus",
                     {{"Papa", L::dad}, {"Oma", L::grandma}, {"Dachboden", L::attic},
                      {"Kinderzimmer", L::childrensRoom}, {"Garten", L::garden}}, signs);
}

} // namespace tavrio::assets
