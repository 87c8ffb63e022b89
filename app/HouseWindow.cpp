#include "app/HouseWindow.h"

#include "app/AtticWindow.h"
#include "app/ChildrensRoomWindow.h"
#include "app/GardenWindow.h"
#include "app/Layout.h"
#include "exercises/grandma/TForm16.h"
#include "exercises/helpdad/TForm17.h"
#include "ui/Navigation.h"
#include "ui/Windows.h"

namespace L = tavrio::layout::house;

TForm8::TForm8(QWidget* parent)
    : cMenuWindow(QStringLiteral("TForm8"), QSize(800, 600), QStringLiteral("BG\\DasHaus.bmp"),
                  QStringLiteral("Hilfe\\DasHaus.bmp"), QStringLiteral("Zurück zum Eingang"), parent)
{
    const char* scene = "DasHaus";
    addHotSpot(scene, "Papa", "picture", QStringLiteral("ICECREMELERNMODUS"), L::dad,
               QStringLiteral("Lernübung : Hilf Papa!"), [this] { ICECREMELERNMODUSClick(); });
    addHotSpot(scene, "Oma", "picture", QStringLiteral("OMAbutton"), L::grandma,
               QStringLiteral("Lernübung : Oma hilft!"), [this] { OMAbuttonClick(); });
    addHotSpot(scene, "Dachboden", "picture", QStringLiteral("SCHREIBTISCH"), L::attic,
               QStringLiteral("Menüpunkt : Dachboden"), [this] { SCHREIBTISCHClick(); });
    addHotSpot(scene, "Kinderzimmer", "picture", QStringLiteral("BRUDERUNDTV"), L::childrensRoom,
               QStringLiteral("Menüpunkt : Kinderzimmer"), [this] { BRUDERUNDTVClick(); });
    addHotSpot(scene, "Garten", "picture", QStringLiteral("GARTENButton"), L::garden,
               QStringLiteral("Menüpunkt : Garten"), [this] { GARTENButtonClick(); });
}

void TForm8::ICECREMELERNMODUSClick() { tavrio::openHilfPapa(this); }

void TForm8::OMAbuttonClick() { tavrio::openGrandmaHelps(this); }

void TForm8::SCHREIBTISCHClick() { tavrio::openWindow(this, tavrio::windows().form9); }

void TForm8::BRUDERUNDTVClick() { tavrio::openWindow(this, tavrio::windows().form10); }

void TForm8::GARTENButtonClick() { tavrio::openWindow(this, tavrio::windows().form11); }
