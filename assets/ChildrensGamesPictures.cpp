// Backgrounds of the two children's room games: the little brother asking
// his big question (left a panel for the question and the two answers,
// right the brother with his speech bubble) and the wheel of fortune (left
// a panel for the puzzle and the letters, right the wheel with its fields).
#include "Drawing.h"
#include "ExercisePainters.h"
#include "ShellDrawing.h"

#include "exercises/wheel/WheelLayout.h"
#include "exercises/wheel/WheelRules.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace tavrio::assets {
namespace {

// The playroom wall with dots, a plank floor from `floorTop`, and a light
// strip along the bottom for the file name and "Zurück".
void paintPlayroom(QPainter& p, int floorTop)
{
    p.fillRect(QRect(0, 0, 800, floorTop), QColor(200, 230, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    for (int y = 30; y < floorTop - 10; y += 70)
        for (int x = (y / 70) % 2 * 35 + 20; x < 800; x += 70)
            p.drawEllipse(QPoint(x, y), 8, 8);
    drawPlanks(p, QRect(0, floorTop, 800, 600 - floorTop), QColor(200, 150, 100), false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(QRect(8, 548, 784, 46), 10, 10);
}

void paintPanel(QPainter& p, const QRect& r)
{
    p.setPen(QPen(QColor(250, 140, 40), 4));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(r, 18, 18);
}

bool paintLittleBrother(const QString& dir)
{
    QImage img = canvas(800, 600, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintPlayroom(p, 470);
    paintPanel(p, QRect(10, 95, 378, 350));

    // The brother's speech bubble, its tail pointing down to him.
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(440, 120, 320, 160), 40, 40);
    QPainterPath tail;
    tail.moveTo(570, 275);
    tail.lineTo(600, 275);
    tail.lineTo(585, 330);
    tail.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.setBrush(Qt::white);
    p.drawPath(bubble.united(tail));

    cPersonLook kid;
    kid.hairStyle = cPersonLook::Curly;
    kid.hair = QColor(240, 190, 60);
    kid.shirt = QColor(250, 140, 40);
    drawPerson(p, QPointF(600, 535), 200, kid);
    // A big question mark floating beside him.
    drawCaption(p, QRect(680, 300, 90, 110), QStringLiteral("?"), 96, QColor(200, 40, 40));
    // Toy blocks on the floor.
    const QColor blocks[] = {QColor(240, 70, 70), QColor(70, 180, 80), QColor(60, 130, 230)};
    const char* letters[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        const QRect b(430 + i * 40 - (i == 2 ? 20 : 0), i == 2 ? 460 : 494, 38, 38);
        p.setPen(QPen(blocks[i].darker(140), 2));
        p.setBrush(blocks[i]);
        p.drawRect(b);
        drawCaption(p, b, QString::fromLatin1(letters[i]), 24, Qt::white);
    }
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\KleinerBrudergroßefrage.bmp"));
}

void paintWheel(QPainter& p)
{
    namespace L = tavrio::wheel::layout;
    const QPointF c(L::kWheelX, L::kWheelY);
    const qreal r = L::kWheelRadius;
    // The stand.
    p.setPen(QPen(QColor(90, 60, 30), 3));
    p.setBrush(QColor(150, 100, 55));
    p.drawPolygon(QPolygonF({c, QPointF(c.x() - 70, c.y() + r + 50), QPointF(c.x() + 70, c.y() + r + 50)}));
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(c, r + 10, r + 10);

    // Eleven stakes and "Bankrott", each field 30 degrees.
    const QColor colours[] = {QColor(240, 70, 70), QColor(250, 200, 40), QColor(70, 180, 80), QColor(60, 130, 230),
                              QColor(170, 90, 210), QColor(250, 140, 40)};
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    for (int i = 0; i < 12; ++i) {
        const bool bankrupt = i == 11;
        const QString text = bankrupt ? QStringLiteral("Bankrott") : QString::fromLatin1(tavrio::wheel::kStakes[i]);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(bankrupt ? QColor(30, 30, 30) : colours[i % 6]);
        // Field i is centred at 90 - 30 i degrees (the first at the top).
        p.drawPie(disc, (75 - 30 * i) * 16, 30 * 16);
        // The text runs along the field's middle line, read from the rim.
        p.save();
        p.translate(c);
        p.rotate(30 * i - 90);
        p.setPen(bankrupt ? QColor(255, 220, 60) : Qt::white);
        p.drawText(QRectF(30, -12, r - 40, 24), Qt::AlignRight | Qt::AlignVCenter, text);
        p.restore();
    }
    p.setPen(QPen(QColor(90, 60, 30), 3));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 22, 22);
    // The pointer at the top.
    QPainterPath pointer;
    pointer.moveTo(c.x() - 16, c.y() - r - 26);
    pointer.lineTo(c.x() + 16, c.y() - r - 26);
    pointer.lineTo(c.x(), c.y() - r + 8);
    pointer.closeSubpath();
    p.setBrush(QColor(200, 30, 30));
    p.drawPath(pointer);
}

bool paintWheelOfFortune(const QString& dir)
{
    namespace L = tavrio::wheel::layout;
    QImage img = canvas(800, 600, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintPlayroom(p, 500);
    paintPanel(p, QRect(L::kPanel.x, L::kPanel.y, L::kPanel.width, L::kPanel.height));
    paintWheel(p);

    // The joker card beside the joker count.
    const QRect card(L::kJokerCard.x, L::kJokerCard.y, L::kJokerCard.width, L::kJokerCard.height);
    p.setPen(QPen(QColor(120, 20, 120), 2));
    p.setBrush(QColor(255, 240, 120));
    p.drawRoundedRect(card.adjusted(2, 2, -2, -2), 6, 6);
    drawCaption(p, card.adjusted(2, 0, -2, -14), QStringLiteral("★"), 16, QColor(200, 40, 40));
    drawCaption(p, card.adjusted(2, 16, -2, -2), QStringLiteral("JOKER"), 13, QColor(120, 20, 120));
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\Glücksrad.bmp"));
}

} // namespace

bool paintChildrensGames(const QString& dir)
{
    const bool ok = paintLittleBrother(dir);
    return paintWheelOfFortune(dir) && ok;
}

} // namespace tavrio::assets
