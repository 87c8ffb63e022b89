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

} // namespace

std::string encodeFileName(std::string_view name)
{
    static const std::string_view kept = "!$'()*-.@_";
    std::string out;
    out.reserve(name.size() * 3);
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (isAlnum(c) || kept.find(ch) != std::string_view::npos)
            out += ch;
        else if (c == ' ')
            out += "%20";
        else
            appendHex(out, c);
    }
    return out;
}

std::string encodeQueryText(std::string_view text)
{
    // Separators of the query, and characters a strict URL may not hold.
    static const std::string_view special = "%&#+=\"<>\\^`{|}";
    std::string out;
    out.reserve(text.size() * 3);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= 32 || c >= 127 || special.find(ch) != std::string_view::npos)
            appendHex(out, c);
        else
            out += ch;
    }
    return out;
}

} // namespace tavrio::exchange
