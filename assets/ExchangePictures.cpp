#include "Drawing.h"
#include "Painters.h"

#include "start/ExchangeLayout.h"

#include <QPainter>
#include <QPainterPath>

namespace tavrio::assets {
namespace {

namespace L = tavrio::layout::exchange;

// Sky-blue page with a row of stacked books along the bottom edge, the drawn
// back button at the top left and the mail hint at the bottom left.
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

    // The desk the results lie on.
    p.setBrush(QColor(250, 245, 230));
    p.setPen(QPen(QColor(120, 90, 50), 3));
    p.drawRoundedRect(L::resultGrid.adjusted(-12, -44, 12, 12), 14, 14);

    // Books along the bottom, between the mail hint and the upload button.
    const QColor spines[] = {QColor(200, 60, 60), QColor(60, 140, 70), QColor(240, 180, 40), QColor(70, 90, 190),
                             QColor(150, 80, 160)};
    int x = 335;
    for (int i = 0; i < 10; ++i) {
        const int h = 34 + (i * 7) % 18;
        p.setBrush(spines[i % 5]);
        p.setPen(QPen(QColor(60, 40, 20), 2));
        p.drawRect(QRect(x, 552 - h, 18, h));
        x += 21;
    }

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
