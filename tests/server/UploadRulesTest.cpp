#include "server/UploadRules.h"

#include <gtest/gtest.h>

namespace tavrio::server {
namespace {

TEST(UploadRules, onlyPlainFileNamesAreSafe) {
  struct Row { const char* name; std::string file; bool safe; };
  const Row rows[] = {
      {"bookAndChapter", "Englisch 5 - Unit 1.vok", true},
      {"umlautsAndCedilla", "Franz\xF6sisch 6 - Le\xE7on 1.vok", true},
      {"singleDotsInside", "a.b.vok", true},
      {"empty", "", false},
      {"parentDirectory", "../x.vok", false},
      {"doubleDotInside", "a..b.vok", false},
      {"slash", "a/b.vok", false},
      {"backslash", "a\\b.vok", false},
      {"drivePrefix", "C:x.vok", false},
      {"hiddenFile", ".vok", false},
      {"leadingBlank", " x.vok", false},
      {"lineBreak", "a\r\nb.vok", false},
      {"nul", std::string("a\0b.vok", 7), false},
      {"tab", "a\tb.vok", false},
      {"delete", "a\x7F.vok", false},
      {"tagOpen", "<b>.vok", false},
      {"quote", "a\".vok", false},
      {"wildcard", "a*.vok", false},
      {"pipe", "a|b.vok", false},
      {"longest", std::string(kMaxNameLength - 4, 'a') + ".vok", true},
      {"tooLong", std::string(kMaxNameLength - 3, 'a') + ".vok", false},
  };
  for (const auto& r : rows) EXPECT_EQ(isSafeFileName(r.file), r.safe) << r.name;
}

TEST(UploadRules, namesSplitIntoBookAndChapter) {
  struct Row { const char* file; bool ok; const char* book; const char* chapter; };
  const Row rows[] = {
      {"Englisch 5 - Unit 1.vok", true, "Englisch 5", "Unit 1"},
      {"A - B - C.vok", true, "A", "B - C"},
      {"Meine Liste.vok", true, "Eigene Listen", "Meine Liste"},
      {"A-B.vok", true, "Eigene Listen", "A-B"},
      {" - B.vok", false, "", ""},
      {"A - .vok", false, "", ""},
      {"A - B.VOK", false, "", ""},
      {".vok", false, "", ""},
  };
  for (const auto& r : rows) {
    cListName n;
    EXPECT_EQ(splitListName(r.file, n), r.ok) << r.file;
    if (!r.ok) continue;
    EXPECT_EQ(n.book, r.book) << r.file;
    EXPECT_EQ(n.chapter, r.chapter) << r.file;
    EXPECT_EQ(n.fileName(), std::string(n.book) + " - " + r.chapter + ".vok") << r.file;
  }
}

}  // namespace
}  // namespace tavrio::server
