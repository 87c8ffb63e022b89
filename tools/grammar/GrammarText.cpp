#include "tools/grammar/GrammarText.h"

#include <algorithm>

namespace tavrio::grammar {

cGrammarText ParseGrammar(std::string_view bytes, std::size_t maxBytes)
{
    cGrammarText text;
    if (bytes.size() > maxBytes) {
        text.cut = true;
        bytes = bytes.substr(0, maxBytes);
        // Whole lines only, unless the beginning holds no line end at all.
        const std::size_t lastEnd = bytes.find_last_of("\r\n");
        if (lastEnd != std::string_view::npos)
            bytes = bytes.substr(0, lastEnd + 1);
    }
    std::size_t pos = 0;
    do {
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        std::string line(bytes.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
        std::replace(line.begin(), line.end(), '\0', ' ');
        text.lines.push_back(std::move(line));
        if (end == std::string_view::npos)
            break;
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    } while (pos < bytes.size());
    return text;
}

std::string FormatGrammar(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace tavrio::grammar
