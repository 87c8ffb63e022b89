#include "engine/ListFile.h"

#include "engine/Text.h"

namespace {
constexpr std::size_t MaxPhonetic3 = 255;

std::string lineAt(const std::vector<std::string_view>& lines, std::size_t i)
{
    return i < lines.size() ? std::string(lines[i]) : std::string();
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

std::vector<cListEntry> ParseList4(std::string_view bytes)
{
    const auto lines = SplitLines(bytes);
    std::vector<cListEntry> entries;
    entries.reserve((lines.size() + 3) / 4);
    for (std::size_t i = 0; i < lines.size(); i += 4)
        entries.push_back({lineAt(lines, i), lineAt(lines, i + 1), lineAt(lines, i + 2), lineAt(lines, i + 3)});
    return entries;
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
    const auto lines = SplitLines(bytes);
    std::vector<cListEntry> entries;
    entries.reserve((lines.size() + 2) / 3);
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        cListEntry e{lineAt(lines, i), lineAt(lines, i + 1), {}, {}};
        const std::string_view third = i + 2 < lines.size() ? lines[i + 2] : std::string_view();
        if (!third.empty()) {
            e.mark = std::string(third.substr(0, 1));
            e.phonetic = std::string(third.substr(1, MaxPhonetic3));
        }
        entries.push_back(std::move(e));
    }
    return entries;
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
