#pragma once
// The level file ("*.lvl") and the editor's side of it. Lines end in CR LF:
// lines 1 .. 14 are the map rows from top to bottom, one decimal code per
// cell for columns 1 .. 24; line 15 is the level's name. Nothing follows.
#include "exercises/level/LevelMap.h"

#include <string>
#include <string_view>

namespace tavrio::level {

// The name a new level gets in the editor.
inline constexpr const char* kDefaultName = "Keiner";
// A level file is 15 short lines; anything larger is not read at all.
constexpr unsigned kMaxLevelBytes = 64 * 1024;
// A level the editor saves has exactly this many letter fields.
constexpr int kLetterFields = 20;

// The editor's empty level: walls on rows 1 and 14 and on columns 1 and 24,
// code 3 on row 14 from column 5 to 19, empty inside.
cLevelMap editorFrame();
// The cells the learner may paint: columns 2 .. 23 of rows 2 .. 13.
constexpr bool editable(int column, int row) { return column >= 2 && column <= 23 && row >= 2 && row <= 13; }

// Exactly one start cell, one exit and twenty letter fields.
bool saveable(const cLevelMap& map);
// The name a chosen save name is written under: ".lvl" appended when the
// name holds no "." anywhere (the directories included), else unchanged.
std::string levelFileName(const std::string& chosen);
// The whole file: each row as its cells' codes in decimal, then the name. A
// line break inside the name is written as a blank, so the name stays line
// 15.
std::string formatLevel(const cLevelMap& map, const std::string& name);

struct cEditorLoad {
    bool ok = true;
    // The row at which reading stopped after a fault: 1 .. 14 for a row, 15
    // when the name line is missing. 0 when ok.
    int stoppedAt = 0;
    // The name, when all 14 rows and the name line were read.
    bool nameRead = false;
    std::string name;
};

// The editor's loader, on top of what `map` holds. Row r's cells come from
// the first 24 characters of line r ("0" .. "9" give their value; longer
// lines are cut). A row that is missing, shorter than 24 characters or holds
// a character that is not a digit ends the load: its cells up to the fault
// are read, the rest of that row takes what the editor's empty level holds
// there (so the frame stays whole), later rows keep what they held. The
// name is line 15, read only after all 14 rows.
cEditorLoad loadEditorLevel(std::string_view bytes, cLevelMap& map);

} // namespace tavrio::level
