#pragma once
// The picture lists of the two maze games, shared by the windows and the
// picture generator. A list is one picture holding its 25 x 25 px pictures
// side by side, index 0 at the left.
namespace tavrio::maze {

constexpr int kCellPixels = 25;

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
