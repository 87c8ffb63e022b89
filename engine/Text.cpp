#include "engine/Text.h"

std::string UpperAZ(std::string s)
{
    for (char& c : s)
        c = UpperAZChar(c);
    return s;
}

bool EqualUpperAZ(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAZChar(a[i]) != UpperAZChar(b[i]))
            return false;
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        std::size_t len = end - start;
        if (len > 0 && bytes[end - 1] == '\r')
            --len;
        lines.push_back(bytes.substr(start, len));
        start = end + 1;
    }
    return lines;
}
