#include <gtest/gtest.h>

#include <vector>

#include "engine/Random.h"

namespace {

TEST(Random, RangeAndReproducibleSeeds)
{
    for (int n : {-3, 0, 1})
        EXPECT_EQ(Random(n), 0) << n;
    std::vector<int> seen(7, 0);
    RandSeed(11);
    std::vector<int> first;
    for (int k = 0; k < 7000; ++k) {
        const int r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        ++seen[r];
        if (k < 20)
            first.push_back(r);
    }
    for (int count : seen)
        EXPECT_NEAR(count, 1000, 150);
    RandSeed(11);
    for (int r : first)
        EXPECT_EQ(Random(7), r);
}

TEST(Random, ScriptedSource)
{
    std::vector<int> asked;
    SetRandomSource([&](int n) {
        asked.push_back(n);
        return n == 5 ? 4 : 99;
    });
    EXPECT_EQ(Random(5), 4);
    EXPECT_EQ(Random(3), 2);  // kept within range
    EXPECT_EQ(Random(0), 0);  // not asked
    EXPECT_EQ(asked, (std::vector<int>{5, 3}));
    SetRandomSource(nullptr);
    RandSeed(1);
    const int a = Random(1000);
    RandSeed(1);
    EXPECT_EQ(Random(1000), a);
}

} // namespace
