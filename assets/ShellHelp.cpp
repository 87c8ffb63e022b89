#include "Drawing.h"
#include "ShellScenes.h"

namespace tavrio::assets {

bool paintShellHelp(const QString& dir)
{
    bool ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Start.bmp"), QStringLiteral("Willkommen bei Tavrio!"),
                               {QStringLiteral("Klicke auf die große Tür \"Start\", um in Tavrios Haus zu gehen."),
                                QStringLiteral("Hinter der Tür \"Optionen\" stellst du Tavrio ein."),
                                QStringLiteral("Die Tür \"Ende\" speichert, was du gelernt hast, und bringt dich zur Anmeldung."),
                                QStringLiteral("Fährst du mit der Maus über eine Tür, leuchtet sie auf.")});
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\DasHaus.bmp"), QStringLiteral("Tavrios Haus"),
                          {QStringLiteral("Klicke auf einen Raum: Dachboden, Kinderzimmer oder Garten."),
                           QStringLiteral("Papa und Oma haben gleich hier eine Lernübung für dich."),
                           QStringLiteral("Was sich hinter einem Bild verbirgt, verrät dir der Hinweis, wenn die Maus darauf bleibt."),
                           QStringLiteral("Der grüne Pfeil unten links bringt dich zurück zur Vokabelauswahl.")})
         && ok;
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Dachboden.bmp"), QStringLiteral("Der Dachboden"),
                          {QStringLiteral("Auf dem Schreibtisch wartet \"Wörter suchen\": finde die Wörter im Buchstabengitter."),
                           QStringLiteral("An der Tafel schreibst du einen TEST mit Verbesserung."),
                           QStringLiteral("Die anderen Spiele kommen bald."),
                           QStringLiteral("Mit dem grünen Pfeil geht es zurück ins Haus.")})
         && ok;
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Kinderzimmer.bmp"), QStringLiteral("Das Kinderzimmer"),
                          {QStringLiteral("Dein kleiner Bruder hat große Fragen: beantworte sie!"),
                           QStringLiteral("Dreh am Glücksrad oder spiel im Fernseher \"Wer wird Vokablär?\"."),
                           QStringLiteral("Schiebespiel und Memory kommen bald."),
                           QStringLiteral("Mit dem grünen Pfeil geht es zurück ins Haus.")})
         && ok;
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Garten.bmp"), QStringLiteral("Der Garten"),
                          {QStringLiteral("Im Sandkasten ist etwas versteckt: übersetze die Wörter und finde es."),
                           QStringLiteral("Auf dem Teich ist ein Boot in Seenot: rette es mit richtigen Antworten."),
                           QStringLiteral("Mit dem grünen Pfeil geht es zurück ins Haus.")})
         && ok;
    return ok;
}

} // namespace tavrio::assets
