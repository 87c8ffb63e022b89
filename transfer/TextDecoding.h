#pragma once
// File bytes from other programs as UTF-8 text. The encoding is chosen by the
// byte order mark (UTF-8, UTF-16 LE/BE), else UTF-8 when the bytes are valid
// UTF-8, else Windows-1252.
#include <string>
#include <string_view>

namespace tavrio::transfer {

enum class cEncoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

struct cDecodedText {
    std::string utf8;
    cEncoding encoding = cEncoding::Utf8;
};

cDecodedText DecodeText(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);
// Appends the UTF-8 form of one code point (U+FFFD for surrogates and values
// above U+10FFFF).
void AppendUtf8(std::string& out, char32_t cp);

} // namespace tavrio::transfer
