// The quiz show's studio: a dark stage under spotlights, lines through the
// question and the four answers, the audience in the front row and the
// panel on the right that holds the prize ladder, the safe levels' rows
// lighter with gold edges.
#include "Drawing.h"
#include "ExercisePainters.h"
#include "exercises/quiz/Ladder.h"
#include "exercises/quiz/Stage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tavrio::assets {
namespace {

using namespace tavrio::quiz;

const QColor kGold(255, 190, 0);
const QColor kPanel(15, 25, 80);

void paintSpotlights(QPainter& p)
{
    p.setPen(Qt::NoPen);
    for (int x : {90, 310, 530}) {
        QLinearGradient beam(x, 0, x, 420);
        beam.setColorAt(0, QColor(255, 250, 200, 90));
        beam.setColorAt(1, QColor(255, 250, 200, 0));
        p.setBrush(beam);
        p.drawPolygon(QPolygon({QPoint(x - 12, 0), QPoint(x + 12, 0), QPoint(x + 110, 420), QPoint(x - 110, 420)}));
        p.setBrush(QColor(60, 60, 70));
        p.drawRoundedRect(QRect(x - 16, -6, 32, 18), 4, 4);
    }
}

// A band with pointed ends, as the answers' frames on the show.
void paintBand(QPainter& p, const QRect& box)
{
    const int mid = box.center().y();
    p.setPen(QPen(QColor(150, 170, 230), 2));
    p.drawLine(QPoint(8, mid), QPoint(box.left(), mid));
    p.drawLine(QPoint(box.right(), mid), QPoint(kBandsRight + 8, mid));
    QPainterPath band;
    band.moveTo(box.left(), mid);
    band.lineTo(box.left() + 18, box.top());
    band.lineTo(box.right() - 18, box.top());
    band.lineTo(box.right(), mid);
    band.lineTo(box.right() - 18, box.bottom());
    band.lineTo(box.left() + 18, box.bottom());
    band.closeSubpath();
    p.setBrush(QColor(10, 15, 55));
    p.drawPath(band);
}

void paintLadderPanel(QPainter& p)
{
    const QRect panel(584, rowY(kLevels) - 10, 212, kLevels * kRowPitch + kRowPitch + 20);
    p.setPen(QPen(kGold, 3));
    p.setBrush(kPanel);
    p.drawRoundedRect(panel, 12, 12);
    // The safe levels' rows as lighter bands with gold edges.
    for (int level = 0; level < kLevels; ++level) {
        if (!isSafeLevel(level))
            continue;
        const QRect band(panel.left() + 6, rowY(level), panel.width() - 12, kRowPitch);
        p.fillRect(band, QColor(50, 60, 140));
        p.setPen(QPen(kGold, 1));
        p.drawLine(band.topLeft(), band.topRight());
        p.drawLine(band.bottomLeft(), band.bottomRight());
    }
    // The show's logo above the ladder: a glowing disc with a question mark.
    QRadialGradient glow(QPointF(690, 62), 52);
    glow.setColorAt(0, QColor(90, 110, 230));
    glow.setColorAt(1, QColor(20, 25, 90));
    p.setPen(QPen(kGold, 4));
    p.setBrush(glow);
    p.drawEllipse(QPoint(690, 62), 46, 46);
    drawCaption(p, QRect(644, 16, 92, 92), QStringLiteral("?"), 60, kGold);
}

void paintAudience(QPainter& p)
{
    p.setPen(Qt::NoPen);
    const QColor shades[3] = {QColor(70, 40, 110), QColor(55, 30, 90), QColor(85, 50, 125)};
    int i = 0;
    for (int x = 14; x < 660; x += 34, ++i) {
        const int y = 548 + (i % 2) * 8;
        p.setBrush(shades[i % 3]);
        p.drawEllipse(QPoint(x, y), 13, 14);
        p.drawRoundedRect(QRect(x - 17, y + 10, 34, 60), 14, 14);
    }
}

bool paintBackground(const QString& dir)
{
    QImage img = canvas(800, 600, QColor(10, 15, 50));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, QColor(10, 15, 50));
    sky.setColorAt(1, QColor(50, 25, 90));
    p.fillRect(area(img), sky);
    paintSpotlights(p);
    // The round stage floor under the candidate's place.
    QRadialGradient floor(QPointF(310, 470), 300);
    floor.setColorAt(0, QColor(70, 90, 200));
    floor.setColorAt(1, QColor(30, 30, 100));
    p.setPen(QPen(QColor(120, 150, 255), 3));
    p.setBrush(floor);
    p.drawEllipse(QPoint(310, 470), 300, 70);
    // Frames of the word asked and of the four answers (2 x 2).
    // Each answer's band reaches 6 units beyond its button on both sides, so
    // the pointed ends show; all tips stay clear of the ladder's panel.
    paintBand(p, QRect(46, 140, kBandsRight - 46 + 1, 56));
    for (const QRect& button : answerButtons)
        paintBand(p, QRect(button.left() - 6, button.top() - 3, button.width() + 12, 56));
    paintLadderPanel(p);
    paintAudience(p);
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\WerwirdVokablär.bmp"));
}

} // namespace

bool paintQuizShow(const QString& dir) { return paintBackground(dir); }

} // namespace tavrio::assets
