#pragma once
// File names of the picture list "bs" (20 x 20 px each): index 0 .. 25 the
// letters "A" .. "Z", 26 "ß", 27 "!", 28 "*". Shared by the window and the
// picture generator.
#include <string>

namespace tavrio::wordsearch {

inline std::string letterPicture(int index)
{
    const std::string dir = "Images\\Buchstaben\\";
    if (index >= 0 && index < 26)
        return dir + static_cast<char>('A' + index) + ".bmp";
    switch (index) {
    case 26: return dir + "Eszett.bmp";
    case 27: return dir + "Ausrufezeichen.bmp";
    default: return dir + "Stern.bmp";
    }
}

// The character a picture shows, as UTF-8 text.
inline std::string letterGlyph(int index)
{
    if (index >= 0 && index < 26)
        return std::string(1, static_cast<char>('A' + index));
    switch (index) {
    case 26: return "\xC3\x9F";
    case 27: return "!";
    default: return "*";
    }
}

} // namespace tavrio::wordsearch
