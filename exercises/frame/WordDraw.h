#pragma once
// Drawing a word pair for an exercise. The session's uniform draw leaves its
// outputs untouched when nothing is loaded; these helpers turn that into a
// result the window can report instead of playing with empty words.
#include <functional>
#include <string>

class cSession;

namespace tavrio::exercises {

enum class DrawResult {
    Drawn,      // original and translation hold a fresh pair
    NoWords,    // no session, or no words loaded
    NoFitting,  // words exist, but none of the tries met the condition
};

// One uniform draw. Both outputs are emptied first.
DrawResult drawWord(cSession* session, std::string& original, std::string& translation);

// Draws until `fits(translation)` holds, at most `tries` times. On NoFitting
// the outputs are empty.
DrawResult drawWordWhere(cSession* session, std::string& original, std::string& translation,
                         const std::function<bool(const std::string&)>& fits, int tries = 50);

} // namespace tavrio::exercises
