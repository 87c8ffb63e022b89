#pragma once
// "Oma hilft": a right translation earns as many points as it has
// characters; every "kleine Hilfe" shows one more letter from the start of
// the translation and costs one point of the word's value. Texts are
// Windows-1252 bytes, so one byte is one character.
#include "exercises/frame/WordDraw.h"

#include <string>

class cSession;

namespace tavrio::grandma {

// What a right answer is worth before any help: the translation's length in
// characters, blanks and punctuation included.
int wordValue(const std::string& translation);

// The letters shown so far and what the word is still worth.
struct cHelp {
    std::string shown;
    int value = 0;
};

// One more letter: the value drops by one but not below 0; `shown` gains the
// translation's next character unless it already holds all of them.
cHelp oneMoreLetter(const std::string& translation, cHelp help);

// "Richtig!!! Das macht <value> Punkte dazu!"
std::string rightResult(int value);
// "Richtig wäre <expected> gewesen! Keine Punkte!"
std::string wrongResult(const std::string& expected);

struct cAnswer {
    bool right = false;
    int points = 0;      // what the answer adds to the points of the visit
    std::string result;  // the result line
};

// Hands an answer in through the session's exact check, which records it in
// the learner's statistics.
cAnswer handIn(cSession& session, const std::string& original, const std::string& answer,
               const std::string& expected, int value);

// The next question: a uniform draw, repeated (at most 50 draws) until the
// translation is not empty, since an empty one is worth nothing and would be
// "answered" by an empty edit.
exercises::DrawResult drawQuestion(cSession* session, std::string& original, std::string& translation);

// Left edge of a text `width` pixels wide centred on x: x - round(width / 2),
// a half rounded to the even neighbour.
int centredLeft(int x, int width);

} // namespace tavrio::grandma
