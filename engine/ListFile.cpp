#include "engine/ListFile.h"

#include "engine/Text.h"

namespace {
constexpr std::size_t MaxPhonetic3 = 255;

// Entries of `linesPer` lines each, read without a list of lines; line k
// (1 ..) after the original goes to fill. Missing lines of the last entry
// read as empty.
template <class Fill>
std::vector<cListEntry> readEntries(std::string_view bytes, std::size_t linesPer, Fill fill)
{
    std::vector<cListEntry> entries;
    entries.reserve((CountLines(bytes) + linesPer - 1) / linesPer);
    cLineCursor cursor(bytes);
    std::string_view line;
    while (cursor.next(line)) {
        cListEntry e{std::string(line), {}, {}, {}};
        for (std::size_t k = 1; k < linesPer; ++k) {
            cursor.next(line);
            fill(e, k, line);
        }
        entries.push_back(std::move(e));
    }
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
    return readEntries(bytes, 4, [](cListEntry& e, std::size_t k, std::string_view line) {
        (k == 1 ? e.translation : k == 2 ? e.mark : e.phonetic) = line;
    });
}

std::string FormatList4(const std::vector<cListEntry>& entries)
{
    std::string out;
    for (const auto& e : entries) {
        appendLine(out, e.original);
        appendLine(out, e.translation);
        appendLine(out, e.mark);
        appendLine(out, e.phonetic);
    }
    return out;
}

std::vector<cListEntry> ParseList3(std::string_view bytes)
{
    return readEntries(bytes, 3, [](cListEntry& e, std::size_t k, std::string_view line) {
        if (k == 1) {
            e.translation = line;
        } else if (!line.empty()) {
            e.mark = std::string(line.substr(0, 1));
            e.phonetic = std::string(line.substr(1, MaxPhonetic3));
        }
    });
}

std::string FormatList3(const std::vector<cListEntry>& entries)
{
    std::string out;
    for (const auto& e : entries) {
        appendLine(out, e.original);
        appendLine(out, e.translation);
        appendLine(out, e.mark + e.phonetic);
    }
    return out;
}
