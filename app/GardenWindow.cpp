#include "app/GardenWindow.h"

#include "app/Layout.h"
#include "exercises/hidden/TForm5.h"
#include "exercises/seenot/TForm21.h"

namespace L = tavrio::layout::garden;

Tform11::Tform11(QWidget* parent)
    : cMenuWindow(QStringLiteral("Tform11"), QSize(800, 600), QStringLiteral("BG\\Garten.bmp"),
                  QStringLiteral("Hilfe\\Garten.bmp"), QStringLiteral("Zurück ins Haus"), parent)
{
    const char* scene = "Garten";
    addHotSpot(scene, "Verstecktaberwo", "picture", QStringLiteral("VERSTECKTABERWOBUTTON"), L::hidden,
               QStringLiteral("Lernübung : Versteckt, aber wo?"), [this] { VERSTECKTABERWOBUTTONClick(); });
    addHotSpot(scene, "Seenot", "picture", QStringLiteral("SEENOTButton"), L::distress,
               QStringLiteral("Lernübung : Seenot!"), [this] { SEENOTButtonClick(); });
    clearOnBackArrow();
}

void Tform11::VERSTECKTABERWOBUTTONClick() { tavrio::openHiddenButWhere(this); }

void Tform11::SEENOTButtonClick() { tavrio::openSeenot(this); }
