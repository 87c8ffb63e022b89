#pragma once
// The map of the level editor and the two maze games: 24 columns x 14 rows
// of integer codes. Columns and rows count from 1; cell number =
// (row - 1) * 24 + column, so cell 1 is the top left, 24 the top right,
// 313 the bottom left and 336 the bottom right.
#include <array>
#include <string>
#include <string_view>

namespace tavrio::level {

constexpr int kColumns = 24;
constexpr int kRows = 14;
constexpr int kCells = kColumns * kRows;

// Codes of the level file and the editor.
constexpr int kEmpty = 0;
constexpr int kStart = 1;       // the player's start cell; in the games the player itself
constexpr int kWall = 2;        // "Seenot!": reef
constexpr int kBottom = 3;      // fixed bottom-row cells; "Seenot!": whirlpool, "Hilf Papa!": marked cell
constexpr int kExit = 4;        // "Seenot!": rescue ship, "Hilf Papa!": the house
constexpr int kLetterField = 5; // editor and file: a letter field ("ABC")
// In the games a letter "A" .. "Z" is the code 5 .. 30.
constexpr int kFirstLetter = 5;
constexpr int kLastLetter = 30;

constexpr int cellNumber(int column, int row) { return (row - 1) * kColumns + column; }
constexpr int columnOf(int cell) { return (cell - 1) % kColumns + 1; }
constexpr int rowOf(int cell) { return (cell - 1) / kColumns + 1; }
constexpr bool isCell(int cell) { return cell >= 1 && cell <= kCells; }
// Rows 1 and 14, columns 1 and 24.
constexpr bool onFrame(int cell)
{
    return rowOf(cell) == 1 || rowOf(cell) == kRows || columnOf(cell) == 1 || columnOf(cell) == kColumns;
}
// "A" .. "Z" -> 5 .. 30, and back.
constexpr int letterCode(char capital) { return kFirstLetter + (capital - 'A'); }
constexpr char letterOf(int code) { return static_cast<char>('A' + code - kFirstLetter); }
constexpr bool isLetter(int code) { return code >= kFirstLetter && code <= kLastLetter; }

class cLevelMap {
public:
    // A cell outside 1 .. 336 (or a column or row outside the map) reads as
    // 0; writing there changes nothing.
    int at(int cell) const { return isCell(cell) ? cells_[cell - 1] : 0; }
    int at(int column, int row) const { return inside(column, row) ? at(cellNumber(column, row)) : 0; }
    void set(int cell, int code)
    {
        if (isCell(cell))
            cells_[cell - 1] = code;
    }
    void set(int column, int row, int code)
    {
        if (inside(column, row))
            set(cellNumber(column, row), code);
    }
    void fill(int code) { cells_.fill(code); }
    int count(int code) const;
    // The first cell (in reading order) holding `code`; 0 when none does.
    int find(int code) const;

    bool operator==(const cLevelMap&) const = default;

    // The map as 14 lines of 24 characters, each line ending in "\n":
    // codes 0 .. 4 as digits, letters 5 .. 30 as "A" .. "Z", 31 .. 56 (the
    // boat's tail in "Seenot!") as "a" .. "z", anything else as "?".
    std::string text() const;
    // Reads such a text back, for fixtures: "0" .. "9" give their value,
    // "A" .. "Z" letters, "a" .. "z" the codes 31 .. 56, anything else 0.
    // Missing rows and columns stay 0; extra ones are ignored.
    static cLevelMap fromText(std::string_view text);

    static constexpr bool inside(int column, int row)
    {
        return column >= 1 && column <= kColumns && row >= 1 && row <= kRows;
    }

private:
    std::array<int, kCells> cells_{};
};

} // namespace tavrio::level
