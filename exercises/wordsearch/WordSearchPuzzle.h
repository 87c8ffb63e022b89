#pragma once
// The word search puzzle: a 15 x 15 grid of letters hiding one translation,
// the path of its letters, marking by first and last cell, and the solution.
// Rows and columns count 1 .. 15 from the top left; cell number =
// (row - 1) * 15 + column. Cells are 20 px wide and high on screen.
// Randomness comes from the program's generator (engine/Random.h).
#include <array>
#include <string>

namespace tavrio::wordsearch {

constexpr int kSide = 15;
constexpr int kCells = kSide * kSide;
constexpr int kMaxLength = kSide;
constexpr int kCellPixels = 20;
// Picture list indices: 0 .. 25 "A" .. "Z", 26 "ß", 27 "!", 28 "*".
constexpr int kPictureCount = 29;
constexpr int kStarPicture = 28;

struct cCell {
    int column = 0;
    int row = 0;
    bool operator==(const cCell&) const = default;
};

struct cMark {
    bool first = false; // the cell holds the word's first letter
    bool last = false;  // the cell holds the word's last letter
};

class cWordSearch {
public:
    // Every cell shows "*" and no word is placed.
    cWordSearch();

    // A translation the grid can hold: 1 .. 15 characters.
    static bool fits(const std::string& translation);
    // The cell under a pixel of the grid image; {0, 0} outside the 300 x 300
    // cells.
    static cCell cellAt(int x, int y);

    // Builds a puzzle: clears the path, fills every cell with a random
    // capital, takes the word, draws the direction Random(8) + 1, places the
    // word and updates the pictures. Returns false (nothing changed) when
    // the translation does not fit.
    bool build(const std::string& translation);

    // The steps of build, for tests that pin a direction.
    void clearPath();
    void fillRandom();
    void setWord(const std::string& translation);
    // Direction 1 .. 8: left-right, right-left, down, up, down-right,
    // up-left, down-left, up-right.
    void place(int direction);
    // Letters "A" .. "Z" take their picture; any other character keeps the
    // picture the cell showed before.
    void drawPictures();

    // Shows the solution: path cells take their word-letter entry, every
    // other cell "*"; everything but "A" .. "Z" shows the "*" picture.
    void solve();

    cMark mark(const cCell& cell) const;

    int length() const { return length_; }
    // A cell outside the 15 x 15 grid reads as '\0' with the "*" picture.
    char at(const cCell& cell) const;
    int picture(const cCell& cell) const;
    // Word-letter entry k (1 .. 15); '\0' past the word.
    char letter(int k) const;
    // Path entry k (1 .. 15); {0, 0} past the word.
    cCell path(int k) const;
    // The grid as 15 lines of 15 characters, for readable test failures.
    std::string text() const;

private:
    static bool inside(const cCell& cell);
    static int index(const cCell& cell) { return (cell.row - 1) * kSide + cell.column - 1; }
    void reverseLetters();
    void reversePath();

    std::array<char, kCells> grid_{};
    std::array<int, kCells> pictures_{};
    std::array<char, kMaxLength> letters_{};
    std::array<cCell, kMaxLength> path_{};
    int length_ = 0;
};

} // namespace tavrio::wordsearch
