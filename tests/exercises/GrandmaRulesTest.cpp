#include "exercises/grandma/GrandmaRules.h"

#include "TempSession.h"
#include "engine/Session.h"

#include <gtest/gtest.h>

using namespace tavrio::grandma;
using tavrio::exercises::DrawResult;

TEST(GrandmaRules, everyHelpShowsOneMoreLetterAndCostsOnePoint)
{
    struct Row {
        const char* translation;
        int helps;
        const char* shown;
        int value;
    } rows[] = {
        {"Haus", 0, "", 4},   {"Haus", 2, "Ha", 2},      {"Haus", 4, "Haus", 0}, {"Haus", 5, "Haus", 0},
        {"a, b!", 0, "", 5},  {"a, b!", 3, "a, ", 2},    {"Stra\xDF" "e", 5, "Stra\xDF", 1},
        {"", 1, "", 0},
    };
    for (const Row& r : rows) {
        cHelp help{"", wordValue(r.translation)};
        for (int i = 0; i < r.helps; ++i)
            help = oneMoreLetter(r.translation, help);
        EXPECT_EQ(help.shown, r.shown) << r.translation << " after " << r.helps;
        EXPECT_EQ(help.value, r.value) << r.translation << " after " << r.helps;
    }
}

TEST(GrandmaRules, rightAnswerEarnsTheValueWrongOneNothing)
{
    tavrio::test::cTempSession temp(tavrio::test::cWordPairs{{"house", "Haus"}});
    cSession& s = *temp.session;
    struct Row {
        const char* answer;
        int value;
        bool right;
        int points;
        const char* result;
    } rows[] = {
        {"Haus", 4, true, 4, "Richtig!!! Das macht 4 Punkte dazu!"},
        {"Haus", 2, true, 2, "Richtig!!! Das macht 2 Punkte dazu!"},
        {"Haus", 0, true, 0, "Richtig!!! Das macht 0 Punkte dazu!"},
        {"haus", 4, false, 0, "Richtig w\xE4re Haus gewesen! Keine Punkte!"},
        {"Haus ", 4, false, 0, "Richtig w\xE4re Haus gewesen! Keine Punkte!"},
    };
    for (const Row& r : rows) {
        const cAnswer a = handIn(s, "house", r.answer, "Haus", r.value);
        EXPECT_EQ(a.right, r.right) << r.answer;
        EXPECT_EQ(a.points, r.points) << r.answer;
        EXPECT_EQ(a.result, r.result) << r.answer;
    }
    // Three right answers (+25 each from 20, capped at 100), then two wrong
    // ones that cost nothing with the default strictness.
    EXPECT_EQ(s.GetScore("house", "Haus"), 95);
}

TEST(GrandmaRules, questionsNeverHaveAnEmptyTranslation)
{
    struct Row {
        tavrio::test::cWordPairs words;
        DrawResult result;
        const char* original;
    } rows[] = {
        {{{"leer", ""}, {"house", "Haus"}}, DrawResult::Drawn, "house"},
        {{{"leer", ""}}, DrawResult::NoFitting, ""},
        {{}, DrawResult::NoWords, ""},
    };
    for (const Row& r : rows) {
        tavrio::test::cTempSession temp(r.words);
        for (int i = 0; i < 10; ++i) {
            std::string original = "alt";
            std::string translation = "alt";
            EXPECT_EQ(drawQuestion(temp.session.get(), original, translation), r.result);
            EXPECT_EQ(original, r.original);
        }
    }
}

TEST(GrandmaRules, centringRoundsHalvesToEven)
{
    struct Row {
        int width;
        int left;
    } rows[] = {{0, 416}, {10, 411}, {5, 414}, {7, 412}, {9, 412}, {11, 410}};
    for (const Row& r : rows)
        EXPECT_EQ(centredLeft(416, r.width), r.left) << r.width;
}
