#include "tools/vocabeditor/VocabularyFile.h"

#include "engine/ListFile.h"
#include "engine/Text.h"

namespace tavrio::vocabeditor {

std::vector<cVocable> ParseVocabulary(std::string_view bytes)
{
    std::vector<cVocable> list;
    const std::vector<cListEntry> entries = ParseList3(bytes);
    list.reserve(entries.size());
    for (const cListEntry& e : entries)
        list.push_back({e.original, e.translation, e.phonetic, e.mark == "1"});
    if (SplitLines(bytes).size() % 3 == 1)
        list.back().translation = "Nicht gefunden";
    return list;
}

std::size_t CountVocabulary(std::string_view bytes) { return (CountLines(bytes) + 2) / 3; }

std::string FormatVocabulary(const std::vector<cVocable>& list)
{
    std::vector<cListEntry> entries;
    entries.reserve(list.size());
    for (const cVocable& v : list)
        entries.push_back({v.original, v.translation, v.checked ? "1" : "0", v.phonetic});
    return FormatList3(entries);
}

} // namespace tavrio::vocabeditor
