#pragma once
// Byte-level text helpers. Every text here is a std::string of Windows-1252
// bytes; nothing is ever converted to or from UTF-8 except the demo sources.
#include <string>
#include <string_view>

namespace tavrio::server {

// Decodes %XX escapes byte by byte into raw bytes. A "%" that is not followed
// by two hex digits stays as it is. With plusIsBlank, "+" becomes a blank
// (query strings); in paths "+" stays a plus.
std::string percentDecode(std::string_view text, bool plusIsBlank);

// Case folding used for searching: ASCII letters and the Windows-1252 letters
// with an upper and a lower form (Ä/ä, Ö/ö, Ü/ü, É/é, Š/š, ...) map to lower
// case; every other byte stays.
char foldByte(char c);
std::string foldCase(std::string_view text);

// True when both texts are equal ignoring ASCII case.
bool equalsAsciiNoCase(std::string_view a, std::string_view b);

// Makes a text safe to stand between tags of an answer: "<" and ">" would end
// the element early on the client's side, so each becomes "?".
std::string tagSafe(std::string_view text);

// Converts UTF-8 source text to Windows-1252 bytes; characters without a
// Windows-1252 form become "?". Used for texts written in the source code.
std::string utf8ToCp1252(std::string_view utf8);

// Windows-1252 bytes as UTF-8, one character per byte; the five bytes
// without a character become the control characters of the same number.
// Distinct bytes give distinct characters, so one text contains another
// exactly when its UTF-8 form does.
std::string cp1252ToUtf8(std::string_view bytes);

// A text for one line of the server's log: control bytes and bytes from
// 0x7F up are written as %XX, so a client's bytes can neither break the line
// nor reach the terminal as escape sequences.
std::string logSafe(std::string_view text);

// Strict decimal integer: optional sign, digits only, fits in int.
bool parseInt(std::string_view text, int& out);

}  // namespace tavrio::server
