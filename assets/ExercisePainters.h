#pragma once
// One painter per exercise; paintExercises (ExercisePictures.cpp) runs them.
#include <QString>

namespace tavrio::assets {

bool paintWordSearch(const QString& dir);     // background, help, letter pictures
bool paintHiddenButWhere(const QString& dir); // background, help, cell pictures
bool paintQuizShow(const QString& dir);       // background with room for the ladder
bool paintGrandmaHelps(const QString& dir);   // background with its buttons, help
bool paintTest(const QString& dir);           // exercise book background with its buttons, help
bool paintLevelEditor(const QString& dir);    // map background, tool pictures, Start.lvl
bool paintSeenot(const QString& dir);         // background, help, picture lists
bool paintHilfPapa(const QString& dir);       // background, help, picture lists
bool paintChildrensGames(const QString& dir); // little brother and wheel of fortune backgrounds

} // namespace tavrio::assets
