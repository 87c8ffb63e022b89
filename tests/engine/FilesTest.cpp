#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/Files.h"
#include "tests/engine/TempDirTest.h"

namespace {
namespace fs = std::filesystem;

struct NameCase {
    const char* label;
    std::string ansi;
    std::string utf8;
};

TEST(FileNames, ConvertBothWays)
{
    const NameCase cases[] = {
        {"ascii", "Englisch 5 - Unit 1", "Englisch 5 - Unit 1"},
        {"umlauts", "J\xFCrgen \xC4\xD6\xDC\xE4\xF6", "J\xC3\xBCrgen \xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6"},
        {"sharp s", "Stra\xDF" "e", "Stra\xC3\x9F" "e"},
        {"cedilla", "Le\xE7on 1", "Le\xC3\xA7on 1"},
        {"euro and quotes", "\x80 \x84x\x93", "\xE2\x82\xAC \xE2\x80\x9Ex\xE2\x80\x9C"},
        {"unassigned byte", "a\x81", "a\xC2\x81"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8FromAnsi(c.ansi), c.utf8) << c.label;
        EXPECT_EQ(AnsiFromUtf8(c.utf8), std::optional<std::string>(c.ansi)) << c.label;
    }
    // Every byte survives the round trip, so every engine name can be stored.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(AnsiFromUtf8(Utf8FromAnsi(all)), std::optional<std::string>(all));
}

TEST(FileNames, NamesWithoutAWindows1252FormAreRefused)
{
    const std::pair<const char*, std::string> cases[] = {
        {"cyrillic", "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9.vok"},
        {"emoji", "\xF0\x9F\x98\x80.vok"},
        {"raw latin-1", "J\xFCrgen.pfl"},
        {"cut sequence", "J\xC3"},
        {"over-long slash", "\xC0\xAF"},
    };
    for (const auto& [label, name] : cases)
        EXPECT_EQ(AnsiFromUtf8(name), std::nullopt) << label;
}

class FilesTest : public cTempDirTest {
protected:
    static void WriteRaw(const std::string& diskName, const std::string& bytes)
    {
        std::ofstream(fs::path(diskName), std::ios::binary) << bytes;
    }
    static std::vector<std::string> Sorted(std::vector<std::string> v)
    {
        std::sort(v.begin(), v.end());
        return v;
    }
};

TEST_F(FilesTest, NamesReachTheDiskAsUtf8AndAreListedBack)
{
    ASSERT_TRUE(WriteFileAtomic("J\xFCrgen.pfl", "\x06J\xFCrgen"));
    ASSERT_TRUE(WriteFileAtomic("Meine W\xF6rter.vok", "a\r\nb\r\n1\r\n\r\n"));
    ASSERT_TRUE(WriteFileAtomic("Fran\xE7\xF6sisch 6 - Le\xE7on 1.vok", ""));
#ifndef _WIN32
    EXPECT_TRUE(fs::exists(fs::path("J\xC3\xBCrgen.pfl")));
    EXPECT_TRUE(fs::exists(fs::path("Meine W\xC3\xB6rter.vok")));
    EXPECT_FALSE(fs::exists(fs::path("Meine W\xF6rter.vok")));
#endif
    EXPECT_TRUE(FileExists("Meine W\xF6rter.vok"));
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes("J\xFCrgen.pfl", bytes));
    EXPECT_EQ(bytes, "\x06J\xFCrgen");
    EXPECT_EQ(Sorted(ListDirectory(".", "*.vok")),
              (std::vector<std::string>{"Fran\xE7\xF6sisch 6 - Le\xE7on 1.vok", "Meine W\xF6rter.vok"}));
    EXPECT_EQ(ListDirectory("", "*.pfl"), std::vector<std::string>{"J\xFCrgen.pfl"});
    EXPECT_EQ(ListDirectory(".", "Meine?W*r.vok"), std::vector<std::string>{"Meine W\xF6rter.vok"});
}

#ifndef _WIN32
TEST_F(FilesTest, OldRawNamesAreFoundAndRenamedOnce)
{
    // Listing: the raw name is renamed and listed once.
    WriteRaw("J\xFCrgen.pfl", "\x06J\xFCrgen");
    EXPECT_EQ(ListDirectory(".", "*.pfl"), std::vector<std::string>{"J\xFCrgen.pfl"});
    EXPECT_FALSE(fs::exists(fs::path("J\xFCrgen.pfl")));
    EXPECT_EQ(ReadFile("J\xC3\xBCrgen.pfl"), "\x06J\xFCrgen");

    // Opening by name: found and renamed.
    WriteRaw("W\xF6rter.vok", "alt");
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes("W\xF6rter.vok", bytes));
    EXPECT_EQ(bytes, "alt");
    EXPECT_FALSE(fs::exists(fs::path("W\xF6rter.vok")));

    // Writing replaces the old file instead of leaving it beside the new one.
    WriteRaw("Le\xE7on.vok", "alt");
    ASSERT_TRUE(WriteFileAtomic("Le\xE7on.vok", "neu"));
    EXPECT_EQ(ListDirectory(".", "Le*"), std::vector<std::string>{"Le\xE7on.vok"});
    EXPECT_EQ(ReadFile("Le\xC3\xA7on.vok"), "neu");

    // Both forms present: the new one is listed alone, the old one is kept.
    WriteRaw("M\xFCller.pfl", "alt");
    WriteRaw("M\xC3\xBCller.pfl", "neu");
    EXPECT_EQ(Sorted(ListDirectory(".", "M*.pfl")), std::vector<std::string>{"M\xFCller.pfl"});
    EXPECT_EQ(ReadFile("M\xFCller.pfl"), "alt");
    ASSERT_TRUE(ReadFileBytes("M\xFCller.pfl", bytes));
    EXPECT_EQ(bytes, "neu");

    // A name that Windows-1252 cannot hold is not listed.
    WriteRaw("\xD0\xA0\xD1\x83.vok", "x");
    EXPECT_EQ(ListDirectory(".", "\xD0*"), std::vector<std::string>{});
}
#endif

TEST_F(FilesTest, LimitedReadRefusesLargerFiles)
{
    ASSERT_TRUE(WriteFileAtomic("gro\xDF.vok", std::string(1000, '\n')));
    std::string out = "unchanged";
    EXPECT_EQ(ReadFileLimited("gro\xDF.vok", out, 999), cReadResult::TooLarge);
    EXPECT_EQ(out, "unchanged");
    EXPECT_EQ(ReadFileLimited("gro\xDF.vok", out, 1000), cReadResult::Ok);
    EXPECT_EQ(out.size(), 1000u);
    EXPECT_EQ(ReadFileLimited("fehlt.vok", out, 1000), cReadResult::Missing);
    fs::create_directory("ordner.vok");
    EXPECT_EQ(ReadFileLimited("ordner.vok", out, 1000), cReadResult::Unreadable);
}

} // namespace

#include "engine/ConfigFile.h"
#include "engine/Session.h"

namespace {

// Each reader refuses a file one byte over its limit with a German message,
// and still takes a file of exactly the limit.
TEST_F(FilesTest, ReadersRefuseFilesOverTheirLimit)
{
    WriteProfile("Anna", "Anna");
    const std::string feeds(MaxListBytes, '\n');

    WriteFile("genau.vok", feeds);
    WriteFile("zu gross.vok", feeds + "\n");
    {
        cSession s("Anna");
        s.AddVocabularyFile("genau.vok");
        EXPECT_TRUE(messages.empty());
        s.AddVocabularyFile("zu gross.vok");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], "Die Vokabelliste \"zu gross.vok\" ist zu gro\xDF (\xFC" "ber 16 MB) und wird nicht gelesen.");
    }

    messages.clear();
    WriteFile("config.ini", "WieIntensiv\r\n7\r\n" + std::string(cConfigFile::MaxBytes, '\n'));
    {
        cSession s("Anna");
        EXPECT_EQ(s.GetIntensity(), 0u) << "the oversized settings were not read";
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind("Die Datei \"config.ini\" ist zu gro\xDF", 0), 0u) << messages[0];
    }
    WriteFile("config.ini", "WieIntensiv\r\n7\r\n" + std::string(cConfigFile::MaxBytes - 16, '\n'));
    EXPECT_EQ(cSession("Anna").GetIntensity(), 7u);

    WriteProfile("Null", std::string(), std::string(cSession::MaxProfileBytes, '\0'));
    try {
        cSession s("Null");
        ADD_FAILURE() << "an oversized profile was loaded";
    } catch (const cProfileError& e) {
        EXPECT_EQ(std::string(e.what()), "Das Profil \"Null\" ist zu gro\xDF (\xFC" "ber 8 MB) und kann nicht geladen werden.");
    }
}

TEST_F(FilesTest, ProfileWithoutStoredNameIsSavedToItsOwnFile)
{
    WriteProfile("Namenlos", std::string(), Record(30, 40, "Haus", "house"));
    {
        cSession s("Namenlos");
        EXPECT_TRUE(s.SaveProfile());
    }
    EXPECT_FALSE(FileExists(".pfl"));
    EXPECT_EQ(ReadFile("Namenlos.pfl"), std::string(1, '\0') + Record(30, 40, "Haus", "house"));
}

} // namespace
