#pragma once
// Where the exchange pages' controls sit on their 800 x 600 pages. The
// picture generator paints the drawn back button and the mail hint of
// "BG\\vokabeln runterladen.bmp" at these places, so the clickable areas line up.
#include <QRect>

namespace tavrio::layout::exchange {

// Exchange page (page 4)
inline constexpr QRect backButton{15, 15, 150, 56};       // Image4, drawn "Zurück"
inline constexpr QRect title{190, 20, 560, 50};
inline constexpr QRect searchEdit{190, 90, 360, 30};     // searchforwhat
inline constexpr QRect searchButton{560, 90, 110, 30};   // Button19 "Suchen"
inline constexpr QRect resultLabel{70, 128, 660, 30};    // searchresultfor
inline constexpr QRect resultGrid{70, 162, 666, 330};    // StringGrid2
inline constexpr QRect mailArea{15, 505, 300, 80};       // Label12, drawn mail hint
inline constexpr QRect uploadButton{560, 534, 176, 34};  // "Liste hochladen"
inline constexpr QRect busyLabel{330, 571, 406, 22};
inline constexpr QRect unreachableLabel{330, 512, 406, 20};  // the exchange cannot be reached
inline constexpr QRect uploadReport{330, 534, 222, 36};      // the last upload's report
inline constexpr QRect noticeBoard{322, 507, 424, 88};      // drawn under the four above

// Text page (page 5)
inline constexpr QRect memo{70, 90, 660, 460};            // Memo2
inline constexpr QRect textBackButton{15, 15, 150, 56};  // Image5

// Editor page (page 1): the way to the exchange
inline constexpr QRect internetButton{560, 556, 220, 32}; // Button20

} // namespace tavrio::layout::exchange
