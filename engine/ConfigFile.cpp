#include "engine/ConfigFile.h"

#include <charconv>
#include <iterator>
#include <limits>
#include <utility>

#include "engine/ListFile.h"
#include "engine/Text.h"

namespace {
// Replaces every occurrence of from, left to right, without rescanning.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = s.find(from, pos);
        if (hit == std::string_view::npos)
            break;
        out.append(s.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

// Each character and its escape, in the order Escape replaces them ("&"
// first, so the escapes it writes stay whole); Unescape goes backwards.
constexpr std::pair<std::string_view, std::string_view> kEscapes[] = {
    {"&", "&#38;"}, {">", "&#62;"}, {"<", "&#60;"}, {"'", "&#39;"}, {"\\", "&#92;"}, {"\n", "\\n"}, {"\r", "\\r"},
};
} // namespace

cConfigFile::cConfigFile(const std::string& fileName) { Load(fileName); }

bool cConfigFile::Load(const std::string& fileName)
{
    FileName = fileName;
    Keys.clear();
    Values.clear();
    std::string bytes;
    const cReadResult read = ReadFileLimited(fileName, bytes, MaxBytes);
    TooLarge = read == cReadResult::TooLarge;
    if (read != cReadResult::Ok)
        return false;
    cLineCursor cursor(bytes);
    std::string_view key, value;
    while (cursor.next(key)) {
        cursor.next(value);
        Keys.push_back(Unescape(key));
        Values.push_back(Unescape(value));
    }
    return true;
}

bool cConfigFile::GetValue(const std::string& key, std::string& value) const
{
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        if (Keys[i] == key) {
            value = Values[i];
            return true;
        }
    }
    return false;
}

bool cConfigFile::GetIntValue(const std::string& key, std::int32_t& value) const
{
    std::string text;
    if (!GetValue(key, text))
        return false;
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.front() < '0' || digits.front() > '9')
        return false;
    std::int64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return false;
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result < std::numeric_limits<std::int32_t>::min() || result > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(result);
    return true;
}

void cConfigFile::SetValue(const std::string& key, const std::string& value)
{
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        if (Keys[i] == key) {
            Values[i] = value;
            return;
        }
    }
    Keys.push_back(key);
    Values.push_back(value);
}

void cConfigFile::SetFloatValue(const std::string& key, double value)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    SetValue(key, ec == std::errc() ? std::string(buf, end) : std::string("0"));
}

bool cConfigFile::Save() const
{
    std::string out;
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        out += Escape(Keys[i]);
        out += "\r\n";
        out += Escape(Values[i]);
        out += "\r\n";
    }
    return WriteFileAtomic(FileName, out);
}

std::string cConfigFile::Escape(std::string_view text)
{
    std::string s(text);
    for (const auto& [plain, escaped] : kEscapes)
        s = replaceAll(s, plain, escaped);
    return s;
}

std::string cConfigFile::Unescape(std::string_view text)
{
    // Every escape holds a backslash or an ampersand.
    if (text.find_first_of("\\&") == std::string_view::npos)
        return std::string(text);
    std::string s(text);
    for (auto it = std::rbegin(kEscapes); it != std::rend(kEscapes); ++it)
        s = replaceAll(s, it->second, it->first);
    return s;
}
