#pragma once
// Hash index from a word pair to a position in one of cSession's lists. The
// table keeps only (hash, position) in open-addressing slots; the words stay
// in the owner's list, and the caller's predicate compares them. This keeps
// lookups to one or two cache lines and needs no allocation per pair.
#include <cstdint>
#include <string_view>
#include <vector>

// Hash of one word: exact bytes, or with a-z folded to A-Z.
std::uint64_t HashWord(std::string_view word);
std::uint64_t HashWordFolded(std::string_view word);
// Hash of the ordered pair (first, second) from the two word hashes.
inline std::uint32_t HashPair(std::uint64_t first, std::uint64_t second)
{
    std::uint64_t h = (first * 0x9E3779B97F4A7C15ull) ^ (second + 0x632BE59BD9B4E019ull);
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 29;
    return static_cast<std::uint32_t>(h);
}

class cPairIndex {
public:
    static constexpr std::uint32_t npos = 0xFFFFFFFFu;

    void clear()
    {
        slots_.clear();
        count_ = 0;
    }
    // Positions stored.
    std::size_t size() const { return count_; }
    // Room for n positions without growing.
    void reserve(std::size_t n)
    {
        std::size_t want = 16;
        while (want < 2 * n)
            want *= 2;
        if (want > slots_.size())
            rehash(want);
    }

    // The position stored for the pair with this hash that satisfies same(position).
    template <class Same>
    std::uint32_t find(std::uint32_t hash, Same&& same) const
    {
        if (slots_.empty())
            return npos;
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& s = slots_[i];
            if (s.position == npos)
                return npos;
            if (s.hash == hash && same(s.position))
                return s.position;
        }
    }

    // Stores position for the pair unless one is stored already; returns the
    // position that is stored afterwards.
    template <class Same>
    std::uint32_t insert(std::uint32_t hash, std::uint32_t position, Same&& same)
    {
        if (2 * (count_ + 1) > slots_.size())
            rehash(slots_.empty() ? 16 : slots_.size() * 2);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& s = slots_[i];
            if (s.position == npos) {
                s = {hash, position};
                ++count_;
                return position;
            }
            if (s.hash == hash && same(s.position))
                return s.position;
        }
    }

private:
    struct Slot {
        std::uint32_t hash;
        std::uint32_t position;
    };
    void rehash(std::size_t size)
    {
        std::vector<Slot> old(size, Slot{0, npos});
        old.swap(slots_);
        const std::size_t mask = size - 1;
        for (const Slot& s : old) {
            if (s.position == npos)
                continue;
            std::size_t i = s.hash & mask;
            while (slots_[i].position != npos)
                i = (i + 1) & mask;
            slots_[i] = s;
        }
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};
