#pragma once
// One painter per exercise; paintExercises (ExercisePictures.cpp) runs them.
#include <QString>

namespace tavrio::assets {

bool paintWordSearch(const QString& dir);     // background, help, letter pictures
bool paintHiddenButWhere(const QString& dir); // background, help, cell pictures

} // namespace tavrio::assets
