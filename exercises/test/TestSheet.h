#pragma once
// The written test: ten lines, each an original word whose translation the
// learner writes. Handing in marks every line right or wrong, gives a point
// per right line and a school mark from "1" to "6"; lines answered right
// stay right in later hand-ins (corrections). Texts are Windows-1252 bytes.
#include "exercises/frame/WordDraw.h"

#include <array>
#include <string>

class cSession;

namespace tavrio::testsheet {

constexpr int kLines = 10;
// A line draws again at most this often while its translation repeats the
// line before.
constexpr int kRedraws = 100;

// "1" for 10 points, "2" for 9 and 8, "3" for 7 and 6, "4" for 5 to 3,
// "5" for 2 and 1, "6" for 0.
std::string schoolMark(int points);

// "\/" (a check mark) for a right line, "f" for a wrong one.
std::string lineMark(bool right);

// The explanation of a wrong line, CR (13) between its parts:
// original ",", " übersetzt man nicht mit", three blanks and the answer,
// "sondern richtig ist ", three blanks and the expected translation.
std::string correctionMessage(const std::string& original, const std::string& answer,
                              const std::string& expected);

// The praise when all ten lines are right after `attempts` hand-ins: a
// first-time success, or the number of the correction that made it.
std::string praiseMessage(int attempts);

struct cPair {
    std::string original;
    std::string translation;
};

// One line's word: draws, then draws again (at most kRedraws times) while
// the translation equals `previous` or is empty. When every draw repeated
// `previous`, the last of them is taken; when every draw was empty the
// result is NoFitting and `line` is empty.
exercises::DrawResult drawLine(cSession* session, const std::string& previous, cPair& line);

// A new test. Line 1 avoids `oldFirst`, the translation line 1 had in the
// test before; every further line avoids the line before it. Drawn only
// when all ten lines could be drawn; otherwise `lines` is all empty.
exercises::DrawResult drawTest(cSession* session, const std::string& oldFirst,
                               std::array<cPair, kLines>& lines);

} // namespace tavrio::testsheet
