// Sample vocabulary lists for a first start: English, French and Latin school
// words in the four-line layout (original, translation, mark "1", empty
// phonetic line), as Windows-1252 bytes with CR LF line ends.
#include "Painters.h"

#include <QDir>
#include <QSaveFile>
#include <utility>
#include <vector>

namespace tavrio::assets {

namespace {

using Pairs = std::vector<std::pair<const char*, const char*>>;

const Pairs kEnglish = {
    {"the house", "das Haus"},        {"the garden", "der Garten"},       {"the kitchen", "die Küche"},
    {"the bedroom", "das Schlafzimmer"}, {"the window", "das Fenster"},   {"the door", "die Tür"},
    {"the teacher", "die Lehrerin"},  {"the pupil", "der Schüler"},       {"the school bag", "die Schultasche"},
    {"the exercise book", "das Heft"}, {"the pencil", "der Bleistift"},   {"the ruler", "das Lineal"},
    {"the board", "die Tafel"},       {"the mother", "die Mutter"},       {"the father", "der Vater"},
    {"the brother", "der Bruder"},    {"the sister", "die Schwester"},    {"the grandmother", "die Großmutter"},
    {"the friend", "der Freund"},     {"the dog", "der Hund"},            {"the cat", "die Katze"},
    {"the bird", "der Vogel"},        {"the tree", "der Baum"},           {"the flower", "die Blume"},
    {"the apple", "der Apfel"},       {"the bread", "das Brot"},          {"the milk", "die Milch"},
    {"the cheese", "der Käse"},       {"the breakfast", "das Frühstück"}, {"the street", "die Straße"},
    {"the bike", "das Fahrrad"},      {"the week", "die Woche"},          {"the birthday", "der Geburtstag"},
    {"to play", "spielen"},           {"to read", "lesen"},               {"to write", "schreiben"},
    {"to listen", "zuhören"},         {"to run", "rennen"},               {"to swim", "schwimmen"},
    {"to buy", "kaufen"},             {"to open", "öffnen"},              {"big", "groß"},
    {"small", "klein"},               {"beautiful", "schön"},             {"happy", "glücklich"},
    {"tired", "müde"},                {"often", "oft"},                   {"always", "immer"},
};

const Pairs kFrench = {
    {"la maison", "das Haus"},        {"le jardin", "der Garten"},        {"la cuisine", "die Küche"},
    {"la chambre", "das Zimmer"},     {"la fenêtre", "das Fenster"},      {"la porte", "die Tür"},
    {"le professeur", "der Lehrer"},  {"l'élève", "der Schüler"},         {"le cahier", "das Heft"},
    {"le crayon", "der Bleistift"},   {"la règle", "das Lineal"},         {"le tableau", "die Tafel"},
    {"la mère", "die Mutter"},        {"le père", "der Vater"},           {"le frère", "der Bruder"},
    {"la sœur", "die Schwester"},     {"la grand-mère", "die Großmutter"}, {"l'ami", "der Freund"},
    {"le chien", "der Hund"},         {"le chat", "die Katze"},           {"l'oiseau", "der Vogel"},
    {"l'arbre", "der Baum"},          {"la fleur", "die Blume"},          {"la pomme", "der Apfel"},
    {"le pain", "das Brot"},          {"le lait", "die Milch"},           {"le fromage", "der Käse"},
    {"le petit-déjeuner", "das Frühstück"}, {"la rue", "die Straße"},     {"le vélo", "das Fahrrad"},
    {"la semaine", "die Woche"},      {"l'anniversaire", "der Geburtstag"}, {"l'été", "der Sommer"},
    {"jouer", "spielen"},             {"lire", "lesen"},                  {"écrire", "schreiben"},
    {"écouter", "zuhören"},           {"courir", "rennen"},               {"nager", "schwimmen"},
    {"acheter", "kaufen"},            {"ouvrir", "öffnen"},               {"grand", "groß"},
    {"petit", "klein"},               {"beau", "schön"},                  {"heureux", "glücklich"},
    {"fatigué", "müde"},              {"souvent", "oft"},                 {"toujours", "immer"},
    {"le garçon", "der Junge"},       {"ça va", "es geht"},
};

const Pairs kLatin = {
    {"amicus", "der Freund"},         {"amica", "die Freundin"},          {"servus", "der Sklave"},
    {"dominus", "der Herr"},          {"domina", "die Herrin"},           {"villa", "das Landhaus"},
    {"hortus", "der Garten"},         {"forum", "der Marktplatz"},        {"via", "die Straße, der Weg"},
    {"aqua", "das Wasser"},           {"terra", "die Erde, das Land"},    {"silva", "der Wald"},
    {"equus", "das Pferd"},           {"puer", "der Junge"},              {"puella", "das Mädchen"},
    {"pater", "der Vater"},           {"mater", "die Mutter"},            {"frater", "der Bruder"},
    {"soror", "die Schwester"},       {"filius", "der Sohn"},             {"filia", "die Tochter"},
    {"magister", "der Lehrer"},       {"liber", "das Buch"},              {"verbum", "das Wort"},
    {"templum", "der Tempel"},        {"deus", "der Gott"},               {"rex", "der König"},
    {"urbs", "die Stadt"},            {"nox", "die Nacht"},               {"dies", "der Tag"},
    {"amare", "lieben"},              {"laudare", "loben"},               {"clamare", "rufen, schreien"},
    {"videre", "sehen"},              {"audire", "hören"},                {"venire", "kommen"},
    {"dicere", "sagen"},              {"scribere", "schreiben"},          {"legere", "lesen"},
    {"esse", "sein"},                 {"ludere", "spielen"},              {"gaudere", "sich freuen"},
    {"timere", "fürchten"},           {"magnus", "groß"},                 {"parvus", "klein"},
    {"bonus", "gut"},                 {"laetus", "fröhlich"},             {"miser", "unglücklich"},
    {"semper", "immer"},              {"saepe", "oft"},                   {"hodie", "heute"},
};

// Windows-1252 bytes of a UTF-8 text. Only the characters these lists use
// beyond Latin-1 (the "œ" of French) are mapped by hand.
bool toWindows1252(const QString& text, QByteArray& out)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\u0153')
            out.append(char(0x9C));
        else if (u == u'\u0152')
            out.append(char(0x8C));
        else if (u < 0x100)
            out.append(char(u));
        else
            return false;
    }
    return true;
}

bool writeList(const QString& dir, const QString& name, const Pairs& pairs)
{
    QByteArray bytes;
    for (const auto& [original, translation] : pairs) {
        if (!toWindows1252(QString::fromUtf8(original), bytes))
            return false;
        bytes += "\r\n";
        if (!toWindows1252(QString::fromUtf8(translation), bytes))
            return false;
        bytes += "\r\n1\r\n\r\n";
    }
    QSaveFile out(QDir(dir).filePath(name + QStringLiteral(".vok")));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return false;
    return out.commit();
}

} // namespace

bool writeSampleLists(const QString& dir)
{
    if (!QDir().mkpath(dir))
        return false;
    // ASCII file names: every part of the program finds them, whatever the
    // file system's name encoding.
    bool ok = writeList(dir, QStringLiteral("Englisch"), kEnglish);
    ok = writeList(dir, QStringLiteral("Franzoesisch"), kFrench) && ok;
    return writeList(dir, QStringLiteral("Latein"), kLatin) && ok;
}

} // namespace tavrio::assets
