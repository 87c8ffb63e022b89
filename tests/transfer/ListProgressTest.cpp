#include "transfer/ListProgress.h"

#include "../exercises/TempSession.h"

#include <gtest/gtest.h>

using namespace tavrio::transfer;

TEST(ListProgress, marksCountedByTheDifficultyOfTheOriginalAsked)
{
    tavrio::test::cTempSession temp(tavrio::test::cWordPairs{{"house", "Haus"}, {"owl", "Eule"}});
    cSession& s = *temp.session;
    s.SetScore("house", "Haus", 90);  // Leicht
    s.SetScore("tree", "Baum", 60);   // Mittel
    s.SetScore("Baum", "tree", 95);   // the other direction does not count
    s.SetScore("dog", "Hund", 40);    // Mittel: 40 is the lowest medium score
    s.IstDasRichtig("owl", "Eule", "Eule");  // one right answer in an exercise: 45, Mittel
    const std::vector<cListEntry> list = {
        {"house", "Haus", "1", ""}, {"tree", "Baum", "1", ""}, {"dog", "Hund", "1", ""}, {"owl", "Eule", "1", ""},
        {"cat", "Katze", "1", ""},   // never practised: 20, Schwer
        {"bird", "Vogel", "0", ""},  // not marked
        {"fish", "Fisch", "", ""},   // not marked either
    };
    const cListProgress p = ProgressOf(s, FormatList4(list));
    EXPECT_EQ(p.easy, 1);
    EXPECT_EQ(p.medium, 3);
    EXPECT_EQ(p.hard, 1);
}
