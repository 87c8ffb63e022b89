#include "exercises/singlequery/Grade.h"
#include "exercises/singlequery/ThreeLineList.h"

#include <gtest/gtest.h>

using namespace tavrio::singlequery;

TEST(Grade, phraseFollowsTheErrorRatioInTenths)
{
    struct Row {
        int answered, wrong;
        const char* text;
    } rows[] = {
        {0, 0, "Fang erstmal an, 0 falsch von 0 !"},
        {10, 3, "Ausreichend, 3 falsch von 10 !"},
        {3, 1, "Ausreichend, 1 falsch von 3 !"},
        {10, 10, "Sehr miserabel, schon 10 falsch von 10 !"},
        {5, 0, "Pefekt, 0 falsch von 5 !"},
        {10, 2, "Gut, 2 falsch von 10 !"},
        {10, 4, "Fast ausreichend,4 falsch von 10 !"},
        {10, 9, "Miserabel, schon 9 falsch von 10 !"},
        {10, 8, "Eine Misere, schon 8 falsch von 10 !"},
        {10, 7, "Knapp eine Misere entgangen, 7 falsch von 10 !"},
        {10, 6, "Sehr schlecht, 6 falsch von 10 !"},
        {10, 5, "Schlecht, 5 falsch von 10 !"},
        {10, 1, "Sehr gut, 1 falsch von 10 !"},
        {11, 1, "Super gut, 1 falsch von 11 !"},
        {19, 2, "Sehr gut, 2 falsch von 19 !"},
        {0, 3, "Fang erstmal an, 3 falsch von 0 !"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(gradeText(r.answered, r.wrong), r.text);
}

namespace {
std::string list(std::initializer_list<const char*> lines)
{
    std::string s;
    for (const char* l : lines)
        s += std::string(l) + "\r\n";
    return s;
}
} // namespace

TEST(ThreeLineList, checkStopsAtTheFirstSelectedEntry)
{
    struct Row {
        const char* name;
        std::string bytes;
        ListCheck check;
        int selected;
    } rows[] = {
        {"one selected", list({"Haus", "house", "1"}), ListCheck::Usable, 1},
        {"flag with phonetic", list({"Haus", "house", "1haus"}), ListCheck::Usable, 1},
        {"flag 10", list({"Haus", "house", "10"}), ListCheck::Usable, 1},
        {"flag 01 is not selected", list({"Haus", "house", "01"}), ListCheck::NothingSelected, 0},
        {"nothing selected", list({"a", "b", "0", "c", "d", "2"}), ListCheck::NothingSelected, 0},
        {"letter flag first", list({"a", "b", "x", "c", "d", "1"}), ListCheck::BadFormat, 1},
        {"empty flag first", list({"a", "b", "", "c", "d", "1"}), ListCheck::BadFormat, 1},
        {"bad flag after selected", list({"a", "b", "1", "c", "d", "x"}), ListCheck::Usable, 1},
        {"truncated record", list({"a", "b"}), ListCheck::BadFormat, 0},
        {"empty file", std::string(), ListCheck::NothingSelected, 0},
        {"empty entries, line feeds only", "\n\n1\n\n\n1\n\n\n0", ListCheck::Usable, 2},
        {"last record only", list({"a", "b", "0", "c", "d", "0", "e", "f", "1"}), ListCheck::Usable, 1},
    };
    for (const Row& r : rows) {
        const cThreeLineList l = cThreeLineList::parse(r.bytes);
        EXPECT_EQ(l.check(), r.check) << r.name;
        EXPECT_EQ(l.countSelected(), r.selected) << r.name;
    }
}

TEST(ThreeLineList, selectedEntriesAreCountedInFileOrder)
{
    const cThreeLineList l =
        cThreeLineList::parse(list({"a", "A", "1", "b", "B", "0", "c", "C", "1x", "d", "D", "?", "e", "E", "1"}));
    ASSERT_EQ(l.countSelected(), 3);
    EXPECT_EQ(l.selected(1)->translation, "A");
    EXPECT_EQ(l.selected(2)->original, "c");
    EXPECT_EQ(l.selected(3)->original, "e");
    EXPECT_FALSE(l.selected(0));
    EXPECT_FALSE(l.selected(4));
    EXPECT_FALSE(cThreeLineList::read("does-not-exist.vok"));
}
