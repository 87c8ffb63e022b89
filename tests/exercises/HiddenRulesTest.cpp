#include "exercises/hidden/DigField.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

using namespace tavrio::hidden;

TEST(DigField, buryingPutsTwentySweetsInDistinctCells)
{
    for (std::uint32_t seed : {1u, 7u, 99u, 12345u, 4000000000u}) {
        RandSeed(seed);
        cDigField f;
        f.bury();
        EXPECT_EQ(f.count(CellState::Sweet), kSweets) << seed;
        EXPECT_EQ(f.count(CellState::Nothing), kCells - kSweets) << seed;
        // A second burial starts from an empty field again.
        for (int k = 1; k <= kCells; ++k)
            f.dig(k);
        f.bury();
        EXPECT_EQ(f.count(CellState::Sweet), kSweets) << seed;
        EXPECT_EQ(f.count(CellState::Dug), 0) << seed;
    }
}

TEST(DigField, digOutcomes)
{
    RandSeed(3);
    cDigField f;
    f.bury();
    int sweet = 0;
    int nothing = 0;
    for (int k = 1; k <= kCells; ++k) {
        if (!sweet && f.state(k) == CellState::Sweet)
            sweet = k;
        if (!nothing && f.state(k) == CellState::Nothing)
            nothing = k;
    }
    struct Row {
        const char* name;
        int cell;
        DigResult result;
        CellState after;
    } rows[] = {
        {"sweet", sweet, DigResult::Hit, CellState::Dug},
        {"nothing", nothing, DigResult::Miss, CellState::Dug},
        {"sweet dug again", sweet, DigResult::AlreadyDug, CellState::Dug},
        {"miss dug again", nothing, DigResult::AlreadyDug, CellState::Dug},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(f.dig(r.cell), r.result) << r.name;
        EXPECT_EQ(f.state(r.cell), r.after) << r.name;
    }
    EXPECT_EQ(f.count(CellState::Sweet), kSweets - 1);
    for (int k : {0, -1, 122})
        EXPECT_EQ(f.dig(k), DigResult::NoCell);
}

TEST(DigField, cellsLieElevenToARowTwentyFivePixelsApart)
{
    struct Row {
        int k, x, y;
    } rows[] = {{1, 432, 128}, {2, 457, 128}, {11, 682, 128}, {12, 432, 153}, {121, 682, 378}};
    for (const Row& r : rows) {
        const cPoint p = cDigField::cellOrigin(r.k);
        EXPECT_EQ(p.x, r.x) << r.k;
        EXPECT_EQ(p.y, r.y) << r.k;
    }
}

TEST(DigField, arrowStepsStayInsideTheField)
{
    struct Row {
        int k, dColumn, dRow, to;
    } rows[] = {
        {1, 1, 0, 2},     {1, 0, 1, 12},     {13, -1, 0, 12},  {13, 0, -1, 2},
        {1, -1, 0, 1},    {1, 0, -1, 1},     {11, 1, 0, 11},   {12, -1, 0, 12}, // edges: no wrap to another row
        {121, 0, 1, 121}, {121, 1, 0, 121},  {111, 0, 1, 111}, {110, 1, 0, 110},
    };
    for (const Row& r : rows)
        EXPECT_EQ(cDigField::step(r.k, r.dColumn, r.dRow), r.to) << r.k << " " << r.dColumn << "," << r.dRow;
}
