#include "server/ExchangeService.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>

#include "AnswerReading.h"
#include "UploadBody.h"
#include "server/DemoCatalogue.h"
#include "server/ListText.h"
#include "server/TextBytes.h"
#include "server/SqliteStore.h"

namespace tavrio::server {
namespace {

using testing::field;
using testing::records;

using testing::kBoundary;
using testing::kContentType;
using testing::uploadBody;

const std::string kList = "dog\r\nHund\r\n1\r\n\r\nzebra\r\nZebra\r\n1\r\n\r\n";

class ExchangeServiceTest : public ::testing::Test {
 protected:
  ExchangeServiceTest() : store_(":memory:"), service_(store_, cServiceSettings{}) {
    seedDemoCatalogue(store_);
  }

  std::set<std::string> searchTitles(const std::string& rawQuery) {
    std::set<std::string> titles;
    cReply r = service_.query(rawQuery);
    EXPECT_EQ(r.status, 200);
    for (const auto& k : records(r.body, "kapitel")) titles.insert(field(k, "buch") + " - " + field(k, "titel"));
    return titles;
  }

  cSqliteStore store_;
  cExchangeService service_;
};

TEST_F(ExchangeServiceTest, searchMatchesNamesAuthorsAndWords) {
  using S = std::set<std::string>;
  const S english = {"Englisch 5 - Unit 1", "Englisch 5 - Unit 2", "Englisch 5 - Unit 3"};
  struct Row { const char* name; std::string query; S titles; };
  const Row rows[] = {
      {"chapterTitle", "GIVEME=SUCHE&WONACH=Unit", english},
      {"asciiCaseIgnored", "GIVEME=SUCHE&WONACH=uNIT", english},
      {"encodedBlank", "GIVEME=SUCHE&WONACH=Unit%202", {"Englisch 5 - Unit 2"}},
      {"bookName", "GIVEME=SUCHE&WONACH=Latein", {"Latein 7 - Lektion 1", "Latein 7 - Lektion 2"}},
      {"authorWithUmlaut", "GIVEME=SUCHE&WONACH=K%F6hler", english},
      {"umlautCaseIgnored", "GIVEME=SUCHE&WONACH=K%D6HLER", english},
      {"listWord", "GIVEME=SUCHE&WONACH=guinea", {"Englisch 5 - Unit 2"}},
      {"translationWord", "GIVEME=SUCHE&WONACH=K%E4se", {"Englisch 5 - Unit 3", "Franz\xF6sisch 6 - Le\xE7on 2"}},
      {"markLinesAreNotWords", "GIVEME=SUCHE&WONACH=%0D%0A1%0D%0A", {}},
      {"nothingMatches", "GIVEME=SUCHE&WONACH=xylophon", {}},
      {"lowercaseParameters", "giveme=suche&wonach=Lektion%202", {"Latein 7 - Lektion 2"}},
  };
  for (const auto& r : rows) EXPECT_EQ(searchTitles(r.query), r.titles) << r.name;
}

TEST_F(ExchangeServiceTest, searchAnswerCarriesEveryFieldTheClientReads) {
  cReply r = service_.query("GIVEME=SUCHE&WONACH=Le%E7on%201");
  EXPECT_EQ(field(r.body, "titel"), "SUCHE");
  EXPECT_EQ(field(r.body, "suchwort"), "Le\xE7on 1");
  auto ks = records(r.body, "kapitel");
  ASSERT_EQ(ks.size(), 1u);
  EXPECT_EQ(field(ks[0], "buch"), "Franz\xF6sisch 6");
  EXPECT_EQ(field(ks[0], "titel"), "Le\xE7on 1");
  EXPECT_EQ(field(ks[0], "woerter"), "32");
  EXPECT_EQ(field(ks[0], "autor"), "Herr Dubois");
  EXPECT_NE(std::stoi(field(ks[0], "id")), 0);
  EXPECT_NE(std::stoi(field(ks[0], "buchid")), 0);
}

TEST_F(ExchangeServiceTest, echoedSearchWordCannotBreakTheAnswer) {
  cReply r = service_.query("GIVEME=SUCHE&WONACH=%3C%2Fsuchwort%3E%3Ckapitel%3E");
  EXPECT_EQ(field(r.body, "suchwort"), "?/suchwort??kapitel?");
  EXPECT_TRUE(records(r.body, "kapitel").empty());
}

TEST_F(ExchangeServiceTest, everyDemoChapterIsARealListOfThirtyPairs) {
  std::size_t count = 0;
  const cDemoChapter* chapters = demoChapters(count);
  std::set<std::string> books;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string book = utf8ToCp1252(chapters[i].book);
    books.insert(book);
    const std::string name = book + " - " + utf8ToCp1252(chapters[i].chapter) + ".vok";
    cReply file = service_.download(name);
    ASSERT_EQ(file.status, 200) << name;
    EXPECT_EQ(file.body, demoListFile(chapters[i])) << name;
    EXPECT_GE(countPairs(file.body), 30) << name;
    // Four lines per pair: every third line is the mark "1".
    auto lines = splitLines(file.body);
    ASSERT_EQ(lines.size() % 4, 0u) << name;
    for (std::size_t l = 2; l < lines.size(); l += 4) EXPECT_EQ(lines[l], "1") << name;
  }
  EXPECT_GE(books.size(), 3u);
  EXPECT_EQ(searchTitles("GIVEME=SUCHE&WONACH=").size(), count);
}

TEST_F(ExchangeServiceTest, versionAnswerDependsOnTheClientsVersion) {
  struct Row { const char* mine; const char* state; std::size_t entries; };
  const Row rows[] = {
      {"2", "aktuell", 0}, {"3", "aktuell", 0}, {"1", "veraltet", 3},
      {"0", "veraltet", 3}, {"abc", "veraltet", 3}, {"", "veraltet", 3},
  };
  for (const auto& r : rows) {
    cReply a = service_.query(std::string("GIVEME=VERSION&MEINEVERSION=") + r.mine);
    EXPECT_EQ(field(a.body, "titel"), "VERSION") << r.mine;
    EXPECT_EQ(field(a.body, "aktualitaet"), r.state) << r.mine;
    EXPECT_EQ(field(a.body, "updateurl"), "http://127.0.0.1:8517/") << r.mine;
    auto entries = records(a.body, "eintrag");
    EXPECT_EQ(entries.size(), r.entries) << r.mine;
    for (const auto& e : entries) {
      EXPECT_NE(field(e, "inhalt"), "<missing>");
      EXPECT_NE(field(e, "zeitpunkt"), "<missing>");
    }
  }
}

TEST_F(ExchangeServiceTest, booksAndChaptersListTheCatalogue) {
  cReply b = service_.query("GIVEME=BUECHER");
  EXPECT_EQ(field(b.body, "titel"), "BUECHER");
  auto books = records(b.body, "buch");
  ASSERT_EQ(books.size(), 3u);
  EXPECT_EQ(field(books[0], "titel"), "Englisch 5");

  cReply all = service_.query("GIVEME=KAPITEL");
  EXPECT_EQ(field(all.body, "titel"), "KAPITEL");
  std::size_t count = 0;
  demoChapters(count);
  EXPECT_EQ(records(all.body, "kapitel").size(), count);

  cReply one = service_.query("GIVEME=KAPITEL&BUCH=" + field(books[0], "id"));
  EXPECT_EQ(records(one.body, "kapitel").size(), 3u);
}

TEST_F(ExchangeServiceTest, unknownQueriesAreRefused) {
  for (const char* q : {"", "GIVEME=", "GIVEME=ALLES", "WONACH=Unit"}) {
    cReply r = service_.query(q);
    EXPECT_EQ(r.status, 400) << q;
    EXPECT_EQ(field(r.body, "titel"), "FEHLER") << q;
  }
}

TEST_F(ExchangeServiceTest, uploadedListIsSearchableAndDownloadableAtOnce) {
  cReply up = service_.upload(kContentType, uploadBody("Englisch 6 - Unit 4.vok", kList), false);
  EXPECT_EQ(up.status, 200);
  EXPECT_EQ(field(up.body, "result"), "successful");
  EXPECT_EQ(field(up.body, "filename"), "Englisch 6 - Unit 4.vok");

  EXPECT_EQ(searchTitles("GIVEME=SUCHE&WONACH=zebra"), std::set<std::string>{"Englisch 6 - Unit 4"});
  auto k = records(service_.query("GIVEME=SUCHE&WONACH=zebra").body, "kapitel");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(field(k[0], "woerter"), "2");
  EXPECT_EQ(field(k[0], "autor"), "Gast");

  cReply down = service_.download("Englisch%206%20-%20Unit%204.vok");
  EXPECT_EQ(down.status, 200);
  EXPECT_EQ(down.body, kList);
}

TEST_F(ExchangeServiceTest, uploadingTheSameNameAgainReplacesTheList) {
  service_.upload(kContentType, uploadBody("Mathe - Zahlen.vok", kList), false);
  const std::string second = "eins\r\none\r\n1\r\n\r\n";
  cReply up = service_.upload(kContentType, uploadBody("Mathe - Zahlen.vok", second), false);
  EXPECT_EQ(field(up.body, "result"), "successful");
  EXPECT_EQ(service_.download("Mathe%20-%20Zahlen.vok").body, second);
  EXPECT_EQ(searchTitles("GIVEME=SUCHE&WONACH=Zahlen").size(), 1u);
  EXPECT_TRUE(searchTitles("GIVEME=SUCHE&WONACH=zebra").empty());
}

TEST_F(ExchangeServiceTest, nameWithoutBookGoesToOwnLists) {
  cReply up = service_.upload(kContentType, uploadBody("Tiere.vok", kList), false);
  EXPECT_EQ(field(up.body, "filename"), "Tiere.vok");
  EXPECT_EQ(service_.download("Eigene%20Listen%20-%20Tiere.vok").body, kList);
}

TEST_F(ExchangeServiceTest, badUploadsAreRefusedAndStoreNothing) {
  const std::string big(cServiceSettings{}.maxUploadBytes + 1, 'a');
  struct Row { const char* name; std::string contentType; std::string body; bool cut; int status; const char* reason; };
  const Row rows[] = {
      {"tooLarge", kContentType, uploadBody("big.vok", big), false, 413, "Datei zu gross"},
      {"cutByTheHttpLayer", kContentType, uploadBody("big.vok", "x").substr(0, 200), true, 413, "Datei zu gross"},
      {"emptyName", kContentType, uploadBody("", kList), false, 400, "Kein Dateiname"},
      {"traversal", kContentType, uploadBody("..\\..\\boot.vok", kList), false, 400, "Ungueltiger Dateiname"},
      {"slash", kContentType, uploadBody("a/b.vok", kList), false, 400, "Ungueltiger Dateiname"},
      {"drive", kContentType, uploadBody("C:evil.vok", kList), false, 400, "Ungueltiger Dateiname"},
      {"controlByte", kContentType, uploadBody("a\x01.vok", kList), false, 400, "Ungueltiger Dateiname"},
      {"emptyChapter", kContentType, uploadBody("A - .vok", kList), false, 400, "Ungueltiger Dateiname"},
      {"notVok", kContentType, uploadBody("liste.txt", kList), false, 400, "Keine .vok-Datei"},
      {"noFilePart", kContentType, uploadBody("a.vok", kList, false), false, 400, "Keine Datei"},
      {"emptyFile", kContentType, uploadBody("a.vok", ""), false, 400, "Leere Liste"},
      {"nulInFile", kContentType, uploadBody("a.vok", std::string("a\0b\r\n", 5)), false, 400, "Keine Vokabelliste"},
      {"notMultipart", "text/plain", uploadBody("a.vok", kList), false, 400, "Keine Formulardaten"},
      {"unclosedBody", kContentType, uploadBody("a.vok", kList).substr(0, 300), false, 400,
       "Unvollstaendige Formulardaten"},
      {"delimiterLineInFile", kContentType,
       uploadBody("a.vok", "x\r\n--" + kBoundary + "x\r\ny\r\n1\r\n\r\n"), false, 400,
       "Fehlerhafte Formulardaten"},
      {"unquotedName", kContentType,
       "--" + kBoundary + "\r\nContent-Disposition: form-data; name=Wunschname\r\n\r\nb.vok\r\n" +
           uploadBody("a.vok", kList),
       false, 400, "Fehlerhafte Formulardaten"},
      {"duplicateWunschname", kContentType,
       "--" + kBoundary + "\r\nContent-Disposition: form-data; name=\"Wunschname\"\r\n\r\nb.vok\r\n" +
           uploadBody("a.vok", kList),
       false, 400, "Fehlerhafte Formulardaten"},
  };
  const std::size_t before = searchTitles("GIVEME=SUCHE&WONACH=").size();
  for (const auto& r : rows) {
    cReply up = service_.upload(r.contentType, r.body, r.cut);
    EXPECT_EQ(up.status, r.status) << r.name;
    EXPECT_EQ(field(up.body, "result"), "failed") << r.name;
    EXPECT_EQ(field(up.body, "grund"), r.reason) << r.name;
    EXPECT_EQ(up.body.find('\0'), std::string::npos) << r.name;
  }
  EXPECT_EQ(searchTitles("GIVEME=SUCHE&WONACH=").size(), before);
}

// A store whose disk or database has failed.
class cFailingStore : public cExchangeStore {
 public:
  std::vector<cChapterInfo> search(std::string_view, std::size_t) override { fail(); }
  std::vector<cBookInfo> books() override { fail(); }
  std::vector<cChapterInfo> chapters(std::optional<std::int64_t>) override { fail(); }
  std::optional<std::string> listFile(std::string_view) override { fail(); }
  void storeList(const cNewList&) override { fail(); }
  void addChange(const cChange&) override { fail(); }
  std::vector<cChange> changesBetween(int, int) override { fail(); }

 private:
  [[noreturn]] static void fail() { throw std::runtime_error("disk I/O error"); }
};

// A failed store is never reported as success, and its cause is logged.
TEST(ExchangeServiceFailures, storeFailuresAnswer500AndAreLogged) {
  cFailingStore store;
  cExchangeService service(store, cServiceSettings{});
  struct Row { const char* name; std::function<cReply()> call; std::string inBody; };
  const Row rows[] = {
      {"search", [&] { return service.query("GIVEME=SUCHE&WONACH=a"); }, "<titel>FEHLER</titel>"},
      {"version", [&] { return service.query("GIVEME=VERSION&MEINEVERSION=1"); }, "<titel>FEHLER</titel>"},
      {"download", [&] { return service.download("a%20-%20b.vok"); }, "nicht erreichbar"},
      {"upload", [&] { return service.upload(kContentType, uploadBody("a - b.vok", kList), false); },
       "<result>failed</result><filename>a - b.vok</filename><grund>Speichern fehlgeschlagen</grund>"},
  };
  for (const auto& r : rows) {
    ::testing::internal::CaptureStderr();
    cReply reply = r.call();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(reply.status, 500) << r.name;
    EXPECT_NE(reply.body.find(r.inBody), std::string::npos) << r.name << ": " << reply.body;
    EXPECT_EQ(reply.body.find("disk I/O"), std::string::npos) << r.name;
    EXPECT_NE(log.find("disk I/O error"), std::string::npos) << r.name << ": " << log;
  }
}

TEST_F(ExchangeServiceTest, refusedNameIsEchoedPrintable) {
  cReply up = service_.upload(kContentType, uploadBody("<b>\x01.vok", kList), false);
  EXPECT_EQ(field(up.body, "filename"), "?b??.vok");
}

TEST_F(ExchangeServiceTest, downloadsNeverLeaveTheStore) {
  struct Row { const char* raw; int status; };
  const Row rows[] = {
      {"..%2F..%2Fexchange.sqlite", 400},
      {"..%5C..%5Cexchange.sqlite", 400},
      {"%2Fetc%2Fpasswd", 400},
      {"C%3A%5Cboot.vok", 400},
      {"Englisch%205%20-%20Unit%201.vok%00.txt", 400},
      {"Englisch%205%20-%20Unit%201.txt", 400},
      {"englisch%205%20-%20unit%201.vok", 404},
      {"Englisch+5+-+Unit+1.vok", 404},
      {"Englisch%205%20-%20Unit%201.vok", 200},
  };
  for (const auto& r : rows) {
    cReply d = service_.download(r.raw);
    EXPECT_EQ(d.status, r.status) << r.raw;
    if (r.status != 200) {
      EXPECT_EQ(d.body.find("hello"), std::string::npos) << r.raw;
    }
  }
}

}  // namespace
}  // namespace tavrio::server
