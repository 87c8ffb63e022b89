#pragma once
// "Wer wird Vokablär?": the prize ladder, the climb with its secured
// amounts, building a question of four translations, and the three jokers.
// Plain C++ on engine bytes (Windows-1252); randomness comes from the
// program's generator (engine/Random.h), which the window reseeds.
#include "exercises/frame/WordDraw.h"
#include "exercises/quiz/Ladder.h"

#include <array>
#include <string>

class cSession;

namespace tavrio::quiz {

constexpr int kAnswers = 4;
// Redraws allowed per answer button before a repeated translation is kept.
constexpr int kRedraws = 1000;

// The climb as the window keeps it: the arrows' height, the secured amount
// (the hidden label "Sicher") and the balance of this visit ("Guthaben").
struct cClimb {
    int arrowY = kBottomY;
    std::string secured = "0";
    long long balance = 0;
};

// Before each question: secures "500" once the arrows reach the "1000" row
// (y 304), "16000" at the "32000" row (y 224), "1000000" at "Gewonnen"
// (y 128); elsewhere the secured amount stays. The million is paid out at
// once and the climb starts again; returns true then.
bool settle(cClimb& climb);
// A right answer: one row up.
void climbUp(cClimb& climb);
// A wrong answer: the secured amount goes into the balance and the climb
// starts again at the bottom. Returns the amount paid, as text.
std::string fallDown(cClimb& climb);

// "Leider falsch! Du hast <paid> dazu bekommen!"
std::string payoutMessage(const std::string& paid);
// The congratulation for the million; lines separated by CR (13).
std::string millionMessage(const std::string& learner);

// Reads a balance or amount label; a text that is not a whole number is 0.
long long amountOf(const std::string& text);

struct cQuestion {
    exercises::DrawResult result = exercises::DrawResult::NoWords;
    int right = 0; // button 0 .. 3 with the right answer
    std::array<std::string, kAnswers> answers;
    std::string original; // the word asked, from the pair on button `right`
    const std::string& expected() const { return answers[right]; }
    bool usable() const { return result == exercises::DrawResult::Drawn; }
};

// Builds the next question: right = Random(4); button 1 gets a translation
// other than `previousFirst` (what it showed before), button 2 one other
// than button 1, buttons 3 and 4 ones other than every button before them,
// each after at most kRedraws redraws (with too few different translations
// a repeat stays). Pairs with an empty word or translation are redrawn too;
// when one still ends on a button the question is NoFitting. NoWords: no
// session or nothing loaded.
cQuestion buildQuestion(cSession* session, const std::string& previousFirst, int redraws = kRedraws);

// "50/50": the two wrong buttons to hide, drawn with Random(4) until they
// differ from `right` and from each other.
std::array<int, 2> fiftyFifty(int right);

// "Tel.": three letters of `answer` at random positions, a-z upper-cased,
// in the joker's message (lines separated by CR). `answer` must not be empty.
std::string telephoneMessage(const std::string& answer);

// "Publikum": shares in per cent for the four buttons, adding up to 100.
// A hidden button gets 0; the right one gets what the others leave.
std::array<int, kAnswers> audienceShares(int right, const std::array<bool, kAnswers>& hidden);
std::string audienceMessage(const std::array<int, kAnswers>& shares,
                            const std::array<std::string, kAnswers>& answers);

} // namespace tavrio::quiz
