#pragma once
// "Kleiner Bruder, große Frage!": the two spellings offered for a
// translation, one right and one misspelt, and the running score line.
#include <string>

namespace tavrio::littlebrother {

enum class Misspelling {
    Sound,   // the first lower-case 's' became 'z' or 'c'
    Swapped, // two letters changed places (may give the same word again)
};

struct cOffer {
    std::string answer1;  // caption of ANTWORT1
    std::string answer2;  // caption of ANTWORT2
    int rightButton = 1;  // 1 or 2: the button holding the translation
    Misspelling kind = Misspelling::Swapped;
};

// The draws, in this order: Random(4) only when the translation holds a
// lower-case 's' (1 picks the sound rule); Random(2) + 1 for the button of
// the right spelling; then either Random(2) (1: 'z', else 'c') or pairs of
// positions Random(n) + 1, drawn again while equal unless n is 1. Positions
// count bytes from 1. An empty translation gives two empty spellings
// without drawing positions.
cOffer offerSpellings(const std::string& translation);

// "Bis jetzt, <wrong> nicht richtig gesagt von <answered>".
std::string scoreLine(int wrong, int answered);

} // namespace tavrio::littlebrother
