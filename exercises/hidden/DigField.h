#pragma once
// "Versteckt, aber wo?": 20 sweets buried under an 11 x 11 field. Cells are
// numbered 1 .. 121 row by row; on screen they are 26 x 26 px, 25 px apart,
// the field's top left at (432, 128).
#include <array>

namespace tavrio::hidden {

constexpr int kColumns = 11;
constexpr int kCells = kColumns * kColumns;
constexpr int kSweets = 20;
constexpr int kCellPixels = 26;
constexpr int kPitch = 25;
constexpr int kLeft = 432;
constexpr int kTop = 128;

enum class CellState { Nothing = 0, Sweet = 1, Dug = 2 };

enum class DigResult {
    Hit,        // a sweet was there; the cell is dug now
    Miss,       // nothing was there; the cell is dug now
    AlreadyDug, // dug before; nothing changes
    NoCell,     // not a cell number (e.g. 0)
};

struct cPoint {
    int x = 0;
    int y = 0;
};

class cDigField {
public:
    // Top left corner of cell k on the window.
    static cPoint cellOrigin(int k);
    // The cell one step from k, columns and rows counted right and down;
    // k itself when the step would leave the field.
    static int step(int k, int dColumn, int dRow);

    // Empties every cell, then buries 20 sweets in distinct cells chosen
    // with Random(121). The caller reseeds the generator when it wants to.
    void bury();
    DigResult dig(int k);

    CellState state(int k) const;
    int count(CellState s) const;

private:
    std::array<CellState, kCells> cells_{};
};

} // namespace tavrio::hidden
