#include "Drawing.h"
#include "Painters.h"

#include "start/ExchangeLayout.h"

#include <QPainter>
#include <QPainterPath>

namespace tavrio::assets {
namespace {

namespace L = tavrio::layout::exchange;

// Sky-blue page with books on the results desk, the drawn back button at the
// top left, the mail hint at the bottom left and a notice board beside it.
QImage exchangeBackground()
{
    QImage img = canvas(800, 600, QColor(178, 220, 246));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // A cloud or two behind the title.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (const QRect& r : {QRect(600, 20, 140, 50), QRect(640, 5, 90, 50), QRect(230, 30, 120, 40)})
        p.drawEllipse(r);

    drawCaption(p, L::title, QStringLiteral("Vokabeln aus dem Internet"), 30, QColor(30, 60, 120));

    // The desk the results lie on; its top edge runs just below the search
    // field, whose bottom is at 120.
    const int deskTop = L::searchEdit.bottom() + 3;
    p.setBrush(QColor(250, 245, 230));
    p.setPen(QPen(QColor(120, 90, 50), 3));
    p.drawRoundedRect(L::resultGrid.adjusted(-12, deskTop - L::resultGrid.top(), 12, 12), 14, 14);

    // A few books standing on the desk's top edge, left of the search field.
    const QColor spines[] = {QColor(200, 60, 60), QColor(60, 140, 70), QColor(240, 180, 40), QColor(70, 90, 190),
                             QColor(150, 80, 160)};
    for (int i = 0; i < 5; ++i) {
        const int h = 24 + (i * 7) % 15;
        p.setBrush(spines[i]);
        p.setPen(QPen(QColor(60, 40, 20), 2));
        p.drawRect(QRect(L::resultGrid.left() + 12 + 21 * i, deskTop - h, 18, h));
    }

    // The notice board under the desk: the exchange's state lines and the
    // upload button stand on it, readable on a plain face.
    p.setBrush(QColor(255, 250, 210));
    p.setPen(QPen(QColor(120, 90, 50), 2));
    p.drawRoundedRect(L::noticeBoard, 10, 10);

    drawButton(p, L::backButton, QStringLiteral("Zur\u00fcck"));

    p.setBrush(QColor(255, 250, 210));
    p.setPen(QPen(QColor(120, 90, 50), 2));
    p.drawRoundedRect(L::mailArea, 10, 10);
    drawCaption(p, L::mailArea.adjusted(6, 4, -6, -36), QStringLiteral("Eigene Vokabeln?"), 20, QColor(30, 60, 120));
    drawCaption(p, L::mailArea.adjusted(6, 38, -6, -4), QStringLiteral("Schreib uns eine Mail!"), 17,
                QColor(30, 60, 120));
    return img;
}

} // namespace

bool paintExchange(const QString& dir)
{
    return savePicture(exchangeBackground(), dir, QStringLiteral("BG\\vokabeln runterladen.bmp"));
}

} // namespace tavrio::assets
