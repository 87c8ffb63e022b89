#include "engine/Random.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <utility>

namespace {
std::mt19937& generator()
{
    static std::mt19937 g(5489u);
    return g;
}

RandomSource& source()
{
    static RandomSource s;
    return s;
}
} // namespace

int Random(int n)
{
    if (n <= 0)
        return 0;
    if (source())
        return std::clamp(source()(n), 0, n - 1);
    if (n == 1)
        return 0;
    std::uniform_int_distribution<int> d(0, n - 1);
    return d(generator());
}

void Randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

void RandSeed(std::uint32_t seed) { generator().seed(seed); }

void SetRandomSource(RandomSource s) { source() = std::move(s); }
