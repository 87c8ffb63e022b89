// The little brother's spellings and the wheel of fortune's rules, against
// scripted random draws.
#include "ScriptedRandom.h"

#include "exercises/littlebrother/Misspelling.h"
#include "exercises/wheel/WheelRules.h"

#include <gtest/gtest.h>

using tavrio::test::cScriptedRandom;
using namespace tavrio::littlebrother;
using namespace tavrio::wheel;

TEST(LittleBrother, offeredSpellings)
{
    struct Row {
        const char* name;
        std::string translation;
        std::vector<int> draws;
        std::string answer1, answer2;
        int right;
        Misspelling kind;
        std::vector<int> asked;
    } rows[] = {
        {"sound rule, z", "Haus", {1, 0, 1}, "Haus", "Hauz", 1, Misspelling::Sound, {4, 2, 2}},
        {"sound rule, c", "Haus", {1, 1, 0}, "Hauc", "Haus", 2, Misspelling::Sound, {4, 2, 2}},
        {"only the first s", "Sachsen", {1, 0, 1}, "Sachsen", "Sachzen", 1, Misspelling::Sound, {4, 2, 2}},
        {"s without the sound chance", "Haus", {2, 0, 1, 2}, "Haus", "Huas", 1, Misspelling::Swapped, {4, 2, 4, 4}},
        {"upper-case S never sounds", "Sonne", {1, 0, 4}, "eonnS", "Sonne", 2, Misspelling::Swapped, {2, 5, 5}},
        {"equal letters swapped", "Boot", {0, 1, 2}, "Boot", "Boot", 1, Misspelling::Swapped, {2, 4, 4}},
        {"equal positions drawn again", "Hund", {0, 1, 1, 0, 3}, "Hund", "dunH", 1, Misspelling::Swapped,
         {2, 4, 4, 4, 4}},
        {"one letter", "a", {1, 0, 0}, "a", "a", 2, Misspelling::Swapped, {2, 1, 1}},
        {"empty", "", {0}, "", "", 1, Misspelling::Swapped, {2}},
    };
    for (const Row& r : rows) {
        cScriptedRandom random(r.draws);
        const cOffer o = offerSpellings(r.translation);
        EXPECT_EQ(o.answer1, r.answer1) << r.name;
        EXPECT_EQ(o.answer2, r.answer2) << r.name;
        EXPECT_EQ(o.rightButton, r.right) << r.name;
        EXPECT_EQ(o.kind, r.kind) << r.name;
        EXPECT_EQ(random.asked, r.asked) << r.name;
        EXPECT_EQ(random.left(), 0u) << r.name;
    }
}

TEST(LittleBrother, oneOfTheTwoIsAlwaysTheTranslation)
{
    for (std::uint32_t seed : {1u, 2u, 3u, 44u, 555u}) {
        RandSeed(seed);
        for (const std::string t : {"Haus", "Schuss", "x", "ab", "große Tür"}) {
            const cOffer o = offerSpellings(t);
            EXPECT_EQ(o.rightButton == 1 ? o.answer1 : o.answer2, t);
            EXPECT_EQ((o.rightButton == 1 ? o.answer2 : o.answer1).size(), t.size());
        }
    }
}

TEST(LittleBrother, scoreLine)
{
    EXPECT_EQ(scoreLine(2, 10), "Bis jetzt, 2 nicht richtig gesagt von 10");
    EXPECT_EQ(scoreLine(0, 0), "Bis jetzt, 0 nicht richtig gesagt von 0");
}

TEST(Wheel, spinDrawsBankruptcyThenAStakeSkippingEleven)
{
    struct Row {
        std::vector<int> draws;
        bool bankrupt;
        std::string stake;
        std::vector<int> asked;
    } rows[] = {
        {{12, 5}, true, "500", {13, 12}},
        {{11, 0}, false, "100", {13, 12}},
        {{0, 11, 11, 10}, false, "Joker", {13, 12, 12, 12}},
        {{3, 9}, false, "2000", {13, 12}},
        {{3, 3}, false, "350", {13, 12}},
    };
    for (const Row& r : rows) {
        cScriptedRandom random(r.draws);
        const cSpin s = spin();
        EXPECT_EQ(s.bankrupt, r.bankrupt) << r.stake;
        EXPECT_EQ(s.stake, r.stake);
        EXPECT_EQ(random.asked, r.asked) << r.stake;
    }
    EXPECT_EQ(bankruptcyMessage("500"), "Bankrott!\rDu hast 500 verloren.");
}

TEST(Wheel, newPuzzleGivesAwayEverythingButAToZ)
{
    struct Row {
        std::string translation, shown, remaining;
        bool playable;
    } rows[] = {
        {"Haus", "----", "Haus", true},
        {"gro\xDF" "e T\xFCr", "---*-*-*-", "GRO-E-T-R", true},
        {"a-b", "-*-", "A-B", true},
        {"\xFC\xDF 1", "****", "----", false},
        {"", "", "", false},
    };
    for (const Row& r : rows) {
        const cPuzzle p = newPuzzle(r.translation);
        EXPECT_EQ(p.shown, r.shown) << r.translation;
        EXPECT_EQ(p.remaining, r.remaining) << r.translation;
        EXPECT_EQ(hasLetterToGuess(r.translation), r.playable) << r.translation;
        // Only a puzzle with letters left to find is open; empty never counts as solved.
        EXPECT_EQ(isSolved(p), !r.playable && !r.translation.empty()) << r.translation;
    }
}

TEST(Wheel, lettersPayPerOccurrenceAndVowelsCost300)
{
    struct Row {
        const char* name;
        std::string translation;
        std::string before; // the puzzle's shown text before the click
        char letter;
        std::string stake;
        int money, jokers;
        bool taken;
        std::string shown;
        int moneyAfter, jokersAfter;
    } rows[] = {
        {"consonant found", "Haus", "----", 'S', "500", 0, 0, true, "---S", 500, 0},
        {"vowel bought at 500", "Haus", "---S", 'U', "300", 500, 0, true, "--US", 500, 0},
        {"vowel bought at exactly 300", "Haus", "----", 'A', "100", 300, 0, true, "-A--", 100, 0},
        {"vowel refused at 299", "Haus", "----", 'A', "100", 299, 0, false, "----", 299, 0},
        {"vowel not in the word still costs", "Haus", "----", 'E', "100", 300, 0, true, "----", 0, 0},
        {"consonant missing costs nothing", "Haus", "----", 'T', "2000", 0, 0, true, "----", 0, 0},
        {"lower-case letters found", "haus", "----", 'H', "750", 0, 0, true, "H---", 750, 0},
        {"twice pays twice", "Mama", "----", 'M', "200", 0, 0, true, "M-M-", 400, 0},
        {"joker twice from one letter", "Mama", "----", 'M', "Joker", 100, 1, true, "M-M-", 100, 3},
        {"given-away characters stay", "gro\xDF" "e T\xFCr", "---*-*-*-", 'R', "100", 0, 0, true, "-R-*-*-*R",
         200, 0},
    };
    for (const Row& r : rows) {
        cPuzzle p = newPuzzle(r.translation);
        for (char c : r.before)
            if (c >= 'A' && c <= 'Z')
                reveal(c, p);
        int money = r.money;
        int jokers = r.jokers;
        const cClick c = clickLetter(r.letter, r.stake, p, money, jokers);
        EXPECT_EQ(c.taken, r.taken) << r.name;
        EXPECT_EQ(p.shown, r.shown) << r.name;
        EXPECT_EQ(money, r.moneyAfter) << r.name;
        EXPECT_EQ(jokers, r.jokersAfter) << r.name;
    }
}

TEST(Wheel, roundIsSolvedWhenEveryLetterIsFound)
{
    cPuzzle p = newPuzzle("gro\xDF" "e T\xFCr");
    int money = 1000;
    int jokers = 0;
    for (char letter : {'G', 'R', 'O', 'T'}) {
        EXPECT_FALSE(isSolved(p)) << letter;
        clickLetter(letter, "100", p, money, jokers);
    }
    EXPECT_FALSE(isSolved(p));
    clickLetter('E', "100", p, money, jokers);
    EXPECT_TRUE(isSolved(p));
    EXPECT_EQ(p.shown, "GRO*E*T*R");
    EXPECT_EQ(money, 1000 + 6 * 100 - 300 - 300);
}
