#include "server/DemoCatalogue.h"

#include "server/ListText.h"
#include "server/TextBytes.h"

namespace tavrio::server {

namespace {

// Written as UTF-8 here and converted to Windows-1252 when stored.
const cDemoChapter kChapters[] = {
    {"Englisch 5", "Unit 1", "Frau Köhler", R"(hello|hallo
goodbye|auf Wiedersehen
name|Name
friend|Freund
family|Familie
mother|Mutter
father|Vater
sister|Schwester
brother|Bruder
grandmother|Großmutter
grandfather|Großvater
school|Schule
teacher|Lehrer
pupil|Schüler
classroom|Klassenzimmer
book|Buch
pen|Füller
pencil|Bleistift
ruler|Lineal
rubber|Radiergummi
bag|Tasche
desk|Schreibtisch
chair|Stuhl
door|Tür
window|Fenster
board|Tafel
exercise book|Heft
homework|Hausaufgaben
lesson|Unterrichtsstunde
break|Pause
number|Zahl
to listen|zuhören
to read|lesen
to write|schreiben)"},
    {"Englisch 5", "Unit 2", "Frau Köhler", R"(house|Haus
flat|Wohnung
room|Zimmer
kitchen|Küche
bathroom|Badezimmer
bedroom|Schlafzimmer
living room|Wohnzimmer
garden|Garten
bed|Bett
table|Tisch
cupboard|Schrank
shelf|Regal
lamp|Lampe
floor|Fußboden
wall|Wand
stairs|Treppe
dog|Hund
cat|Katze
bird|Vogel
rabbit|Kaninchen
guinea pig|Meerschweinchen
horse|Pferd
mouse|Maus
fish|Fisch
pet|Haustier
to feed|füttern
cage|Käfig
key|Schlüssel
neighbour|Nachbar
street|Straße
always|immer
often|oft)"},
    {"Englisch 5", "Unit 3", "Frau Köhler", R"(breakfast|Frühstück
lunch|Mittagessen
dinner|Abendessen
bread|Brot
butter|Butter
cheese|Käse
egg|Ei
milk|Milch
apple|Apfel
orange juice|Orangensaft
sandwich|belegtes Brot
biscuit|Keks
sausage|Wurst
potato|Kartoffel
vegetables|Gemüse
fruit|Obst
sugar|Zucker
hungry|hungrig
thirsty|durstig
delicious|köstlich
to cook|kochen
to buy|kaufen
shop|Laden
money|Geld
price|Preis
Monday|Montag
Tuesday|Dienstag
Wednesday|Mittwoch
Thursday|Donnerstag
Friday|Freitag
weekend|Wochenende
clock|Uhr
early|früh
late|spät)"},
    {"Französisch 6", "Leçon 1", "Herr Dubois", R"(bonjour|guten Tag
salut|hallo
au revoir|auf Wiedersehen
merci|danke
s'il te plaît|bitte
oui|ja
non|nein
le garçon|der Junge
la fille|das Mädchen
l'ami|der Freund
l'amie|die Freundin
la famille|die Familie
la mère|die Mutter
le père|der Vater
le frère|der Bruder
la sœur|die Schwester
le chat|die Katze
le chien|der Hund
la maison|das Haus
la rue|die Straße
la ville|die Stadt
l'école|die Schule
le professeur|der Lehrer
le cahier|das Heft
le livre|das Buch
le stylo|der Kugelschreiber
la gomme|der Radiergummi
la table|der Tisch
la chaise|der Stuhl
aujourd'hui|heute
très|sehr
où|wo)"},
    {"Französisch 6", "Leçon 2", "Herr Dubois", R"(manger|essen
boire|trinken
le pain|das Brot
le fromage|der Käse
la pomme|der Apfel
le lait|die Milch
l'eau|das Wasser
le café|der Kaffee
le gâteau|der Kuchen
le petit-déjeuner|das Frühstück
le déjeuner|das Mittagessen
le dîner|das Abendessen
le marché|der Markt
acheter|kaufen
l'argent|das Geld
cher|teuer
le sport|der Sport
jouer|spielen
le football|der Fußball
la musique|die Musik
écouter|hören
regarder|ansehen
la télé|der Fernseher
le week-end|das Wochenende
lundi|Montag
mardi|Dienstag
mercredi|Mittwoch
jeudi|Donnerstag
vendredi|Freitag
samedi|Samstag
dimanche|Sonntag
souvent|oft)"},
    {"Latein 7", "Lektion 1", "Herr Weiß", R"(amicus|der Freund
amica|die Freundin
servus|der Sklave
dominus|der Herr
domina|die Herrin
filius|der Sohn
filia|die Tochter
pater|der Vater
mater|die Mutter
puer|der Junge
puella|das Mädchen
villa|das Landhaus
forum|der Marktplatz
templum|der Tempel
via|die Straße
equus|das Pferd
vocare|rufen
clamare|schreien
laborare|arbeiten
ridere|lachen
videre|sehen
audire|hören
venire|kommen
esse|sein
et|und
sed|aber
non|nicht
ubi|wo
cur|warum
iam|schon
subito|plötzlich
semper|immer)"},
    {"Latein 7", "Lektion 2", "Herr Weiß", R"(bellum|der Krieg
pax|der Friede
miles|der Soldat
rex|der König
urbs|die Stadt
porta|das Tor
murus|die Mauer
gladius|das Schwert
hostis|der Feind
navis|das Schiff
mare|das Meer
terra|das Land
aqua|das Wasser
ignis|das Feuer
deus|der Gott
dea|die Göttin
vita|das Leben
mors|der Tod
timere|fürchten
pugnare|kämpfen
vincere|siegen
dare|geben
habere|haben
tenere|halten
scribere|schreiben
legere|lesen
magnus|groß
parvus|klein
bonus|gut
malus|schlecht
multi|viele
fortis|tapfer)"},
};

struct cDemoChange {
  int version;
  const char* text;
  const char* when;
};

const cDemoChange kChanges[] = {
    {2, "Vokabeltausch: Listen suchen, herunterladen und hochladen", "März 2026"},
    {2, "Neue Übungen im Garten", "April 2026"},
    {2, "Fehler beim Speichern der Profile behoben", "Mai 2026"},
};

}  // namespace

const cDemoChapter* demoChapters(std::size_t& count) {
  count = std::size(kChapters);
  return kChapters;
}

std::string demoListFile(const cDemoChapter& chapter) {
  // Four lines per pair: original, translation, mark "1", no transcription.
  std::string file;
  for (std::string_view line : splitLines(chapter.pairs)) {
    std::size_t bar = line.find('|');
    file += utf8ToCp1252(line.substr(0, bar)) + "\r\n";
    file += utf8ToCp1252(line.substr(bar + 1)) + "\r\n";
    file += "1\r\n\r\n";
  }
  return file;
}

bool seedDemoCatalogue(cExchangeStore& store) {
  if (!store.books().empty()) return false;
  for (const auto& c : kChapters) {
    cNewList list;
    list.book = utf8ToCp1252(c.book);
    list.chapter = utf8ToCp1252(c.chapter);
    list.author = utf8ToCp1252(c.author);
    list.fileName = list.book + " - " + list.chapter + ".vok";
    list.content = demoListFile(c);
    store.storeList(list);
  }
  for (const auto& ch : kChanges) store.addChange({ch.version, utf8ToCp1252(ch.text), utf8ToCp1252(ch.when)});
  return true;
}

}  // namespace tavrio::server
