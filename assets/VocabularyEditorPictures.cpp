// Pictures of the vocabulary editor: a wooden desk with a stack of word
// cards on the left (behind the list) and a note pad on the right (behind
// the selected and edited entry), and its help page.
#include "Drawing.h"
#include "Painters.h"

#include <QPainter>

namespace tavrio::assets {
namespace {

bool paintBackground(const QString& dir)
{
    QImage img = canvas(800, 600, QColor(205, 160, 105));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Wood grain of the desk.
    p.setPen(QPen(QColor(185, 138, 85), 2));
    for (int y = 12; y < 600; y += 26)
        p.drawLine(QPoint(0, y), QPoint(800, y + (y % 3) * 4 - 4));
    p.setPen(Qt::NoPen);
    // Title strip.
    p.setBrush(QColor(255, 246, 220));
    p.drawRoundedRect(QRect(10, 6, 780, 84), 14, 14);
    // Word cards, slightly turned, under the list.
    for (int i = 2; i >= 0; --i) {
        p.save();
        p.translate(190, 308);
        p.rotate(-3.0 * i);
        p.setBrush(i == 0 ? QColor(255, 255, 250) : QColor(245, 235, 205).darker(100 + 6 * i));
        p.drawRoundedRect(QRect(-182, -218, 364, 436), 10, 10);
        p.restore();
    }
    p.setPen(QPen(QColor(170, 205, 240), 1));
    for (int y = 130; y < 520; y += 24)
        p.drawLine(QPoint(24, y), QPoint(356, y));
    p.setPen(Qt::NoPen);
    // Note pad with its spiral, behind the entry fields and buttons.
    p.setBrush(QColor(255, 252, 200));
    p.drawRoundedRect(QRect(370, 94, 420, 378), 12, 12);
    p.setBrush(QColor(120, 120, 130));
    for (int x = 392; x < 780; x += 28)
        p.drawEllipse(QPoint(x, 94), 5, 5);
    // A pencil lying on the desk between the buttons.
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRect(500, 500, 150, 16));
    p.setBrush(QColor(240, 200, 160));
    p.drawPolygon(QPolygon({QPoint(650, 500), QPoint(675, 508), QPoint(650, 516)}));
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(QPolygon({QPoint(668, 505), QPoint(675, 508), QPoint(668, 511)}));
    p.setBrush(QColor(240, 130, 150));
    p.drawRoundedRect(QRect(486, 500, 16, 16), 3, 3);
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\VokabelEditor.bmp"));
}

} // namespace

bool paintVocabularyEditor(const QString& dir)
{
    bool ok = paintBackground(dir);
    ok = paintHelpPicture(
             dir, QStringLiteral("Hilfe\\VokabelEditor.bmp"), QStringLiteral("Vokabeln editieren"),
             {QStringLiteral("\"Datei Öffnen\" lädt eine Vokabelliste, \"Datei Speichern\" schreibt sie "
                             "(ohne Endung bekommt sie \".vok\")."),
              QStringLiteral("Links stehen die Wörter. Ein Häkchen heißt: dieses Wort wird geübt."),
              QStringLiteral("Klicke ein Wort an: oben rechts erscheint es unter \"Aktuell selektiertes\". "
                             "\"Selektiertes editieren\" holt es in die Felder darunter."),
              QStringLiteral("Ändere Original und Übersetzung; \"Editiertes enfügen\" ersetzt das gewählte Wort "
                             "oder hängt ein neues an, wenn keins gewählt ist."),
              QStringLiteral("\"Lautschrift editieren\" öffnet die Lautzeichen: klicke die Laute zusammen "
                             "und höre sie mit \"Abspielen\"."),
              QStringLiteral("\"Neue Vokabel erstellen\" hängt ein neues Wort an, \"Selektierte Vokabel "
                             "löschen\" entfernt die gewählten. Ein Wort bleibt immer übrig.")}) &&
         ok;
    return ok;
}

} // namespace tavrio::assets
