#pragma once
// The store behind the exchange: books, their chapters (each one list file)
// and the change notes of program versions. Texts are Windows-1252 bytes and
// come back exactly as they went in. Implementations must be safe to call
// from many threads at once.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::server {

struct cBookInfo {
  std::int64_t id = 0;
  std::string title;
};

struct cChapterInfo {
  std::int64_t id = 0;
  std::int64_t bookId = 0;
  std::string book;
  std::string title;
  std::string author;
  int words = 0;
};

struct cNewList {
  std::string book;
  std::string chapter;
  std::string author;
  std::string fileName;   // "<book> - <chapter>.vok", the download name
  std::string content;    // the list file's bytes
};

struct cChange {
  int version = 0;
  std::string text;
  std::string when;
};

class cExchangeStore {
 public:
  virtual ~cExchangeStore() = default;

  // Chapters whose book name, title, author or list words contain the word,
  // ignoring case (see foldCase); at most `limit` of them, by book then age.
  virtual std::vector<cChapterInfo> search(std::string_view word, std::size_t limit) = 0;
  virtual std::vector<cBookInfo> books() = 0;
  // All chapters, or those of one book.
  virtual std::vector<cChapterInfo> chapters(std::optional<std::int64_t> bookId) = 0;
  // The bytes of the list with this exact download name.
  virtual std::optional<std::string> listFile(std::string_view fileName) = 0;
  // Adds the list, or replaces the content and author of the list that has
  // the same download name. All or nothing.
  virtual void storeList(const cNewList& list) = 0;
  virtual void addChange(const cChange& change) = 0;
  // Changes of versions after `version` up to `upTo`, oldest first.
  virtual std::vector<cChange> changesBetween(int version, int upTo) = 0;
  // Runs `work` so that no other process sharing the store runs its own
  // `exclusively` at the same time (first-start seeding).
  virtual void exclusively(const std::function<void()>& work) { work(); }
};

}  // namespace tavrio::server
