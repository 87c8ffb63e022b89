#include "exchange/XmlParser.h"
#include "exchange/WebInterface.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace {

using Table = std::vector<std::pair<std::string, std::string>>;

struct ParseCase {
    const char* name;
    std::string text;
    Table expected; // keys and values in table order
};

Table tableOf(const cXMLparser& p)
{
    Table t;
    for (std::size_t i = 0; i < p.Keys().size(); ++i)
        t.emplace_back(p.Keys()[i], p.Values()[i]);
    return t;
}

class ParseTable : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, yieldsKeysAndValuesInDocumentOrder)
{
    cXMLparser p;
    p.Parse(GetParam().text);
    EXPECT_EQ(tableOf(p), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ParseTable,
    testing::Values(
        ParseCase{"emptyText", "", {}},
        ParseCase{"textWithoutTags", "just words > and more", {}},
        ParseCase{"booksAnswer",
                  "<titel>BUECHER</titel><buch><id>3</id><titel>Band 1</titel></buch>"
                  "<buch><id>7</id><titel>Band 2</titel></buch>",
                  {{".titel", "BUECHER"}, {".buch.id", "3"}, {".buch.titel", "Band 1"},
                   {".buch[1].id", "7"}, {".buch[1].titel", "Band 2"}}},
        ParseCase{"threeRecordsIndexedFromSecond",
                  "<eintrag><inhalt>a</inhalt><zeitpunkt>1</zeitpunkt></eintrag>"
                  "<eintrag><inhalt>b</inhalt><zeitpunkt>2</zeitpunkt></eintrag>"
                  "<eintrag><inhalt>c</inhalt><zeitpunkt>3</zeitpunkt></eintrag>",
                  {{".eintrag.inhalt", "a"}, {".eintrag.zeitpunkt", "1"}, {".eintrag[1].inhalt", "b"},
                   {".eintrag[1].zeitpunkt", "2"}, {".eintrag[2].inhalt", "c"}, {".eintrag[2].zeitpunkt", "3"}}},
        ParseCase{"repeatedTopLevelLeaves", "<a>1</a><a>2</a><a>3</a>", {{".a", "1"}, {".a[1]", "2"}, {".a[2]", "3"}}},
        ParseCase{"httpHeadersAheadAreIgnored",
                  "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n"
                  "<upload><result>successful</result><filename>x.vok</filename></upload>",
                  {{".upload.result", "successful"}, {".upload.filename", "x.vok"}}},
        ParseCase{"textBetweenSiblingsAndBeforeFirstChildIgnored",
                  "vorher<buch>lost<id>1</id>between<titel>T</titel>after</buch>trailing",
                  {{".buch.id", "1"}, {".buch.titel", "T"}}},
        ParseCase{"leafContentVerbatim", "<a>  x\r\ny &amp; </a>", {{".a", "  x\r\ny &amp; "}}},
        ParseCase{"leafClosingTagNotChecked", "<a>1</b><c>2</c>", {{".a", "1"}, {".c", "2"}}},
        ParseCase{"emptyElementIsEmptyLeaf", "<x></x><y>1</y>", {{".x", ""}, {".y", "1"}}},
        ParseCase{"bareLessThanMakesParentAndLosesText", "<a>1 < 2</a><b>x</b>", {{".b", "x"}}},
        ParseCase{"textAheadOfChildLost", "<a>text<b>k</b></a>", {{".a.b", "k"}}},
        ParseCase{"missingParentClosingStillConsumesInput", "<a><b>1</b>", {{"./b", ""}}},
        ParseCase{"leafWithoutAnyClosingIsEmpty", "<a>dangling", {{".a", ""}}},
        ParseCase{"unterminatedTagEndsParse", "<a>1</a><b", {{".a", "1"}}},
        ParseCase{"childIndexesCountPerParent",
                  "<k><w>1</w><w>2</w></k><k><w>3</w></k>",
                  {{".k.w", "1"}, {".k.w[1]", "2"}, {".k[1].w", "3"}}},
        ParseCase{"eightBitBytesKept", "<t>M\xFC" "de</t>", {{".t", "M\xFC" "de"}}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(XmlParser, lookupsOnMissingKeys)
{
    cXMLparser p;
    p.Parse("");
    EXPECT_EQ(p.GetValue(".titel"), "(.titel) EXISTIERT NICHT");
    EXPECT_EQ(p.CountOf(".buch"), 0);
    EXPECT_EQ(p.GetInt(".buch.id"), 0);

    p.Parse("<titel>x</titel>");
    EXPECT_EQ(p.GetValue(".Titel"), "(.Titel) EXISTIERT NICHT") << "keys are case-sensitive";
    EXPECT_EQ(p.GetValue(".updateurl"), "(.updateurl) EXISTIERT NICHT");
}

TEST(XmlParser, secondParseDiscardsFirst)
{
    cXMLparser p;
    p.Parse("<buch><id>1</id></buch><buch><id>2</id></buch>");
    p.Parse("<titel>KAPITEL</titel>");
    EXPECT_EQ(tableOf(p), (Table{{".titel", "KAPITEL"}}));
    EXPECT_EQ(p.CountOf(".buch"), 0);
    EXPECT_EQ(p.GetValue(".buch.id"), "(.buch.id) EXISTIERT NICHT");
}

TEST(XmlParser, countAndExistenceFollowDottedPrefixes)
{
    cXMLparser p;
    p.Parse("<buch><id>1</id></buch><buch><id>2</id></buch><buchid>9</buchid><kapitel>x</kapitel>");
    EXPECT_EQ(p.CountOf(".buch"), 2);
    EXPECT_TRUE(p.KeyExists(".buch", 1));
    EXPECT_FALSE(p.KeyExists(".buch", 2));
    EXPECT_FALSE(p.KeyExists(".buc", 0)) << "a prefix must end at a dot";
    EXPECT_EQ(p.CountOf(".buchid"), 1);
    EXPECT_EQ(p.CountOf(".kapitel"), 1) << "a leaf counts as a record";

    p.Parse("<buch><id>1</id></buch>");
    EXPECT_FALSE(p.KeyExists(".buch.i", 0));
    p.Parse("<buchid>1</buchid>");
    EXPECT_EQ(p.CountOf(".buch"), 0) << "\".buchid\" does not make \".buch\" exist";
}

TEST(XmlParser, getIntConversions)
{
    struct Row { const char* value; int expected; };
    const Row rows[] = {{"42", 42}, {"-7", -7}, {"+5", 5}, {" 12", 12}, {"abc", 0}, {"", 0},
                        {"12abc", 0}, {"2147483647", 2147483647}, {"2147483648", 0}, {"-2147483648", -2147483647 - 1}};
    cXMLparser p;
    for (const Row& r : rows) {
        p.Parse(std::string("<buch><id>") + r.value + "</id></buch>");
        EXPECT_EQ(p.GetInt(".buch.id"), r.expected) << "value \"" << r.value << "\"";
    }
}

TEST(XmlParser, deepNestingIsBoundedAndManySiblingsStayFast)
{
    std::string deep;
    for (int i = 0; i < 5000; ++i)
        deep += "<a" + std::to_string(i) + ">";
    deep += "<b>x</b>";
    for (int i = 4999; i >= 0; --i)
        deep += "</a" + std::to_string(i) + ">";
    cXMLparser p;
    p.Parse(deep);
    EXPECT_TRUE(p.Keys().empty()) << "elements below the depth limit are skipped";

    std::string many = "<titel>SUCHE</titel>";
    for (int i = 0; i < 3000; ++i)
        many += "<kapitel><id>" + std::to_string(i) + "</id></kapitel>";
    p.Parse(many);
    EXPECT_EQ(p.CountOf(".kapitel"), 3000);
    EXPECT_EQ(p.GetInt(".kapitel[2999].id"), 2999);
}

// Tags that never close made every element scan the rest of the text: a
// hostile answer of a few hundred kilobytes took minutes. Real answers of
// the largest size still parse whole.
TEST(XmlParser, hostileAnswersParseInBoundedTime)
{
    struct Row { const char* name; std::string unit; };
    const Row rows[] = {{"openTagsOnly", "<a>"}, {"wrongClosings", "<a>x</b>"},
                        {"unclosedParents", "<k><a>1</a>"}, {"distinctNames", "<"}};
    for (const Row& r : rows) {
        std::string text;
        for (int i = 0; text.size() < 400000; ++i)
            text += r.unit == "<" ? "<" + std::to_string(i) + ">" : r.unit;
        const auto t0 = std::chrono::steady_clock::now();
        cXMLparser p;
        p.Parse(text);
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2)) << r.name;
    }

    std::string chapters = "<titel>KAPITEL</titel>";
    int n = 0;
    for (; chapters.size() < cWebinterface::MaxAnswerSize - 100; ++n)
        chapters += "<kapitel><id>" + std::to_string(n) + "</id><titel>Unit " + std::to_string(n) + "</titel></kapitel>";
    cXMLparser p;
    p.Parse(chapters);
    EXPECT_EQ(p.CountOf(".kapitel"), n);
    EXPECT_EQ(p.GetInt(".kapitel[" + std::to_string(n - 1) + "].id"), n - 1);
}

} // namespace
