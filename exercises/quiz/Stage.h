#pragma once
// Where the quiz window's answer buttons sit on its 800 x 600 studio
// picture, which draws a pointed band around each of them and around the
// word asked. Shared by the window and the picture painter.
#include <QRect>

#include <array>

namespace tavrio::quiz {
// Answers 1 .. 4 in two rows of two.
inline constexpr std::array<QRect, 4> answerButtons{
    {{40, 230, 254, 50}, {314, 230, 254, 50}, {40, 295, 254, 50}, {314, 295, 254, 50}}};
// The bands' right tips end here, clear of the prize ladder's panel (x 584).
inline constexpr int kBandsRight = 574;
} // namespace tavrio::quiz
