#include "transfer/DelimitedText.h"

#include "transfer/TextDecoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace tavrio::transfer {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

std::string trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return std::string(s);
}

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Splits text into rows of raw fields with RFC 4180 quoting. A quote opens a
// quoted field only at the start of a field; text after a closing quote is
// kept as it stands. CR LF, LF and a lone CR end a row.
std::vector<std::vector<std::string>> splitRows(std::string_view t, char sep)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    bool atFieldStart = true;
    bool rowHasContent = false;
    auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
        atFieldStart = true;
    };
    auto endRow = [&] {
        endField();
        if (rowHasContent || row.size() > 1)
            rows.push_back(std::move(row));
        row.clear();
        rowHasContent = false;
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < t.size() && t[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            atFieldStart = false;
            rowHasContent = true;
        } else if (sep != 0 && c == sep) {
            endField();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < t.size() && t[i + 1] == '\n')
                ++i;
            endRow();
        } else {
            field += c;
            if (!isBlank(c))
                rowHasContent = true;
            atFieldStart = false;
        }
    }
    if (rowHasContent || !field.empty() || !row.empty())
        endRow();
    return rows;
}

// How many of the first lines contain the separator outside quotes.
int linesSplitBy(std::string_view t, char sep)
{
    int lines = 0, withSep = 0;
    bool quoted = false, seen = false, content = false;
    for (std::size_t i = 0; i < t.size() && lines < 20; ++i) {
        const char c = t[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == sep)
            seen = true;
        else if (!quoted && c == '\n') {
            if (content) {
                ++lines;
                withSep += seen;
            }
            seen = content = false;
            continue;
        }
        if (!isBlank(c))
            content = true;
    }
    if (content && lines < 20) {
        ++lines;
        withSep += seen;
    }
    return withSep;
}

char separatorNamed(std::string_view v)
{
    const std::string name = lowerAscii(trimmed(v));
    if (name == "tab") return '\t';
    if (name == "comma") return ',';
    if (name == "semicolon") return ';';
    if (name == "pipe") return '|';
    if (name == "space") return ' ';
    if (name == "colon") return ':';
    return name.size() == 1 ? name[0] : 0;
}

void removeSoundTags(std::string& s)
{
    for (std::size_t at; (at = s.find("[sound:")) != std::string::npos;) {
        const std::size_t end = s.find(']', at);
        s.erase(at, end == std::string::npos ? std::string::npos : end - at + 1);
    }
}

} // namespace

std::string StripHtml(std::string_view h)
{
    static constexpr std::array<std::pair<std::string_view, char32_t>, 26> named{{
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}, {"shy", 0xAD},
        {"szlig", 0xDF}, {"auml", 0xE4}, {"ouml", 0xF6}, {"uuml", 0xFC}, {"Auml", 0xC4}, {"Ouml", 0xD6},
        {"Uuml", 0xDC}, {"eacute", 0xE9}, {"egrave", 0xE8}, {"ecirc", 0xEA}, {"aacute", 0xE1}, {"agrave", 0xE0},
        {"acirc", 0xE2}, {"ccedil", 0xE7}, {"iacute", 0xED}, {"oacute", 0xF3}, {"uacute", 0xFA}, {"ntilde", 0xF1},
        {"euro", 0x20AC}}};
    std::string out;
    out.reserve(h.size());
    for (std::size_t i = 0; i < h.size(); ++i) {
        const char c = h[i];
        if (c == '<') {
            const std::size_t end = h.find('>', i);
            if (end == std::string_view::npos)
                break;  // an unterminated tag ends the text
            const std::string tag = lowerAscii(h.substr(i + 1, std::min<std::size_t>(end - i - 1, 4)));
            if (tag.rfind("br", 0) == 0 || tag.rfind("div", 0) == 0 || tag.rfind("/div", 0) == 0
                || tag.rfind("p", 0) == 0 || tag.rfind("/p", 0) == 0 || tag.rfind("li", 0) == 0)
                out += ' ';
            i = end;
        } else if (c == '&') {
            const std::size_t end = h.find(';', i);
            if (end == std::string_view::npos || end - i > 10) {
                out += c;
                continue;
            }
            const std::string_view name = h.substr(i + 1, end - i - 1);
            char32_t cp = 0;
            if (!name.empty() && name[0] == '#') {
                const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
                const std::string_view digits = name.substr(hex ? 2 : 1);
                unsigned long value = 0;
                const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
                if (r.ec == std::errc() && r.ptr == digits.data() + digits.size() && !digits.empty() && value <= 0x10FFFF)
                    cp = static_cast<char32_t>(value);
            } else {
                for (const auto& [n, v] : named)
                    if (name == n)
                        cp = v;
            }
            if (cp == 0) {
                out += c;
                continue;
            }
            AppendUtf8(out, cp);
            i = end;
        } else {
            out += c;
        }
    }
    // One blank for every run of white space.
    std::string folded;
    folded.reserve(out.size());
    for (char c : out) {
        if (isBlank(c)) {
            if (!folded.empty() && folded.back() != ' ')
                folded += ' ';
        } else {
            folded += c;
        }
    }
    return trimmed(folded);
}

bool IsHeaderRow(const std::vector<std::string>& row)
{
    static const std::array<std::string_view, 30> words{
        "original", "orginal", "wort", "begriff", "term", "front", "vorderseite", "word", "frage", "question",
        "vokabel", "\xc3\xbc" "bersetzung", "\xc3\x9c" "bersetzung", "uebersetzung", "translation", "definition",
        "back", "r\xc3\xbc" "ckseite", "antwort", "answer", "bedeutung", "meaning", "deutsch", "german", "englisch",
        "english", "franz\xc3\xb6sisch", "french", "latein", "latin"};
    if (row.size() < 2)
        return false;
    auto known = [&](const std::string& field) {
        const std::string w = lowerAscii(field);
        return std::find(words.begin(), words.end(), w) != words.end();
    };
    return known(row[0]) && known(row[1]);
}

cDelimitedTable ReadDelimited(std::string_view t)
{
    cDelimitedTable table;
    std::vector<std::size_t> dropped;  // 0-based columns named by Anki's header lines
    bool separatorGiven = false;
    // Anki's header lines: "#key:value" at the very start.
    while (!t.empty() && t.front() == '#') {
        const std::size_t eol = t.find('\n');
        const std::string_view line = t.substr(0, eol);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            break;  // not a header line: a "#" starting the first word
        const std::string key = lowerAscii(trimmed(line.substr(1, colon - 1)));
        const std::string value = trimmed(line.substr(colon + 1));
        if (key == "separator") {
            table.separator = separatorNamed(value);
            separatorGiven = table.separator != 0;
        } else if (key == "html") {
            table.html = lowerAscii(value) == "true";
        } else if (key.size() > 7 && key.compare(key.size() - 7, 7, " column") == 0) {
            unsigned number = 0;
            const auto r = std::from_chars(value.data(), value.data() + value.size(), number);
            if (r.ec == std::errc() && number >= 1 && number <= 64)
                dropped.push_back(number - 1);
        }
        t.remove_prefix(eol == std::string_view::npos ? t.size() : eol + 1);
    }
    if (!separatorGiven) {
        int best = 0;
        for (char sep : {'\t', ';', ',', '|'}) {
            const int n = linesSplitBy(t, sep);
            if (n > best) {
                best = n;
                table.separator = sep;
            }
        }
    }
    table.rows = splitRows(t, table.separator);
    std::sort(dropped.begin(), dropped.end());
    dropped.erase(std::unique(dropped.begin(), dropped.end()), dropped.end());
    for (auto& row : table.rows) {
        for (auto it = dropped.rbegin(); it != dropped.rend(); ++it)
            if (*it < row.size())
                row.erase(row.begin() + static_cast<std::ptrdiff_t>(*it));
        for (auto& field : row) {
            field = table.html ? StripHtml(field) : trimmed(field);
            removeSoundTags(field);
            field = trimmed(field);
        }
    }
    return table;
}

} // namespace tavrio::transfer
