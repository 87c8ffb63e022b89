#include "Drawing.h"
#include "ShellScenes.h"

#include <QImage>
#include <QPainter>

namespace tavrio::assets {

namespace {
// Puts a small picture of the screen under the help text (which ends at
// `textBottom`), so the pupil recognises what the help is about. The
// picture keeps the screen's 4:3 shape and shrinks to stay clear of the text.
bool addPreview(const QString& dir, const QString& helpPath, const QString& scenePath, int textBottom)
{
    QImage help = readPicture(dir, helpPath);
    const QImage scene = readPicture(dir, scenePath);
    if (help.isNull() || scene.isNull())
        return false;
    QPainter p(&help);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int top = qMax(360, textBottom + 14);
    const int height = qMin(210, 566 - top);
    if (height < 60)
        return false;
    const int width = height * 4 / 3;
    const QRect box(400 - width / 2, top, width, height);
    p.fillRect(box.translated(4, 4), QColor(0, 0, 0, 60));
    p.drawImage(box, scene);
    p.setPen(QPen(QColor(230, 160, 40), 4));
    p.drawRect(box);
    p.end();
    return savePicture(help, dir, helpPath);
}
} // namespace

bool paintShellHelp(const QString& dir)
{
    int bottom[5] = {};
    bool ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Start.bmp"), QStringLiteral("Willkommen bei Tavrio!"),
                               {QStringLiteral("Klicke auf die große Tür \"Start\", um in Tavrios Haus zu gehen."),
                                QStringLiteral("Hinter der Tür \"Optionen\" stellst du Tavrio ein."),
                                QStringLiteral("Die Tür \"Ende\" speichert, was du gelernt hast, und bringt dich zur Anmeldung."),
                                QStringLiteral("Fährst du mit der Maus über eine Tür, leuchtet sie auf.")}, &bottom[0]);
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\DasHaus.bmp"), QStringLiteral("Tavrios Haus"),
                          {QStringLiteral("Klicke auf Dachboden, Kinderzimmer oder Garten."),
                           QStringLiteral("Papa und Oma haben hier eine Lernübung für dich."),
                           QStringLiteral("Bleib mit der Maus auf einem Bild: ein Hinweis sagt dir, was dort wartet."),
                           QStringLiteral("Der grüne Pfeil bringt dich zurück zur Vokabelauswahl.")}, &bottom[1])
         && ok;
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Dachboden.bmp"), QStringLiteral("Der Dachboden"),
                          {QStringLiteral("Auf dem Schreibtisch wartet \"Wörter suchen\": finde die Wörter im Buchstabengitter."),
                           QStringLiteral("An der Tafel schreibst du einen TEST mit Verbesserung."),
                           QStringLiteral("Die anderen Spiele kommen bald."),
                           QStringLiteral("Mit dem grünen Pfeil geht es zurück ins Haus.")}, &bottom[2])
         && ok;
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Kinderzimmer.bmp"), QStringLiteral("Das Kinderzimmer"),
                          {QStringLiteral("Dein kleiner Bruder hat große Fragen: beantworte sie!"),
                           QStringLiteral("Dreh am Glücksrad oder spiel im Fernseher \"Wer wird Vokablär?\"."),
                           QStringLiteral("Schiebespiel und Memory kommen bald."),
                           QStringLiteral("Mit dem grünen Pfeil geht es zurück ins Haus.")}, &bottom[3])
         && ok;
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Garten.bmp"), QStringLiteral("Der Garten"),
                          {QStringLiteral("Im Sandkasten ist etwas versteckt: übersetze die Wörter und finde es."),
                           QStringLiteral("Auf dem Teich ist ein Boot in Seenot: rette es mit richtigen Antworten."),
                           QStringLiteral("Mit dem grünen Pfeil geht es zurück ins Haus.")}, &bottom[4])
         && ok;
    ok = addPreview(dir, QStringLiteral("Hilfe\\Start.bmp"), QStringLiteral("BG\\Eingang.bmp"), bottom[0]) && ok;
    ok = addPreview(dir, QStringLiteral("Hilfe\\DasHaus.bmp"), QStringLiteral("BG\\DasHaus.bmp"), bottom[1]) && ok;
    ok = addPreview(dir, QStringLiteral("Hilfe\\Dachboden.bmp"), QStringLiteral("BG\\Dachboden.bmp"), bottom[2]) && ok;
    ok = addPreview(dir, QStringLiteral("Hilfe\\Kinderzimmer.bmp"), QStringLiteral("BG\\Kinderzimmer.bmp"), bottom[3]) && ok;
    return addPreview(dir, QStringLiteral("Hilfe\\Garten.bmp"), QStringLiteral("BG\\Garten.bmp"), bottom[4]) && ok;
}

} // namespace tavrio::assets
