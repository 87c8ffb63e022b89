#pragma once
// The level reader of the two maze games. At the start of every round it
// reads the level file onto an empty map, puts the round's letters into
// the letter fields ("Hilf Papa!") or leaves them empty ("Seenot!"), and
// falls back to the standard level when the file is missing or faulty.
#include "exercises/level/LevelMap.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavrio::level {

enum class Game {
    Seenot,   // letter fields stay sea; rows 1, 14 and columns 1, 24 become reef
    HilfPapa, // letter fields get the round's letters; the file's frame stays
};

// The standard level's cells.
constexpr int kStandardStart = 33; // row 2, column 9
constexpr int kStandardExit = 53;  // row 3, column 5

// Shown after a missing or faulty level (Windows-1252 bytes, CR = 13).
inline constexpr const char* kFaultyLevelMessage = "Level-Datei ist fehlerhaft oder nicht vorhanden.\rLade Standard!";
inline constexpr const char* kStandardName = "Standard";

// The round's 20 capitals: the letters among the translation's first 20
// characters, a .. z upper-cased and everything but A .. Z skipped, filled
// up to 20 with random capitals (65 + Random(26)), then shuffled (take the
// character at Random(n), n the remaining count, until none is left).
// Reseeds the program's generator from the clock first.
std::string letterSet(const std::string& translation);

struct cLevelRound {
    cLevelMap map;
    int playerPos = kStandardStart; // cell of the player, always holding code 1
    int exitPos = kStandardExit;    // cell of the exit, always holding code 4
    // For the level name label: the file's name line, or "Standard".
    std::string levelName;
    // To show in this order before the map is drawn (Windows-1252).
    std::vector<std::string> messages;
    // False after a fallback to the standard level.
    bool fromFile = true;
};

// Reads the level file `path` (engine bytes) for a round whose letter set
// is `letters` (20 capitals, see letterSet). A missing file adds the
// message "Nicht DA " + path before the fallback.
cLevelRound readLevel(const std::string& path, const std::string& letters, Game game);
// The same on the file's bytes. Faulty: a row missing, not exactly 24
// characters long or holding a character other than "0" .. "5"; the name
// line missing; no start cell or no exit (in "Seenot!" also one on the
// frame, which becomes reef). Cells read before the fault keep their codes;
// the standard level is written over them.
cLevelRound readLevelBytes(std::string_view bytes, const std::string& letters, Game game);

} // namespace tavrio::level
