#include "engine/ListFile.h"

#include "engine/Text.h"

namespace {
// Entries of `linesPer` lines each, read through `forEach`.
template <class ForEach>
std::vector<cListEntry> readEntries(std::string_view bytes, std::size_t linesPer, ForEach forEach)
{
    std::vector<cListEntry> entries;
    entries.reserve((CountLines(bytes) + linesPer - 1) / linesPer);
    forEach(bytes, [&entries](std::string_view o, std::string_view t, std::string_view m, std::string_view p) {
        entries.push_back({std::string(o), std::string(t), std::string(m), std::string(p)});
    });
    return entries;
}

// Appends one field as one line. A line break inside the field (LF, or CR LF)
// becomes a blank: the layouts have no escaping, and a break would shift
// every later field of the file.
void appendLine(std::string& out, std::string_view line)
{
    if (line.find('\n') == std::string_view::npos) {
        out += line;
        out += "\r\n";
        return;
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n')
            continue;
        out += line[i] == '\n' ? ' ' : line[i];
    }
    out += "\r\n";
}
} // namespace

std::string ListTooLargeMessage(const std::string& fileName)
{
    return "Die Vokabelliste \"" + fileName + "\" ist zu gro\xDF (\xFC" "ber 16 MB) und wird nicht gelesen.";
}

std::vector<cListEntry> ParseList4(std::string_view bytes)
{
    return readEntries(bytes, 4, [](std::string_view b, auto&& take) { ForEachList4(b, take); });
}

void AppendList4Entry(std::string& out, std::string_view original, std::string_view translation,
                      std::string_view mark, std::string_view phonetic)
{
    appendLine(out, original);
    appendLine(out, translation);
    appendLine(out, mark);
    appendLine(out, phonetic);
}

std::string FormatList4(const std::vector<cListEntry>& entries)
{
    std::string out;
    for (const auto& e : entries)
        AppendList4Entry(out, e.original, e.translation, e.mark, e.phonetic);
    return out;
}

std::vector<cListEntry> ParseList3(std::string_view bytes)
{
    return readEntries(bytes, 3, [](std::string_view b, auto&& take) { ForEachList3(b, take); });
}

void AppendList3Entry(std::string& out, std::string_view original, std::string_view translation,
                      std::string_view mark, std::string_view phonetic)
{
    appendLine(out, original);
    appendLine(out, translation);
    std::string third;
    third.reserve(mark.size() + phonetic.size());
    third.append(mark).append(phonetic);
    appendLine(out, third);
}

std::string FormatList3(const std::vector<cListEntry>& entries)
{
    std::string out;
    for (const auto& e : entries)
        AppendList3Entry(out, e.original, e.translation, e.mark, e.phonetic);
    return out;
}
