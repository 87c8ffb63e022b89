#include "exchange/UrlEncoding.h"

namespace tavrio::exchange {
namespace {

void appendHex(std::string& out, unsigned char c)
{
    static const char digits[] = "0123456789ABCDEF";
    out += '%';
    out += digits[c >> 4];
    out += digits[c & 15];
}

bool isAlnum(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Every byte that `kept` refuses becomes %XX.
template <class Kept>
std::string percentEncode(std::string_view text, Kept kept)
{
    std::string out;
    out.reserve(text.size() * 3);
    for (const char ch : text) {
        if (kept(ch))
            out += ch;
        else
            appendHex(out, static_cast<unsigned char>(ch));
    }
    return out;
}

} // namespace

std::string encodeFileName(std::string_view name)
{
    static const std::string_view kept = "!$'()*-.@_";
    return percentEncode(name, [](char ch) {
        return isAlnum(static_cast<unsigned char>(ch)) || kept.find(ch) != std::string_view::npos;
    });
}

std::string encodeQueryText(std::string_view text)
{
    // Separators of the query, and characters a strict URL may not hold.
    static const std::string_view special = "%&#+=\"<>\\^`{|}";
    return percentEncode(text, [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c > 32 && c < 127 && special.find(ch) == std::string_view::npos;
    });
}

} // namespace tavrio::exchange
