#pragma once
// The painters of the shell's pictures, one per screen. Each returns false
// when a file could not be written.
#include <QString>

namespace tavrio::assets {

bool paintEntrance(const QString& dir);      // BG\Eingang.bmp, its doors lit, BG\Intro.bmp
bool paintHouse(const QString& dir);         // BG\DasHaus.bmp and its hot spots
bool paintAttic(const QString& dir);         // BG\Dachboden.bmp
bool paintChildrensRoom(const QString& dir); // BG\Kinderzimmer.bmp
bool paintGarden(const QString& dir);        // BG\Garten.bmp
bool paintStartScreen(const QString& dir);   // BG\Start.bmp, BG\Vokabelauswahl.bmp, BG\Einstellungen.bmp
bool paintShellHelp(const QString& dir);     // Hilfe\Start.bmp, DasHaus, Dachboden, Kinderzimmer, Garten

} // namespace tavrio::assets
