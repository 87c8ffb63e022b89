#include "server/SearchIndex.h"

#include <gtest/gtest.h>

#include <random>

#include "server/TextBytes.h"

namespace tavrio::server {
namespace {

cChapterInfo chapter(std::int64_t id, std::string book) {
  cChapterInfo c;
  c.id = id;
  c.book = std::move(book);
  c.title = "T" + std::to_string(id);
  return c;
}

std::vector<std::int64_t> ids(const std::vector<cChapterInfo>& found) {
  std::vector<std::int64_t> out;
  for (const auto& c : found) out.push_back(c.id);
  return out;
}

// The index must find exactly what a plain scan of every text finds, for
// words of every length, including ones that appear only across a line end.
TEST(SearchIndex, findsWhatAPlainScanFinds) {
  std::mt19937 rng(7);
  const std::string alphabet = "abcde \n\xE4\xFC";
  std::vector<std::string> texts(60);
  cSearchIndex index;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (int k = 0; k < 40; ++k) texts[i] += alphabet[rng() % alphabet.size()];
    index.put(chapter(static_cast<std::int64_t>(i + 1), "B"), texts[i]);
  }
  for (int round = 0; round < 400; ++round) {
    std::string word;
    const std::size_t len = rng() % 6;
    for (std::size_t k = 0; k < len; ++k) word += alphabet[rng() % alphabet.size()];
    std::vector<std::int64_t> expected;
    for (std::size_t i = 0; i < texts.size(); ++i)
      if (texts[i].find(word) != std::string::npos) expected.push_back(static_cast<std::int64_t>(i + 1));
    EXPECT_EQ(ids(index.search(word, 1000)), expected) << "word '" << word << "'";
  }
}

TEST(SearchIndex, replacedTextIsSearchedInsteadOfTheOld) {
  cSearchIndex index;
  index.put(chapter(1, "B"), "hund\nkatze\n");
  index.put(chapter(2, "B"), "maus\n");
  index.put(chapter(1, "B"), "pferd\n");
  EXPECT_TRUE(index.search("katze", 10).empty());
  EXPECT_TRUE(index.search("hu", 10).empty());
  EXPECT_EQ(ids(index.search("pferd", 10)), std::vector<std::int64_t>{1});
  EXPECT_EQ(ids(index.search("", 10)), (std::vector<std::int64_t>{1, 2}));
}

TEST(SearchIndex, resultsComeByBookThenAgeAndStopAtTheLimit) {
  cSearchIndex index;
  index.put(chapter(5, "Latein"), "wort");
  index.put(chapter(3, "Englisch"), "wort");
  index.put(chapter(9, "Englisch"), "wort");
  index.put(chapter(1, "Latein"), "wort");
  EXPECT_EQ(ids(index.search("wort", 10)), (std::vector<std::int64_t>{3, 9, 1, 5}));
  EXPECT_EQ(ids(index.search("wort", 2)), (std::vector<std::int64_t>{3, 9}));
}

TEST(SearchIndex, wordIsFoldedBeforeLookup) {
  cSearchIndex index;
  index.put(chapter(1, "B"), foldCase("K\xC4SE"));
  EXPECT_EQ(ids(index.search("k\xE4se", 10)), std::vector<std::int64_t>{1});
  EXPECT_EQ(ids(index.search("K\xC4sE", 10)), std::vector<std::int64_t>{1});
}

}  // namespace
}  // namespace tavrio::server
