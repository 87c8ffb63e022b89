#pragma once
// "Glücksrad": the translation is guessed letter by letter. The wheel gives
// a stake per found letter; vowels cost 300; a joker shows the original.
// Texts are Windows-1252 bytes; positions in the puzzle are byte positions.
#include <array>
#include <string>

namespace tavrio::wheel {

// The wheel's fields in the order Random(11) picks them.
inline constexpr std::array<const char*, 11> kStakes = {"100",  "200",  "300",  "350",  "400", "500",
                                                        "750",  "1000", "1500", "2000", "Joker"};
inline constexpr const char* kJokerStake = "Joker";
inline constexpr int kVowelPrice = 300;

struct cSpin {
    bool bankrupt = false; // the round's money is lost
    std::string stake;     // one of kStakes
};

// Random(13) = 12 is bankruptcy; then Random(12) is drawn until it is not
// 11 and picks the stake.
cSpin spin();

// "Bankrott!\rDu hast <money> verloren." (\r is CR, a line break).
std::string bankruptcyMessage(const std::string& money);

struct cPuzzle {
    // What the pupil sees: '-' for a hidden letter, the letter once
    // revealed, '*' for a character that is not A-Z (given away).
    std::string shown;
    // Working copy: every revealed or given-away character is '-'. Once a
    // character was given away it holds the translation upper-cased (a-z
    // only), otherwise the translation as drawn.
    std::string remaining;
};

// The puzzle at the start of a round.
cPuzzle newPuzzle(const std::string& translation);
// At least one letter A-Z after upper-casing a-z: a round worth playing.
bool hasLetterToGuess(const std::string& translation);
bool isVowel(char letter);
// Nothing left to find. An empty working copy is never solved.
bool isSolved(const cPuzzle& puzzle);

// Reveals every occurrence of `letter` (A-Z) in the working copy, first to
// last; returns how many were found.
int reveal(char letter, cPuzzle& puzzle);

struct cClick {
    bool taken = false; // the letter was used up (its label disappears)
    int found = 0;      // occurrences revealed
};

// One click on `letter`: a consonant is always taken; a vowel only when
// `money` is above 299, which pays 300 first. Each occurrence found pays the
// stake into `money`, or one joker with the stake "Joker".
cClick clickLetter(char letter, const std::string& stake, cPuzzle& puzzle, int& money, int& jokers);

} // namespace tavrio::wheel
