// Pictures of "Oma hilft": Grandma's parlour with Grandma in her armchair,
// a light panel behind the word and the answer, the four buttons drawn
// where the window's clickable areas lie, and the help page.
#include "Drawing.h"
#include "ExercisePainters.h"
#include "ShellDrawing.h"

#include "exercises/grandma/GrandmaLayout.h"

#include <QPainter>

namespace tavrio::assets {
namespace {

namespace L = tavrio::grandma::layout;

void paintArmchair(QPainter& p, const QRect& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 40, 50), 3));
    p.setBrush(QColor(190, 70, 90));
    p.drawRoundedRect(QRect(r.left() + 20, r.top(), r.width() - 40, r.height() - 40), 30, 30); // back
    p.drawRoundedRect(QRect(r.left(), r.top() + 70, 44, r.height() - 90), 16, 16);             // arms
    p.drawRoundedRect(QRect(r.right() - 44, r.top() + 70, 44, r.height() - 90), 16, 16);
    p.setBrush(QColor(210, 95, 110));
    p.drawRoundedRect(QRect(r.left() + 30, r.bottom() - 80, r.width() - 60, 44), 12, 12);      // seat
    p.setPen(QPen(QColor(90, 55, 30), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.left() + 24, r.bottom() - 30, r.left() + 18, r.bottom());
    p.drawLine(r.right() - 24, r.bottom() - 30, r.right() - 18, r.bottom());
    p.restore();
}

bool paintBackground(const QString& dir)
{
    QImage img = canvas(800, 600, QColor(255, 220, 230));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Striped wallpaper and a wooden floor, as in Grandma's room of the house.
    p.setPen(QPen(QColor(255, 220, 230).darker(108), 10));
    for (int x = 14; x < 800; x += 36)
        p.drawLine(x, 0, x, 520);
    drawPlanks(p, QRect(0, 520, 800, 80), QColor(170, 120, 70), false);
    // A framed picture on the wall and a window with the sky.
    drawWindow(p, QRect(60, 40, 120, 90));
    // Grandma in her armchair, knitting.
    paintArmchair(p, QRect(28, 176, 230, 262));
    const cPersonLook oma = grandmaLook();
    drawPerson(p, QPointF(143, 414), 220, oma);

    // Light panels behind the word and the answer, and behind the result.
    p.setPen(QPen(QColor(200, 120, 160), 3));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(L::panel, 16, 16);
    p.drawRoundedRect(L::resultBand, 14, 14);

    // Long captions in a smaller font than drawButton's, so they fit on one line.
    drawButton(p, L::oneMoreLetter, QString(), QColor(250, 200, 230));
    drawCaption(p, L::oneMoreLetter, QStringLiteral("einen Buchstaben mehr"), 14);
    drawButton(p, L::handIn, QString(), QColor(150, 220, 130));
    drawCaption(p, L::handIn, QStringLiteral("Prüfen, ob richtig"), 17);
    drawButton(p, L::help, QStringLiteral("Hilfe"), QColor(170, 210, 255));
    drawButton(p, L::back, QStringLiteral("Zurück"));
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\Omahilft.bmp"));
}

} // namespace

bool paintGrandmaHelps(const QString& dir)
{
    bool ok = paintBackground(dir);
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Omahilft.bmp"), QStringLiteral("Oma hilft"),
                          {QStringLiteral("Oma zeigt dir ein Wort. Schreib die Übersetzung darunter."),
                           QStringLiteral("Für eine richtige Übersetzung gibt es so viele Punkte, wie sie "
                                          "Zeichen hat."),
                           QStringLiteral("Weißt du nicht weiter? \"einen Buchstaben mehr\" verrät dir den "
                                          "nächsten Buchstaben – das kostet einen Punkt."),
                           QStringLiteral("Mit \"Prüfen, ob richtig\" oder der Eingabetaste gibst du ab. "
                                          "Dann kommt das nächste Wort."),
                           QStringLiteral("Ist die Antwort falsch, sagt dir Oma, was richtig gewesen wäre.")}) &&
         ok;
    return ok;
}

} // namespace tavrio::assets
