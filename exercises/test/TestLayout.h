#pragma once
// Where things lie on "BG\Test.bmp" (800 x 600, a page of a school
// exercise book), shared by the window and the picture generator. Pixels
// from the top left corner.
#include <QPoint>
#include <QRect>

namespace tavrio::testsheet::layout {

// Line k (1 .. 10): group a) holds lines 1 .. 5 on the left, group b)
// lines 6 .. 10 on the right, one under the other.
inline constexpr int linesPerGroup = 5;
inline constexpr int groupLeft[2] = {44, 424};
inline constexpr int firstLineY = 150;
inline constexpr int lineStep = 46;
inline constexpr int originalWidth = 140;
inline constexpr int answerWidth = 176;   // wider: the learner writes here
inline constexpr int editHeight = 30;
inline constexpr int answerOffset = 146; // answer edit right of the original
inline constexpr int markOffset = 328;   // mark right of the answer edit
inline constexpr int markWidth = 34;

inline QPoint lineOrigin(int k)
{
    const int i = k - 1;
    return {groupLeft[i / linesPerGroup], firstLineY + (i % linesPerGroup) * lineStep};
}

inline constexpr QRect handIn{560, 418, 200, 60}; // Richtig
inline constexpr QRect help{20, 540, 120, 44};    // Hilfe
inline constexpr QRect back{660, 540, 120, 44};   // Button1
inline constexpr QRect markCircle{300, 404, 76, 76}; // PZZusatz3, around the mark
inline constexpr int marginX = 30;                // the red margin line of the page

} // namespace tavrio::testsheet::layout
