#pragma once
// Where the wheel window's picture and components meet (window pixels):
// the joker card drawn on the background lies under the area Image2.
namespace tavrio::wheel::layout {

struct cBox {
    int x, y, width, height;
};

inline constexpr cBox kJokerCard{230, 370, 64, 44};
// The white panel on the left that holds the puzzle, letters and money.
inline constexpr cBox kPanel{14, 14, 380, 480};
// The wheel on the right half of the background.
inline constexpr int kWheelX = 595;
inline constexpr int kWheelY = 285;
inline constexpr int kWheelRadius = 175;

} // namespace tavrio::wheel::layout
