#include "engine/PairIndex.h"

#include "engine/Text.h"

namespace {
// FNV-1a over the folded bytes.
std::uint64_t foldHash(std::string_view s, std::uint64_t h)
{
    for (char c : s) {
        h ^= static_cast<unsigned char>(UpperAZChar(c));
        h *= 0x100000001b3ull;
    }
    return h;
}
} // namespace

std::size_t cFoldPairHash::operator()(const cPairKey& k) const noexcept
{
    std::uint64_t h = foldHash(k.first, 0xcbf29ce484222325ull);
    // Mix in the length so ("ab", "c") and ("a", "bc") differ.
    h ^= k.first.size();
    h *= 0x100000001b3ull;
    h = foldHash(k.second, h);
    return static_cast<std::size_t>(h ^ (h >> 29));
}

bool cFoldPairEqual::operator()(const cPairKey& x, const cPairKey& y) const noexcept
{
    return EqualUpperAZ(x.first, y.first) && EqualUpperAZ(x.second, y.second);
}
