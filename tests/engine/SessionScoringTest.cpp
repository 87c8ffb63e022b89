// Scores, difficulty classes, drawing and answer checking.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "engine/ListFile.h"
#include "engine/Random.h"
#include "engine/Session.h"
#include "tests/engine/TempDirTest.h"

namespace {

class SessionRulesTest : public cTempDirTest {
protected:
    void SetUp() override
    {
        cTempDirTest::SetUp();
        WriteProfile("Anna", "Anna");
        s = std::make_unique<cSession>("Anna");
    }
    void Load(const std::vector<cListEntry>& entries)
    {
        WriteFile("l.vok", FormatList4(entries));
        s->AddVocabularyFile("l.vok");
    }
    std::unique_ptr<cSession> s;
};

TEST_F(SessionRulesTest, StepsFromSettings)
{
    const struct {
        std::uint32_t intensity, strictness;
        int reward, penalty;
    } rows[] = {
        {0, 0, 25, 0},   {0, 19, 25, 0},  {0, 20, 25, -25}, {46, 0, 2, 0},    {46, 59, 2, -4},
        {96, 20, 1, -1}, {96, 100, 1, -5}, {97, 100, 0, 0},  {100, 100, 0, 0}, {10, 80, 7, -28},
    };
    for (const auto& r : rows) {
        s->SetLearningSettings(r.intensity, r.strictness);
        EXPECT_EQ(s->GetRewardStep(), r.reward) << r.intensity << "/" << r.strictness;
        EXPECT_EQ(s->GetPenaltyStep(), r.penalty) << r.intensity << "/" << r.strictness;
    }
}

TEST_F(SessionRulesTest, ScoreSequences)
{
    const struct {
        const char* name;
        std::uint32_t intensity, strictness;
        int start;  // -1: pair has no record yet
        std::vector<bool> answers;
        std::vector<int> scores;
    } rows[] = {
        {"four right answers fill up", 0, 0, -1, {true, true, true, true, true}, {45, 70, 95, 100, 100}},
        {"intensive steps of 2", 46, 0, -1, {true, true}, {22, 24}},
        {"steps of 1", 96, 0, 99, {true, true}, {100, 100}},
        {"normal penalty", 0, 20, 45, {false}, {20}},
        {"penalty stops at 0", 0, 20, 10, {false, false}, {0, 0}},
        {"no consequences", 0, 0, 70, {false}, {70}},
        {"frozen scores", 97, 100, 50, {true, false}, {50, 50}},
        {"very hard", 0, 100, 100, {false}, {0}},
    };
    for (const auto& r : rows) {
        s->SetLearningSettings(r.intensity, r.strictness);
        const std::string q = std::string("q ") + r.name;
        if (r.start >= 0)
            s->SetScore(q, "a", r.start);
        for (std::size_t i = 0; i < r.answers.size(); ++i) {
            s->RecordAnswer(q, "a", r.answers[i]);
            EXPECT_EQ(s->GetScore(q, "a"), r.scores[i]) << r.name << " answer " << i;
        }
    }
}

TEST_F(SessionRulesTest, FirstAnswerCreatesRecordEvenWhenScoresCannotMove)
{
    for (const auto& [intensity, right] : std::vector<std::pair<std::uint32_t, bool>>{{97, true}, {0, false}}) {
        s->SetLearningSettings(intensity, 0);
        const std::string q = "neu" + std::to_string(intensity);
        s->RecordAnswer(q, "x", right);
        EXPECT_TRUE(s->HasStatistic(q, "x"));
        EXPECT_TRUE(s->HasStatistic("x", q));
        EXPECT_EQ(s->GetScore(q, "x"), 20);
    }
}

TEST_F(SessionRulesTest, DifficultyBoundaries)
{
    const std::map<int, int> expected = {{0, 2}, {39, 2}, {40, 1}, {80, 1}, {81, 0}, {100, 0}};
    for (const auto& [score, difficulty] : expected) {
        s->SetScore("w", "v", score);
        EXPECT_EQ(s->GetDifficulty("w", "v"), difficulty) << score;
    }
    s->SetScore("w", "v", 250);
    EXPECT_EQ(s->GetScore("w", "v"), 100);
    s->SetScore("w", "v", -3);
    EXPECT_EQ(s->GetScore("w", "v"), 0);
}

TEST_F(SessionRulesTest, RecordIsSharedByBothOrientationsFirstMatchWins)
{
    s->SetScore("Haus", "house", 90);  // record (Haus, house): AB = 90
    EXPECT_EQ(s->GetScore("house", "Haus"), 20);
    s->SetScore("house", "Haus", 30);  // same record, BA side
    EXPECT_EQ(s->StatisticCount(), 1u);
    // A later duplicate in the other orientation never matches.
    s->AddStatistic("house", "Haus");
    s->SetScore("house", "Haus", 55);
    EXPECT_EQ(s->StatisticCount(), 2u);
    EXPECT_EQ(s->GetScore("Haus", "house"), 90);
    EXPECT_EQ(s->GetScore("house", "Haus"), 55);
    // A pair of one word twice reads the AB side.
    s->SetScore("echo", "echo", 70);
    EXPECT_EQ(s->GetScore("echo", "echo"), 70);
    EXPECT_NE(s->GetScore("Haus", "HAUS"), 90);  // case-sensitive
}

TEST_F(SessionRulesTest, ExactCheck)
{
    Load({{"selbstbewu\xDF" "t", "self-confident", "1", ""},
          {"Bank", "bench", "1", ""},
          {"Bank", "bank", "1", ""},
          {"Haus", "house", "0", ""}});
    const struct {
        const char* question;
        const char* answer;
        bool right;
    } rows[] = {
        {"selbstbewu\xDF" "t", "self-confident", true},
        {"self-confident", "selbstbewu\xDF" "t", true},  // either direction
        {"selbstbewu\xDF" "t", "self-confident ", false},  // trailing blank
        {"selbstbewu\xDF" "t", "Self-confident", false},
        {"Bank", "bank", true},
        {"Bank", "bench", true},
        {"Bank", "bench, bank", false},
        {"Haus", "house", false},  // not marked, not loaded
    };
    for (const auto& r : rows)
        EXPECT_EQ(s->IstDasRichtig(r.question, r.answer, "erwartet"), r.right) << r.question << "/" << r.answer;
}

TEST_F(SessionRulesTest, ExactCheckMovesTheRightScores)
{
    Load({{"Haus", "house", "1", ""}});
    ASSERT_TRUE(s->IstDasRichtig("Haus", "house", "house"));  // record (Haus, house)
    EXPECT_EQ(s->GetScore("Haus", "house"), 45);
    ASSERT_TRUE(s->IstDasRichtig("house", "Haus", "Haus"));  // raises the BA side
    EXPECT_EQ(s->GetScore("house", "Haus"), 45);
    EXPECT_EQ(s->StatisticCount(), 1u);

    s->SetLearningSettings(0, 20);
    EXPECT_FALSE(s->IstDasRichtig("Haus", "Maus", "house"));  // lowers (question, expected)
    EXPECT_EQ(s->GetScore("Haus", "house"), 20);
    EXPECT_FALSE(s->HasStatistic("Haus", "Maus"));
}

TEST_F(SessionRulesTest, CaseInsensitiveCheckFoldsOnlyAsciiLetters)
{
    Load({{"\xC4rger", "anger", "1", ""}, {"Haus", "House", "1", ""}});
    const struct {
        const char* question;
        const char* answer;
        bool right;
    } rows[] = {
        {"HAUS", "house", true},     {"house", "haus", true},  {"\xC4RGER", "ANGER", true},
        {"\xE4rger", "anger", false},  // umlaut case differs
        {"Haus", "House ", false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(s->IstDasRichtigNoCase(r.question, r.answer, "x"), r.right) << r.question << "/" << r.answer;
    // Right answers were recorded in the stored spelling, original asked.
    EXPECT_EQ(s->GetScore("Haus", "House"), 70);
    EXPECT_EQ(s->GetScore("\xC4rger", "anger"), 45);
    EXPECT_FALSE(s->HasStatistic("HAUS", "house"));
    // The wrong ones recorded (question, expected).
    EXPECT_TRUE(s->HasStatistic("\xE4rger", "x"));
}

TEST_F(SessionRulesTest, NothingLoaded)
{
    std::string o = "o", t = "t", p = "p";
    s->GetNextWord(o, t);
    s->GetRandomWord(o, t, p, 2);
    s->GetWord(1, 3, o, t, p);
    EXPECT_EQ(o + t + p, "otp");
    EXPECT_FALSE(s->IstDasRichtig("a", "b", "c"));
    EXPECT_FALSE(s->IstDasRichtigNoCase("a", "b", "c"));
    EXPECT_EQ(s->CountWords(3), 0);
}

TEST_F(SessionRulesTest, CountAndPickByDifficulty)
{
    Load({{"e1", "E1", "1", "pe1"}, {"m1", "M1", "1", ""}, {"s1", "S1", "1", ""}, {"e2", "E2", "1", ""},
          {"s2", "S2", "1", ""}});
    // The difficulty of an entry is its translation asked, original answered.
    s->SetScore("E1", "e1", 90);
    s->SetScore("E2", "e2", 81);
    s->SetScore("M1", "m1", 60);
    s->SetScore("s1", "S1", 95);  // the other direction: s1 stays "Schwer"
    EXPECT_EQ(s->CountWords(0), 2);
    EXPECT_EQ(s->CountWords(1), 1);
    EXPECT_EQ(s->CountWords(2), 2);
    EXPECT_EQ(s->CountWords(3), 5);
    EXPECT_EQ(s->CountWords(7), 0);

    const struct {
        int n, difficulty;
        const char* original;  // "" = outputs unchanged
    } rows[] = {{1, 0, "e1"}, {2, 0, "e2"}, {3, 0, ""}, {1, 1, "m1"}, {2, 2, "s2"},
                {5, 3, "s2"}, {0, 3, ""},   {6, 3, ""}, {1, 4, ""}};
    for (const auto& r : rows) {
        std::string o = "", t, p;
        s->GetWord(r.n, r.difficulty, o, t, p);
        EXPECT_EQ(o, r.original) << r.n << "/" << r.difficulty;
    }

    s->SetScore("E1", "e1", 10);  // counts follow score changes
    EXPECT_EQ(s->CountWords(0), 1);
    EXPECT_EQ(s->CountWords(2), 3);
}

TEST_F(SessionRulesTest, RandomWordFallsBackToAnotherClass)
{
    const struct {
        const char* name;
        std::vector<int> scores;  // one entry per score
        int requested;
        int drawnFrom;  // difficulty of every drawn entry
    } rows[] = {
        {"hard wanted, only easy", {90, 90, 90}, 2, 0},
        {"hard wanted, medium there", {90, 50}, 2, 1},
        {"easy wanted, only hard", {10, 20}, 0, 2},
        {"medium wanted, more easy than hard", {90, 90, 10}, 1, 0},
        {"medium wanted, as many easy as hard", {90, 10}, 1, 2},
        {"class present", {90, 50, 10}, 0, 0},
    };
    for (const auto& r : rows) {
        s->ClearWords();
        std::vector<cListEntry> entries;
        for (std::size_t i = 0; i < r.scores.size(); ++i) {
            const std::string o = std::string(r.name) + std::to_string(i);
            entries.push_back({o, "T" + o, "1", ""});
            s->SetScore("T" + o, o, r.scores[i]);
        }
        Load(entries);
        RandSeed(7);
        for (int k = 0; k < 20; ++k) {
            std::string o = "none", t, p;
            s->GetRandomWord(o, t, p, r.requested);
            ASSERT_NE(o, "none") << r.name;
            EXPECT_EQ(s->GetDifficulty(t, o), r.drawnFrom) << r.name;
        }
    }
}

TEST_F(SessionRulesTest, NextWordIsUniformOverLoadedEntries)
{
    Load({{"a", "1", "1", ""}, {"b", "2", "1", ""}, {"a", "1", "1", ""}});
    RandSeed(42);
    std::map<std::string, int> seen;
    for (int k = 0; k < 3000; ++k) {
        std::string o, t;
        s->GetNextWord(o, t);
        ++seen[o + t];
    }
    ASSERT_EQ(seen.size(), 2u);
    // "a" is loaded twice and so twice as likely.
    EXPECT_NEAR(seen["a1"], 2000, 150);
    EXPECT_NEAR(seen["b2"], 1000, 150);
}

} // namespace
