#pragma once
// Turns a file exported by another tool (delimited text, Anki, Quizlet,
// KVTML 2; UTF-8, UTF-16 or Windows-1252) into the entries of a four-line
// list, every entry marked. Plain C++ apart from the XML reader.
#include "engine/ListFile.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::transfer {

// Files above this size are refused before they are read.
inline constexpr std::uintmax_t kMaxImportBytes = 16u * 1024 * 1024;

// Between the phonetic font's bytes and IPA text (UTF-8).
struct cPhoneticCodec {
    std::function<std::string(const std::string& bytes)> toIpa;
    // nullopt when the text is not a transcription the table can write
    std::function<std::optional<std::string>(std::string_view ipa)> fromIpa;
};

struct cImportResult {
    std::string error;                // German, UTF-8; empty when entries were taken
    std::vector<cListEntry> entries;  // Windows-1252, mark "1"
    int skippedForeign = 0;           // a character Windows-1252 cannot hold
    int skippedIncomplete = 0;        // no original or no translation
};

cImportResult ImportList(std::string_view fileBytes, const cPhoneticCodec& phonetics);
// The German summary shown after an import (UTF-8).
std::string ImportSummary(const cImportResult& result);

// The list as UTF-8 with BOM, semicolon separated, columns Original;
// Übersetzung; Lautschrift (as IPA), CR LF line ends; fields quoted where
// needed. ImportList reads it back to the same entries (marked).
std::string ExportList(const std::vector<cListEntry>& entries, const cPhoneticCodec& phonetics);

} // namespace tavrio::transfer
