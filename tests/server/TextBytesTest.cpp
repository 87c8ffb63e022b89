#include "server/TextBytes.h"

#include <gtest/gtest.h>

#include "server/ListText.h"

namespace tavrio::server {
namespace {

TEST(TextBytes, percentDecodingGivesTheRawBytes) {
  struct Row { const char* name; std::string in; bool plusIsBlank; std::string out; };
  const Row rows[] = {
      {"blank", "Unit%201", true, "Unit 1"},
      {"highByteStaysOneByte", "K%E4se", true, "K\xE4se"},
      {"lowerHexDigits", "%fc%FC", true, "\xFC\xFC"},
      {"plusInQueryIsBlank", "a+b", true, "a b"},
      {"plusInPathStaysPlus", "a+b", false, "a+b"},
      {"encodedPlusIsPlus", "a%2Bb", true, "a+b"},
      {"encodedPercent", "100%25", true, "100%"},
      {"nulByte", "a%00b", true, std::string("a\0b", 3)},
      {"loneTrailingPercent", "50%", true, "50%"},
      {"percentWithOneDigit", "%4", true, "%4"},
      {"percentWithNonHex", "%GZ", true, "%GZ"},
      {"slashStaysData", "..%2F..%2Fetc", false, "../../etc"},
  };
  for (const auto& r : rows) EXPECT_EQ(percentDecode(r.in, r.plusIsBlank), r.out) << r.name;
}

TEST(TextBytes, foldingIgnoresCaseOfLettersOnly) {
  struct Row { const char* name; std::string in; std::string out; };
  const Row rows[] = {
      {"ascii", "UnIT 1", "unit 1"},
      {"umlauts", "\xC4\xD6\xDC", "\xE4\xF6\xFC"},
      {"sharpSStays", "\xDF", "\xDF"},
      {"multiplicationSignStays", "\xD7", "\xD7"},
      {"caronLetters", "\x8A\x8E", "\x9A\x9E"},
      {"yDiaeresis", "\x9F", "\xFF"},
      {"digitsAndPunctuation", "1-2_3!", "1-2_3!"},
      {"lowercaseUnchanged", "\xE4x", "\xE4x"},
  };
  for (const auto& r : rows) EXPECT_EQ(foldCase(r.in), r.out) << r.name;
}

TEST(TextBytes, utf8SourceTextBecomesWindows1252) {
  EXPECT_EQ(utf8ToCp1252("Gr\xC3\xB6\xC3\x9F" "e"), "Gr\xF6\xDF" "e");   // Größe
  EXPECT_EQ(utf8ToCp1252("s\xC5\x93ur"), "s\x9Cur");                    // sœur
  EXPECT_EQ(utf8ToCp1252("\xE2\x82\xAC"), "\x80");                      // €
  EXPECT_EQ(utf8ToCp1252("\xE4\xB8\xAD"), "?");                         // no cp1252 form
  EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");                               // cut short
}

TEST(TextBytes, logLinesKeepOnlyPrintableAscii) {
  struct Row { const char* name; std::string in; std::string out; };
  const Row rows[] = {
      {"plainTargetUnchanged", "/q.php?WONACH=Unit%201", "/q.php?WONACH=Unit%201"},
      {"terminalEscape", "/x\x1B[31m", "/x%1B[31m"},
      {"lineBreaks", "a\r\nb", "a%0D%0Ab"},
      {"deleteAndEightBitControl", "\x7F\x9B", "%7F%9B"},
      {"nul", std::string("a\0b", 3), "a%00b"},
  };
  for (const auto& r : rows) EXPECT_EQ(logSafe(r.in), r.out) << r.name;
}

TEST(TextBytes, strictIntegers) {
  struct Row { const char* in; bool ok; int value; };
  const Row rows[] = {{"2", true, 2},      {"-1", true, -1},   {"+3", true, 3},
                      {"", false, 0},      {"2a", false, 0},   {" 2", false, 0},
                      {"99999999999", false, 0}, {"+", false, 0}};
  for (const auto& r : rows) {
    int v = 0;
    EXPECT_EQ(parseInt(r.in, v), r.ok) << r.in;
    if (r.ok) {
      EXPECT_EQ(v, r.value) << r.in;
    }
  }
}

TEST(ListText, pairsAreCountedPerFourLines) {
  struct Row { const char* name; std::string content; int pairs; };
  const Row rows[] = {
      {"empty", "", 0},
      {"twoFullEntries", "a\r\nb\r\n1\r\n\r\nc\r\nd\r\n1\r\n\r\n", 2},
      {"lastEntryCutShort", "a\r\nb\r\n1\r\n\r\nc\r\nd\r\n", 2},
      {"loneLineFeeds", "a\nb\n1\nx\n", 1},
      {"noFinalLineEnd", "a\r\nb\r\n1\r\nx", 1},
  };
  for (const auto& r : rows) EXPECT_EQ(countPairs(r.content), r.pairs) << r.name;
}

TEST(ListText, searchWordsAreOriginalsAndTranslationsOnly) {
  EXPECT_EQ(listWords("dog\r\nHund\r\n1\r\nd\xC9g\r\ncat\r\nKatze\r\n0\r\n\r\n"),
            "dog\nHund\ncat\nKatze\n");
}

}  // namespace
}  // namespace tavrio::server
