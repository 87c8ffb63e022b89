#include "tools/phonetics/PhoneticSigns.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using tavrio::phonetics::Signs;
using tavrio::phonetics::SplitForPlayback;

namespace {

struct SplitCase {
    const char* name;
    std::string text;
    std::set<std::string> files;
    std::vector<std::string> pieces;
};

class PlaybackSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PlaybackSplit, takesTheLongestPrefixWithASoundAndStopsWhereNoneHasOne)
{
    const SplitCase& c = GetParam();
    const auto has = [&](std::string_view p) { return c.files.count(std::string(p)) > 0; };
    EXPECT_EQ(SplitForPlayback(c.text, has), c.pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaybackSplit,
    ::testing::Values(
        SplitCase{"longestFirst", "ba\xC9", {"a", "a\xC9", "b"}, {"b", "a\xC9"}},
        SplitCase{"shorterWhenLongerMissing", "ab", {"a", "b", "abc"}, {"a", "b"}},
        SplitCase{"firstSignWithoutSoundPlaysNothing", "xab", {"a", "b"}, {}},
        SplitCase{"restAfterAGapIsDropped", "abxb", {"a", "b"}, {"a", "b"}},
        SplitCase{"empty", "", {"a"}, {}},
        SplitCase{"wholeTextAtOnce", "t\x92s", {"t", "s", "t\x92s"}, {"t\x92s"}},
        SplitCase{"greedyCanStrandARest", "aib", {"ai", "a", "ib"}, {"ai"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhoneticSigns, eightyFourButtonsWithDistinctNamesAndCaptions)
{
    std::set<std::string> names;
    for (const auto& s : Signs()) {
        names.insert(s.button);
        EXPECT_FALSE(s.bytes.empty()) << s.button;
    }
    EXPECT_EQ(Signs().size(), 84u);
    EXPECT_EQ(names.size(), 84u);
    // The window's first and a few telling signs, bytes as the font lays them out.
    EXPECT_EQ(std::string(Signs()[0].button), "Button10");
    EXPECT_EQ(Signs()[1].bytes, "a\xC9");
    EXPECT_EQ(std::string(Signs().back().button), "Button24");
}

TEST(PhoneticSigns, everySignIsVoicedOrAPause)
{
    // Sample sounds are made from these; a sign without phonemes must be a
    // pause (stress and length marks, glottal stop), never an accident.
    for (const auto& s : Signs()) {
        const std::string voice = s.voice;
        const std::string phonemes = s.phonemes;
        EXPECT_EQ(voice.empty(), phonemes.empty()) << s.button;
        if (voice.empty()) {
            EXPECT_TRUE(s.bytes == "\xC7" || s.bytes == "\xC9" || s.bytes == "\xD6") << s.button;
        }
    }
}

} // namespace
