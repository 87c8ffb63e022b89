#include "tools/grammar/GrammarText.h"

#include <gtest/gtest.h>

using tavrio::grammar::FormatGrammar;
using tavrio::grammar::ParseGrammar;
using Lines = std::vector<std::string>;

TEST(GrammarText, readsLinesAsTheNotesEditorShowsThem)
{
    struct Row {
        const char* name;
        std::string bytes;
        Lines lines;
    } rows[] = {
        {"three CR LF lines", "der\r\ndie\r\ndas\r\n", {"der", "die", "das"}},
        {"empty file is one empty line", "", {""}},
        {"last line without its end", "eins\r\nzwei", {"eins", "zwei"}},
        {"blank line kept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"trailing blank line kept", "a\r\n\r\n", {"a", ""}},
        {"LF and lone CR end lines too", "a\nb\rc\r\n", {"a", "b", "c"}},
        {"umlauts stay bytes", "M\xE4" "dchen\r\n", {"M\xE4" "dchen"}},
        {"NUL bytes become blanks", std::string("a\0b\r\n", 5), {"a b"}},
    };
    for (const Row& r : rows) {
        const auto text = ParseGrammar(r.bytes);
        EXPECT_EQ(text.lines, r.lines) << r.name;
        EXPECT_FALSE(text.cut) << r.name;
    }
}

TEST(GrammarText, threeLinesRoundTripByteForByte)
{
    const Lines lines = {"Plural: -en", "", "Stra\xDF" "e, Stra\xDF" "en"};
    const std::string bytes = FormatGrammar(lines);
    EXPECT_EQ(bytes, "Plural: -en\r\n\r\nStra\xDF" "e, Stra\xDF" "en\r\n");
    EXPECT_EQ(ParseGrammar(bytes).lines, lines);
    EXPECT_EQ(FormatGrammar({}), "");
}

TEST(GrammarText, oversizedFileLoadsItsWholeLinesUpToTheLimit)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::size_t limit;
        Lines lines;
        bool cut;
    } rows[] = {
        {"exactly at the limit", "ab\r\ncd", 6, {"ab", "cd"}, false},
        {"cut inside the second line", "ab\r\ncdef\r\n", 6, {"ab"}, true},
        {"cut between CR and LF", "ab\r\ncd", 3, {"ab"}, true},
        {"no line end before the limit", "abcdefgh", 4, {"abcd"}, true},
    };
    for (const Row& r : rows) {
        const auto text = ParseGrammar(r.bytes, r.limit);
        EXPECT_EQ(text.lines, r.lines) << r.name;
        EXPECT_EQ(text.cut, r.cut) << r.name;
    }
}
