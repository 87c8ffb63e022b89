#include "engine/ListFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

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

bool ReadFileBytes(const std::string& path, std::string& out)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::string data;
    char buf[1 << 16];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        data.append(buf, n);
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    if (!ok)
        return false;
    out = std::move(data);
    return true;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fflush(f) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (ok) {
        // std::filesystem::rename replaces an existing file on every
        // platform (std::rename does not on Windows).
        std::error_code ec;
        std::filesystem::rename(tmp, path, ec);
        ok = !ec;
    }
    if (!ok)
        std::remove(tmp.c_str());
    return ok;
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(st) && !std::filesystem::is_directory(st);
}
