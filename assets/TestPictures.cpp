// Pictures of the "TEST": a page of a squared school exercise book with a
// red margin, the hand-in, help and back buttons drawn where the window's
// clickable areas lie, and the help page.
#include "Drawing.h"
#include "ExercisePainters.h"

#include "exercises/test/TestLayout.h"

#include <QPainter>

namespace tavrio::assets {
namespace {

namespace L = tavrio::testsheet::layout;

bool paintBackground(const QString& dir)
{
    QImage img = canvas(800, 600, QColor(60, 110, 170)); // the book's blue cover
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The page, a little smaller than the cover, with 20 px squares.
    const QRect page(8, 6, 784, 588);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(page.translated(4, 4), 6, 6);
    p.setBrush(QColor(252, 252, 246));
    p.drawRoundedRect(page, 6, 6);
    p.setPen(QPen(QColor(175, 205, 230), 1));
    for (int x = page.left() + 12; x < page.right(); x += 20)
        p.drawLine(x, page.top() + 4, x, page.bottom() - 4);
    for (int y = page.top() + 14; y < page.bottom(); y += 20)
        p.drawLine(page.left() + 4, y, page.right() - 4, y);
    // The red margin, and the binding holes on the left.
    p.setPen(QPen(QColor(220, 60, 60), 2));
    p.drawLine(L::marginX, page.top(), L::marginX, page.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 110, 170));
    for (int y = 80; y < 560; y += 120)
        p.drawEllipse(QPoint(18, y), 5, 5);
    // A line under the title and one between the two groups.
    p.setPen(QPen(QColor(40, 60, 120), 2));
    p.drawLine(300, 80, 500, 80);
    p.setPen(QPen(QColor(150, 170, 200), 2, Qt::DashLine));
    p.drawLine(408, 96, 408, 380);

    drawButton(p, L::handIn, QStringLiteral("Abgeben"), QColor(255, 214, 90));
    drawButton(p, L::help, QStringLiteral("Hilfe"), QColor(170, 210, 255));
    drawButton(p, L::back, QStringLiteral("Zurück"));
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\Test.bmp"));
}

} // namespace

bool paintTest(const QString& dir)
{
    bool ok = paintBackground(dir);
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\TEST.bmp"), QStringLiteral("TEST"),
                          {QStringLiteral("Ein Test wie in der Schule: zehn Wörter, die du übersetzt."),
                           QStringLiteral("Schreib jede Übersetzung in ihr Feld. Mit der Eingabe- oder "
                                          "Tabulatortaste kommst du in die nächste Zeile."),
                           QStringLiteral("Mit \"Abgeben\" wird der Test verbessert: ein Haken für richtig, "
                                          "ein f für falsch. Zu jedem Fehler erklärt Tavrio, was richtig ist."),
                           QStringLiteral("Du bekommst Punkte und eine Note von 1 bis 6. Verbessere die "
                                          "Fehler und gib wieder ab."),
                           QStringLiteral("Ist alles richtig, beginnt gleich ein neuer Test.")}) &&
         ok;
    return ok;
}

} // namespace tavrio::assets
