#include "Drawing.h"
#include "ShellDrawing.h"
#include "ShellScenes.h"
#include "app/Layout.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace tavrio::assets {

namespace {

void paintLetterGrid(QPainter& p, const QRect& r, const QString& letters, int columns, QColor paper)
{
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(paper);
    p.drawRect(r);
    const int rows = (int(letters.size()) + columns - 1) / columns;
    const qreal cw = qreal(r.width()) / columns;
    const qreal ch = qreal(r.height()) / rows;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(ch * 0.7));
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < letters.size(); ++i) {
        const QRectF cell(r.left() + (i % columns) * cw, r.top() + (i / columns) * ch, cw, ch);
        p.setPen(QPen(QColor(170, 170, 170), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell);
        if (letters[i] == QLatin1Char('#')) {
            p.fillRect(cell, QColor(40, 40, 40));
            continue;
        }
        p.setPen(QColor(30, 30, 120));
        p.drawText(cell, Qt::AlignCenter, QString(letters[i]));
    }
    p.restore();
}

void paintSlopedCeiling(QPainter& p)
{
    QPainterPath left;
    left.moveTo(0, 0);
    left.lineTo(230, 0);
    left.lineTo(0, 260);
    left.closeSubpath();
    QPainterPath right = QTransform(-1, 0, 0, 1, 800, 0).map(left);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 50));
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(90, 60, 35), 4));
    for (int i = 1; i < 5; ++i) {
        p.drawLine(i * 46, 0, 0, 260 - i * 52 + 52 - 52);
        p.drawLine(800 - i * 46, 0, 800, 260 - i * 52);
    }
}

} // namespace

bool paintAttic(const QString& dir)
{
    namespace L = layout::attic;
    cSignBoxes signs;
    QImage img = canvas(800, 599, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawPlanks(p, QRect(0, 0, 800, 430), QColor(205, 160, 110), true);
    drawPlanks(p, QRect(0, 430, 800, 169), QColor(170, 120, 75), false);
    paintSlopedCeiling(p);
    drawWindow(p, QRect(345, 30, 110, 80), QColor(40, 60, 130)); // a starry evening outside
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 180));
    for (const QPoint s : {QPoint(365, 50), QPoint(430, 45), QPoint(395, 90), QPoint(440, 95)})
        p.drawEllipse(s, 3, 3);
    // a cobweb and a hanging lamp
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
    for (int r = 20; r <= 60; r += 20)
        p.drawArc(QRect(800 - r, -r, 2 * r, 2 * r), 180 * 16, 90 * 16);

    // letter shooting: a target with letters and a slingshot
    {
        const QRect r = L::letterShooting;
        const QPoint c(r.center().x(), r.top() + 68);
        for (int i = 0; i < 4; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(i % 2 ? Qt::white : QColor(220, 50, 50));
            p.drawEllipse(c, 56 - i * 14, 56 - i * 14);
        }
        drawCaption(p, QRect(c.x() - 20, c.y() - 20, 40, 40), QStringLiteral("A"), 28, Qt::black);
        p.setPen(QPen(QColor(110, 70, 30), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c.x(), r.bottom() - 10, c.x(), r.bottom() - 40);
        p.drawLine(c.x(), r.bottom() - 40, c.x() - 16, r.bottom() - 60);
        p.drawLine(c.x(), r.bottom() - 40, c.x() + 16, r.bottom() - 60);
        drawSign(p, QRect(r.left(), r.bottom() - 28, r.width(), 26), QStringLiteral("Schießen"));
    }
    // escape from Vokablia: an old wardrobe door with a map
    {
        const QRect r = L::escape;
        p.setPen(QPen(QColor(80, 50, 30), 4));
        p.setBrush(QColor(140, 90, 50));
        p.drawRoundedRect(r.adjusted(10, 28, -10, -4), 8, 8);
        p.setBrush(QColor(245, 225, 170));
        p.drawRect(r.adjusted(28, 50, -28, -60));
        p.setPen(QPen(QColor(200, 60, 40), 3, Qt::DashLine));
        p.drawLine(r.left() + 40, r.top() + 110, r.right() - 40, r.top() + 70);
        drawCaption(p, QRect(r.right() - 58, r.top() + 56, 24, 24), QStringLiteral("X"), 20, QColor(200, 40, 30));
        drawSign(p, QRect(r.left(), r.top(), r.width(), 26), QStringLiteral("Vokablia"));
    }
    // crossword on the wall
    {
        const QRect r = L::crossword;
        paintLetterGrid(p, r.adjusted(14, 30, -14, -6), QStringLiteral("HAUS#O#U#MAUS#E#T#BAUM"), 5,
                        QColor(255, 255, 245));
        drawSign(p, QRect(r.left(), r.top(), r.width(), 26), QStringLiteral("Kreuzworträtsel"));
    }
    // word search on the desk
    {
        const QRect r = L::wordSearch;
        p.setPen(QPen(QColor(90, 55, 30), 4));
        p.setBrush(QColor(150, 95, 50));
        p.drawRect(QRect(r.left() + 4, r.top() + 70, r.width() - 8, 16));
        p.drawRect(QRect(r.left() + 14, r.top() + 86, 14, r.height() - 90));
        p.drawRect(QRect(r.right() - 28, r.top() + 86, 14, r.height() - 90));
        paintLetterGrid(p, QRect(r.left() + 40, r.top() + 16, 110, 56), QStringLiteral("KATZEHUNDBAUMWALD"), 6,
                        QColor(255, 255, 255));
        p.setPen(QPen(QColor(60, 60, 60), 4));
        p.setBrush(QColor(200, 230, 255, 150));
        p.drawEllipse(QPoint(r.right() - 36, r.top() + 40), 16, 16);
        p.drawLine(r.right() - 24, r.top() + 52, r.right() - 10, r.top() + 66);
        drawSign(p, QRect(r.left() + 10, r.bottom() - 30, r.width() - 20, 26), QStringLiteral("Wörter suchen"));
    }
    // the test: a school board on an easel
    {
        const QRect r = L::test;
        p.setPen(QPen(QColor(120, 80, 40), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(r.left() + 30, r.bottom() - 4, r.center().x(), r.top() + 30);
        p.drawLine(r.right() - 30, r.bottom() - 4, r.center().x(), r.top() + 30);
        p.setBrush(QColor(40, 80, 50));
        p.setPen(QPen(QColor(150, 100, 50), 6));
        p.drawRect(r.adjusted(8, 40, -8, -60));
        drawCaption(p, r.adjusted(8, 40, -8, -90), QStringLiteral("TEST"), 30, Qt::white);
        drawCaption(p, r.adjusted(8, 80, -8, -60), QStringLiteral("1 + 1 ✓"), 18, QColor(255, 255, 200));
        drawSign(p, QRect(r.left(), r.top(), r.width(), 26), QStringLiteral("Test"));
    }
    drawBackArrow(p, layout::backArrow);
    drawHelpIcon(p, layout::helpButton);
    p.end();
    return saveScene(dir, img, "Dachboden",
                     {{"BUCHSTABENSCHIESSEN", L::letterShooting}, {"FLUCHTVONVOKABLIA", L::escape},
                      {"WOERTERSUCHEN", L::wordSearch}, {"KREUZWORTRAETSEL", L::crossword}, {"TEST", L::test}}, signs);
}

bool paintChildrensRoom(const QString& dir)
{
    namespace L = layout::childrensRoom;
    cSignBoxes signs;
    QImage img = canvas(800, 600, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 800, 420), QColor(200, 230, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    for (int y = 30; y < 400; y += 70)
        for (int x = (y / 70) % 2 * 35 + 20; x < 800; x += 70)
            p.drawEllipse(QPoint(x, y), 8, 8);
    drawPlanks(p, QRect(0, 420, 800, 180), QColor(200, 150, 100), false);
    p.setBrush(QColor(120, 180, 240));
    p.drawEllipse(QRect(230, 455, 520, 120)); // round carpet
    drawWindow(p, QRect(30, 60, 150, 120));
    // the bed
    p.setPen(QPen(QColor(120, 70, 40), 4));
    p.setBrush(QColor(160, 100, 60));
    p.drawRect(QRect(690, 300, 104, 130));
    p.setBrush(QColor(250, 120, 120));
    p.drawRoundedRect(QRect(700, 320, 90, 80), 10, 10);

    // little brother with a big question
    {
        const QRect r = L::littleBrother;
        cPersonLook kid;
        kid.hairStyle = cPersonLook::Curly;
        kid.hair = QColor(240, 190, 60);
        kid.shirt = QColor(250, 140, 40);
        drawPerson(p, QPointF(r.center().x(), r.bottom() - 30), 130, kid);
        p.setPen(QPen(QColor(60, 60, 60), 3));
        p.setBrush(Qt::white);
        p.drawEllipse(QRect(r.left() + 70, r.top() + 4, 80, 60));
        drawCaption(p, QRect(r.left() + 70, r.top() + 4, 80, 60), QStringLiteral("?"), 44, QColor(200, 40, 40));
        drawSign(p, QRect(r.left(), r.bottom() - 28, r.width(), 26), QStringLiteral("Kleiner Bruder"));
    }
    // wheel of fortune
    {
        const QRect r = L::wheel;
        const QRectF wheel = QRectF(r).adjusted(14, 6, -14, -30);
        const QColor colours[] = {QColor(240, 70, 70), QColor(250, 200, 40), QColor(70, 180, 80), QColor(60, 130, 230)};
        p.setPen(QPen(Qt::white, 2));
        for (int i = 0; i < 8; ++i) {
            p.setBrush(colours[i % 4]);
            p.drawPie(wheel, i * 45 * 16, 45 * 16);
        }
        p.setBrush(Qt::white);
        p.drawEllipse(wheel.center(), 12, 12);
        p.setBrush(QColor(60, 60, 60));
        QPainterPath pointer;
        pointer.moveTo(wheel.center().x() - 10, wheel.top() - 6);
        pointer.lineTo(wheel.center().x() + 10, wheel.top() - 6);
        pointer.lineTo(wheel.center().x(), wheel.top() + 16);
        pointer.closeSubpath();
        p.drawPath(pointer);
        drawSign(p, QRect(r.left() + 20, r.bottom() - 28, r.width() - 40, 26), QStringLiteral("Glücksrad"));
    }
    // the quiz show on TV
    {
        const QRect r = L::quizShow;
        p.setPen(QPen(QColor(40, 40, 40), 5));
        p.setBrush(QColor(60, 60, 70));
        p.drawRoundedRect(r.adjusted(6, 6, -6, -36), 14, 14);
        fillGradient(p, r.adjusted(20, 18, -20, -48), QColor(40, 40, 160), QColor(110, 40, 160));
        drawCaption(p, r.adjusted(20, 18, -20, -90), QStringLiteral("Wer wird"), 22, QColor(255, 220, 60));
        drawCaption(p, r.adjusted(20, 50, -20, -58), QStringLiteral("Vokablär?"), 26, QColor(255, 220, 60));
        p.setPen(QPen(QColor(40, 40, 40), 4));
        p.drawLine(r.center().x() - 30, r.top() + 6, r.center().x() - 50, r.top() - 10);
        drawSign(p, QRect(r.left() + 30, r.bottom() - 28, r.width() - 60, 26), QStringLiteral("Quizshow"));
    }
    // sliding puzzle on a little table
    {
        const QRect r = L::slidingPuzzle;
        p.setPen(QPen(QColor(120, 70, 40), 4));
        p.setBrush(QColor(200, 130, 70));
        p.drawRect(QRect(r.left() + 10, r.top() + 70, r.width() - 20, 12));
        p.drawRect(QRect(r.left() + 24, r.top() + 82, 10, 18));
        p.drawRect(QRect(r.right() - 34, r.top() + 82, 10, 18));
        paintLetterGrid(p, QRect(r.center().x() - 33, r.top() + 6, 66, 64), QStringLiteral("12345678#"), 3,
                        QColor(255, 240, 200));
        drawSign(p, QRect(r.left(), r.bottom() - 28, r.width(), 26), QStringLiteral("Schiebespiel"));
    }
    // memory cards on the carpet
    {
        const QRect r = L::memory;
        for (int i = 0; i < 6; ++i) {
            const QRect card(r.left() + 14 + i * 31, r.top() + 14 + (i % 2) * 12, 26, 36);
            p.setPen(QPen(QColor(40, 60, 120), 2));
            p.setBrush(i == 2 || i == 4 ? QColor(255, 255, 255) : QColor(90, 130, 220));
            p.drawRoundedRect(card, 4, 4);
            if (i == 2 || i == 4)
                drawCaption(p, card, QStringLiteral("★"), 18, QColor(240, 170, 0));
        }
        drawSign(p, QRect(r.left() + 30, r.bottom() - 40, r.width() - 60, 26), QStringLiteral("Memory"));
    }
    drawBackArrow(p, layout::backArrow);
    drawHelpIcon(p, layout::helpButton);
    p.end();
    return saveScene(dir, img, "Kinderzimmer",
                     {{"KleinerBruder", L::littleBrother}, {"GLUECKSRAD", L::wheel}, {"Werwirdvokablaer", L::quizShow},
                      {"schiebespiel", L::slidingPuzzle}, {"memory", L::memory}}, signs);
}

bool paintGarden(const QString& dir)
{
    namespace L = layout::garden;
    cSignBoxes signs;
    QImage img = canvas(800, 600, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The entrance's sky and grass, so on a large screen they run on beside
    // the window. The garden's lawn is a hill from the entrance's horizon at
    // the picture's edges up to the fence; below the horizon it takes the
    // entrance's grass colours, so its sides meet the grass around without
    // a seam.
    paintSkyAndGrass(p);
    {
        namespace E = layout::entrance;
        constexpr qreal top = 296;
        QPainterPath lawn;
        lawn.moveTo(0, E::horizon);
        lawn.cubicTo(30, E::horizon - 50, 34, top, 104, top);
        lawn.lineTo(744, top);
        lawn.cubicTo(774, top, 774, E::horizon - 50, 800, E::horizon);
        lawn.lineTo(800, 600);
        lawn.lineTo(0, 600);
        lawn.closeSubpath();
        QLinearGradient grass(0, top, 0, 600);
        grass.setColorAt(0, QColor(135, 212, 100));
        grass.setColorAt((E::horizon - top) / (600 - top), QColor(E::grassTop));
        grass.setColorAt(1, QColor(E::grassBottom));
        p.setPen(Qt::NoPen);
        p.setBrush(grass);
        p.drawPath(lawn);
    }
    drawSun(p, QPointF(640, 70), 42);
    drawCloud(p, QPointF(200, 60), 36);
    drawCloud(p, QPointF(420, 110), 26);
    // fence, its ends behind the trees
    p.setPen(QPen(QColor(150, 100, 60), 2));
    p.setBrush(QColor(240, 230, 210));
    for (int x = 78; x + 28 <= 730; x += 34) {
        QPainterPath plank;
        plank.moveTo(x + 4, 300);
        plank.lineTo(x + 4, 236);
        plank.lineTo(x + 16, 224);
        plank.lineTo(x + 28, 236);
        plank.lineTo(x + 28, 300);
        plank.closeSubpath();
        p.drawPath(plank);
    }
    p.drawRect(82, 250, 636, 10);
    // Whole trees, clear of the picture's edges and of the hot spots below.
    drawTree(p, QPointF(84, 318), 200);
    drawTree(p, QPointF(730, 298), 160);
    for (int i = 0; i < 12; ++i)
        drawFlower(p, QPointF(120 + i * 55, 560 + (i % 3) * 12), i % 3 == 0 ? QColor(240, 80, 120)
                                                                : i % 3 == 1 ? QColor(255, 190, 40)
                                                                             : QColor(170, 110, 240));
    // sandpit with mounds and a spade
    {
        const QRect r = L::hidden;
        p.setPen(QPen(QColor(150, 100, 50), 8));
        p.setBrush(QColor(240, 215, 140));
        p.drawRoundedRect(r.adjusted(10, 40, -10, -10), 18, 18);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 185, 110));
        for (int i = 0; i < 4; ++i)
            p.drawChord(QRect(r.left() + 30 + i * 56, r.top() + 90 + (i % 2) * 30, 50, 40), 0, 180 * 16);
        p.setPen(QPen(QColor(120, 80, 40), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(r.right() - 40, r.top() + 60, r.right() - 70, r.top() + 130);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 150, 160));
        p.drawEllipse(QPoint(r.right() - 72, r.top() + 138), 14, 10);
        drawCaption(p, QRect(r.left() + 100, r.top() + 40, 60, 50), QStringLiteral("?"), 40, QColor(180, 60, 20));
        drawSign(p, QRect(r.left() + 30, r.top() + 2, r.width() - 60, 26), QStringLiteral("Versteckt, aber wo?"));
    }
    // pond with a little boat in distress
    {
        const QRect r = L::distress;
        p.setPen(QPen(QColor(90, 140, 90), 6));
        p.setBrush(QColor(80, 160, 230));
        p.drawEllipse(r.adjusted(6, 40, -6, -6));
        p.setPen(QPen(QColor(255, 255, 255, 170), 3));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i)
            p.drawArc(QRect(r.left() + 40 + i * 70, r.top() + 120 + (i % 2) * 20, 50, 16), 0, 180 * 16);
        // the boat
        p.setPen(QPen(QColor(110, 60, 30), 3));
        p.setBrush(QColor(200, 110, 50));
        QPainterPath hull;
        hull.moveTo(r.center().x() - 50, r.top() + 100);
        hull.lineTo(r.center().x() + 50, r.top() + 100);
        hull.lineTo(r.center().x() + 34, r.top() + 124);
        hull.lineTo(r.center().x() - 34, r.top() + 124);
        hull.closeSubpath();
        p.drawPath(hull);
        p.drawLine(r.center().x(), r.top() + 100, r.center().x(), r.top() + 50);
        p.setBrush(Qt::white);
        QPainterPath sail;
        sail.moveTo(r.center().x() + 2, r.top() + 52);
        sail.lineTo(r.center().x() + 40, r.top() + 96);
        sail.lineTo(r.center().x() + 2, r.top() + 96);
        sail.closeSubpath();
        p.drawPath(sail);
        // a life ring
        p.setPen(QPen(QColor(230, 40, 40), 7));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPoint(r.left() + 70, r.top() + 150), 14, 14);
        drawSign(p, QRect(r.left() + 80, r.top() + 2, r.width() - 160, 26), QStringLiteral("Seenot!"));
    }
    drawBackArrow(p, layout::backArrow);
    drawHelpIcon(p, layout::helpButton);
    p.end();
    return saveScene(dir, img, "Garten", {{"Verstecktaberwo", L::hidden}, {"Seenot", L::distress}}, signs);
}

} // namespace tavrio::assets
