#pragma once
// The crib ("Spicker"): the letters of the expected answer in random order.
#include <string>

namespace tavrio::exercises {

// Picks random positions of a working copy (Random(length)) and takes each
// character once, overwriting it with '*', until only '*' are left. A '*'
// in the word itself is never taken. An empty word gives an empty result.
std::string cribLetters(const std::string& word);

} // namespace tavrio::exercises
