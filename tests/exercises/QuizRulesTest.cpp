#include "TempSession.h"

#include "engine/Random.h"
#include "exercises/quiz/QuizShow.h"

#include <gtest/gtest.h>

#include <deque>
#include <numeric>

using namespace tavrio::quiz;
using tavrio::exercises::DrawResult;
using tavrio::test::cTempSession;

namespace {

// Random(n) answers from a script; 0 once it runs out.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::deque<int> script) : script_(std::move(script))
    {
        SetRandomSource([this](int) {
            if (script_.empty())
                return 0;
            const int v = script_.front();
            script_.pop_front();
            return v;
        });
    }
    ~ScriptedRandom() { SetRandomSource({}); }

private:
    std::deque<int> script_;
};

const tavrio::test::cWordPairs kFourWords = {{"Haus", "house"}, {"Baum", "tree"}, {"Hund", "dog"}, {"Katze", "cat"}};

} // namespace

TEST(QuizLadder, safeLevelsAreTheThreeAmountsThatSecureAClimb)
{
    std::vector<std::string> safe;
    for (int level = 0; level < kLevels; ++level)
        if (isSafeLevel(level))
            safe.emplace_back(levelCaption(level));
    EXPECT_EQ(safe, (std::vector<std::string>{"500", "16000", "1000000"}));
    EXPECT_EQ(rowY(0), 384);
    EXPECT_EQ(std::string(levelCaption(kLevels)), "Gewonnen");
    EXPECT_EQ(rowY(kLevels), 128);
}

TEST(QuizLadder, wrongAnswerPaysTheLastSecuredAmount)
{
    struct Row {
        int rights;
        const char* paid;
    } rows[] = {{0, "0"}, {4, "0"}, {5, "500"}, {9, "500"}, {10, "16000"}, {15, "16000"}};
    for (const Row& r : rows) {
        cClimb c;
        c.balance = 7;
        for (int i = 0; i < r.rights; ++i) {
            ASSERT_FALSE(settle(c)) << r.rights;
            climbUp(c);
        }
        ASSERT_FALSE(settle(c)) << r.rights;
        EXPECT_EQ(c.arrowY, 384 - 16 * r.rights);
        EXPECT_EQ(fallDown(c), r.paid) << r.rights;
        EXPECT_EQ(c.balance, 7 + amountOf(r.paid)) << r.rights;
        EXPECT_EQ(c.arrowY, 384) << r.rights;
        EXPECT_EQ(c.secured, "0") << r.rights;
        EXPECT_EQ(payoutMessage(r.paid), std::string("Leider falsch! Du hast ") + r.paid + " dazu bekommen!");
    }
}

TEST(QuizLadder, sixteenthRightAnswerWinsTheMillionAndRestarts)
{
    cClimb c;
    c.balance = 500;
    for (int i = 0; i < kLevels; ++i) {
        ASSERT_FALSE(settle(c)) << i;
        climbUp(c);
    }
    EXPECT_EQ(c.arrowY, 128);
    EXPECT_TRUE(settle(c));
    EXPECT_EQ(c.balance, 1000500);
    EXPECT_EQ(c.secured, "0");
    EXPECT_EQ(c.arrowY, 384);
    EXPECT_FALSE(settle(c));
    EXPECT_EQ(millionMessage("Anna"), "Gratulation Anna!\rDu hast die MILLION\rgewonnen. Bravo.");
}

TEST(QuizLadder, amountsThatAreNoNumbersReadZero)
{
    EXPECT_EQ(amountOf("16000"), 16000);
    EXPECT_EQ(amountOf("3000000000"), 3000000000LL);
    for (const char* text : {"", "abc", "12a", " 5"})
        EXPECT_EQ(amountOf(text), 0) << text;
}

TEST(QuizQuestion, buttonsAvoidTheTranslationsBeforeThem)
{
    struct Row {
        const char* name;
        std::string previousFirst;
        std::deque<int> script; // Random(4) for the right button, then one per draw
        std::array<std::string, 4> answers;
        int right;
        std::string original;
    } rows[] = {
        {"four different words", "", {2, 0, 1, 2, 3}, {"house", "tree", "dog", "cat"}, 2, "Hund"},
        {"button 1 avoids its previous caption", "house", {1, 0, 1, 0, 2, 3}, {"tree", "house", "dog", "cat"}, 1,
         "Haus"},
        {"later buttons avoid all before them", "", {3, 0, 0, 1, 1, 0, 2, 3}, {"house", "tree", "dog", "cat"}, 3,
         "Katze"},
    };
    for (const Row& r : rows) {
        cTempSession temp(kFourWords);
        ScriptedRandom random(r.script);
        const cQuestion q = buildQuestion(temp.session.get(), r.previousFirst);
        ASSERT_EQ(q.result, DrawResult::Drawn) << r.name;
        EXPECT_EQ(q.answers, r.answers) << r.name;
        EXPECT_EQ(q.right, r.right) << r.name;
        EXPECT_EQ(q.original, r.original) << r.name;
        EXPECT_EQ(q.expected(), r.answers[r.right]) << r.name;
    }
}

TEST(QuizQuestion, fewWordsRepeatAfterTheRedrawsAndEmptyOnesAreSkipped)
{
    struct Row {
        const char* name;
        tavrio::test::cWordPairs words;
        DrawResult result;
        std::string every; // the caption of all four buttons
        std::string original;
    } rows[] = {
        {"one word", {{"Haus", "house"}}, DrawResult::Drawn, "house", "Haus"},
        {"one word with a translation", {{"leer", ""}, {"Baum", "tree"}}, DrawResult::Drawn, "tree", "Baum"},
        {"only empty translations", {{"leer", ""}}, DrawResult::NoFitting, "", ""},
        {"nothing loaded", {}, DrawResult::NoWords, "", ""},
    };
    for (const Row& r : rows) {
        cTempSession temp(r.words);
        RandSeed(11);
        const cQuestion q = buildQuestion(temp.session.get(), r.every);
        EXPECT_EQ(q.result, r.result) << r.name;
        EXPECT_EQ(q.answers, (std::array<std::string, 4>{r.every, r.every, r.every, r.every})) << r.name;
        EXPECT_EQ(q.original, r.original) << r.name;
    }
    EXPECT_EQ(buildQuestion(nullptr, "").result, DrawResult::NoWords);
}

TEST(QuizJokers, fiftyFiftyHidesTwoDifferentWrongButtons)
{
    for (int right = 0; right < 4; ++right) {
        for (std::uint32_t seed : {1u, 2u, 3u, 99u}) {
            RandSeed(seed);
            const auto [a, b] = fiftyFifty(right);
            EXPECT_NE(a, right);
            EXPECT_NE(b, right);
            EXPECT_NE(a, b);
            EXPECT_TRUE(a >= 0 && a < 4 && b >= 0 && b < 4);
        }
        // A generator stuck on the right button still gives two others.
        ScriptedRandom stuck(std::deque<int>(5000, right));
        const auto [a, b] = fiftyFifty(right);
        EXPECT_TRUE(a != right && b != right && a != b) << right;
    }
}

TEST(QuizJokers, telephoneNamesThreeLettersUpperCasingOnlyAToZ)
{
    struct Row {
        std::string answer;
        std::deque<int> positions;
        std::string letters;
    } rows[] = {
        {"house", {0, 4, 1}, "\"H\", \"E\" und \"O\""},
        {"house", {2, 2, 2}, "\"U\", \"U\" und \"U\""},
        {"gr\xF6\xDF" "e", {2, 3, 0}, "\"\xF6\", \"\xDF\" und \"G\""},
        {"Tal 1", {0, 3, 4}, "\"T\", \" \" und \"1\""},
    };
    for (const Row& r : rows) {
        ScriptedRandom random(r.positions);
        EXPECT_EQ(telephoneMessage(r.answer),
                  "Ihr Telefonjoker verriet ihnen, \rDa ist ein\r" + r.letters + "\rim Wort drin!")
            << r.answer;
    }
}

TEST(QuizJokers, audienceSharesAddUpToHundred)
{
    const std::array<std::string, 4> answers{"house", "tree", "dog", "cat"};
    struct Row {
        const char* name;
        int right;
        std::array<bool, 4> hidden;
        std::deque<int> script; // x, the right vote, then each other button in order
        std::array<int, 4> shares;
    } rows[] = {
        // votes 50, 50 + 150, 100, 30: total 380
        {"small right vote", 1, {}, {0, 150, 50, 100, 30}, {13, 54, 26, 7}},
        // votes 10, 10, 100 + 1500, 20: total 1640
        {"large right vote", 2, {}, {1, 1500, 10, 10, 20}, {0, 0, 99, 1}},
        // after 50/50 on buttons 1 and 4: votes 0, 200, 100, 0
        {"after 50/50", 1, {true, false, false, true}, {0, 150, 50, 100, 30}, {0, 67, 33, 0}},
    };
    for (const Row& r : rows) {
        ScriptedRandom random(r.script);
        const auto shares = audienceShares(r.right, r.hidden);
        EXPECT_EQ(shares, r.shares) << r.name;
    }
    EXPECT_EQ(audienceMessage({13, 54, 26, 7}, answers),
              "Publikums-Joker\rEr ergab :\r13% house\r54% tree\r26% dog\r7% cat\r");

    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        RandSeed(seed);
        const int right = static_cast<int>(seed % 4);
        std::array<bool, 4> hidden{};
        if (seed % 2) {
            const auto [a, b] = fiftyFifty(right);
            hidden[a] = hidden[b] = true;
        }
        const auto shares = audienceShares(right, hidden);
        EXPECT_EQ(std::accumulate(shares.begin(), shares.end(), 0), 100) << seed;
        for (int k = 0; k < 4; ++k) {
            EXPECT_GE(shares[k], 0) << seed;
            if (hidden[k]) {
                EXPECT_EQ(shares[k], 0) << seed;
            }
        }
    }
}
