#include "exercises/frame/Crib.h"
#include "exercises/frame/WordDraw.h"

#include "TempSession.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tavrio::exercises;

TEST(Crib, showsEveryCharacterOnceAndLeavesOutStars)
{
    struct Row {
        const char* word;
        const char* letters; // sorted
    } rows[] = {
        {"Haus", "Hasu"}, {"a*b", "ab"}, {"***", ""}, {"", ""}, {"aab", "aab"}, {"Stra\xDF" "e", "Saert\xDF"},
    };
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        for (const Row& r : rows) {
            RandSeed(seed);
            std::string got = cribLetters(r.word);
            std::sort(got.begin(), got.end());
            std::string want = r.letters;
            std::sort(want.begin(), want.end());
            EXPECT_EQ(got, want) << r.word;
        }
    }
}

TEST(Crib, orderIsShuffled)
{
    const std::string word = "abcdefghijklmnop";
    bool differs = false;
    for (std::uint32_t seed = 1; seed <= 5 && !differs; ++seed) {
        RandSeed(seed);
        differs = cribLetters(word) != word;
    }
    EXPECT_TRUE(differs);
}

TEST(WordDraw, reportsNoWordsInsteadOfEmptyPairs)
{
    std::string o = "old";
    std::string t = "old";
    EXPECT_EQ(drawWord(nullptr, o, t), DrawResult::NoWords);
    EXPECT_TRUE(o.empty() && t.empty());
    {
        tavrio::test::cTempSession empty({});
        o = t = "old";
        EXPECT_EQ(drawWord(empty.session.get(), o, t), DrawResult::NoWords);
        EXPECT_TRUE(o.empty() && t.empty());
    }
    tavrio::test::cTempSession words({{"Haus", "house"}, {"lang", "abcdefghijklmnopq"}});
    RandSeed(4);
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(drawWordWhere(words.session.get(), o, t, [](const std::string& s) { return s.size() <= 15; }),
                  DrawResult::Drawn);
        EXPECT_EQ(o, "Haus");
        EXPECT_EQ(t, "house");
    }
    EXPECT_EQ(drawWordWhere(words.session.get(), o, t, [](const std::string& s) { return s.empty(); }, 10),
              DrawResult::NoFitting);
    EXPECT_TRUE(o.empty() && t.empty());
}
