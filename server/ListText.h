#pragma once
// What the server reads out of a stored list file: the number of pairs and
// the words that a search looks through. Files are stored as they come; these
// helpers read them as four-line lists (original, translation, mark,
// transcription), accepting CR LF and lone LF line ends.
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::server {

std::vector<std::string_view> splitLines(std::string_view content);

// Entries of the four-line layout; a last entry cut short still counts.
int countPairs(std::string_view content);

// Originals and translations, one per line, for the search index.
std::string listWords(std::string_view content);

}  // namespace tavrio::server
