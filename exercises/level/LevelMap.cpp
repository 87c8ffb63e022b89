#include "exercises/level/LevelMap.h"

#include "engine/Text.h"

#include <algorithm>

namespace tavrio::level {

int cLevelMap::count(int code) const { return static_cast<int>(std::count(cells_.begin(), cells_.end(), code)); }

int cLevelMap::find(int code) const
{
    const auto it = std::find(cells_.begin(), cells_.end(), code);
    return it == cells_.end() ? 0 : static_cast<int>(it - cells_.begin()) + 1;
}

std::string cLevelMap::text() const
{
    std::string out;
    out.reserve(kCells + kRows);
    for (int cell = 1; cell <= kCells; ++cell) {
        const int code = at(cell);
        if (code >= 0 && code <= 4)
            out += static_cast<char>('0' + code);
        else if (isLetter(code))
            out += letterOf(code);
        else if (code >= 31 && code <= 56)
            out += static_cast<char>('a' + code - 31);
        else
            out += '?';
        if (columnOf(cell) == kColumns)
            out += '\n';
    }
    return out;
}

cLevelMap cLevelMap::fromText(std::string_view text)
{
    cLevelMap map;
    int row = 0;
    for (std::string_view line : SplitLines(text)) {
        if (++row > kRows)
            break;
        for (int column = 1; column <= kColumns && column <= static_cast<int>(line.size()); ++column) {
            const char c = line[column - 1];
            int code = 0;
            if (c >= '0' && c <= '9')
                code = c - '0';
            else if (c >= 'A' && c <= 'Z')
                code = letterCode(c);
            else if (c >= 'a' && c <= 'z')
                code = 31 + (c - 'a');
            map.set(column, row, code);
        }
    }
    return map;
}

} // namespace tavrio::level
