#include "server/SearchIndex.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <mutex>

#include "server/TextBytes.h"

namespace tavrio::server {

namespace {

std::uint32_t trigramAt(std::string_view text, std::size_t i) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(text[i + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(text[i + 2]));
}

// Keys of the grams a text holds: every trigram, and every single byte and
// byte pair, so that words of one or two bytes are found through the index
// too. The three kinds live in separate key ranges.
constexpr std::uint32_t kPairKey = 1u << 24, kByteKey = 2u << 24;

std::vector<std::uint32_t> gramsOfText(std::string_view text) {
  std::vector<std::uint32_t> out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    out.push_back(kByteKey | static_cast<unsigned char>(text[i]));
    if (i + 1 < text.size())
      out.push_back(kPairKey | static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])) << 8 |
                    static_cast<unsigned char>(text[i + 1]));
    if (i + 2 < text.size()) out.push_back(trigramAt(text, i));
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

// The grams a word is looked up by: its trigrams, or for a shorter word the
// word itself as one pair or byte key.
std::vector<std::uint32_t> gramsOfWord(std::string_view word) {
  if (word.size() == 1) return {kByteKey | static_cast<unsigned char>(word[0])};
  if (word.size() == 2)
    return {kPairKey | static_cast<std::uint32_t>(static_cast<unsigned char>(word[0])) << 8 |
            static_cast<unsigned char>(word[1])};
  std::vector<std::uint32_t> out;
  for (std::size_t i = 0; i + 2 < word.size(); ++i) out.push_back(trigramAt(word, i));
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

}  // namespace

void cSearchIndex::put(const cChapterInfo& chapter, std::string folded) {
  const std::vector<std::uint32_t> grams = gramsOfText(folded);  // outside the lock
  std::unique_lock lock(mutex_);
  std::uint32_t slot;
  if (auto it = slotOfChapter_.find(chapter.id); it != slotOfChapter_.end()) {
    slot = it->second;
    entries_[slot] = cEntry{chapter, std::string()};
  } else {
    slot = static_cast<std::uint32_t>(entries_.size());
    entries_.push_back(cEntry{chapter, std::string()});
    slotOfChapter_.emplace(chapter.id, slot);
  }
  for (std::uint32_t t : grams) {
    auto& slots = grams_[t];
    auto at = std::lower_bound(slots.begin(), slots.end(), slot);
    if (at == slots.end() || *at != slot) slots.insert(at, slot);
  }
  entries_[slot].folded = std::move(folded);
}

std::vector<std::uint32_t> cSearchIndex::candidates(std::string_view folded) const {
  std::vector<std::uint32_t> all;
  if (folded.empty()) {
    all.resize(entries_.size());
    for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i;
    return all;
  }
  std::vector<const std::vector<std::uint32_t>*> lists;
  for (std::uint32_t t : gramsOfWord(folded)) {
    auto it = grams_.find(t);
    if (it == grams_.end()) return {};
    lists.push_back(&it->second);
  }
  std::sort(lists.begin(), lists.end(), [](auto* a, auto* b) { return a->size() < b->size(); });
  all = *lists.front();
  std::vector<std::uint32_t> narrowed;
  for (std::size_t i = 1; i < lists.size() && !all.empty(); ++i) {
    narrowed.clear();
    std::set_intersection(all.begin(), all.end(), lists[i]->begin(), lists[i]->end(),
                          std::back_inserter(narrowed));
    all.swap(narrowed);
  }
  return all;
}

std::vector<cChapterInfo> cSearchIndex::search(std::string_view word, std::size_t limit) const {
  const std::string folded = foldCase(word);
  const std::boyer_moore_horspool_searcher searcher(folded.begin(), folded.end());
  std::vector<const cEntry*> found;
  {
    std::shared_lock lock(mutex_);
    for (std::uint32_t slot : candidates(folded)) {
      const cEntry& e = entries_[slot];
      if (folded.empty() || std::search(e.folded.begin(), e.folded.end(), searcher) != e.folded.end())
        found.push_back(&e);
    }
    std::sort(found.begin(), found.end(), [](const cEntry* a, const cEntry* b) {
      return a->chapter.book != b->chapter.book ? a->chapter.book < b->chapter.book
                                                : a->chapter.id < b->chapter.id;
    });
    if (found.size() > limit) found.resize(limit);
    std::vector<cChapterInfo> out;
    out.reserve(found.size());
    for (const cEntry* e : found) out.push_back(e->chapter);
    return out;
  }
}

}  // namespace tavrio::server
