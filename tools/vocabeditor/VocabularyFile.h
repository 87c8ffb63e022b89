#pragma once
// The vocabulary editor's reading and writing of a list in the three-line
// layout: original; translation; the mark digit followed directly by the
// phonetic transcription (at most 255 bytes). Plain C++ over engine bytes.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::vocabeditor {

struct cVocable {
    std::string original;
    std::string translation;
    std::string phonetic;
    bool checked = false;
};

// Checked when the third line begins with "1"; any other first character
// (another digit, a letter, nothing at all) leaves the entry unchecked, and
// the rest of the line from its second character is the transcription. A
// file that ends after an original gets the translation "Nicht gefunden"; an
// entry cut short stays unchecked.
std::vector<cVocable> ParseVocabulary(std::string_view bytes);
// CR LF after every line; "1" or "0" directly before the transcription.
std::string FormatVocabulary(const std::vector<cVocable>& list);

// Far above any real list (10,000 long entries stay below 2 MB); a larger
// file is refused rather than shown in part.
constexpr std::size_t kMaxFileBytes = 16u << 20;
// The most entries a file may have, ten times a big real list: each entry
// takes about a kilobyte in the window's three lists, so a file of nothing
// but line feeds (three a entry) would otherwise take gigabytes.
constexpr std::size_t kMaxEntries = 100000;
// Entries of the three-line layout in the bytes, counted without reading them.
std::size_t CountVocabulary(std::string_view bytes);

} // namespace tavrio::vocabeditor
