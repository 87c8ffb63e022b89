#pragma once
// The program's one pseudo-random generator.
#include <cstdint>
#include <functional>

// A whole number 0 .. n-1, each equally likely; Random(0) (and any n <= 0) is 0.
int Random(int n);
// Seeds the generator from the clock.
void Randomize();
// Seeds the generator with a fixed value, for reproducible draws in tests.
void RandSeed(std::uint32_t seed);

// Replaces the generator, so a test can script every draw: Random(n) with
// n >= 1 then returns source(n), kept within 0 .. n-1. An empty function
// puts the generator back.
using RandomSource = std::function<int(int n)>;
void SetRandomSource(RandomSource source);
