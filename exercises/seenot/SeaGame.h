#pragma once
// "Seenot!": a boat on a sea map of 24 x 14 cells collects floating letters,
// which trail behind it as a tail of up to 16 segments; whirlpools take the
// last letter back; reaching the rescue ship hands the collected letters in.
// One call of step() is one move of the boat (the 250 ms tick), one call of
// floatLetter() one floating letter (the 3000 ms tick). Randomness comes
// from the program's generator (engine/Random.h).
#include "exercises/level/LevelMap.h"
#include "exercises/level/LevelReader.h"
#include "exercises/maze/MazeRules.h"

#include <array>
#include <string>

namespace tavrio::seenot {

using maze::Direction;

// Cell codes on the sea map.
constexpr int kSea = 0;
constexpr int kBoat = 1;
constexpr int kReef = 2;
constexpr int kWhirlpool = 3;
constexpr int kShip = 4;
// Floating letters "A" .. "Z" are 5 .. 30; a tail segment carrying a letter
// is that code + 26 (31 .. 56). Anything else reads as sea.
constexpr int kTailOffset = 26;
constexpr int kFirstTail = 31;
constexpr int kLastTail = 56;
constexpr int kMaxTail = 16;
// Cell-number draws before the search for an empty cell scans the map.
constexpr int kEmptyCellTries = 1000;

enum class StepResult {
    Idle,    // no direction yet: nothing moved
    Moved,   // the boat moved (and maybe took a letter or met a whirlpool)
    Crashed, // map edge, reef or own tail: the boat is put onto the ship, nothing collected
    Sunk,    // a whirlpool with no letter to take: the boat is put onto the ship, nothing collected
    Arrived, // the boat reached the ship with what it collected
};

class cSeaGame {
public:
    // The letters floated in a round: the letters a .. z / A .. Z of the
    // translation, upper-cased, in order, at most 16 (what the tail holds);
    // other characters are skipped and nothing past the end is read.
    static std::string reserveOf(const std::string& translation);

    // A new round on a level read for "Seenot!": no tail, nothing collected,
    // no direction; the reserve is reserveOf(translation) and four random
    // capitals (65 + Random(26) each).
    void start(const level::cLevelRound& round, const std::string& translation);

    // Sets the direction; false when it is already that one (or None).
    bool steer(Direction d);
    // No direction: the boat stays until the next steer.
    void halt() { direction_ = Direction::None; }
    // One move in the current direction (Idle without one).
    StepResult step();
    // One move in `d`, leaving the current direction as it is.
    StepResult stepTo(Direction d);
    // One floating letter, only once a direction is set: reseeds the
    // generator; with fewer than 5 characters in the reserve appends
    // 64 + Random(27) ("@" .. "Z"); then k = Random(n + 1) (n the reserve's
    // length) and an empty cell gets a whirlpool (k = 0) or character k,
    // which leaves the reserve ("@" gives a ship picture without function).
    // Returns the cell filled, 0 when none (no direction, or no empty cell:
    // then the reserve keeps its character).
    int floatLetter();

    const level::cLevelMap& map() const { return map_; }
    level::cLevelMap& map() { return map_; }
    int boat() const { return boat_; }
    int exit() const { return exit_; }
    Direction direction() const { return direction_; }
    int tailLength() const { return tailLength_; }
    // Tail segment k (1 .. tailLength): k = 1 is right behind the boat.
    int tailCell(int k) const { return tailCells_[k - 1]; }
    // The letters collected, in order (the tail's codes from segment 1 on).
    const std::string& collected() const { return collected_; }
    const std::string& reserve() const { return reserve_; }

private:
    StepResult move(Direction d);
    StepResult endAtShip(StepResult why);
    int emptyCell() const;

    level::cLevelMap map_;
    int boat_ = level::kStandardStart;
    int exit_ = level::kStandardExit;
    Direction direction_ = Direction::None;
    int tailLength_ = 0;
    std::array<int, kMaxTail> tailCells_{};
    std::string collected_;
    std::string reserve_;
};

} // namespace tavrio::seenot
