#pragma once
// Hash keys for word pairs, used by cSession to find the first record or
// entry of a pair in constant time. The views point into strings that the
// session keeps at stable addresses (std::deque elements).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

struct cPairKey {
    std::string_view first;
    std::string_view second;
};

// Exact, byte-wise pair equality and its hash.
struct cPairHash {
    std::size_t operator()(const cPairKey& k) const noexcept
    {
        const std::size_t h1 = std::hash<std::string_view>{}(k.first);
        const std::size_t h2 = std::hash<std::string_view>{}(k.second);
        return h1 ^ (h2 + 0x9e3779b97f4a7c15ull + (h1 << 6) + (h1 >> 2));
    }
};
struct cPairEqual {
    bool operator()(const cPairKey& x, const cPairKey& y) const noexcept
    {
        return x.first == y.first && x.second == y.second;
    }
};

// Pair equality after turning a-z into A-Z on both sides, and its hash.
struct cFoldPairHash {
    std::size_t operator()(const cPairKey& k) const noexcept;
};
struct cFoldPairEqual {
    bool operator()(const cPairKey& x, const cPairKey& y) const noexcept;
};
