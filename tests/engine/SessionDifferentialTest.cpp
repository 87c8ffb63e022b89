// cSession against the plain linear reference: the same long random run of
// loads, answers, draws and save/reload must give the same result at every
// step and the same profile bytes.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "engine/ListFile.h"
#include "engine/Random.h"
#include "engine/Session.h"
#include "engine/Text.h"
#include "tests/engine/TempDirTest.h"
#include "tests/engine/reference/ReferenceSession.h"

namespace {

// Few words, so pairs collide often, in both orientations and letter cases.
const std::vector<std::string> kWords = {
    "Haus", "haus", "HAUS", "house", "House", "Baum", "tree", "Bank", "bank", "bench",
    "\xC4rger", "\xE4rger", "anger", "x", "", "self-confident", "selbstbewu\xDF" "t", "Bank ",
    std::string(255, 'L'), std::string(256, 'L'),  // the longest storable word and one byte more
};

class SessionDifferentialTest : public cTempDirTest, public ::testing::WithParamInterface<unsigned> {
protected:
    std::mt19937 rng;
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    const std::string& Word() { return kWords[Pick(static_cast<int>(kWords.size()))]; }

    void WriteLists()
    {
        const char* marks[] = {"1", "1", "1", "0", "", "2"};
        for (int f = 0; f < 3; ++f) {
            std::vector<cListEntry> entries;
            const int n = 5 + Pick(15);
            for (int i = 0; i < n; ++i)
                entries.push_back({Word(), Word(), marks[Pick(6)], Pick(2) ? "" : "ph" + std::to_string(i)});
            WriteFile("list" + std::to_string(f) + ".vok", FormatList4(entries));
        }
    }
};

TEST_P(SessionDifferentialTest, AgreesWithReference)
{
    rng.seed(GetParam());
    WriteLists();
    WriteFile("config.ini", "WieHartBestraft\r\n40\r\nWieIntensiv\r\n0\r\n");
    WriteProfile("Anna", "Anna");
    auto real = std::make_unique<cSession>("Anna");
    auto ref = std::make_unique<cReferenceSession>("Anna");

    for (int step = 0; step < 4000; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const int op = Pick(15);
        switch (op) {
        case 0: {
            const std::string file = Pick(8) ? "list" + std::to_string(Pick(3)) + ".vok" : "missing.vok";
            real->AddVocabularyFile(file);
            ref->AddVocabularyFile(file);
            ASSERT_EQ(messages.size() % 2, 0u);
            if (!messages.empty()) {
                ASSERT_EQ(messages[messages.size() - 1], messages[messages.size() - 2]);
            }
            break;
        }
        case 1:
            if (Pick(6) == 0) {
                real->ClearWords();
                ref->ClearWords();
            }
            break;
        case 2:
        case 3: {
            const std::string q = Word(), g = Word(), e = Word();
            ASSERT_EQ(real->IstDasRichtig(q, g, e), ref->IstDasRichtig(q, g, e));
            break;
        }
        case 4: {
            // Answers taken from the loaded entries, so right answers happen.
            std::string o, t, p;
            real->GetWord(1 + Pick(std::max(1, real->CountWords(3))), 3, o, t, p);
            if (Pick(2))
                std::swap(o, t);
            if (Pick(3) == 0)
                t = UpperAZ(t);
            if (Pick(2)) {
                ASSERT_EQ(real->IstDasRichtigNoCase(o, t, "exp"), ref->IstDasRichtigNoCase(o, t, "exp"));
            } else {
                ASSERT_EQ(real->IstDasRichtig(o, t, "exp"), ref->IstDasRichtig(o, t, "exp"));
            }
            break;
        }
        case 5: {
            const std::string q = Word(), g = Word(), e = Word();
            ASSERT_EQ(real->IstDasRichtigNoCase(q, g, e), ref->IstDasRichtigNoCase(q, g, e));
            break;
        }
        case 6: {
            const std::string q = Word(), a = Word();
            const bool right = Pick(2);
            real->RecordAnswer(q, a, right);
            ref->RecordAnswer(q, a, right);
            break;
        }
        case 7: {
            const std::string q = Word(), a = Word();
            const int v = Pick(10) == 0 ? Pick(400) - 150 : Pick(101);
            real->SetScore(q, a, v);
            ref->SetScore(q, a, v);
            break;
        }
        case 8:
            if (Pick(10) == 0) {
                const std::string q = Word(), a = Word();
                real->AddStatistic(q, a);
                ref->AddStatistic(q, a);
            }
            break;
        case 9: {
            for (int k = 0; k < 5; ++k) {
                const std::string q = Word(), a = Word();
                ASSERT_EQ(real->GetScore(q, a), ref->GetScore(q, a)) << q << "/" << a;
                ASSERT_EQ(real->GetDifficulty(q, a), ref->GetDifficulty(q, a));
                ASSERT_EQ(real->HasStatistic(q, a), ref->HasStatistic(q, a));
            }
            for (int d = 0; d <= 4; ++d)
                ASSERT_EQ(real->CountWords(d), ref->CountWords(d)) << "difficulty " << d;
            break;
        }
        case 10: {
            const int d = Pick(5), n = Pick(real->CountWords(3) + 2);
            std::string o1 = "-", t1 = "-", p1 = "-", o2 = "-", t2 = "-", p2 = "-";
            real->GetWord(n, d, o1, t1, p1);
            ref->GetWord(n, d, o2, t2, p2);
            ASSERT_EQ(o1 + "|" + t1 + "|" + p1, o2 + "|" + t2 + "|" + p2);
            break;
        }
        case 11:
        case 12: {
            const int d = Pick(4);
            const auto seed = static_cast<std::uint32_t>(rng());
            std::string o1 = "-", t1 = "-", p1 = "-", o2 = "-", t2 = "-", p2 = "-";
            RandSeed(seed);
            if (op == 11)
                real->GetRandomWord(o1, t1, p1, d);
            else
                real->GetNextWord(o1, t1);
            RandSeed(seed);
            if (op == 11)
                ref->GetRandomWord(o2, t2, p2, d);
            else
                ref->GetNextWord(o2, t2);
            ASSERT_EQ(o1 + "|" + t1 + "|" + p1, o2 + "|" + t2 + "|" + p2);
            break;
        }
        case 13:
            if (Pick(10) == 0) {
                const auto i = static_cast<std::uint32_t>(Pick(101)), h = static_cast<std::uint32_t>(Pick(101));
                real->SetLearningSettings(i, h);
                ref->SetLearningSettings(i, h);
                ASSERT_EQ(real->GetRewardStep(), ref->GetRewardStep());
                ASSERT_EQ(real->GetPenaltyStep(), ref->GetPenaltyStep());
            }
            break;
        case 14:
            if (Pick(8) == 0) {
                ASSERT_TRUE(real->SaveProfile());
                const std::string realBytes = ReadFile("Anna.pfl");
                ASSERT_TRUE(ref->SaveProfile());
                ASSERT_EQ(realBytes, ReadFile("Anna.pfl"));
                if (Pick(2)) {
                    real = std::make_unique<cSession>("Anna");
                    ref = std::make_unique<cReferenceSession>("Anna");
                }
            }
            break;
        }
        ASSERT_EQ(real->StatisticCount(), ref->StatisticCount());
    }
    ASSERT_TRUE(real->SaveProfile());
    const std::string realBytes = ReadFile("Anna.pfl");
    ASSERT_TRUE(ref->SaveProfile());
    EXPECT_EQ(realBytes, ReadFile("Anna.pfl"));
    EXPECT_GT(real->StatisticCount(), 10u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SessionDifferentialTest, ::testing::Values(1u, 2u, 3u, 17u, 2024u, 99991u));

} // namespace
