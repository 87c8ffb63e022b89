#include "engine/PairIndex.h"

#include <functional>

#include "engine/Text.h"

std::uint64_t HashWord(std::string_view word) { return std::hash<std::string_view>{}(word); }

std::uint64_t HashWordFolded(std::string_view word)
{
    // FNV-1a over the folded bytes.
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (char c : word) {
        h ^= static_cast<unsigned char>(UpperAZChar(c));
        h *= 0x100000001b3ull;
    }
    return h;
}
