#include "transfer/TextDecoding.h"

#include "engine/Files.h"

namespace tavrio::transfer {

void AppendUtf8(std::string& out, char32_t cp)
{
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) { len = 2; cp = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { len = 3; cp = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { len = 4; cp = c & 0x07; }
        else return false;
        if (i + len > n)
            return false;
        for (int k = 1; k < len; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values above U+10FFFF.
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

namespace {
std::string fromUtf16(std::string_view b, bool littleEndian)
{
    std::string out;
    out.reserve(b.size());
    auto unit = [&](std::size_t i) -> char32_t {
        const auto lo = static_cast<unsigned char>(b[littleEndian ? i : i + 1]);
        const auto hi = static_cast<unsigned char>(b[littleEndian ? i + 1 : i]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < b.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, u);  // a lone surrogate becomes U+FFFD
    }
    return out;
}
} // namespace

cDecodedText DecodeText(std::string_view b)
{
    if (b.size() >= 3 && b.substr(0, 3) == "\xEF\xBB\xBF") {
        b.remove_prefix(3);
        if (IsValidUtf8(b))
            return {std::string(b), cEncoding::Utf8};
        return {Utf8FromAnsi(b), cEncoding::Windows1252};
    }
    if (b.size() >= 2 && b.substr(0, 2) == "\xFF\xFE")
        return {fromUtf16(b.substr(2), true), cEncoding::Utf16LE};
    if (b.size() >= 2 && b.substr(0, 2) == "\xFE\xFF")
        return {fromUtf16(b.substr(2), false), cEncoding::Utf16BE};
    if (IsValidUtf8(b))
        return {std::string(b), cEncoding::Utf8};
    return {Utf8FromAnsi(b), cEncoding::Windows1252};
}

} // namespace tavrio::transfer
