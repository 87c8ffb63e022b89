#pragma once
// File names of the editor's picture list (16 x 16 px each), index = cell
// code 0 .. 5, and of the map's background. Shared by the editor and the
// picture generator.
#include <string>

namespace tavrio::level {

constexpr int kToolPictures = 6;
constexpr int kToolPixels = 16;

inline std::string toolPicture(int code)
{
    static const char* const names[kToolPictures] = {"Leer", "Tavrio", "Mauer", "Unten", "Ende", "ABC"};
    const int i = (code >= 0 && code < kToolPictures) ? code : 0;
    return std::string("Images\\Level\\") + names[i] + ".bmp";
}

inline constexpr const char* kEditorBackground = "LevelEditor.bmp";
// The level the games start with, beside the program.
inline constexpr const char* kStartLevel = "Start.lvl";

} // namespace tavrio::level
