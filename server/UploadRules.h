#pragma once
// Which list file names the exchange accepts, and how a name maps to a book
// and a chapter. A name is served back as "<book> - <chapter>.vok" and saved
// under that name in the learner's working directory, so it must be a plain
// file name on every system the program runs on.
#include <string>
#include <string_view>

namespace tavrio::server {

inline constexpr std::size_t kMaxNameLength = 200;
inline constexpr std::string_view kListSuffix = ".vok";
// Book of uploaded lists whose name has no " - " between book and chapter.
inline constexpr std::string_view kLooseListsBook = "Eigene Listen";

// No directory part, no "..", no drive prefix, no control byte, none of the
// characters Windows refuses in file names, not empty, not starting with a
// dot or a blank, at most kMaxNameLength bytes.
bool isSafeFileName(std::string_view name);

bool hasListSuffix(std::string_view name);

struct cListName {
  std::string book;
  std::string chapter;
  std::string fileName() const { return book + " - " + chapter + std::string(kListSuffix); }
};

// Splits "<book> - <chapter>.vok" at the first " - ". A name without it goes
// to kLooseListsBook with the whole stem as its chapter. Returns false when
// the book or the chapter would be empty.
bool splitListName(std::string_view fileName, cListName& out);

}  // namespace tavrio::server
