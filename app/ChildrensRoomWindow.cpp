#include "app/ChildrensRoomWindow.h"

#include "app/Layout.h"
#include "app/Messages.h"
#include "exercises/quiz/TForm22.h"
#include "exercises/littlebrother/TForm12.h"
#include "exercises/wheel/TForm24.h"

namespace L = tavrio::layout::childrensRoom;

TForm10::TForm10(QWidget* parent)
    : cMenuWindow(QStringLiteral("TForm10"), QSize(800, 600), QStringLiteral("BG\\Kinderzimmer.bmp"),
                  QStringLiteral("Hilfe\\Kinderzimmer.bmp"), QStringLiteral("Zurück ins Haus"), parent)
{
    const char* scene = "Kinderzimmer";
    addHotSpot(scene, "KleinerBruder", "picture", QStringLiteral("KLEINERBRUDERGROSSEFRAGEN"), L::littleBrother,
               QStringLiteral("Lernübung : Kleiner Bruder, große Frage"), [this] { KLEINERBRUDERGROSSEFRAGENClick(); });
    addHotSpot(scene, "GLUECKSRAD", "picture", QStringLiteral("GLUECKSRADBUTTON"), L::wheel,
               QStringLiteral("Lernübung : Glücksrad"), [this] { GLUECKSRADBUTTONClick(); });
    addHotSpot(scene, "Werwirdvokablaer", "picture", QStringLiteral("WERWIRDVOKABLAERBUTTON"), L::quizShow,
               QStringLiteral("Lernübung : Wer wird Vokablär?"), [this] { WERWIRDVOKABLAERBUTTONClick(); });
    addHotSpot(scene, "schiebespiel", "picture", QStringLiteral("SCHIEBESPIELBUTTON"), L::slidingPuzzle,
               QStringLiteral("Lernübung : Schiebespiel"), [this] { SCHIEBESPIELBUTTONClick(); });
    addHotSpot(scene, "memory", "picture", QStringLiteral("MEMORYBUTTON"), L::memory,
               QStringLiteral("Lernübung : Memory"), [this] { MEMORYBUTTONClick(); });
    clearOnBackArrow();
}

void TForm10::KLEINERBRUDERGROSSEFRAGENClick() { tavrio::openLittleBrother(this); }

void TForm10::GLUECKSRADBUTTONClick() { tavrio::openWheelOfFortune(this); }

void TForm10::WERWIRDVOKABLAERBUTTONClick() { tavrio::openQuizShow(this); }

void TForm10::SCHIEBESPIELBUTTONClick() { tavrio::comingSoon(); }

void TForm10::MEMORYBUTTONClick() { tavrio::comingSoon(); }
