#include "exercises/wordsearch/WordSearchPuzzle.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace tavrio::wordsearch;

namespace {

// Reading step (column, row) of each direction, from the first letter on.
struct cStep {
    int dColumn;
    int dRow;
};
cStep readingStep(int d)
{
    switch (d) {
    case 1: return {1, 0};
    case 2: return {-1, 0};
    case 3: return {0, 1};
    case 4: return {0, -1};
    case 5: return {1, 1};
    case 6: return {-1, -1};
    case 7: return {-1, 1};
    default: return {1, -1};
    }
}

std::string wordOfLength(int n) { return std::string("abcdefghijklmnopqrstuvwxyz").substr(0, n); }

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

cWordSearch placed(const std::string& word, int direction)
{
    cWordSearch w;
    w.clearPath();
    w.fillRandom();
    w.setWord(word);
    w.place(direction);
    w.drawPictures();
    return w;
}

class PlacementTest : public ::testing::TestWithParam<std::tuple<int, int, std::uint32_t>> {};

} // namespace

TEST_P(PlacementTest, wordLiesAlongItsPathWithinTheBounds)
{
    const auto [direction, length, seed] = GetParam();
    RandSeed(seed);
    const std::string word = wordOfLength(length);
    const cWordSearch w = placed(word, direction);
    SCOPED_TRACE(w.text());

    ASSERT_EQ(w.length(), length);
    const cStep step = readingStep(direction);
    for (int k = 1; k <= length; ++k) {
        const cCell c = w.path(k);
        ASSERT_GE(c.column, 1);
        ASSERT_LE(c.column, 15);
        ASSERT_GE(c.row, 1);
        ASSERT_LE(c.row, 15);
        EXPECT_EQ(w.at(c), upper(word[k - 1])) << "letter " << k;
        if (k > 1) {
            EXPECT_EQ(c.column - w.path(k - 1).column, step.dColumn);
            EXPECT_EQ(c.row - w.path(k - 1).row, step.dRow);
        }
    }
    for (int k = length + 1; k <= 15; ++k)
        EXPECT_EQ(w.path(k), (cCell{0, 0}));

    const bool vertical = direction == 3 || direction == 4;
    const bool horizontal = direction == 1 || direction == 2;
    for (int k = 1; k <= length; ++k) {
        const cCell c = w.path(k);
        if (vertical) {
            EXPECT_NE(c.column, 15);
        }
        if (length < 15 && !horizontal) {
            EXPECT_NE(c.row, 15);
        }
        if (length < 15 && (horizontal || direction == 5 || direction == 6)) {
            EXPECT_NE(c.column, 15);
        }
    }
    const cMark first = w.mark(w.path(1));
    const cMark last = w.mark(w.path(length));
    EXPECT_TRUE(first.first);
    EXPECT_TRUE(last.last);
    EXPECT_EQ(first.last, length == 1);
}

INSTANTIATE_TEST_SUITE_P(AllDirections, PlacementTest,
                         ::testing::Combine(::testing::Range(1, 9), ::testing::Values(1, 7, 15),
                                            ::testing::Values(1u, 42u, 2024u, 777u)),
                         [](const auto& info) {
                             return "d" + std::to_string(std::get<0>(info.param)) + "_len" +
                                    std::to_string(std::get<1>(info.param)) + "_seed" +
                                    std::to_string(std::get<2>(info.param));
                         });

TEST(WordSearchPlacement, fifteenLettersTakeTheirFixedLines)
{
    struct Row {
        int direction;
        cCell first;
        cCell last;
    };
    // Start row before start column; horizontal rows and vertical columns
    // are still random, so only the fixed ends are checked there.
    const Row rows[] = {
        {5, {1, 1}, {15, 15}},
        {6, {15, 15}, {1, 1}},
        {7, {15, 1}, {1, 15}},
        {8, {1, 15}, {15, 1}},
    };
    for (const Row& r : rows) {
        RandSeed(5);
        const cWordSearch w = placed(wordOfLength(15), r.direction);
        EXPECT_EQ(w.path(1), r.first) << "direction " << r.direction;
        EXPECT_EQ(w.path(15), r.last) << "direction " << r.direction;
    }
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        RandSeed(seed);
        const cWordSearch h = placed(wordOfLength(15), 1);
        EXPECT_EQ(h.path(1).column, 1);
        EXPECT_EQ(h.path(15).column, 15);
        const cWordSearch v = placed(wordOfLength(15), 3);
        EXPECT_EQ(v.path(1).row, 1);
        EXPECT_LE(v.path(1).column, 14);
    }
}

TEST(WordSearchSolve, backwardWordShowsMirroredAlongItsCells)
{
    for (int forward : {1, 3, 5, 7}) {
        RandSeed(9);
        cWordSearch w = placed("Haus", forward + 1);
        const cCell cells[] = {w.path(1), w.path(2), w.path(3), w.path(4)};
        w.solve();
        // Path entry 1 is where "H" was placed; the solution puts the
        // mirrored word there, so it reads "HAUS" in the forward direction.
        const std::string shown{w.at(cells[0]), w.at(cells[1]), w.at(cells[2]), w.at(cells[3])};
        EXPECT_EQ(shown, "SUAH") << "direction " << forward + 1;
        int stars = 0;
        for (int r = 1; r <= 15; ++r)
            for (int c = 1; c <= 15; ++c)
                stars += w.at({c, r}) == '*' ? 1 : 0;
        EXPECT_EQ(stars, 225 - 4);
        EXPECT_EQ(w.picture(cells[0]), 'S' - 'A');
    }
    RandSeed(9);
    cWordSearch f = placed("Haus", 1);
    const cCell firstCell = f.path(1);
    f.solve();
    EXPECT_EQ(f.at(firstCell), 'H');
}

TEST(WordSearchPictures, nonLettersKeepThePreviousPicture)
{
    RandSeed(3);
    cWordSearch w;
    w.clearPath();
    w.fillRandom();
    w.setWord("a-\xE4");
    w.place(1);
    // Before any letter was drawn every cell shows "*".
    w.drawPictures();
    EXPECT_EQ(w.picture(w.path(1)), 0);
    EXPECT_EQ(w.picture(w.path(2)), kStarPicture);
    EXPECT_EQ(w.picture(w.path(3)), kStarPicture);
    EXPECT_EQ(w.at(w.path(3)), '\xE4');

    // A second puzzle over a fully lettered grid: the hyphen's cell keeps
    // the letter picture of the puzzle before.
    w.fillRandom();
    w.drawPictures();
    const cWordSearch before = w;
    w.clearPath();
    w.fillRandom();
    w.setWord("a-b");
    w.place(3);
    w.drawPictures();
    const cCell hyphen = w.path(2);
    EXPECT_EQ(w.at(hyphen), '-');
    EXPECT_EQ(w.picture(hyphen), before.picture(hyphen));
    EXPECT_NE(w.picture(hyphen), kStarPicture);
}

TEST(WordSearchCells, pixelsMapToCellsAndOutsideNeverMatches)
{
    struct Row {
        int x, y;
        cCell cell;
    } rows[] = {
        {0, 0, {1, 1}},    {19, 19, {1, 1}},   {20, 0, {2, 1}},   {299, 299, {15, 15}},
        {300, 10, {0, 0}}, {10, 300, {0, 0}},  {319, 319, {0, 0}}, {-1, 5, {0, 0}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(cWordSearch::cellAt(r.x, r.y), r.cell) << r.x << "," << r.y;

    RandSeed(11);
    const cWordSearch w = placed(wordOfLength(15), 1);
    const cMark outside = w.mark(cWordSearch::cellAt(305, (w.path(15).row - 1) * 20 + 5));
    EXPECT_FALSE(outside.first || outside.last);
}

TEST(WordSearchBuild, refusesWordsThatDoNotFitAndUpperCasesOnlyAToZ)
{
    cWordSearch w;
    EXPECT_FALSE(w.build(""));
    EXPECT_FALSE(w.build(std::string(16, 'a')));
    EXPECT_EQ(w.length(), 0);
    EXPECT_EQ(w.picture({1, 1}), kStarPicture);

    RandSeed(1);
    ASSERT_TRUE(w.build("stra\xDF" "e 1"));
    const char expected[] = {'S', 'T', 'R', 'A', '\xDF', 'E', ' ', '1'};
    std::string letters;
    for (int k = 1; k <= w.length(); ++k)
        letters += w.at(w.path(k));
    EXPECT_EQ(letters, std::string(expected, 8));
}

TEST(WordSearchBuild, emptyPathSolvesToStarsOnly)
{
    cWordSearch w;
    RandSeed(2);
    w.fillRandom();
    w.drawPictures();
    w.solve();
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 15; ++c)
            ASSERT_EQ(w.picture({c, r}), kStarPicture);
}

TEST(WordSearchPlacement, startCellFollowsTheDirectionTableRowFirst)
{
    // Scripted draws: the ranges asked for, in order, and the start cell
    // they give. Random(0) asks nothing and yields 0.
    struct Row {
        const char* name;
        int direction;
        int length;
        std::vector<int> draws;
        std::vector<int> asked;
        cCell first;
        cCell last;
    } rows[] = {
        {"right", 1, 7, {4, 2}, {15, 8}, {3, 5}, {9, 5}},
        {"left", 2, 7, {4, 2}, {15, 8}, {9, 5}, {3, 5}},
        {"down", 3, 7, {2, 13}, {8, 14}, {14, 3}, {14, 9}},
        {"up", 4, 7, {2, 13}, {8, 14}, {14, 9}, {14, 3}},
        {"down right", 5, 7, {7, 1}, {8, 8}, {2, 8}, {8, 14}},
        {"up left", 6, 7, {7, 1}, {8, 8}, {8, 14}, {2, 8}},
        {"down left", 7, 7, {0, 7}, {8, 8}, {15, 1}, {9, 7}},
        {"up right", 8, 7, {0, 7}, {8, 8}, {9, 7}, {15, 1}},
        {"right, 15 letters", 1, 15, {14}, {15}, {1, 15}, {15, 15}},
        {"down, 15 letters", 3, 15, {13}, {14}, {14, 1}, {14, 15}},
        {"down left, 15 letters", 7, 15, {}, {}, {15, 1}, {1, 15}},
        {"down right, one letter", 5, 1, {13, 12}, {14, 14}, {13, 14}, {13, 14}},
    };
    for (const Row& r : rows) {
        std::vector<int> asked;
        std::size_t next = 0;
        SetRandomSource([&](int n) {
            asked.push_back(n);
            return next < r.draws.size() ? r.draws[next++] : 0;
        });
        cWordSearch w;
        w.setWord(wordOfLength(r.length));
        w.place(r.direction);
        SetRandomSource({});
        EXPECT_EQ(asked, r.asked) << r.name;
        EXPECT_EQ(w.path(1), r.first) << r.name;
        EXPECT_EQ(w.path(r.length), r.last) << r.name;
    }
}

TEST(WordSearchCells, cellsOutsideTheGridReadAsNothing)
{
    const cWordSearch w;
    for (const cCell c : {cCell{0, 0}, cCell{16, 1}, cCell{1, 16}, cCell{-1, 3}})
        EXPECT_EQ(w.at(c), '\0') << c.column << "," << c.row;
    EXPECT_EQ(w.picture({0, 0}), kStarPicture);
    EXPECT_EQ(w.at({15, 15}), '*');
}
