#pragma once
// The prize ladder of the quiz show: 16 levels from "100" (bottom) to
// "1000000" and the row "Gewonnen" above them. Rows are 16 px apart, "100"
// at y = 384. The two arrows stand at the row the current question is
// worth, so their height says how many right answers this climb has:
// y = 384 - 16 * rights. Shared by the window and the picture painter.

namespace tavrio::quiz {

constexpr int kLevels = 16;
constexpr int kBottomY = 384;
constexpr int kRowPitch = 16;
constexpr int kWonY = kBottomY - kLevels * kRowPitch; // 128, the row "Gewonnen"

// Level 0 .. 15 gives "100" .. "1000000"; 16 gives "Gewonnen".
constexpr const char* levelCaption(int level)
{
    constexpr const char* captions[kLevels + 1] = {
        "100",   "200",   "300",   "400",    "500",    "1000",   "2000",    "4000",    "8000",
        "16000", "32000", "64000", "125000", "250000", "500000", "1000000", "Gewonnen",
    };
    return level >= 0 && level <= kLevels ? captions[level] : "";
}
// "500", "16000" and "1000000".
constexpr bool isSafeLevel(int level) { return level == 4 || level == 9 || level == 15; }
constexpr int rowY(int level) { return kBottomY - level * kRowPitch; }

} // namespace tavrio::quiz
