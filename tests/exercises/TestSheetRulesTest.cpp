#include "exercises/test/TestSheet.h"

#include "TempSession.h"
#include "engine/Random.h"
#include "engine/Session.h"

#include <gtest/gtest.h>

#include <deque>

using namespace tavrio::testsheet;
using tavrio::exercises::DrawResult;

namespace {
// Scripts Random(n) from a queue (0 once it is empty) and counts the draws.
struct cScriptedRandom {
    explicit cScriptedRandom(std::deque<int> script = {})
    {
        SetRandomSource([this, script = std::move(script)](int) mutable {
            ++draws;
            if (script.empty())
                return 0;
            const int v = script.front();
            script.pop_front();
            return v;
        });
    }
    ~cScriptedRandom() { SetRandomSource({}); }
    int draws = 0;
};

std::string translations(const std::array<cPair, kLines>& lines)
{
    std::string s;
    for (const cPair& l : lines)
        s += l.translation.empty() ? std::string("-") : l.translation;
    return s;
}
} // namespace

TEST(TestSheetRules, marksFollowThePoints)
{
    const char* marks[] = {"6", "5", "5", "4", "4", "4", "3", "3", "2", "2", "1"};
    for (int points = 0; points <= 10; ++points)
        EXPECT_EQ(schoolMark(points), marks[points]) << points;
    EXPECT_EQ(lineMark(true), "\\/");
    EXPECT_EQ(lineMark(false), "f");
}

TEST(TestSheetRules, messagesKeepTheirCarriageReturns)
{
    struct Row {
        std::string got;
        const char* want;
    } rows[] = {
        {correctionMessage("Haus", "hous", "house"),
         "Haus,\r \xFC" "bersetzt man nicht mit\r   hous\rsondern richtig ist \r   house"},
        {correctionMessage("leer", "", "empty"),
         "leer,\r \xFC" "bersetzt man nicht mit\r   \rsondern richtig ist \r   empty"},
        {praiseMessage(1), "Super du hast alles richtig,\r gleich beim ersten mal!"},
        {praiseMessage(2), "Jetzt ist aber alles richtig.\r Aber erst nach der\r2. Berichtigung!"},
        {praiseMessage(12), "Jetzt ist aber alles richtig.\r Aber erst nach der\r12. Berichtigung!"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.got, r.want);
}

TEST(TestSheetRules, neighbouringLinesDifferWhileAnotherTranslationExists)
{
    tavrio::test::cTempSession temp({{"a", "x"}, {"b", "x"}, {"c", "y"}, {"d", "z"}});
    std::array<cPair, kLines> lines;
    std::string first = "x";
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        RandSeed(seed);
        ASSERT_EQ(drawTest(temp.session.get(), first, lines), DrawResult::Drawn);
        EXPECT_NE(lines[0].translation, first) << seed;
        for (int k = 1; k < kLines; ++k)
            EXPECT_NE(lines[k].translation, lines[k - 1].translation) << seed << ": " << translations(lines);
        first = lines[0].translation;
    }
}

TEST(TestSheetRules, redrawsFollowTheScript)
{
    // Entries 0 "a" -> x, 1 "b" -> y. Line 1 avoids the old x twice, line 2
    // avoids y once, the rest take the first draw that differs.
    tavrio::test::cTempSession temp({{"a", "x"}, {"b", "y"}});
    cScriptedRandom random({0, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0});
    std::array<cPair, kLines> lines;
    ASSERT_EQ(drawTest(temp.session.get(), "x", lines), DrawResult::Drawn);
    EXPECT_EQ(translations(lines), "yxyxyxyxyx");
    EXPECT_EQ(lines[0].original, "b");
    EXPECT_EQ(random.draws, 13);
}

TEST(TestSheetRules, redrawingIsBounded)
{
    struct Row {
        const char* name;
        tavrio::test::cWordPairs words;
        DrawResult result;
        const char* lines;
        int draws;
    } rows[] = {
        // One translation only: every line repeats it after 1 + 100 draws.
        {"one translation", {{"a", "x"}, {"b", "x"}}, DrawResult::Drawn, "xxxxxxxxxx", 10 * 101},
        {"empty translations only", {{"a", ""}, {"b", ""}}, DrawResult::NoFitting, "----------", 101},
        {"no words", {}, DrawResult::NoWords, "----------", 0},
    };
    for (const Row& r : rows) {
        tavrio::test::cTempSession temp(r.words);
        cScriptedRandom random;
        std::array<cPair, kLines> lines;
        lines[3] = {"alt", "alt"};
        EXPECT_EQ(drawTest(temp.session.get(), "x", lines), r.result) << r.name;
        EXPECT_EQ(translations(lines), r.lines) << r.name;
        EXPECT_EQ(random.draws, r.draws) << r.name;
    }
}

TEST(TestSheetRules, emptyTranslationsAreSkipped)
{
    tavrio::test::cTempSession temp({{"leer", ""}, {"a", "x"}, {"b", "y"}});
    std::array<cPair, kLines> lines;
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        RandSeed(seed);
        ASSERT_EQ(drawTest(temp.session.get(), "", lines), DrawResult::Drawn);
        EXPECT_EQ(translations(lines).find('-'), std::string::npos) << translations(lines);
    }
}
