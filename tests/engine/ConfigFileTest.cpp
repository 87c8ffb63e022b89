#include <gtest/gtest.h>

#include <filesystem>

#include "engine/ConfigFile.h"
#include "tests/engine/TempDirTest.h"

namespace {

class ConfigFileTest : public cTempDirTest {};

TEST(ConfigEscape, EncodesEachSpecialCharacter)
{
    const struct {
        const char* plain;
        const char* escaped;
    } rows[] = {
        {"a&b", "a&#38;b"},
        {"<>", "&#60;&#62;"},
        {"it's", "it&#39;s"},
        {"C:\\x", "C:&#92;x"},
        {"one\ntwo", "one\\ntwo"},
        {"one\r\ntwo", "one\\r\\ntwo"},
        {"&#92;", "&#38;#92;"},
        {"plain äöüß", "plain äöüß"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(cConfigFile::Escape(r.plain), r.escaped) << r.plain;
        EXPECT_EQ(cConfigFile::Unescape(r.escaped), r.plain) << r.escaped;
    }
}

TEST_F(ConfigFileTest, AwkwardValuesSurviveSaveAndLoadOnOneLine)
{
    const std::vector<std::string> values = {
        "line\nbreak", "cr\rcr", "back\\slash", "\\n literally", "&#92;", "&#38;", "&amp;<tag>'q'",
        "\\\\r\\", "", std::string("nul\0byte", 8), "\xC4\xD6\xDC\xDF",
    };
    cConfigFile out("test.ini");
    for (std::size_t i = 0; i < values.size(); ++i)
        out.SetValue("key" + std::to_string(i) + "\n&", values[i]);
    ASSERT_TRUE(out.Save());

    // Every key and value takes exactly one line.
    const std::string file = ReadFile("test.ini");
    std::size_t lines = 0;
    for (char c : file)
        lines += c == '\n';
    EXPECT_EQ(lines, 2 * values.size());

    cConfigFile in("test.ini");
    EXPECT_EQ(in.GetKeys(), out.GetKeys());
    EXPECT_EQ(in.GetValues(), values);
}

TEST_F(ConfigFileTest, ReadsPairsWithLoneLfAndOddLineCount)
{
    WriteFile("c.ini", "A\r\n1\nB\r\n2\r\nlast\r\n");
    cConfigFile c;
    EXPECT_TRUE(c.Load("c.ini"));
    EXPECT_EQ(c.GetKeys(), (std::vector<std::string>{"A", "B", "last"}));
    EXPECT_EQ(c.GetValues(), (std::vector<std::string>{"1", "2", ""}));
}

TEST_F(ConfigFileTest, KeysAreCaseSensitiveAndFirstDuplicateWins)
{
    WriteFile("c.ini", "Key\r\nfirst\r\nkey\r\nlower\r\nKey\r\nsecond\r\n");
    cConfigFile c("c.ini");
    std::string v;
    ASSERT_TRUE(c.GetValue("Key", v));
    EXPECT_EQ(v, "first");
    ASSERT_TRUE(c.GetValue("key", v));
    EXPECT_EQ(v, "lower");
    v = "untouched";
    EXPECT_FALSE(c.GetValue("KEY", v));
    EXPECT_EQ(v, "untouched");

    c.SetValue("Key", "changed");
    c.SetValue("New", "appended");
    ASSERT_TRUE(c.Save());
    EXPECT_EQ(ReadFile("c.ini"), "Key\r\nchanged\r\nkey\r\nlower\r\nKey\r\nsecond\r\nNew\r\nappended\r\n");
}

TEST_F(ConfigFileTest, IntegerConversion)
{
    const struct {
        const char* text;
        bool ok;
        std::int32_t value;
    } rows[] = {
        {"42", true, 42},         {"-7", true, -7},      {"+3", true, 3},          {"0", true, 0},
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"3,5", false, 0},     {"3.5", false, 0},        {"", false, 0},
        {"12a", false, 0},        {"-", false, 0},       {" 5", false, 0},         {"99999999999999999999", false, 0},
    };
    cConfigFile c;
    for (const auto& r : rows) {
        c.SetValue("n", r.text);
        std::int32_t v = -99;
        EXPECT_EQ(c.GetIntValue("n", v), r.ok) << '"' << r.text << '"';
        EXPECT_EQ(v, r.ok ? r.value : -99) << '"' << r.text << '"';
    }
    std::int32_t v = -99;
    EXPECT_FALSE(c.GetIntValue("missing", v));
    EXPECT_EQ(v, -99);
}

TEST(ConfigFloat, ShortestGeneralForm)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {{20, "20"}, {0, "0"}, {46, "46"}, {0.5, "0.5"}, {-3.25, "-3.25"}, {1.0 / 3, "0.333333333333333"}};
    cConfigFile c;
    for (const auto& r : rows) {
        c.SetFloatValue("f", r.value);
        std::string text;
        ASSERT_TRUE(c.GetValue("f", text));
        EXPECT_EQ(text, r.text);
    }
}

TEST_F(ConfigFileTest, MissingFileGivesEmptyStoreAndSaveCreatesIt)
{
    cConfigFile c;
    EXPECT_FALSE(c.Load("none.ini"));
    EXPECT_TRUE(c.GetKeys().empty());
    c.SetValue("a", "b");
    EXPECT_FALSE(std::filesystem::exists("none.ini"));
    ASSERT_TRUE(c.Save());
    EXPECT_EQ(ReadFile("none.ini"), "a\r\nb\r\n");
}

TEST_F(ConfigFileTest, FailedSaveReportsAndKeepsOldFile)
{
    WriteFile("c.ini", "old\r\nvalue\r\n");
    cConfigFile c("c.ini");
    c.SetValue("old", "new");
    std::filesystem::create_directory("c.ini.tmp");  // the temporary file cannot be made
    EXPECT_FALSE(c.Save());
    EXPECT_EQ(ReadFile("c.ini"), "old\r\nvalue\r\n");

    cConfigFile nowhere("no/such/dir/c.ini");
    nowhere.SetValue("a", "b");
    EXPECT_FALSE(nowhere.Save());
}

} // namespace
