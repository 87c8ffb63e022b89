#pragma once
// What an exercise tells the learner when it cannot draw a usable word.
#include "exercises/frame/WordDraw.h"

#include <QString>

namespace tavrio::exercises {

// NoWords: no list loaded; NoFitting: the loaded words have no translation.
// Empty for Drawn.
QString drawFailureMessage(DrawResult result);

} // namespace tavrio::exercises
