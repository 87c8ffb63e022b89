// Pictures of the word search: the background, the help page and the 29
// letter tiles of the picture list (20 x 20 px).
#include "Drawing.h"
#include "ExercisePainters.h"

#include "exercises/wordsearch/LetterPictures.h"

#include <QFont>
#include <QPainter>

namespace tavrio::assets {
namespace {

bool paintLetterTile(const QString& dir, int index)
{
    QImage img = canvas(20, 20, QColor(255, 253, 240));
    QPainter p(&img);
    p.setPen(QColor(205, 190, 150));
    p.drawRect(0, 0, 19, 19);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(index == 28 ? QColor(170, 170, 170) : QColor(30, 40, 110));
    p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter,
               QString::fromStdString(tavrio::wordsearch::letterGlyph(index)));
    p.end();
    return savePicture(img, dir, QString::fromStdString(tavrio::wordsearch::letterPicture(index)));
}

bool paintBackground(const QString& dir)
{
    QImage img = canvas(800, 600, QColor(250, 244, 225));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Soft stripes like a puzzle magazine page.
    p.setPen(Qt::NoPen);
    for (int y = 0; y < 600; y += 40) {
        p.setBrush(QColor(245, 236, 210));
        p.drawRect(0, y, 800, 20);
    }
    // Panels behind the instructions, the grid and the hints.
    p.setBrush(QColor(255, 255, 255, 220));
    p.setPen(QPen(QColor(120, 170, 90), 3));
    p.drawRoundedRect(QRect(14, 105, 228, 380), 14, 14);
    p.drawRoundedRect(QRect(582, 130, 206, 310), 14, 14);
    p.setPen(QPen(QColor(60, 90, 160), 5));
    p.drawRoundedRect(QRect(245, 115, 330, 330), 8, 8);
    // A magnifying glass beside the title.
    p.setPen(QPen(QColor(90, 60, 30), 8));
    p.drawLine(QPoint(700, 80), QPoint(735, 110));
    p.setPen(QPen(QColor(60, 90, 160), 6));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPoint(680, 60), 28, 28);
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\Wörtersuchen.bmp"));
}

} // namespace

bool paintWordSearch(const QString& dir)
{
    bool ok = paintBackground(dir);
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Woertersuchen.bmp"), QStringLiteral("Wörter suchen"),
                          {QStringLiteral("Links steht ein Wort. Seine Übersetzung ist im Buchstabengitter "
                                          "versteckt."),
                           QStringLiteral("Sie kann waagerecht, senkrecht oder schräg stehen – auch rückwärts!"),
                           QStringLiteral("Klicke auf den ersten und auf den letzten Buchstaben der Übersetzung."),
                           QStringLiteral("Hast du beide gefunden, kommt sofort das nächste Wort."),
                           QStringLiteral("Mit \"Auflösen\" siehst du, wo das Wort stand.")}) &&
         ok;
    for (int i = 0; i < 29; ++i)
        ok = paintLetterTile(dir, i) && ok;
    return ok;
}

} // namespace tavrio::assets
