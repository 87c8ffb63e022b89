// The session's files: settings, profile reading and writing, list loading.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "engine/ListFile.h"
#include "engine/Session.h"
#include "tests/engine/TempDirTest.h"

namespace {

class SessionFilesTest : public cTempDirTest {
protected:
    std::unique_ptr<cSession> Login(const std::string& name = "Anna")
    {
        if (!FileExists(name + ".pfl"))
            WriteProfile(name, name);
        return std::make_unique<cSession>(name);
    }
};

TEST_F(SessionFilesTest, NewProfileHasNoStatistics)
{
    auto s = Login();
    std::string name;
    s->GetProfileName(name);
    EXPECT_EQ(name, "Anna");
    EXPECT_EQ(s->StatisticCount(), 0u);
    EXPECT_EQ(s->GetScore("Haus", "house"), 20);
    EXPECT_EQ(s->GetDifficulty("Haus", "house"), 2);
    EXPECT_FALSE(s->HasStatistic("Haus", "house"));
}

TEST_F(SessionFilesTest, UnreadableProfileThrowsGermanError)
{
    WriteFile("Leer.pfl", "");
    WriteFile("Kurz.pfl", "\x05" "Ab");
    std::filesystem::create_directory("Ordner.pfl");
    for (const std::string name : {"Niemand", "Leer", "Kurz", "Ordner"}) {
        try {
            cSession s(name);
            ADD_FAILURE() << name << " gave a session";
        } catch (const cProfileError& e) {
            EXPECT_EQ(std::string(e.what()), "Das Profil \"" + name + "\" konnte nicht geladen werden.");
        }
    }
}

TEST_F(SessionFilesTest, UsesTheNameStoredInTheFile)
{
    WriteProfile("datei", "Gespeichert");
    cSession s("datei");
    std::string name;
    s.GetProfileName(name);
    EXPECT_EQ(name, "Gespeichert");
    ASSERT_TRUE(s.SaveProfile());
    EXPECT_TRUE(FileExists("Gespeichert.pfl"));
}

TEST_F(SessionFilesTest, ProfileRoundTripKeepsOrderOrientationAndScores)
{
    WriteProfile("Anna", "Anna", Record(100, 0, "Haus", "house") + Record(55, 81, "tree", "Baum"));
    {
        auto s = Login();
        EXPECT_EQ(s->GetScore("Haus", "house"), 100);
        EXPECT_EQ(s->GetScore("house", "Haus"), 0);
        EXPECT_EQ(s->GetScore("tree", "Baum"), 55);
        EXPECT_EQ(s->GetScore("Baum", "tree"), 81);
        s->SetScore("Baum", "tree", 60);  // the BA side of an existing record
        s->SetScore("neu", "new", 33);    // a new record, asked side first
        ASSERT_TRUE(s->SaveProfile());
    }
    EXPECT_EQ(ReadFile("Anna.pfl"), std::string("\x04" "Anna") + Record(100, 0, "Haus", "house") +
                                         Record(55, 60, "tree", "Baum") + Record(33, 20, "neu", "new"));
    auto again = Login();
    EXPECT_EQ(again->StatisticCount(), 3u);
    EXPECT_EQ(again->GetScore("new", "neu"), 20);
}

TEST_F(SessionFilesTest, TruncatedProfileKeepsCompleteRecords)
{
    const std::string head = std::string("\x04") + "Anna";
    const std::string complete = Record(40, 41, "eins", "one") + Record(50, 51, "zwei", "two");
    const std::string partial = Record(60, 61, "drei", "three");
    for (std::size_t cut = 1; cut < partial.size(); ++cut) {
        WriteFile("Anna.pfl", head + complete + partial.substr(0, cut));
        cSession s("Anna");
        EXPECT_EQ(s.StatisticCount(), 2u) << "cut " << cut;
        EXPECT_EQ(s.GetScore("zwei", "two"), 50);
        EXPECT_FALSE(s.HasStatistic("drei", "three"));
        ASSERT_TRUE(s.SaveProfile());
        EXPECT_EQ(ReadFile("Anna.pfl"), head + complete) << "cut " << cut;
    }
}

TEST_F(SessionFilesTest, ScoreBytesAbove100ReadAs100)
{
    WriteProfile("Anna", "Anna", Record(101, 255, "a", "b") + Record(100, 7, "c", "d"));
    auto s = Login();
    EXPECT_EQ(s->GetScore("a", "b"), 100);
    EXPECT_EQ(s->GetScore("b", "a"), 100);
    EXPECT_EQ(s->GetScore("d", "c"), 7);
    ASSERT_TRUE(s->SaveProfile());
    EXPECT_EQ(ReadFile("Anna.pfl"), std::string("\x04" "Anna") + Record(100, 100, "a", "b") + Record(100, 7, "c", "d"));
}

TEST_F(SessionFilesTest, WordsOver255BytesNeverReachTheProfile)
{
    const std::string w255(255, 'x'), w256(256, 'y');
    auto s = Login();
    s->RecordAnswer(w256, "short", true);
    s->SetScore("short", w256, 90);
    s->AddStatistic(w256, w256);
    s->RecordAnswer(w255, "fits", true);
    EXPECT_FALSE(s->HasStatistic(w256, "short"));
    EXPECT_EQ(s->GetScore(w256, "short"), 20);
    EXPECT_EQ(s->StatisticCount(), 1u);
    ASSERT_TRUE(s->SaveProfile());
    auto again = Login();
    EXPECT_EQ(again->StatisticCount(), 1u);
    EXPECT_EQ(again->GetScore(w255, "fits"), 45);
}

TEST_F(SessionFilesTest, SaveProfileFailsSafely)
{
    WriteProfile("Anna", "Anna", Record(30, 30, "a", "b"));
    const std::string before = ReadFile("Anna.pfl");
    auto s = Login();
    s->SetScore("a", "b", 90);
    std::filesystem::create_directory("Anna.pfl.tmp");
    EXPECT_FALSE(s->SaveProfile());
    EXPECT_EQ(ReadFile("Anna.pfl"), before);

    // A stored name that would leave the directory is not used as a path.
    WriteProfile("boese", "../boese");
    cSession evil("boese");
    EXPECT_FALSE(evil.SaveProfile());
    EXPECT_FALSE(std::filesystem::exists("../boese.pfl"));
}

TEST_F(SessionFilesTest, SettingsFromConfig)
{
    const struct {
        const char* name;
        std::string config;  // empty: no file
        std::uint32_t intensity, strictness;
    } rows[] = {
        {"no file", "", 0, 0},
        {"both keys", "WieHartBestraft\r\n20\r\nWieIntensiv\r\n46\r\n", 46, 20},
        {"not numbers", "WieHartBestraft\r\nhart\r\nWieIntensiv\r\n4,5\r\n", 0, 0},
        {"out of range", "WieHartBestraft\r\n-5\r\nWieIntensiv\r\n500\r\n", 100, 0},
        {"only one key", "WieIntensiv\r\n96\r\n", 96, 0},
    };
    for (const auto& r : rows) {
        std::filesystem::remove("config.ini");
        if (!r.config.empty())
            WriteFile("config.ini", r.config);
        auto s = Login();
        EXPECT_EQ(s->GetIntensity(), r.intensity) << r.name;
        EXPECT_EQ(s->GetStrictness(), r.strictness) << r.name;
    }
}

TEST_F(SessionFilesTest, SaveConfigWritesExactlyTheTwoSettings)
{
    auto s = Login();
    EXPECT_FALSE(FileExists("config.ini"));  // only SaveConfig writes
    s->SetLearningSettings(46, 60);
    ASSERT_TRUE(s->SaveConfig());
    EXPECT_EQ(ReadFile("config.ini"), "WieHartBestraft\r\n60\r\nWieIntensiv\r\n46\r\n");

    // A second profile shares the settings but not the statistics.
    s->RecordAnswer("a", "b", true);
    ASSERT_TRUE(s->SaveProfile());
    auto other = Login("Ben");
    EXPECT_EQ(other->GetIntensity(), 46u);
    EXPECT_EQ(other->GetStrictness(), 60u);
    EXPECT_FALSE(other->HasStatistic("a", "b"));
}

TEST_F(SessionFilesTest, LoadsOnlyEntriesMarkedOne)
{
    WriteFile("w.vok", FormatList4({{"eins", "one", "1", "p1"},
                                    {"null", "zero", "0", ""},
                                    {"leer", "empty", "", ""},
                                    {"zwei", "two", "2", ""},
                                    {"blank", "x", "1 ", ""},
                                    {"drei", "three", "1", ""}}));
    auto s = Login();
    s->AddVocabularyFile("w.vok");
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(s->CountWords(3), 2);
    std::string o, t, p;
    s->GetWord(1, 3, o, t, p);
    EXPECT_EQ(o + t + p, "einsonep1");
    s->GetWord(2, 3, o, t, p);
    EXPECT_EQ(o + t + p, "dreithree");

    s->AddVocabularyFile("w.vok");  // the same file twice loads twice
    EXPECT_EQ(s->CountWords(3), 4);
    EXPECT_EQ(s->GetLoadedFiles(), (std::vector<std::string>{"w.vok", "w.vok"}));
    s->ClearWords();
    EXPECT_EQ(s->CountWords(3), 0);
    EXPECT_TRUE(s->GetLoadedFiles().empty());
}

TEST_F(SessionFilesTest, ReportsMissingAndUnreadableLists)
{
    std::filesystem::create_directory("ordner.vok");
    auto s = Login();
    s->AddVocabularyFile("fehlt.vok");
    s->AddVocabularyFile("ordner.vok");
    EXPECT_EQ(messages, (std::vector<std::string>{"Datei existiert nicht \"fehlt.vok\"",
                                                  "Datei existiert nicht \"ordner.vok\""}));
    EXPECT_EQ(s->CountWords(3), 0);

    // A file that exists but whose reading fails (reading this one at
    // offset 0 gives an I/O error on Linux).
    const std::string unreadable = "/proc/self/mem";
    std::string bytes;
    if (FileExists(unreadable) && !ReadFileBytes(unreadable, bytes)) {
        messages.clear();
        s->AddVocabularyFile(unreadable);
        EXPECT_EQ(messages, (std::vector<std::string>{"Konnte \"/proc/self/mem\" nicht laden!"}));
        EXPECT_EQ(s->GetLoadedFiles().back(), unreadable);
    }
}

TEST_F(SessionFilesTest, GarbageListLoadsWithoutCrash)
{
    std::string garbage(1 << 20, 'w');
    garbage += "\r\nx\r\n1\r\n\r\n";
    for (int i = 0; i < 2000; ++i)
        garbage += static_cast<char>(i * 37);
    WriteFile("g.vok", garbage);
    auto s = Login();
    s->AddVocabularyFile("g.vok");
    EXPECT_GE(s->CountWords(3), 1);
    // The megabyte word can be answered but gets no record.
    EXPECT_TRUE(s->IstDasRichtig("x", std::string(1 << 20, 'w'), "x"));
    EXPECT_EQ(s->StatisticCount(), 0u);
}

// Files of nothing but zero bytes and empty entries: every record and entry
// is kept, duplicates move together, and the profile goes back unchanged
// but for the score set.
TEST_F(SessionFilesTest, RecordsAndEntriesMadeOfNothingAreAllKept)
{
    std::string records;
    for (int i = 0; i < 1000; ++i)
        records += std::string(4, '\0');
    WriteFile("Nul.pfl", std::string(1, '\0') + records);
    std::string list;
    for (int i = 0; i < 500; ++i)
        list += "\n\n1\n\n\r\n\r\n1\r\n\r\n";
    WriteFile("leer.vok", list);

    cSession s("Nul");
    EXPECT_EQ(s.StatisticCount(), 1000u);
    s.AddVocabularyFile("leer.vok");
    EXPECT_EQ(s.CountWords(3), 1000);
    EXPECT_EQ(s.CountWords(2), 1000);
    s.SetScore("", "", 90);
    EXPECT_EQ(s.CountWords(0), 1000);
    std::string o = "x", t = "x", p = "x";
    s.GetWord(1000, 0, o, t, p);
    EXPECT_EQ(o + t + p, "");
    ASSERT_TRUE(s.SaveProfile());
    EXPECT_EQ(ReadFile("Nul.pfl"), std::string(1, '\0') + Record(90, 0, "", "") + records.substr(4));
}

} // namespace
