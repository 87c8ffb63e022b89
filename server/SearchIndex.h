#pragma once
// The chapters' searchable text held in memory, so that a search never
// queries the database. Every chapter's folded text is indexed by the bytes,
// byte pairs and byte trigrams it contains; a word is looked up through
// those lists and only the chapters holding all its grams are scanned.
// Many readers search at once; put() takes the lock exclusively.
#include <cstdint>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "server/ExchangeStore.h"

namespace tavrio::server {

class cSearchIndex {
 public:
  // Adds the chapter, or replaces the entry with the same chapter id.
  // `folded` is the case-folded text a search looks through.
  void put(const cChapterInfo& chapter, std::string folded);
  // Chapters whose text contains the word, ignoring case, by book name and
  // then chapter id; at most `limit`.
  std::vector<cChapterInfo> search(std::string_view word, std::size_t limit) const;

 private:
  struct cEntry {
    cChapterInfo chapter;
    std::string folded;
  };
  std::vector<std::uint32_t> candidates(std::string_view folded) const;

  std::vector<cEntry> entries_;                                  // slot = position, never moves
  std::unordered_map<std::int64_t, std::uint32_t> slotOfChapter_;
  // Sorted slots per gram. A replaced text may leave stale slots behind;
  // every candidate is checked against its text, so they only cost a scan.
  std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> grams_;
  mutable std::shared_mutex mutex_;
};

}  // namespace tavrio::server
