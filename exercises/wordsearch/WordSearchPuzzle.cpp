#include "exercises/wordsearch/WordSearchPuzzle.h"

#include "engine/Random.h"

#include <algorithm>

namespace tavrio::wordsearch {

cWordSearch::cWordSearch()
{
    grid_.fill('*');
    pictures_.fill(kStarPicture);
}

bool cWordSearch::fits(const std::string& translation)
{
    return !translation.empty() && translation.size() <= static_cast<std::size_t>(kMaxLength);
}

cCell cWordSearch::cellAt(int x, int y)
{
    const int limit = kSide * kCellPixels;
    if (x < 0 || y < 0 || x >= limit || y >= limit)
        return {};
    return {x / kCellPixels + 1, y / kCellPixels + 1};
}

bool cWordSearch::build(const std::string& translation)
{
    if (!fits(translation))
        return false;
    clearPath();
    fillRandom();
    setWord(translation);
    place(Random(8) + 1);
    drawPictures();
    return true;
}

void cWordSearch::clearPath() { path_.fill(cCell{}); }

void cWordSearch::fillRandom()
{
    for (char& c : grid_)
        c = static_cast<char>('A' + Random(26));
}

void cWordSearch::setWord(const std::string& translation)
{
    letters_.fill('\0');
    length_ = static_cast<int>(std::min<std::size_t>(translation.size(), kMaxLength));
    for (int k = 0; k < length_; ++k) {
        const char c = translation[k];
        letters_[k] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
}

void cWordSearch::reverseLetters() { std::reverse(letters_.begin(), letters_.begin() + length_); }
void cWordSearch::reversePath() { std::reverse(path_.begin(), path_.begin() + length_); }

void cWordSearch::place(int direction)
{
    const int L = length_;
    if (L < 1 || direction < 1 || direction > 8)
        return;
    const bool backward = direction % 2 == 0;
    const int twin = backward ? direction - 1 : direction;
    cCell at;
    int dColumn = 0;
    int dRow = 0;
    // The start row is always drawn before the start column.
    switch (twin) {
    case 1:
        at.row = Random(kSide) + 1;
        at.column = Random(kSide - L) + 1;
        dColumn = 1;
        break;
    case 3:
        at.row = Random(kSide - L) + 1;
        at.column = Random(kSide - 1) + 1;
        dRow = 1;
        break;
    case 5:
        at.row = Random(kSide - L) + 1;
        at.column = Random(kSide - L) + 1;
        dRow = 1;
        dColumn = 1;
        break;
    default: // 7
        at.row = Random(kSide - L) + 1;
        at.column = L == kSide ? kSide : Random(kSide - L) + L + 1;
        dRow = 1;
        dColumn = -1;
        break;
    }
    if (backward)
        reverseLetters();
    for (int k = 0; k < L; ++k) {
        grid_[index(at)] = letters_[k];
        path_[k] = at;
        at.column += dColumn;
        at.row += dRow;
    }
    // Path entry 1 is again the cell of the word's first letter; the letter
    // entries stay reversed, which the solution view relies on.
    if (backward)
        reversePath();
}

void cWordSearch::drawPictures()
{
    for (int i = 0; i < kCells; ++i) {
        const char c = grid_[i];
        if (c >= 'A' && c <= 'Z')
            pictures_[i] = c - 'A';
    }
}

void cWordSearch::solve()
{
    for (int i = 0; i < kCells; ++i) {
        const cCell cell{i % kSide + 1, i / kSide + 1};
        char c = '*';
        for (int j = 0; j < kMaxLength; ++j) {
            if (path_[j] == cell)
                c = letters_[j];
        }
        grid_[i] = c;
        pictures_[i] = (c >= 'A' && c <= 'Z') ? c - 'A' : kStarPicture;
    }
}

cMark cWordSearch::mark(const cCell& cell) const
{
    cMark m;
    if (length_ < 1 || cell.column < 1 || cell.row < 1)
        return m;
    m.first = path_[0] == cell;
    m.last = path_[length_ - 1] == cell;
    return m;
}

bool cWordSearch::inside(const cCell& cell)
{
    return cell.column >= 1 && cell.column <= kSide && cell.row >= 1 && cell.row <= kSide;
}

char cWordSearch::at(const cCell& cell) const { return inside(cell) ? grid_[index(cell)] : '\0'; }
int cWordSearch::picture(const cCell& cell) const { return inside(cell) ? pictures_[index(cell)] : kStarPicture; }
char cWordSearch::letter(int k) const { return k >= 1 && k <= kMaxLength ? letters_[k - 1] : '\0'; }
cCell cWordSearch::path(int k) const { return k >= 1 && k <= kMaxLength ? path_[k - 1] : cCell{}; }

std::string cWordSearch::text() const
{
    std::string s;
    for (int r = 0; r < kSide; ++r) {
        s.append(grid_.begin() + r * kSide, grid_.begin() + (r + 1) * kSide);
        s += '\n';
    }
    return s;
}

} // namespace tavrio::wordsearch
