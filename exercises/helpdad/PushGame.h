#pragma once
// "Hilf Papa!": a figure walks on a map of 24 x 14 cells and pushes letter
// blocks into the answer row (row 13, columns 5 .. 19, cells 293 .. 307,
// above the marked cells of row 14); walking onto the exit (the house)
// hands in what that row spells.
#include "exercises/level/LevelMap.h"
#include "exercises/level/LevelReader.h"
#include "exercises/maze/MazeRules.h"

#include <string>

namespace tavrio::helpdad {

using maze::Direction;

// Cell codes: 0 empty, 1 figure, 2 wall, 3 marked cell, 4 exit (house),
// 5 .. 30 a letter block "A" .. "Z".
constexpr int kEmpty = 0;
constexpr int kFigure = 1;
constexpr int kExit = 4;
constexpr int kFirstAnswerCell = 293;
constexpr int kLastAnswerCell = 307;

enum class Move {
    None, // blocked: wall, marked cell, map edge, or a block that cannot go on
    Step, // the figure walked onto an empty cell or the exit
    Push, // the figure pushed a block one cell on and took its place
};

class cPushGame {
public:
    // A round on a level read for "Hilf Papa!".
    void start(const level::cLevelRound& round);

    // One cell in `d`: onto an empty cell or the exit; or pushing a block
    // (code above 4) when the cell beyond is on the map, in the same row or
    // column, and empty. The exit never takes a block.
    Move move(Direction d);

    bool atExit() const { return figure_ == exit_; }
    // The answer row left to right: a block gives its letter, any other
    // cell a blank; blanks at the end removed (in front and between kept).
    std::string answer() const;

    const level::cLevelMap& map() const { return map_; }
    int figure() const { return figure_; }
    int exit() const { return exit_; }

private:
    level::cLevelMap map_;
    int figure_ = level::kStandardStart;
    int exit_ = level::kStandardExit;
};

} // namespace tavrio::helpdad
