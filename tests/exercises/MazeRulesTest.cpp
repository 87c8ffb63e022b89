// The step rules of "Seenot!" and "Hilf Papa!" on maps written as ASCII
// fixtures (cLevelMap::fromText: digits are codes, "A" .. "Z" letters or
// blocks, "a" .. "z" tail segments; missing rows and columns are 0).
#include "exercises/helpdad/PushGame.h"
#include "exercises/seenot/SeaGame.h"

#include "ScriptedDraws.h"
#include "TempSession.h"

#include <gtest/gtest.h>

#include <string>

using namespace tavrio::level;
using tavrio::maze::Direction;

namespace {

using ScriptedRandom = tavrio::test::cScriptedDraws;

cLevelRound roundOf(const std::string& fixture)
{
    cLevelRound r;
    r.map = cLevelMap::fromText(fixture);
    r.playerPos = r.map.find(kStart);
    r.exitPos = r.map.find(kExit);
    return r;
}

// The first `rows` lines of a map's text.
std::string rowsOf(const cLevelMap& map, int rows)
{
    const std::string text = map.text();
    std::size_t end = 0;
    for (int i = 0; i < rows; ++i)
        end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

std::string pad(const std::string& row) { return row + std::string(kColumns - row.size(), '0') + "\n"; }

} // namespace

// ---- "Hilf Papa!" ----

struct PushCase {
    const char* name;
    std::string before; // 3 rows, padded with 0
    Direction d;
    tavrio::helpdad::Move expected;
    std::string after;
};

class PushTest : public ::testing::TestWithParam<PushCase> {};

TEST_P(PushTest, MovesOrBlocksAsTheCellsAllow)
{
    const PushCase& c = GetParam();
    tavrio::helpdad::cPushGame game;
    game.start(roundOf(c.before));
    const int figureBefore = game.figure();
    EXPECT_EQ(game.move(c.d), c.expected);
    const cLevelMap after = cLevelMap::fromText(c.after);
    EXPECT_EQ(game.map().text(), after.text());
    if (c.expected == tavrio::helpdad::Move::None)
        EXPECT_EQ(game.figure(), figureBefore);
    else
        EXPECT_EQ(game.figure(), after.find(kStart));
}

using tavrio::helpdad::Move;
const std::string kFar = "000000000000000000004"; // an exit out of the way

INSTANTIATE_TEST_SUITE_P(
    HilfPapa, PushTest,
    ::testing::Values(
        PushCase{"stepOntoEmpty", pad("10") + pad(kFar), Direction::Right, Move::Step, pad("01") + pad(kFar)},
        PushCase{"stepOntoExit", pad("14"), Direction::Right, Move::Step, pad("01")},
        PushCase{"wallStops", pad("12") + pad(kFar), Direction::Right, Move::None, pad("12") + pad(kFar)},
        PushCase{"markedCellStops", pad("13") + pad(kFar), Direction::Right, Move::None, pad("13") + pad(kFar)},
        PushCase{"pushIntoEmpty", pad("1H0") + pad(kFar), Direction::Right, Move::Push, pad("01H") + pad(kFar)},
        PushCase{"pushDown", pad("1") + pad("H") + pad("0") + pad(kFar), Direction::Down, Move::Push,
                 pad("0") + pad("1") + pad("H") + pad(kFar)},
        PushCase{"blockAgainstWall", pad("1H2") + pad(kFar), Direction::Right, Move::None, pad("1H2") + pad(kFar)},
        PushCase{"blockAgainstBlock", pad("1HA") + pad(kFar), Direction::Right, Move::None,
                 pad("1HA") + pad(kFar)},
        PushCase{"blockAgainstMarkedCell", pad("1H3") + pad(kFar), Direction::Right, Move::None,
                 pad("1H3") + pad(kFar)},
        PushCase{"blockAgainstExit", pad("1H4"), Direction::Right, Move::None, pad("1H4")},
        PushCase{"blockInColumn24NotRight", "00000000000000000000001H\n" + pad(kFar), Direction::Right, Move::None,
                 "00000000000000000000001H\n" + pad(kFar)},
        PushCase{"blockInRow1NotUp", pad("H") + pad("1") + pad(kFar), Direction::Up, Move::None,
                 pad("H") + pad("1") + pad(kFar)},
        PushCase{"noStepLeftOfColumn1", pad(kFar) + pad("1"), Direction::Left, Move::None, pad(kFar) + pad("1")},
        PushCase{"noWrapRightToNextRow", "000000000000000000000001\n" + pad("4"), Direction::Right, Move::None,
                 "000000000000000000000001\n" + pad("4")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MazeRound, OnlyTheRoundsPlayerStandsOnTheMap)
{
    // A faulty level's own start cell stays beside the standard one.
    cLevelRound r = roundOf(pad("0001") + pad("1") + pad("4"));
    r.playerPos = 25;
    tavrio::helpdad::cPushGame papa;
    papa.start(r);
    tavrio::seenot::cSeaGame sea;
    sea.start(r, "");
    for (const cLevelMap& m : {papa.map(), sea.map()}) {
        EXPECT_EQ(m.count(kStart), 1);
        EXPECT_EQ(m.at(25), kStart);
    }
}

TEST(HilfPapa, BlockInRow14CannotBePushedDown)
{
    std::string rows;
    for (int r = 1; r <= 12; ++r)
        rows += pad(r == 1 ? "4" : "");
    rows += pad("1") + pad("H");
    tavrio::helpdad::cPushGame game;
    game.start(roundOf(rows));
    EXPECT_EQ(game.move(Direction::Down), Move::None);
    EXPECT_EQ(game.map().at(1, 14), letterCode('H'));
}

TEST(HilfPapa, AnswerRowIsHandedInWithTrailingBlanksRemoved)
{
    tavrio::test::cTempSession temp(tavrio::test::cWordPairs{{"house", "Haus"}});
    struct Case {
        const char* row13; // columns 1 .. 24
        const char* answer;
        bool right;
    } cases[] = {
        {"0000HAUS", "HAUS", true},      // from column 5: right, case of a-z ignored
        {"00000HAUS", " HAUS", false},   // from column 6: a leading blank
        {"0000HA0US", "HA US", false},   // a gap stays a blank
        {"00000000000000000000", "", false},
        {"000HAUS", "AUS", false},       // column 4 is not part of the row
        {"0000HAUS00000000000S", "HAUS", true}, // column 20 is not part of it either
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row13);
        std::string rows = pad("4");
        for (int r = 2; r <= 12; ++r)
            rows += pad(r == 2 ? "1" : "");
        rows += pad(c.row13);
        tavrio::helpdad::cPushGame game;
        game.start(roundOf(rows));
        EXPECT_EQ(game.answer(), c.answer);
        EXPECT_EQ(game.move(Direction::Up), Move::Step);
        ASSERT_TRUE(game.atExit());
        EXPECT_EQ(tavrio::maze::handIn(temp.session.get(), "house", game.answer(), "Haus"), c.right);
    }
    EXPECT_EQ(tavrio::maze::roundEndMessage(false, "Stra\xDF" "e"), "Schade :-{ Richtig war :STRA\xDF" "E!");
    EXPECT_EQ(tavrio::maze::roundEndMessage(true, "x"), "SUPER!!! Das war richtig. Auf zum n\xE4" "chsten Wort!");
}

// ---- "Seenot!" ----

namespace {
tavrio::seenot::cSeaGame seaGame(const std::string& fixture, const std::string& translation = "")
{
    ScriptedRandom draws;
    tavrio::seenot::cSeaGame game;
    game.start(roundOf(fixture), translation);
    return game;
}
} // namespace

using tavrio::seenot::StepResult;

TEST(Seenot, BoatWaitsForTheFirstKeyAndIgnoresTheSameKeyAgain)
{
    auto game = seaGame(pad("1A04"));
    const std::string before = game.map().text();
    EXPECT_EQ(game.step(), StepResult::Idle);
    EXPECT_EQ(game.floatLetter(), 0);
    EXPECT_EQ(game.map().text(), before);
    EXPECT_TRUE(game.steer(Direction::Right));
    EXPECT_FALSE(game.steer(Direction::Right));
    EXPECT_EQ(game.step(), StepResult::Moved);
    EXPECT_EQ(game.boat(), 2);
}

TEST(Seenot, TailFollowsInOrderOfCollectionAndIsHandedInAtTheShip)
{
    auto game = seaGame(pad("1AB04"));
    game.steer(Direction::Right);
    const char* rows[] = {"a1B04", "ba104", "0ba14"};
    for (const char* row : rows) {
        EXPECT_EQ(game.step(), StepResult::Moved);
        EXPECT_EQ(rowsOf(game.map(), 1), pad(row));
    }
    EXPECT_EQ(game.step(), StepResult::Arrived);
    EXPECT_EQ(game.collected(), "AB");
    EXPECT_EQ(game.boat(), game.exit());
}

TEST(Seenot, CrashesEndTheRoundAtTheShipWithNothingCollected)
{
    struct Case {
        const char* name;
        std::string map;
        std::vector<Direction> keys; // one step after each
    } cases[] = {
        {"reef", pad("1A2") + pad("4"), {Direction::Right, Direction::Right}},
        {"ownTail", pad("1AB") + pad("4"), {Direction::Right, Direction::Right, Direction::Left}},
        {"rightEdge", "000000000000000000000001\n" + pad("4"), {Direction::Right}},
        {"topEdge", pad("1A") + pad("4"), {Direction::Right, Direction::Up}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto game = seaGame(c.map);
        StepResult last = StepResult::Idle;
        for (Direction d : c.keys) {
            game.steer(d);
            last = game.step();
        }
        EXPECT_EQ(last, StepResult::Crashed);
        EXPECT_EQ(game.boat(), game.exit());
        EXPECT_EQ(game.map().at(game.exit()), kStart);
        EXPECT_EQ(game.collected(), "");
    }
}

TEST(Seenot, WhirlpoolTakesTheLastLetterOrSinksTheBoat)
{
    auto withTail = seaGame(pad("1AB3004"));
    withTail.steer(Direction::Right);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(withTail.step(), StepResult::Moved);
    EXPECT_EQ(rowsOf(withTail.map(), 1), pad("00a1004"));
    EXPECT_EQ(withTail.collected(), "A");
    EXPECT_EQ(withTail.tailLength(), 1);

    auto noTail = seaGame(pad("1304"));
    noTail.steer(Direction::Right);
    EXPECT_EQ(noTail.step(), StepResult::Sunk);
    EXPECT_EQ(rowsOf(noTail.map(), 1), pad("0001"));
    EXPECT_EQ(noTail.collected(), "");
    EXPECT_EQ(noTail.direction(), Direction::None);
}

TEST(Seenot, TailHoldsSixteenLettersTheSeventeenthIsLost)
{
    auto game = seaGame(pad("1ABCDEFGHIJKLMNOPQ0") + pad("4"));
    game.steer(Direction::Right);
    for (int i = 0; i < 18; ++i)
        ASSERT_EQ(game.step(), StepResult::Moved);
    EXPECT_EQ(game.collected(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(game.tailLength(), tavrio::seenot::kMaxTail);
    EXPECT_EQ(game.map().count(letterCode('Q')), 0);
    EXPECT_EQ(game.map().count(letterCode('Q') + tavrio::seenot::kTailOffset), 0);
    EXPECT_EQ(game.map().count(letterCode('P') + tavrio::seenot::kTailOffset), 1);
}

TEST(Seenot, ReserveHoldsTheTranslationsLettersUpperCased)
{
    const struct {
        const char* translation;
        const char* reserve;
    } cases[] = {
        {"Haus", "HAUS"},
        {"ice-cream", "ICECREAM"},
        {"Stra\xDF" "e", "STRAE"},          // "ß" is no letter A .. Z
        {"", ""},
        {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOP"}, // what the tail can hold
    };
    for (const auto& c : cases)
        EXPECT_EQ(tavrio::seenot::cSeaGame::reserveOf(c.translation), c.reserve) << c.translation;

    ScriptedRandom draws({7, 0, 25, 1});
    tavrio::seenot::cSeaGame game;
    game.start(roundOf(pad("104")), "Haus");
    EXPECT_EQ(game.reserve(), "HAUSHAZB");
}

TEST(Seenot, FloatingLettersGoToEmptyCells)
{
    // Start: four random capitals "A" (draws 0). Then per letter:
    // [Random(27) when fewer than 5 left,] k = Random(n + 1), cells Random(336).
    ScriptedRandom draws({0, 0, 0, 0});
    tavrio::seenot::cSeaGame game;
    game.start(roundOf(pad("12") + pad("4")), "Haus");
    game.steer(Direction::Down);
    ASSERT_EQ(game.reserve(), "HAUSAAAA");

    draws.queue = {1, 1, 9}; // k = 1 "H"; cell 2 is reef, cell 10 is sea
    EXPECT_EQ(game.floatLetter(), 10);
    EXPECT_EQ(game.map().at(10), letterCode('H'));
    EXPECT_EQ(game.reserve(), "AUSAAAA");

    draws.queue = {0, 20};   // k = 0: a whirlpool, the reserve keeps its letters
    EXPECT_EQ(game.floatLetter(), 21);
    EXPECT_EQ(game.map().at(21), tavrio::seenot::kWhirlpool);
    EXPECT_EQ(game.reserve(), "AUSAAAA");

    draws.queue = {0, 0, 0, 0};
    game.start(roundOf(pad("12") + pad("4")), ""); // reserve "AAAA": one more is drawn
    game.steer(Direction::Down);
    draws.queue = {0, 5, 30}; // "@", then k = 5 takes it: a ship picture without function
    EXPECT_EQ(game.floatLetter(), 31);
    EXPECT_EQ(game.map().at(31), tavrio::seenot::kShip);
    EXPECT_EQ(game.reserve(), "AAAA");
}

TEST(Seenot, FloatingLetterOnAFullMapEndsWithoutPlacing)
{
    std::string rows;
    for (int r = 1; r <= kRows; ++r)
        rows += std::string(kColumns, '2') + "\n";
    cLevelRound full = roundOf(rows);
    full.map.set(1, kStart);
    full.map.set(kCells, kExit);
    full.playerPos = 1;
    full.exitPos = kCells;
    ScriptedRandom draws;
    tavrio::seenot::cSeaGame game;
    game.start(full, "Haus");
    game.steer(Direction::Right);
    const std::string reserve = game.reserve();
    EXPECT_EQ(game.floatLetter(), 0);
    EXPECT_EQ(game.reserve(), reserve);
    EXPECT_EQ(game.map().count(tavrio::seenot::kSea), 0);
}
