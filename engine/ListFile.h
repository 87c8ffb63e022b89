#pragma once
// Vocabulary list files (".vok"). The file helpers (read, atomic write,
// existence, listing) live in engine/Files.h, included here.
// Four-line layout per entry: original, translation, mark, phonetic.
// Three-line layout per entry: original, translation, mark digit directly
// followed by the phonetic transcription. Lines end in CR LF (LF accepted).
#include "engine/Files.h"
#include "engine/Text.h"

#include <string>
#include <string_view>
#include <vector>

// The largest list file any reader takes: 16 MiB. A big real list (10,000
// entries) has well under 1 MB and the exchange sends at most 1,000,000
// bytes; larger files are refused before they are read.
constexpr std::uintmax_t MaxListBytes = std::uintmax_t(16) << 20;
// "Die Vokabelliste "<name>" ist zu groß (über 16 MB) und wird nicht
// gelesen." in Windows-1252.
std::string ListTooLargeMessage(const std::string& fileName);

struct cListEntry {
    std::string original;
    std::string translation;
    std::string mark;      // four-line layout: line 3 as read; three-line layout: its first character ("" if none)
    std::string phonetic;  // four-line: line 4; three-line: rest of line 3, at most 255 bytes
};

// The longest phonetic transcription of the three-line layout.
constexpr std::size_t MaxPhonetic3 = 255;

// Calls take(original, translation, mark, phonetic) for every entry of the
// four-line layout, with views into bytes and no copy. Missing trailing
// lines of the last entry read as empty.
template <class Take>
void ForEachList4(std::string_view bytes, Take&& take)
{
    cLineCursor cursor(bytes);
    std::string_view original, translation, mark, phonetic;
    while (cursor.next(original)) {
        cursor.next(translation);
        cursor.next(mark);
        cursor.next(phonetic);
        take(original, translation, mark, phonetic);
    }
}

// The same for the three-line layout: the mark is the first byte of line 3
// (empty if none), the phonetic the rest of it.
template <class Take>
void ForEachList3(std::string_view bytes, Take&& take)
{
    cLineCursor cursor(bytes);
    std::string_view original, translation, third;
    while (cursor.next(original)) {
        cursor.next(translation);
        cursor.next(third);
        take(original, translation, third.substr(0, 1), third.empty() ? third : third.substr(1, MaxPhonetic3));
    }
}

// Missing trailing lines of the last entry read as empty. The whole list as
// strings (about 130 bytes an entry besides its text): the program's readers
// go through ForEachList4 / ForEachList3 instead.
std::vector<cListEntry> ParseList4(std::string_view bytes);
// CR LF line ends; the mark is written as it stands. A line break inside a
// field is written as a blank, so every field stays on its own line.
std::string FormatList4(const std::vector<cListEntry>& entries);
// One entry of FormatList4 appended to out.
void AppendList4Entry(std::string& out, std::string_view original, std::string_view translation,
                      std::string_view mark, std::string_view phonetic);
std::vector<cListEntry> ParseList3(std::string_view bytes);
// Line 3 is mark + phonetic; line breaks in fields as in FormatList4.
std::string FormatList3(const std::vector<cListEntry>& entries);
// One entry of FormatList3 appended to out.
void AppendList3Entry(std::string& out, std::string_view original, std::string_view translation,
                      std::string_view mark, std::string_view phonetic);
