#pragma once
// The picture lists of the two maze games, shared by the windows and the
// picture generator. A list is one picture holding its 25 x 25 px pictures
// side by side, index 0 at the left.
namespace tavrio::maze {

constexpr int kCellPixels = 25;

// Where both windows place the map (units) and the left column's text. The
// map's right edge keeps a margin of 12 units inside the 800-unit window,
// room for the frame the backgrounds draw 4 units around it; the column's
// lines are short enough to end left of that frame.
constexpr int kMapLeft = 188;
constexpr int kMapTop = 179;
constexpr int kNotesLeft = 14;

struct cPictureLists {
    const char* bilder;     // "Bilder": codes 0 .. 4
    int bilderCount;
    const char* buchstaben; // "Buchstaben": index = code - 5
    int buchstabenCount;
};

// "Seenot!": sea, boat, reef, whirlpool, rescue ship; floating letters
// "A" .. "Z" (0 .. 25), then the tail segments carrying "A" .. "Z" (26 .. 51).
inline constexpr cPictureLists kSeenotPictures{"Images\\Seenot\\Bilder.bmp", 5, "Images\\Seenot\\Buchstaben.bmp", 52};
// "Hilf Papa!": floor, figure, wall, marked cell, house; blocks "A" .. "Z".
inline constexpr cPictureLists kHilfPapaPictures{"Images\\HilfPapa\\Bilder.bmp", 5,
                                                 "Images\\HilfPapa\\Buchstaben.bmp", 26};

} // namespace tavrio::maze
