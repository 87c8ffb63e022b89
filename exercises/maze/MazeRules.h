#pragma once
// What the two maze games share: the four directions and their steps on the
// 24 x 14 map, the arrow keys as the games number them, and the hand-in at
// the exit with its two messages.
#include "exercises/level/LevelReader.h"

#include <string>

class cSession;

namespace tavrio::maze {

enum class Direction { None = 0, Up = 1, Right = 2, Down = 3, Left = 4 };

// Key codes of the arrow keys: 37 left, 38 up, 39 right, 40 down; any other
// code gives None.
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
Direction directionOfKey(int key);

// The cell one step from `cell` in `d` (up -24, right +1, down +24,
// left -1), or 0 when that step would leave the map: up from row 1, down
// from row 14, right from column 24, left from column 1, or no direction.
int neighbour(int cell, Direction d);

// The map a round plays on: the player stands on `playerPos` only. A start
// cell that a faulty level left besides the standard one becomes empty, so
// no second, immovable figure shows.
level::cLevelMap roundMap(const level::cLevelRound& round);

// Hands `given` in with the session's case-insensitive check (question
// `original`, expected `expected`). Without a session the answer is wrong.
bool handIn(cSession* session, const std::string& original, const std::string& given, const std::string& expected);

// The message after a hand-in (Windows-1252): "SUPER!!! Das war richtig.
// Auf zum nächsten Wort!", or "Schade :-{ Richtig war :" + the expected
// answer with a .. z upper-cased + "!".
std::string roundEndMessage(bool right, const std::string& expected);

} // namespace tavrio::maze
