#include "app/AtticWindow.h"

#include "app/Layout.h"
#include "app/Messages.h"
#include "exercises/test/TForm23.h"
#include "exercises/wordsearch/TForm14.h"

namespace L = tavrio::layout::attic;

TForm9::TForm9(QWidget* parent)
    : cMenuWindow(QStringLiteral("TForm9"), QSize(800, 599), QStringLiteral("BG\\Dachboden.bmp"),
                  QStringLiteral("Hilfe\\Dachboden.bmp"), QStringLiteral("Zurück ins Haus"), parent)
{
    const char* scene = "Dachboden";
    addHotSpot(scene, "BUCHSTABENSCHIESSEN", "picture", QStringLiteral("BUCHSTABENSCHIESSENBUTTON"),
               L::letterShooting, QStringLiteral("Lernübung : Buchstaben schießen"),
               [this] { BUCHSTABENSCHIESSENBUTTONClick(); });
    addHotSpot(scene, "FLUCHTVONVOKABLIA", "picture", QStringLiteral("FLUCHTVONVOKABLIABUTTON"), L::escape,
               QStringLiteral("Lernübung : Flucht von Vokablia"), [this] { FLUCHTVONVOKABLIABUTTONClick(); });
    addHotSpot(scene, "WOERTERSUCHEN", "picture", QStringLiteral("WOERTERSUCHENBUTTON"), L::wordSearch,
               QStringLiteral("Lernübung : Wörter suchen"), [this] { WOERTERSUCHENBUTTONClick(); });
    addHotSpot(scene, "KREUZWORTRAETSEL", "picture", QStringLiteral("KREUZWORTRAETSELBUTTON"), L::crossword,
               QStringLiteral("Lernübung : Kreuzworträtsel"), [this] { KREUZWORTRAETSELBUTTONClick(); });
    addHotSpot(scene, "TEST", "picture", QStringLiteral("TESTBUTTON"), L::test, QStringLiteral("Lernübung : TEST"),
               [this] { TESTBUTTONClick(); });
    clearOnBackArrow();
}

void TForm9::BUCHSTABENSCHIESSENBUTTONClick() { tavrio::comingSoon(); }

void TForm9::FLUCHTVONVOKABLIABUTTONClick() { tavrio::comingSoon(); }

void TForm9::WOERTERSUCHENBUTTONClick() { tavrio::openWordSearch(this); }

void TForm9::KREUZWORTRAETSELBUTTONClick() { tavrio::comingSoon(); }

void TForm9::TESTBUTTONClick() { tavrio::openTest(this); }
