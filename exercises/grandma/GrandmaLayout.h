#pragma once
// Where things lie on "BG\Omahilft.bmp" (800 x 600), shared by the window
// and the picture generator so the drawn buttons and the clickable areas
// over them stay together. Pixels from the top left corner.
#include <QRect>

namespace tavrio::grandma::layout {

inline constexpr QRect oneMoreLetter{300, 344, 210, 46}; // Label8
inline constexpr QRect handIn{550, 344, 210, 46};        // Label7
inline constexpr QRect help{20, 540, 120, 44};           // Button5
inline constexpr QRect back{660, 540, 120, 44};          // Button1
inline constexpr QRect panel{280, 96, 500, 344};         // behind the word, the help and the answer
inline constexpr QRect resultBand{60, 454, 712, 50};     // behind the result line
inline constexpr int resultY = 467;
inline constexpr int pointsY = 404;
inline constexpr int resultCentre = 416;                 // the result line is centred on this x
inline constexpr int lettersY = 232;
inline constexpr int lettersCentre = 496;                // the shown letters are centred on this x

} // namespace tavrio::grandma::layout
