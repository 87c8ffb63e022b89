#pragma once
// Byte-wise text helpers for Windows-1252 strings.
#include <string>
#include <string_view>
#include <vector>

// Turns only the letters a-z into A-Z; umlauts, "ß" and all other bytes stay.
std::string UpperAZ(std::string s);
// One byte through UpperAZ's rule.
inline char UpperAZChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
// Equal after UpperAZ on both sides.
bool EqualUpperAZ(std::string_view a, std::string_view b);
// Splits bytes into lines at LF, dropping a CR right before it. Text after
// the last LF is a line of its own when not empty.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// The lines of SplitLines one at a time, without a list of them, so a file
// of nothing but line feeds costs no memory beyond its own bytes.
class cLineCursor {
public:
    explicit cLineCursor(std::string_view bytes) : bytes_(bytes) {}
    // The next line; false (and line empty) once the text is used up.
    bool next(std::string_view& line);
    bool done() const { return pos_ >= bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};
// Number of lines SplitLines would give.
std::size_t CountLines(std::string_view bytes);

// The Windows-1252 code page: the Unicode code point of a byte (the five
// unassigned bytes stand for the C1 code point of the same number), and the
// byte of a code point, or -1 when the code page has none.
char32_t Cp1252CodePoint(unsigned char byte);
int Cp1252Byte(char32_t codePoint);
