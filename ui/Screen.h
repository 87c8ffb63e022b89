#pragma once
// The program's look on any machine: the font substitution for the
// children's font, and the one factor by which the whole program is drawn
// on a large screen. Geometries everywhere stay in the program's own units
// (an 800 x 600 window is 800 x 600 units); Qt draws a unit as `factor`
// device pixels.
#include <QSize>

namespace tavrio {

// "Comic Sans MS" is shown as Comic Neue (Debian's fonts-comic-neue).
void installFontSubstitutions();

// The factor for a screen of `screen` device pixels: the largest quarter
// step that leaves a tenth of the screen around an 800 x 600 window, at
// least 1 (1024 x 768 -> 1, 1920 x 1080 -> 1.5, 2560 x 1440 -> 2,
// 3840 x 2160 -> 3).
double scaleFactorFor(QSize screen);

// Chooses the factor before the QApplication is made (Qt reads it then):
// QT_SCALE_FACTOR when set, else the settings key "Skalierung" when above 0,
// else scaleFactorFor(the primary screen), measured as cheaply as the
// platform allows (ScreenPixels.h).
void chooseScaleFactor(int& argc, char** argv);

} // namespace tavrio
