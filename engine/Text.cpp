#include "engine/Text.h"

#include <array>
#include <cstring>

namespace {
// Bytes 0x80..0x9F; the rest of the code page equals Latin-1. 0 marks the
// five unassigned bytes.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
} // namespace

char32_t Cp1252CodePoint(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0 && kHigh[c - 0x80] != 0)
        return kHigh[c - 0x80];
    return c;
}

int Cp1252Byte(char32_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<int>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i))
            return static_cast<int>(0x80 + i);
    return -1;
}

std::string UpperAZ(std::string s)
{
    for (char& c : s)
        c = UpperAZChar(c);
    return s;
}

bool EqualUpperAZ(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAZChar(a[i]) != UpperAZChar(b[i]))
            return false;
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    lines.reserve(CountLines(bytes));
    cLineCursor cursor(bytes);
    std::string_view line;
    while (cursor.next(line))
        lines.push_back(line);
    return lines;
}

bool cLineCursor::next(std::string_view& line)
{
    if (pos_ >= bytes_.size()) {
        line = {};
        return false;
    }
    // Short lines are common (empty ones in degenerate files): look at the
    // next byte before searching.
    const char* from = bytes_.data() + pos_;
    const std::size_t left = bytes_.size() - pos_;
    const void* hit = *from == '\n' ? from : std::memchr(from, '\n', left);
    const std::size_t end = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - bytes_.data())
                                : std::string_view::npos;
    if (end == std::string_view::npos) {
        line = bytes_.substr(pos_);
        pos_ = bytes_.size();
        return true;
    }
    std::size_t len = end - pos_;
    if (len > 0 && bytes_[end - 1] == '\r')
        --len;
    line = bytes_.substr(pos_, len);
    pos_ = end + 1;
    return true;
}

std::size_t CountLines(std::string_view bytes)
{
    std::size_t n = 0;
    for (const char c : bytes)
        n += c == '\n';
    return n + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}
