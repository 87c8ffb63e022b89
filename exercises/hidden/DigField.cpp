#include "exercises/hidden/DigField.h"

#include "engine/Random.h"

#include <algorithm>

namespace tavrio::hidden {

cPoint cDigField::cellOrigin(int k)
{
    const int row = (k - 1) / kColumns;
    const int column = (k - 1) % kColumns;
    return {kLeft + kPitch * column, kTop + kPitch * row};
}

int cDigField::step(int k, int dColumn, int dRow)
{
    const int row = (k - 1) / kColumns + dRow;
    const int column = (k - 1) % kColumns + dColumn;
    if (k < 1 || k > kCells || row < 0 || row >= kColumns || column < 0 || column >= kColumns)
        return k;
    return row * kColumns + column + 1;
}

void cDigField::bury()
{
    cells_.fill(CellState::Nothing);
    int buried = 0;
    while (buried < kSweets) {
        CellState& c = cells_[Random(kCells)];
        if (c == CellState::Nothing) {
            c = CellState::Sweet;
            ++buried;
        }
    }
}

DigResult cDigField::dig(int k)
{
    if (k < 1 || k > kCells)
        return DigResult::NoCell;
    CellState& c = cells_[k - 1];
    switch (c) {
    case CellState::Sweet:
        c = CellState::Dug;
        return DigResult::Hit;
    case CellState::Nothing:
        c = CellState::Dug;
        return DigResult::Miss;
    default:
        return DigResult::AlreadyDug;
    }
}

CellState cDigField::state(int k) const
{
    return k >= 1 && k <= kCells ? cells_[k - 1] : CellState::Nothing;
}

int cDigField::count(CellState s) const
{
    return static_cast<int>(std::count(cells_.begin(), cells_.end(), s));
}

} // namespace tavrio::hidden
