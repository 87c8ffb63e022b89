#include "exercises/level/LevelFile.h"

#include "engine/Text.h"

#include <vector>

namespace tavrio::level {

cLevelMap editorFrame()
{
    cLevelMap map;
    for (int column = 1; column <= kColumns; ++column) {
        map.set(column, 1, kWall);
        map.set(column, kRows, kWall);
    }
    for (int row = 1; row <= kRows; ++row) {
        map.set(1, row, kWall);
        map.set(kColumns, row, kWall);
    }
    for (int column = 5; column <= 19; ++column)
        map.set(column, kRows, kBottom);
    return map;
}

bool saveable(const cLevelMap& map)
{
    return map.count(kStart) == 1 && map.count(kExit) == 1 && map.count(kLetterField) == kLetterFields;
}

std::string levelFileName(const std::string& chosen)
{
    return chosen.find('.') == std::string::npos ? chosen + ".lvl" : chosen;
}

std::string formatLevel(const cLevelMap& map, const std::string& name)
{
    std::string out;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column)
            out += std::to_string(map.at(column, row));
        out += "\r\n";
    }
    for (char c : name)
        out += (c == '\r' || c == '\n') ? ' ' : c;
    out += "\r\n";
    return out;
}

cEditorLoad loadEditorLevel(std::string_view bytes, cLevelMap& map)
{
    const std::vector<std::string_view> lines = SplitLines(bytes);
    const cLevelMap frame = editorFrame();
    cEditorLoad result;
    for (int row = 1; row <= kRows; ++row) {
        const std::string_view line = row <= static_cast<int>(lines.size()) ? lines[row - 1] : std::string_view{};
        const bool present = row <= static_cast<int>(lines.size());
        int column = 1;
        for (; present && column <= kColumns && column <= static_cast<int>(line.size()); ++column) {
            const char c = line[column - 1];
            if (c < '0' || c > '9')
                break;
            map.set(column, row, c - '0');
        }
        if (column <= kColumns) {
            for (; column <= kColumns; ++column)
                map.set(column, row, frame.at(column, row));
            result.ok = false;
            result.stoppedAt = row;
            return result;
        }
    }
    if (lines.size() <= static_cast<std::size_t>(kRows)) {
        result.ok = false;
        result.stoppedAt = kRows + 1;
        return result;
    }
    result.nameRead = true;
    result.name = std::string(lines[kRows]);
    return result;
}

} // namespace tavrio::level
