#include "exercises/maze/MazeRules.h"

#include "engine/Session.h"
#include "engine/Text.h"
#include "exercises/level/LevelMap.h"

namespace tavrio::maze {

using level::columnOf;
using level::isCell;
using level::kColumns;
using level::kRows;
using level::rowOf;

Direction directionOfKey(int key)
{
    switch (key) {
    case kKeyLeft: return Direction::Left;
    case kKeyUp: return Direction::Up;
    case kKeyRight: return Direction::Right;
    case kKeyDown: return Direction::Down;
    default: return Direction::None;
    }
}

int neighbour(int cell, Direction d)
{
    if (!isCell(cell))
        return 0;
    switch (d) {
    case Direction::Up: return rowOf(cell) > 1 ? cell - kColumns : 0;
    case Direction::Down: return rowOf(cell) < kRows ? cell + kColumns : 0;
    case Direction::Right: return columnOf(cell) < kColumns ? cell + 1 : 0;
    case Direction::Left: return columnOf(cell) > 1 ? cell - 1 : 0;
    case Direction::None: break;
    }
    return 0;
}

level::cLevelMap roundMap(const level::cLevelRound& round)
{
    level::cLevelMap map = round.map;
    for (int cell = 1; cell <= level::kCells; ++cell)
        if (map.at(cell) == level::kStart && cell != round.playerPos)
            map.set(cell, level::kEmpty);
    map.set(round.playerPos, level::kStart);
    return map;
}

bool handIn(cSession* session, const std::string& original, const std::string& given, const std::string& expected)
{
    return session && session->IstDasRichtigNoCase(original, given, expected);
}

std::string roundEndMessage(bool right, const std::string& expected)
{
    if (right)
        return "SUPER!!! Das war richtig. Auf zum n\xE4" "chsten Wort!";
    return "Schade :-{ Richtig war :" + UpperAZ(expected) + "!";
}

} // namespace tavrio::maze
