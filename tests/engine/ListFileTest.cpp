#include <gtest/gtest.h>

#include <filesystem>

#include "engine/ListFile.h"
#include "engine/Text.h"
#include "tests/engine/TempDirTest.h"

// Found by argument-dependent lookup, so at global scope like cListEntry.
bool operator==(const cListEntry& a, const cListEntry& b)
{
    return a.original == b.original && a.translation == b.translation && a.mark == b.mark &&
           a.phonetic == b.phonetic;
}

void PrintTo(const cListEntry& e, std::ostream* os)
{
    *os << "{" << e.original << "|" << e.translation << "|" << e.mark << "|" << e.phonetic << "}";
}

namespace {

TEST(ListFile4, Parse)
{
    const struct {
        const char* name;
        std::string bytes;
        std::vector<cListEntry> entries;
    } rows[] = {
        {"empty", "", {}},
        {"crlf", "Haus\r\nhouse\r\n1\r\nhaUs\r\n", {{"Haus", "house", "1", "haUs"}}},
        {"lone lf", "Haus\nhouse\n0\n\nBaum\ntree\n1\nx\n",
         {{"Haus", "house", "0", ""}, {"Baum", "tree", "1", "x"}}},
        {"no final line end", "a\r\nb\r\n1\r\np", {{"a", "b", "1", "p"}}},
        {"ends after line 3", "a\r\nb\r\n1\r\n", {{"a", "b", "1", ""}}},
        {"ends after line 2", "a\r\nb\r\n1\r\n\r\nc\r\nd\r\n", {{"a", "b", "1", ""}, {"c", "d", "", ""}}},
        {"ends after line 1", "a\r\n", {{"a", "", "", ""}}},
        {"inner CR kept", "a\rb\r\nc\r\n1\r\n\r\n", {{"a\rb", "c", "1", ""}}},
        {"blank lines are fields", "\r\n\r\n\r\n\r\n", {{"", "", "", ""}}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ParseList4(r.bytes), r.entries) << r.name;
}

TEST(ListFile3, Parse)
{
    const std::string longPhonetic(300, 'p');
    const struct {
        const char* name;
        std::string bytes;
        std::vector<cListEntry> entries;
    } rows[] = {
        {"mark and phonetic", "Haus\r\nhouse\r\n1haUs\r\n", {{"Haus", "house", "1", "haUs"}}},
        {"mark alone", "a\nb\n0\n", {{"a", "b", "0", ""}}},
        {"empty third line", "a\r\nb\r\n\r\n", {{"a", "b", "", ""}}},
        {"missing third line", "a\r\nb\r\n", {{"a", "b", "", ""}}},
        {"non digit mark", "a\r\nb\r\nXyz\r\n", {{"a", "b", "X", "yz"}}},
        {"phonetic cut at 255", "a\r\nb\r\n1" + longPhonetic + "\r\n", {{"a", "b", "1", std::string(255, 'p')}}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ParseList3(r.bytes), r.entries) << r.name;
}

TEST(ListFile, FormatsReadBackUnchanged)
{
    const std::vector<cListEntry> entries = {
        {"selbstbewu\xDF" "t", "self-confident", "1", "'selbst"},
        {"Haus", "house", "0", ""},
        {"", "", "1", ""},
    };
    const std::string four = FormatList4(entries);
    EXPECT_EQ(four.substr(0, 42), "selbstbewu\xDF" "t\r\nself-confident\r\n1\r\n'selbst\r\n");
    EXPECT_EQ(ParseList4(four), entries);

    const std::string three = FormatList3(entries);
    EXPECT_EQ(three, "selbstbewu\xDF" "t\r\nself-confident\r\n1'selbst\r\nHaus\r\nhouse\r\n0\r\n\r\n\r\n1\r\n");
    EXPECT_EQ(ParseList3(three), entries);
}

TEST(ListFile, LineBreaksInsideFieldsCannotShiftLaterEntries)
{
    const struct {
        const char* name;
        cListEntry entry;
        cListEntry readBack;
    } rows[] = {
        {"LF in original", {"Haus\nBaum", "house", "1", ""}, {"Haus Baum", "house", "1", ""}},
        {"CR LF in translation", {"a", "b\r\nc", "1", ""}, {"a", "b c", "1", ""}},
        {"LF in phonetic", {"a", "b", "1", "x\ny"}, {"a", "b", "1", "x y"}},
        {"lone CR kept", {"a\rb", "c", "0", ""}, {"a\rb", "c", "0", ""}},
    };
    const cListEntry after{"next", "entry", "1", "p"};
    for (const auto& r : rows) {
        EXPECT_EQ(ParseList4(FormatList4({r.entry, after})), (std::vector<cListEntry>{r.readBack, after})) << r.name;
        EXPECT_EQ(ParseList3(FormatList3({r.entry, after})), (std::vector<cListEntry>{r.readBack, after})) << r.name;
    }
}

TEST(ListFile, LayoutsMisalignWhenSwapped)
{
    // A three-line file read as four-line: the next original becomes a phonetic.
    const auto e = ParseList4("a\r\nb\r\n1\r\nc\r\nd\r\n0\r\n");
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].phonetic, "c");
    EXPECT_EQ(e[1].original, "d");
}

TEST(ListFile, GarbageAndHugeLinesLoadWhatTheyCan)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 131 + 7) % 256);
    const auto g4 = ParseList4(garbage);
    const auto g3 = ParseList3(garbage);
    EXPECT_FALSE(g4.empty());
    EXPECT_FALSE(g3.empty());
    for (const auto& e : g3)
        EXPECT_LE(e.phonetic.size(), 255u);

    const std::string huge(1 << 20, 'w');
    const auto h = ParseList4(huge + "\r\nx\r\n1\r\n\r\n");
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].original.size(), huge.size());
    EXPECT_EQ(h[0].translation, "x");
}

TEST(Text, UpperAZTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(UpperAZ("abc xyz ABC 123 \xE4\xF6\xFC\xDF"), "ABC XYZ ABC 123 \xE4\xF6\xFC\xDF");
    EXPECT_TRUE(EqualUpperAZ("Self-Confident", "sELF-cONFIDENT"));
    EXPECT_FALSE(EqualUpperAZ("\xE4rger", "\xC4rger"));
    EXPECT_FALSE(EqualUpperAZ("ab", "abc"));
}

class FileHelpersTest : public cTempDirTest {};

TEST_F(FileHelpersTest, ReadWriteAndExistence)
{
    std::string bytes;
    EXPECT_FALSE(ReadFileBytes("missing.vok", bytes));
    EXPECT_FALSE(FileExists("missing.vok"));

    const std::string data("a\0b\xFF\r\n", 6);
    ASSERT_TRUE(WriteFileAtomic("x.vok", data));
    EXPECT_TRUE(FileExists("x.vok"));
    EXPECT_FALSE(std::filesystem::exists("x.vok.tmp"));
    ASSERT_TRUE(ReadFileBytes("x.vok", bytes));
    EXPECT_EQ(bytes, data);

    std::filesystem::create_directory("dir.vok");
    EXPECT_FALSE(FileExists("dir.vok"));
    EXPECT_FALSE(ReadFileBytes("dir.vok", bytes));
}

TEST_F(FileHelpersTest, FailedWriteLeavesOldFile)
{
    ASSERT_TRUE(WriteFileAtomic("x.vok", "old"));
    std::filesystem::create_directory("x.vok.tmp");
    EXPECT_FALSE(WriteFileAtomic("x.vok", "new"));
    EXPECT_EQ(ReadFile("x.vok"), "old");

    // The rename itself fails: the target is a non-empty directory.
    std::filesystem::create_directories("d.vok/inner");
    EXPECT_FALSE(WriteFileAtomic("d.vok", "new"));
    EXPECT_FALSE(std::filesystem::exists("d.vok.tmp"));
}

} // namespace
