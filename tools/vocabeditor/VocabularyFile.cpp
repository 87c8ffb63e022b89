#include "tools/vocabeditor/VocabularyFile.h"

namespace tavrio::vocabeditor {

std::vector<cVocable> ParseVocabulary(std::string_view bytes)
{
    std::vector<cVocable> list;
    list.reserve(CountVocabulary(bytes));
    ForEachVocable(bytes, [&list](std::string_view o, std::string_view t, std::string_view p, bool checked) {
        list.push_back({std::string(o), std::string(t), std::string(p), checked});
    });
    return list;
}

std::size_t CountVocabulary(std::string_view bytes) { return (CountLines(bytes) + 2) / 3; }

void AppendVocable(std::string& out, std::string_view original, std::string_view translation,
                   std::string_view phonetic, bool checked)
{
    AppendList3Entry(out, original, translation, checked ? "1" : "0", phonetic);
}

std::string FormatVocabulary(const std::vector<cVocable>& list)
{
    std::string out;
    for (const cVocable& v : list)
        AppendVocable(out, v.original, v.translation, v.phonetic, v.checked);
    return out;
}

} // namespace tavrio::vocabeditor
