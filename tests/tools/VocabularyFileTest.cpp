#include "tools/vocabeditor/VocabularyFile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tavrio::vocabeditor;

namespace {

struct LoadCase {
    const char* name;
    std::string file;
    std::vector<cVocable> list;
};

class VocabularyLoad : public ::testing::TestWithParam<LoadCase> {};

bool same(const cVocable& a, const cVocable& b)
{
    return a.original == b.original && a.translation == b.translation && a.phonetic == b.phonetic
           && a.checked == b.checked;
}

TEST_P(VocabularyLoad, readsTheThreeLineLayout)
{
    const LoadCase& c = GetParam();
    const auto list = ParseVocabulary(c.file);
    ASSERT_EQ(list.size(), c.list.size());
    // The count that decides whether a file is too big agrees with the reader.
    EXPECT_EQ(CountVocabulary(c.file), list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        EXPECT_TRUE(same(list[i], c.list[i])) << i << ": " << list[i].original << "|" << list[i].translation << "|"
                                              << list[i].phonetic << "|" << list[i].checked;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VocabularyLoad,
    ::testing::Values(
        LoadCase{"checkedWithTranscription", "Haus\r\nhouse\r\n1ha\x9Es\r\n", {{"Haus", "house", "ha\x9Es", true}}},
        LoadCase{"otherDigitUnchecked", "a\r\nb\r\n0\r\nc\r\nd\r\n7xy\r\n", {{"a", "b", "", false}, {"c", "d", "xy", false}}},
        LoadCase{"endsAfterOriginal", "a\r\nb\r\n1\r\nc\r\n", {{"a", "b", "", true}, {"c", "Nicht gefunden", "", false}}},
        LoadCase{"endsAfterTranslation", "a\r\nb\r\n", {{"a", "b", "", false}}},
        LoadCase{"emptyThirdLineUnchecked", "a\r\nb\r\n\r\nc\r\nd\r\n1\r\n", {{"a", "b", "", false}, {"c", "d", "", true}}},
        LoadCase{"letterFirstIsUncheckedRestIsTranscription", "a\r\nb\r\nXab\r\n", {{"a", "b", "ab", false}}},
        LoadCase{"loneLineFeeds", "a\nb\n1p\n", {{"a", "b", "p", true}}},
        LoadCase{"emptyFile", "", {}},
        LoadCase{"binaryBytes", std::string("\0\xFF\r\n\x01", 5), {{std::string("\0\xFF", 2), "\x01", "", false}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VocabularyFile, transcriptionIsCutAt255Bytes)
{
    const std::string longOne(300, 'a');
    const auto list = ParseVocabulary("o\r\nt\r\n1" + longOne + "\r\n");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].phonetic, std::string(255, 'a'));
}

TEST(VocabularyFile, checkedEntryWithTranscriptionRoundTripsByteForByte)
{
    const std::string file = "K\xE4se\r\ncheese\r\n1ke\xC9z\xC7\x9E\r\nb\r\nc\r\n0\r\n";
    EXPECT_EQ(FormatVocabulary(ParseVocabulary(file)), file);
}

} // namespace
