#pragma once
// Grammar notes files (".gra"): plain 8-bit text, one memo line per text
// line, lines ended by CR LF. Reading also takes LF or a lone CR as a line
// end, since notes may come from other editors.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::grammar {

// Notes larger than this load only up to the last line end before it.
inline constexpr std::size_t kMaxGrammarBytes = 2u << 20;
// Files larger than this are not read at all.
inline constexpr std::size_t kMaxGrammarFileBytes = 64u << 20;

struct cGrammarText {
    std::vector<std::string> lines;
    // True when the file was longer than the limit and only its beginning is
    // in `lines`.
    bool cut = false;
};

// The first line is taken before the end is tested, so empty input gives
// one empty line. NUL bytes (a binary file) become blanks, so a line is
// never cut short where the memo would stop showing it.
cGrammarText ParseGrammar(std::string_view bytes, std::size_t maxBytes = kMaxGrammarBytes);

// Every line followed by CR LF; no lines give no bytes.
std::string FormatGrammar(const std::vector<std::string>& lines);

} // namespace tavrio::grammar
