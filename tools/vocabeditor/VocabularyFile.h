#pragma once
// The vocabulary editor's reading and writing of a list in the three-line
// layout: original; translation; the mark digit followed directly by the
// phonetic transcription (at most 255 bytes). Plain C++ over engine bytes.
#include "engine/ListFile.h"
#include "engine/Text.h"

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

// The translation of an entry the file ends after.
inline constexpr std::string_view kNotFound = "Nicht gefunden";

// Calls take(original, translation, phonetic, checked) for every entry, with
// views into bytes. Checked when the third line begins with "1"; any other
// first character (another digit, a letter, nothing at all) leaves the entry
// unchecked, and the rest of the line from its second character is the
// transcription. A file that ends after an original gets the translation
// "Nicht gefunden"; an entry cut short stays unchecked.
template <class Take>
void ForEachVocable(std::string_view bytes, Take&& take)
{
    const std::size_t lines = CountLines(bytes);
    std::size_t left = (lines + 2) / 3;
    ForEachList3(bytes, [&](std::string_view original, std::string_view translation, std::string_view mark,
                            std::string_view phonetic) {
        const bool endsAfterOriginal = --left == 0 && lines % 3 == 1;
        take(original, endsAfterOriginal ? kNotFound : translation, phonetic, mark == "1");
    });
}
std::vector<cVocable> ParseVocabulary(std::string_view bytes);

// CR LF after every line; "1" or "0" directly before the transcription.
void AppendVocable(std::string& out, std::string_view original, std::string_view translation,
                   std::string_view phonetic, bool checked);
std::string FormatVocabulary(const std::vector<cVocable>& list);

// Far above any real list (10,000 long entries stay below 2 MB); a larger
// file is refused rather than shown in part.
constexpr std::size_t kMaxFileBytes = 16u << 20;
// The most entries a file may have, three times a 16 MB list of real words.
// The window's list costs some 20 bytes an entry however short it is, so a
// file of nothing but line feeds (three an entry) is refused here rather
// than taking seven times its size.
constexpr std::size_t kMaxEntries = 1000000;
// Entries of the three-line layout in the bytes, counted without reading them.
std::size_t CountVocabulary(std::string_view bytes);

} // namespace tavrio::vocabeditor
