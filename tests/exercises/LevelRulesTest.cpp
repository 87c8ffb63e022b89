#include "exercises/level/LevelFile.h"
#include "exercises/level/LevelReader.h"

#include "TempSession.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace tavrio::level;

namespace {

// A level as the editor writes it: start at row 2 column 2, exit at row 2
// column 23, twenty letter fields on rows 4 and 7 from column 3 on.
const std::string kLevel =
    "222222222222222222222222\n"
    "210000000000000000000042\n"
    "200000000000000000000002\n"
    "205555555555000000000002\n"
    "200000000000000000000002\n"
    "200000000000000000000002\n"
    "205555555555000000000002\n"
    "200000000000000000000002\n"
    "200000000300000000000002\n"
    "200000000000000000000002\n"
    "200000000000000000000002\n"
    "200000000000000000000002\n"
    "200000000000000000000002\n"
    "222233333333333333333222\n";

std::string crlf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string fileOf(const std::string& rows, const std::string& name = "Meer") { return crlf(rows + name + "\n"); }

// The first n lines of a text.
std::string firstLines(const std::string& text, int n)
{
    std::size_t end = 0;
    for (int i = 0; i < n; ++i)
        end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

std::string replaceLine(const std::string& text, int line, const std::string& with)
{
    const std::size_t begin = line == 1 ? 0 : firstLines(text, line - 1).size();
    const std::size_t end = text.find('\n', begin);
    return text.substr(0, begin) + with + text.substr(end);
}

// The editor's map as the digit rows of its file, one "\n" after each.
std::string digits(const cLevelMap& map)
{
    std::string rows = formatLevel(map, "");
    rows.resize(rows.size() - 2);
    rows.erase(std::remove(rows.begin(), rows.end(), '\r'), rows.end());
    return rows;
}

const std::string kLetters = "ABCDEFGHIJKLMNOPQRST";

struct ScriptedRandom {
    explicit ScriptedRandom(RandomSource s) { SetRandomSource(std::move(s)); }
    ~ScriptedRandom() { SetRandomSource({}); }
};

} // namespace

TEST(LevelMap, cellsAreNumberedRowByRowFromTheTopLeft)
{
    struct Row {
        int column, row, cell;
    } rows[] = {{1, 1, 1}, {24, 1, 24}, {1, 2, 25}, {9, 2, 33}, {5, 3, 53}, {1, 14, 313}, {24, 14, 336}};
    for (const Row& r : rows) {
        EXPECT_EQ(cellNumber(r.column, r.row), r.cell);
        EXPECT_EQ(columnOf(r.cell), r.column) << r.cell;
        EXPECT_EQ(rowOf(r.cell), r.row) << r.cell;
    }
    cLevelMap map;
    for (int outside : {0, -1, 337})
        map.set(outside, kWall);
    map.set(25, 1, kWall);
    map.set(1, 15, kWall);
    EXPECT_EQ(map, cLevelMap{});
    EXPECT_EQ(map.at(0), 0);
    EXPECT_EQ(map.at(337), 0);
}

TEST(LevelFile, editorFrameIsWallsWithTheBottomRowCells)
{
    std::string expected = "222222222222222222222222\n";
    for (int row = 2; row <= 13; ++row)
        expected += "200000000000000000000002\n";
    expected += "222233333333333333322222\n";
    EXPECT_EQ(editorFrame().text(), expected);
    EXPECT_TRUE(editable(2, 2));
    EXPECT_TRUE(editable(23, 13));
    EXPECT_FALSE(editable(1, 5));
    EXPECT_FALSE(editable(24, 5));
    EXPECT_FALSE(editable(5, 1));
    EXPECT_FALSE(editable(5, 14));
}

TEST(LevelFile, saveCheckWantsOneStartOneExitAndTwentyLetterFields)
{
    const cLevelMap good = cLevelMap::fromText(kLevel);
    struct Row {
        const char* name;
        int cell;
        int code;
        bool saveable;
    } rows[] = {
        {"twenty letter fields", 0, 0, true},
        {"nineteen", cellNumber(3, 4), kEmpty, false},
        {"twenty-one", cellNumber(3, 5), kLetterField, false},
        {"second start", cellNumber(3, 5), kStart, false},
        {"no start", cellNumber(2, 2), kEmpty, false},
        {"second exit", cellNumber(3, 5), kExit, false},
        {"no exit", cellNumber(23, 2), kEmpty, false},
    };
    for (const Row& r : rows) {
        cLevelMap map = good;
        map.set(r.cell, r.code);
        EXPECT_EQ(saveable(map), r.saveable) << r.name;
    }
}

TEST(LevelFile, saveNameWithoutAnyDotGetsLvl)
{
    struct Row {
        const char* chosen;
        const char* written;
    } rows[] = {
        {"Meer", "Meer.lvl"},
        {"/home/pupil/Meer", "/home/pupil/Meer.lvl"},
        {"Meer.lvl", "Meer.lvl"},
        {"Meer.txt", "Meer.txt"},
        {"/home/p.k/Meer", "/home/p.k/Meer"},
        {"Meer.", "Meer."},
        {"", ".lvl"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(levelFileName(r.chosen), r.written) << r.chosen;
}

TEST(LevelFile, writtenLevelLoadsBackIntoTheEditor)
{
    const cLevelMap map = cLevelMap::fromText(kLevel);
    const std::string bytes = formatLevel(map, "Meer");
    EXPECT_EQ(bytes, fileOf(kLevel, "Meer"));

    cLevelMap loaded = editorFrame();
    const cEditorLoad load = loadEditorLevel(bytes, loaded);
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(load.stoppedAt, 0);
    EXPECT_TRUE(load.nameRead);
    EXPECT_EQ(load.name, "Meer");
    EXPECT_EQ(loaded, map);

    // An empty name is a line of its own; a line break in the name is a blank.
    EXPECT_EQ(formatLevel(map, "").substr(14 * 26), "\r\n");
    EXPECT_TRUE(loadEditorLevel(formatLevel(map, ""), loaded).ok);
    EXPECT_EQ(formatLevel(map, "a\r\nb").substr(14 * 26), "a  b\r\n");
}

TEST(LevelFile, editorLoaderStopsAtTheFirstFaultyRow)
{
    const std::string full = fileOf(kLevel);
    const std::string nines = std::string(24, '9');
    struct Row {
        const char* name;
        std::string bytes;
        int stoppedAt;
        // The map after loading onto a map full of 4s.
        std::string rows;
    } rows[] = {
        {"ten lines", crlf(firstLines(kLevel, 10)), 11,
         firstLines(kLevel, 10) + "200000000000000000000002\n" + "444444444444444444444444\n"
             + "444444444444444444444444\n" + "444444444444444444444444\n"},
        {"no name line", crlf(kLevel), 15, kLevel},
        {"empty file", "", 1, "222222222222222222222222\n"},
        {"23 characters", crlf(replaceLine(kLevel, 5, "20000000000000000000000")), 5,
         firstLines(kLevel, 4) + "200000000000000000000002\n"},
        {"foreign character", crlf(replaceLine(kLevel, 3, "200000000x00000000000002")), 3,
         firstLines(kLevel, 2) + "200000000000000000000002\n"},
        {"binary", std::string("\x00\xff\x01\x80", 4), 1, "222222222222222222222222\n"},
    };
    for (Row& r : rows) {
        cLevelMap map;
        map.fill(kExit);
        const cEditorLoad load = loadEditorLevel(r.bytes, map);
        EXPECT_FALSE(load.ok) << r.name;
        EXPECT_EQ(load.stoppedAt, r.stoppedAt) << r.name;
        EXPECT_FALSE(load.nameRead) << r.name;
        // Rows after the faulty one keep the 4s.
        std::string expected = r.rows;
        while (expected.size() < 14 * 25)
            expected += std::string(24, '4') + "\n";
        EXPECT_EQ(digits(map), expected) << r.name;
    }

    // A 25-character row is cut; digits 6 .. 9 are taken as they are.
    cLevelMap map;
    const cEditorLoad load = loadEditorLevel(fileOf(replaceLine(kLevel, 6, nines + "5")), map);
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(map.at(1, 6), 9);
    EXPECT_EQ(map.at(24, 6), 9);
}

TEST(LevelReader, hilfPapaPutsTheLettersIntoTheFieldsInReadingOrder)
{
    const cLevelRound round = readLevelBytes(fileOf(kLevel, "Meer"), kLetters, Game::HilfPapa);
    EXPECT_TRUE(round.fromFile);
    EXPECT_TRUE(round.messages.empty());
    EXPECT_EQ(round.levelName, "Meer");
    EXPECT_EQ(round.playerPos, cellNumber(2, 2));
    EXPECT_EQ(round.exitPos, cellNumber(23, 2));
    std::string expected = replaceLine(kLevel, 4, "20ABCDEFGHIJ000000000002");
    expected = replaceLine(expected, 7, "20KLMNOPQRST000000000002");
    EXPECT_EQ(round.map.text(), expected);
}

TEST(LevelReader, seenotStartsWithEmptyLetterFieldsAndAReefFrame)
{
    const cLevelRound round = readLevelBytes(fileOf(kLevel, "Meer"), kLetters, Game::Seenot);
    EXPECT_TRUE(round.fromFile);
    EXPECT_EQ(round.levelName, "Meer");
    std::string expected = replaceLine(kLevel, 4, "200000000000000000000002");
    expected = replaceLine(expected, 7, "200000000000000000000002");
    expected = replaceLine(expected, 14, "222222222222222222222222");
    EXPECT_EQ(round.map.text(), expected);
    EXPECT_EQ(round.map.at(cellNumber(10, 9)), kBottom); // a whirlpool inside stays
}

TEST(LevelReader, faultyLevelsFallBackToTheStandardOnTopOfTheRowsRead)
{
    const std::string zeros = "000000000000000000000000\n";
    // The standard level written over an empty map ("Hilf Papa!").
    const std::string standard = "200000000000000000000000\n"
                                 "000000001000000000000000\n"
                                 "000040000000000000000000\n"
                                 + zeros + zeros + zeros + zeros + zeros
                                 + "00CDEFGHIJAB000000000000\n" + zeros + zeros
                                 + "00MNOPQRSTKL000000000000\n" + zeros
                                 + "000003333333333300000002\n";
    // Rows 1 .. 5 of the file read, the standard level over them.
    const std::string fiveRows = "222222222222222222222222\n"
                                 "210000001000000000000042\n"
                                 "200040000000000000000002\n"
                                 "20ABCDEFGHIJ000000000002\n"
                                 "200000000000000000000002\n"
                                 + zeros + zeros + zeros
                                 + "00CDEFGHIJAB000000000000\n" + zeros + zeros
                                 + "00MNOPQRSTKL000000000000\n" + zeros
                                 + "000003333333333300000002\n";
    const std::string tenRows = "222222222222222222222222\n"
                                "210000001000000000000042\n"
                                "200040000000000000000002\n"
                                "20ABCDEFGHIJ000000000002\n"
                                "200000000000000000000002\n"
                                "200000000000000000000002\n"
                                "20KLMNOPQRST000000000002\n"
                                "200000000000000000000002\n"
                                "20CDEFGHIJAB000000000002\n"
                                "200000000000000000000002\n"
                                + zeros
                                + "00MNOPQRSTKL000000000000\n" + zeros
                                + "000003333333333300000002\n";
    struct Row {
        const char* name;
        std::string bytes;
        std::string map;
    } rows[] = {
        {"23-character row 6", fileOf(replaceLine(kLevel, 6, "20000000000000000000000")), fiveRows},
        {"25-character row 6", fileOf(replaceLine(kLevel, 6, "2000000000000000000000002")), fiveRows},
        {"foreign character in row 6", fileOf(replaceLine(kLevel, 6, "x00000000000000000000002")), fiveRows},
        {"ten lines", crlf(firstLines(kLevel, 10)), tenRows},
        {"no name line", crlf(kLevel), ""},
        {"empty", "", standard},
        {"binary", std::string("\x00\xff\x0d\x0a\x80", 5), standard},
        {"no start", fileOf(replaceLine(kLevel, 2, "200000000000000000000042")), ""},
        {"no exit", fileOf(replaceLine(kLevel, 2, "210000000000000000000002")), ""},
    };
    for (const Row& r : rows) {
        const cLevelRound round = readLevelBytes(r.bytes, kLetters, Game::HilfPapa);
        EXPECT_FALSE(round.fromFile) << r.name;
        ASSERT_EQ(round.messages.size(), 1u) << r.name;
        EXPECT_EQ(round.messages[0], "Level-Datei ist fehlerhaft oder nicht vorhanden.\rLade Standard!");
        EXPECT_EQ(round.levelName, "Standard") << r.name;
        EXPECT_EQ(round.playerPos, 33) << r.name;
        EXPECT_EQ(round.exitPos, 53) << r.name;
        EXPECT_EQ(round.map.at(33), kStart) << r.name;
        EXPECT_EQ(round.map.at(53), kExit) << r.name;
        if (!r.map.empty()) {
            EXPECT_EQ(round.map.text(), r.map) << r.name;
        }
    }
}

TEST(LevelReader, seenotFallBackGetsTheReefFrameToo)
{
    const cLevelRound round = readLevelBytes("", kLetters, Game::Seenot);
    const std::string inner = "200000000000000000000002\n";
    EXPECT_EQ(round.map.text(), "222222222222222222222222\n"
                                "200000001000000000000002\n"
                                "200040000000000000000002\n"
                                + inner + inner + inner + inner + inner
                                + "20CDEFGHIJAB000000000002\n" + inner + inner
                                + "20MNOPQRSTKL000000000002\n" + inner
                                + "222222222222222222222222\n");
    // A start or exit on the frame would turn to reef.
    const std::string startOnFrame =
        replaceLine(replaceLine(kLevel, 1, "122222222222222222222222"), 2, "200000000000000000000042");
    const cLevelRound onFrame = readLevelBytes(fileOf(startOnFrame), kLetters, Game::Seenot);
    EXPECT_FALSE(onFrame.fromFile);
    EXPECT_EQ(onFrame.playerPos, 33);
    EXPECT_EQ(onFrame.map.at(33), kStart);
    // The same file is fine in "Hilf Papa!", which keeps the file's frame.
    EXPECT_TRUE(readLevelBytes(fileOf(startOnFrame), kLetters, Game::HilfPapa).fromFile);
}

TEST(LevelReader, missingFileSaysSoBeforeTheFallback)
{
    tavrio::test::cTempSession dir(tavrio::test::cWordPairs{{"Haus", "house"}});
    const cLevelRound round = readLevel("Fehlt.lvl", kLetters, Game::HilfPapa);
    ASSERT_EQ(round.messages.size(), 2u);
    EXPECT_EQ(round.messages[0], "Nicht DA Fehlt.lvl");
    EXPECT_EQ(round.messages[1], kFaultyLevelMessage);
    EXPECT_EQ(round.levelName, "Standard");

    tavrio::test::cTempSession::writeFile("Meer.lvl", fileOf(kLevel, "Meer"));
    const cLevelRound read = readLevel("Meer.lvl", kLetters, Game::HilfPapa);
    EXPECT_TRUE(read.messages.empty());
    EXPECT_EQ(read.levelName, "Meer");

    // A good level with a huge tail is not read at all.
    tavrio::test::cTempSession::writeFile("Riesig.lvl", fileOf(kLevel, "Meer") + std::string(70000, '\n'));
    const cLevelRound huge = readLevel("Riesig.lvl", kLetters, Game::HilfPapa);
    EXPECT_FALSE(huge.fromFile);
    EXPECT_EQ(huge.messages, std::vector<std::string>{kFaultyLevelMessage});
}

TEST(LevelReader, letterSetTakesTheTranslationsLettersFillsAndShuffles)
{
    struct Row {
        const char* name;
        const char* translation;
        int draw; // every Random(n) returns this, kept within 0 .. n-1
        const char* letters;
    } rows[] = {
        {"in order, filled with A", "Haus", 0, "HAUSAAAAAAAAAAAAAAAA"},
        {"reversed, filled with Z", "Haus", 99, "ZZZZZZZZZZZZZZZZSUAH"},
        {"only a-z upper-cased", "\xd6l-tank 2x", 0, "LTANKXAAAAAAAAAAAAAA"},
        {"only the first 20 characters", "Donaudampfschifffahrtsgesellschaft", 0, "DONAUDAMPFSCHIFFFAHR"},
        {"letters past 20 characters are dropped", "a b c d e f g h i j k", 0, "ABCDEFGHIJAAAAAAAAAA"},
        {"empty", "", 0, "AAAAAAAAAAAAAAAAAAAA"},
    };
    for (const Row& r : rows) {
        const int draw = r.draw;
        ScriptedRandom scripted([draw](int) { return draw; });
        EXPECT_EQ(letterSet(r.translation), r.letters) << r.name;
    }
}

TEST(LevelReader, hilfPapaFieldsHoldTheTranslationsLettersPlusFillers)
{
    // With the real generator: every letter of "Regenschirm" lies in some
    // field, twenty letters in all; "Seenot!" leaves the same fields empty.
    const std::string file = formatLevel(cLevelMap::fromText(kLevel), "Meer");
    for (int round = 0; round < 5; ++round) {
        const std::string letters = letterSet("Regenschirm");
        ASSERT_EQ(letters.size(), 20u);
        const cLevelRound papa = readLevelBytes(file, letters, Game::HilfPapa);
        std::string onMap;
        for (int cell = 1; cell <= kCells; ++cell)
            if (isLetter(papa.map.at(cell)))
                onMap += letterOf(papa.map.at(cell));
        EXPECT_EQ(onMap, letters);
        std::string rest = onMap;
        for (char c : std::string("REGENSCHIRM")) {
            const auto at = rest.find(c);
            ASSERT_NE(at, std::string::npos) << c << " in " << onMap;
            rest.erase(at, 1);
        }
        const cLevelRound sea = readLevelBytes(file, letters, Game::Seenot);
        EXPECT_EQ(sea.map.count(kEmpty), papa.map.count(kEmpty) + 20);
    }
}
