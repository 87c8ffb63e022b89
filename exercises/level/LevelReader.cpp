#include "exercises/level/LevelReader.h"

#include "exercises/level/LevelFile.h"

#include "engine/Files.h"
#include "engine/Random.h"
#include "engine/Text.h"

namespace tavrio::level {

namespace {

int letterAt(const std::string& letters, int k)
{
    const char c = k < static_cast<int>(letters.size()) ? letters[k] : '\0';
    return (c >= 'A' && c <= 'Z') ? letterCode(c) : kEmpty;
}

// Writes the standard level over the map as it stands.
void fallBack(cLevelRound& round, const std::string& letters)
{
    round.fromFile = false;
    round.messages.emplace_back(kFaultyLevelMessage);
    round.levelName = kStandardName;
    round.playerPos = kStandardStart;
    round.map.set(kStandardStart, kStart);
    round.exitPos = kStandardExit;
    round.map.set(kStandardExit, kExit);
    round.map.set(1, kWall);
    round.map.set(kCells, kWall);
    for (int cell = 318; cell <= 328; ++cell)
        round.map.set(cell, kBottom);
    // Letters 1, 2 -> 203, 204; 3 .. 10 -> 195 .. 202; 11, 12 -> 275, 276;
    // 13 .. 20 -> 267 .. 274.
    const int cells[20] = {203, 204, 195, 196, 197, 198, 199, 200, 201, 202,
                           275, 276, 267, 268, 269, 270, 271, 272, 273, 274};
    for (int k = 0; k < 20; ++k)
        round.map.set(cells[k], letterAt(letters, k));
}

void reefFrame(cLevelMap& map)
{
    for (int cell = 1; cell <= kCells; ++cell)
        if (onFrame(cell))
            map.set(cell, kWall);
}

// Reads rows and name; false at the first fault.
bool readFile(std::string_view bytes, const std::string& letters, Game game, cLevelRound& round)
{
    const std::vector<std::string_view> lines = SplitLines(bytes);
    int nextLetter = 0;
    int start = 0;
    int exit = 0;
    for (int row = 1; row <= kRows; ++row) {
        if (row > static_cast<int>(lines.size()))
            return false;
        const std::string_view line = lines[row - 1];
        if (line.size() != static_cast<std::size_t>(kColumns))
            return false;
        for (int column = 1; column <= kColumns; ++column) {
            const int cell = cellNumber(column, row);
            switch (line[column - 1]) {
            case '0': round.map.set(cell, kEmpty); break;
            case '2': round.map.set(cell, kWall); break;
            case '3': round.map.set(cell, kBottom); break;
            case '1':
                round.map.set(cell, kStart);
                start = cell;
                break;
            case '4':
                round.map.set(cell, kExit);
                exit = cell;
                break;
            case '5':
                // More than 20 letter fields: the ones past the letter set stay empty.
                round.map.set(cell, game == Game::HilfPapa ? letterAt(letters, nextLetter++) : kEmpty);
                break;
            default:
                return false;
            }
        }
    }
    if (lines.size() <= static_cast<std::size_t>(kRows))
        return false;
    round.levelName = std::string(lines[kRows]);
    // A round needs its start and exit; in "Seenot!" the frame turns to reef.
    if (!start || !exit)
        return false;
    if (game == Game::Seenot && (onFrame(start) || onFrame(exit)))
        return false;
    round.playerPos = start;
    round.exitPos = exit;
    return true;
}

} // namespace

std::string letterSet(const std::string& translation)
{
    std::string collected;
    for (std::size_t i = 0; i < translation.size() && i < 20; ++i) {
        const char c = UpperAZChar(translation[i]);
        if (c >= 'A' && c <= 'Z')
            collected += c;
    }
    Randomize();
    while (collected.size() < 20)
        collected += static_cast<char>(65 + Random(26));
    std::string shuffled;
    while (!collected.empty()) {
        const std::size_t k = static_cast<std::size_t>(Random(static_cast<int>(collected.size())));
        shuffled += collected[k];
        collected.erase(k, 1);
    }
    return shuffled;
}

cLevelRound readLevelBytes(std::string_view bytes, const std::string& letters, Game game)
{
    cLevelRound round;
    if (!readFile(bytes, letters, game, round))
        fallBack(round, letters);
    if (game == Game::Seenot)
        reefFrame(round.map);
    return round;
}

cLevelRound readLevel(const std::string& path, const std::string& letters, Game game)
{
    if (!FileExists(path)) {
        cLevelRound round;
        round.messages.push_back("Nicht DA " + path);
        fallBack(round, letters);
        if (game == Game::Seenot)
            reefFrame(round.map);
        return round;
    }
    // An unreadable or oversized file reads as empty, which is faulty.
    std::string bytes;
    if (ReadFileLimited(path, bytes, kMaxLevelBytes) != cReadResult::Ok)
        bytes.clear();
    return readLevelBytes(bytes, letters, game);
}

} // namespace tavrio::level
