#pragma once
// Where the doors and hot spots lie on the entrance, house and room
// pictures. The picture generator paints them at these places and cuts the
// lit pictures from them, so the windows and the pictures always agree.
#include <QRect>
#include <QRgb>
#include <QString>

namespace tavrio::layout {

// The lit picture of a hot spot: "BG\\Leuchten\\<scene>_<spot>.bmp".
inline QString litPicture(const char* scene, const char* spot)
{
    return QStringLiteral("BG\\Leuchten\\%1_%2.bmp").arg(QLatin1String(scene), QLatin1String(spot));
}

// Back arrow and help button of the house and the rooms.
inline constexpr QRect backArrow{16, 520, 84, 66};
inline constexpr QRect helpButton{724, 14, 62, 62};

namespace entrance { // 800 x 600 area of "BG\\Eingang.bmp"
// Sky above the horizon and grass below, as vertical gradients; the window
// continues them beyond the picture on larger screens.
inline constexpr int horizon = 470;
inline constexpr QRgb skyTop = qRgb(110, 180, 240);
inline constexpr QRgb skyBottom = qRgb(200, 235, 255);
inline constexpr QRgb grassTop = qRgb(120, 200, 90);
inline constexpr QRgb grassBottom = qRgb(70, 150, 60);
inline constexpr QRect start{330, 280, 140, 240};
inline constexpr QRect options{95, 340, 130, 180};
inline constexpr QRect quit{575, 340, 130, 180};
inline constexpr QRect impressum{20, 570, 120, 22};
inline constexpr QRect help{724, 14, 62, 62};
// On the 800 x 600 intro picture.
inline constexpr QRect introText{150, 430, 500, 44};
inline constexpr QRect introCount{340, 480, 120, 90};
} // namespace entrance

namespace house { // "BG\\DasHaus.bmp"
inline constexpr QRect attic{300, 92, 200, 104};
inline constexpr QRect childrensRoom{140, 232, 180, 150};
inline constexpr QRect grandma{470, 232, 190, 150};
inline constexpr QRect dad{140, 412, 190, 160};
inline constexpr QRect garden{480, 412, 170, 160};
} // namespace house

namespace attic { // "BG\\Dachboden.bmp", 800 x 599
inline constexpr QRect letterShooting{50, 300, 160, 170};
inline constexpr QRect escape{236, 150, 150, 190};
inline constexpr QRect wordSearch{420, 360, 190, 140};
inline constexpr QRect crossword{440, 130, 160, 160};
inline constexpr QRect test{626, 250, 150, 190};
} // namespace attic

namespace childrensRoom { // "BG\\Kinderzimmer.bmp"
inline constexpr QRect littleBrother{50, 290, 160, 220};
inline constexpr QRect wheel{240, 80, 180, 180};
inline constexpr QRect quizShow{470, 90, 220, 170};
inline constexpr QRect slidingPuzzle{270, 370, 170, 130};
inline constexpr QRect memory{500, 400, 210, 120};
} // namespace childrensRoom

namespace garden { // "BG\\Garten.bmp"
inline constexpr QRect hidden{90, 330, 270, 180};
inline constexpr QRect distress{440, 300, 300, 200};
} // namespace garden

} // namespace tavrio::layout
