#include "exercises/wheel/WheelRules.h"

#include "engine/Random.h"
#include "engine/Text.h"

#include <algorithm>
#include <charconv>

namespace tavrio::wheel {
namespace {
bool isAtoZ(char c) { return c >= 'A' && c <= 'Z'; }

// A stake that is not a decimal number pays nothing.
int stakeValue(const std::string& stake)
{
    int v = 0;
    const auto [end, ec] = std::from_chars(stake.data(), stake.data() + stake.size(), v);
    return ec == std::errc() && end == stake.data() + stake.size() ? v : 0;
}
} // namespace

cSpin spin()
{
    cSpin s;
    s.bankrupt = Random(13) == 12;
    int field = 11;
    while (field == 11)
        field = Random(12);
    s.stake = kStakes[static_cast<std::size_t>(field)];
    return s;
}

std::string bankruptcyMessage(const std::string& money) { return "Bankrott!\rDu hast " + money + " verloren."; }

cPuzzle newPuzzle(const std::string& translation)
{
    cPuzzle p{std::string(translation.size(), '-'), translation};
    const std::string upper = UpperAZ(translation);
    for (std::size_t i = 0; i < upper.size(); ++i) {
        if (isAtoZ(upper[i]))
            continue;
        if (p.remaining == translation)
            p.remaining = upper;
        p.remaining[i] = '-';
        p.shown[i] = '*';
    }
    return p;
}

bool hasLetterToGuess(const std::string& translation)
{
    const std::string upper = UpperAZ(translation);
    return std::any_of(upper.begin(), upper.end(), isAtoZ);
}

bool isVowel(char letter)
{
    return letter == 'A' || letter == 'E' || letter == 'I' || letter == 'O' || letter == 'U';
}

bool isSolved(const cPuzzle& puzzle)
{
    return !puzzle.remaining.empty() &&
           std::all_of(puzzle.remaining.begin(), puzzle.remaining.end(), [](char c) { return c == '-'; });
}

int reveal(char letter, cPuzzle& puzzle)
{
    if (!isAtoZ(letter))
        return 0;
    int found = 0;
    for (std::size_t p = UpperAZ(puzzle.remaining).find(letter); p != std::string::npos;
         p = UpperAZ(puzzle.remaining).find(letter)) {
        if (p < puzzle.shown.size())
            puzzle.shown[p] = letter;
        puzzle.remaining[p] = '-';
        ++found;
    }
    return found;
}

cClick clickLetter(char letter, const std::string& stake, cPuzzle& puzzle, int& money, int& jokers)
{
    cClick c;
    if (isVowel(letter)) {
        if (money <= kVowelPrice - 1)
            return c;
        money -= kVowelPrice;
    }
    c.taken = true;
    c.found = reveal(letter, puzzle);
    if (stake == kJokerStake)
        jokers += c.found;
    else
        money += c.found * stakeValue(stake);
    return c;
}

} // namespace tavrio::wheel
