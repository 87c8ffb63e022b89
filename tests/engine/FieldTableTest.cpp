// The compact row store behind the session's entries and the list editor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/FieldTable.h"

namespace {

std::vector<std::string> Row(const cFieldTable& t, std::size_t r)
{
    return {std::string(t.field(r, 0)), std::string(t.field(r, 1)), std::string(t.field(r, 2))};
}

TEST(FieldTable, KeepsFieldsOfEveryLengthThroughEditsAndErasure)
{
    // Lengths around the one-, two- and three-byte length codes.
    const std::vector<std::vector<std::string>> rows = {
        {"", "", ""},
        {"Haus", "house", "ha\xD8s"},
        {std::string(127, 'a'), std::string(128, 'b'), ""},
        {std::string(16383, 'c'), "", std::string(16384, 'd')},
        {"", "x", ""},
    };
    cFieldTable t(3);
    for (const auto& r : rows)
        t.push_back({r[0], r[1], r[2]});
    ASSERT_EQ(t.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        EXPECT_EQ(Row(t, r), rows[r]) << "row " << r;

    // A field set from another row's field of the same table, which may move
    // while the row is written anew.
    t.set(0, 1, t.field(3, 2));
    t.set(1, 0, "Hof");
    t.erase(2);
    EXPECT_EQ(Row(t, 0), (std::vector<std::string>{"", std::string(16384, 'd'), ""}));
    EXPECT_EQ(Row(t, 1), (std::vector<std::string>{"Hof", "house", "ha\xD8s"}));
    EXPECT_EQ(Row(t, 2), rows[3]);
    EXPECT_EQ(Row(t, 3), rows[4]);
    EXPECT_EQ(cFieldTable::RowBytes({"", std::string(128, 'b'), "ab"}), 1 + 2 + 1 + 128 + 2);
}

} // namespace
