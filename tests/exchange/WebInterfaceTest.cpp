#include "exchange/WebInterface.h"

#include "FakeTransport.h"

#include <gtest/gtest.h>

namespace {

using tavrio::exchange::test::FakeHttp;

struct Client : testing::Test {
    FakeHttp http;
    cWebinterface web{http, "http://127.0.0.1:8517/"};
};

TEST_F(Client, queryUrls)
{
    web.Search("Unit 1");
    web.CheckVersion(2);
    web.GetBooks();
    web.GetChapters();
    web.Search("a&b+c\xFC");
    const std::deque<std::string> expected = {
        "http://127.0.0.1:8517/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=Unit%201",
        "http://127.0.0.1:8517/tavrio_webinterface.php?GIVEME=VERSION&MEINEVERSION=2",
        "http://127.0.0.1:8517/tavrio_webinterface.php?GIVEME=BUECHER",
        "http://127.0.0.1:8517/tavrio_webinterface.php?GIVEME=KAPITEL",
        "http://127.0.0.1:8517/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=a%26b%2Bc%FC",
    };
    EXPECT_EQ(http.urls, expected);
}

TEST_F(Client, refusedRequestIsSwallowedAndFailedTransferNeverHandled)
{
    int books = 0;
    int unreachable = 0;
    web.OnBooks = [&](const cStringList&, const cStringList&) { ++books; };
    web.OnUnreachable = [&] { ++unreachable; };
    http.refuse = true;
    EXPECT_NO_THROW(web.GetBooks());
    http.refuse = false;
    web.GetBooks();
    http.fail();
    web.GetBooks();
    http.answer(500, "<titel>BUECHER</titel>");
    EXPECT_EQ(books, 0);
    EXPECT_EQ(unreachable, 3);
    web.GetBooks();
    http.answer(200, "<titel>BUECHER</titel>");
    EXPECT_EQ(books, 1);
    web.CheckVersion(2); // the check at start-up stays silent
    http.fail();
    EXPECT_EQ(unreachable, 3);
}

TEST_F(Client, booksAndChaptersWithMissingFields)
{
    cStringList titles, ids;
    web.OnBooks = [&](const cStringList& t, const cStringList& i) { titles = t; ids = i; };
    web.HandleAnswer("<titel>BUECHER</titel><buch><id>3</id><titel>Band 1</titel></buch>"
                     "<buch><id>abc</id></buch><buch><titel>Band 3</titel></buch>");
    EXPECT_EQ(titles, (cStringList{"Band 1", "(.buch[1].titel) EXISTIERT NICHT", "Band 3"}));
    EXPECT_EQ(ids, (cStringList{"3", "0", "0"}));

    web.OnChapters = [&](const cStringList& t, const cStringList& i) { titles = t; ids = i; };
    web.HandleAnswer("<titel>KAPITEL</titel><kapitel><id>12</id><titel>Unit 1</titel></kapitel>");
    EXPECT_EQ(titles, (cStringList{"Unit 1"}));
    EXPECT_EQ(ids, (cStringList{"12"}));
}

TEST_F(Client, searchRecordsInOrder)
{
    std::string word;
    std::vector<cStringList> lists;
    web.OnSearchResult = [&](const std::string& w, const cStringList& a, const cStringList& b, const cStringList& c,
                             const cStringList& d, const cStringList& e, const cStringList& f) {
        word = w;
        lists = {a, b, c, d, e, f};
    };
    web.HandleAnswer("<titel>SUCHE</titel><suchwort>Unit</suchwort>"
                     "<kapitel><buch>Englisch 5</buch><titel>Unit 1</titel><woerter>34</woerter>"
                     "<autor>Frau M\xFCller</autor><buchid>3</buchid><id>11</id></kapitel>"
                     "<kapitel><buch>Englisch 6</buch><titel>Unit 2</titel><woerter>viele</woerter><id>12</id></kapitel>");
    EXPECT_EQ(word, "Unit");
    ASSERT_EQ(lists.size(), 6u);
    EXPECT_EQ(lists[0], (cStringList{"Englisch 5", "Englisch 6"}));
    EXPECT_EQ(lists[1], (cStringList{"Unit 1", "Unit 2"}));
    EXPECT_EQ(lists[2], (cStringList{"34", "0"}));
    EXPECT_EQ(lists[3], (cStringList{"Frau M\xFCller", "(.kapitel[1].autor) EXISTIERT NICHT"}));
    EXPECT_EQ(lists[4], (cStringList{"3", "0"}));
    EXPECT_EQ(lists[5], (cStringList{"11", "12"}));

    web.HandleAnswer("<titel>SUCHE</titel><suchwort>zzz</suchwort>");
    EXPECT_EQ(word, "zzz");
    EXPECT_TRUE(lists[5].empty()) << "each answer replaces the lists of its type";
}

TEST_F(Client, versionMessages)
{
    struct Row {
        const char* name;
        std::string answer;
        bool outdated;
        std::string message;
    };
    const std::string outdatedHead = "Deine Version ist nicht mehr auf dem neusten Stand!\r\n"
                                     "Besuche http://x/neu um Deine Version zu aktualisieren.\r\n"
                                     "\r\n"
                                     "Folgende wichtige \xC4nderungen wurden seit Deiner Version gemacht :\r\n";
    const Row rows[] = {
        {"currentWithTwoEntries",
         "<titel>VERSION</titel><aktualitaet>aktuell</aktualitaet><updateurl>u</updateurl>"
         "<eintrag><inhalt>A</inhalt><zeitpunkt>1.1.</zeitpunkt></eintrag><eintrag><inhalt>B</inhalt><zeitpunkt>2.1.</zeitpunkt></eintrag>",
         false, "Du hast bereits die aktuellste Version!\r\n- A (1.1.)\r\n- B (2.1.)\r\n"},
        {"outdatedNoEntries", "<titel>VERSION</titel><aktualitaet>alt</aktualitaet><updateurl>http://x/neu</updateurl>",
         true, outdatedHead},
        {"outdatedWithEntry",
         "<titel>VERSION</titel><aktualitaet>veraltet</aktualitaet><updateurl>http://x/neu</updateurl>"
         "<eintrag><inhalt>Suche</inhalt></eintrag>",
         true, outdatedHead + "- Suche ((.eintrag.zeitpunkt) EXISTIERT NICHT)\r\n"},
        {"missingFieldsCountAsOutdated", "<titel>VERSION</titel>", true,
         "Deine Version ist nicht mehr auf dem neusten Stand!\r\n"
         "Besuche (.updateurl) EXISTIERT NICHT um Deine Version zu aktualisieren.\r\n\r\n"
         "Folgende wichtige \xC4nderungen wurden seit Deiner Version gemacht :\r\n"},
        {"caseMatters", "<titel>VERSION</titel><aktualitaet>Aktuell</aktualitaet><updateurl>http://x/neu</updateurl>",
         true, outdatedHead},
    };
    for (const Row& r : rows) {
        int calls = 0;
        bool outdated = false;
        std::string message;
        web.OnVersion = [&](bool o, const std::string& m) { ++calls; outdated = o; message = m; };
        web.HandleAnswer(r.answer);
        EXPECT_EQ(calls, 1) << r.name;
        EXPECT_EQ(outdated, r.outdated) << r.name;
        EXPECT_EQ(message, r.message) << r.name;
    }
}

TEST_F(Client, unknownOrMissingTypeAndEmptySlotsDoNothing)
{
    int calls = 0;
    web.OnBooks = [&](const cStringList&, const cStringList&) { ++calls; };
    web.OnVersion = [&](bool, const std::string&) { ++calls; };
    web.HandleAnswer("<titel>buecher</titel><buch><id>1</id></buch>");
    web.HandleAnswer("<buch><id>1</id></buch>");
    web.HandleAnswer("");
    EXPECT_EQ(calls, 0);
    web.OnBooks = nullptr;
    EXPECT_NO_THROW(web.HandleAnswer("<titel>BUECHER</titel>"));
    EXPECT_NO_THROW(web.HandleAnswer("<titel>SUCHE</titel>"));
}

} // namespace
