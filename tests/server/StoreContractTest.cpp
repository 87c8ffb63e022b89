// The contract of cExchangeStore, run against every store: SQLite always,
// PostgreSQL when TAVRIO_TEST_POSTGRES names a scratch database (the ctest
// entry store_contract_postgres starts one). Each PostgreSQL case starts
// from an empty schema, so creating the schema is tested too.
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <thread>

#include "server/PostgresStore.h"
#include "server/SqliteStore.h"

namespace tavrio::server {
namespace {

const char* postgresUrl() { return std::getenv("TAVRIO_TEST_POSTGRES"); }

void resetPostgres(const char* url) {
  PGconn* c = PQconnectdb(url);
  ASSERT_EQ(PQstatus(c), CONNECTION_OK) << PQerrorMessage(c);
  PGresult* r = PQexec(c, "SET client_min_messages = warning; DROP SCHEMA public CASCADE; CREATE SCHEMA public");
  EXPECT_EQ(PQresultStatus(r), PGRES_COMMAND_OK) << PQerrorMessage(c);
  PQclear(r);
  PQfinish(c);
}

cNewList list(const std::string& book, const std::string& chapter, const std::string& content,
              const std::string& author = "Gast") {
  return {book, chapter, author, book + " - " + chapter + ".vok", content};
}

class StoreContract : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (GetParam() == "Postgres") {
      if (!postgresUrl()) GTEST_SKIP() << "TAVRIO_TEST_POSTGRES not set: PostgreSQL store not tested here";
      resetPostgres(postgresUrl());
    } else {
      dir_ = std::filesystem::temp_directory_path() /
             ("tavrio-store-contract-" + std::to_string(std::random_device{}()));
      std::filesystem::create_directories(dir_);
    }
    store_ = open();
  }
  void TearDown() override {
    store_.reset();
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }
  // A store on the same database, as a second server process would open it.
  std::unique_ptr<cExchangeStore> open() {
    if (GetParam() == "Postgres") return std::make_unique<cPostgresStore>(postgresUrl(), 4);
    return std::make_unique<cSqliteStore>((dir_ / "exchange.sqlite").string(), 4);
  }
  std::vector<std::string> found(std::string_view word, std::size_t limit = 200) {
    std::vector<std::string> names;
    for (const auto& c : store_->search(word, limit)) names.push_back(c.book + " - " + c.title);
    return names;
  }

  std::filesystem::path dir_;
  std::unique_ptr<cExchangeStore> store_;
};

TEST_P(StoreContract, everyByteComesBackUnchanged) {
  // Windows-1252 bytes, the five without a character among them.
  std::string odd;
  for (int b = 0x80; b <= 0xFF; ++b) odd += static_cast<char>(b);
  const std::string content = "K\xE4se\r\ncheese\r\n1\r\n\r\n" + odd + "\r\n\x81\x8D\x8F\x90\x9D\r\n0\r\n\r\n";
  store_->storeList(list("Fran\xE7" "ais \x80", "Le\xE7on \x81", content, "Mme \x9C"));
  auto chapters = store_->chapters(std::nullopt);
  ASSERT_EQ(chapters.size(), 1u);
  EXPECT_EQ(chapters[0].book, "Fran\xE7" "ais \x80");
  EXPECT_EQ(chapters[0].title, "Le\xE7on \x81");
  EXPECT_EQ(chapters[0].author, "Mme \x9C");
  EXPECT_EQ(chapters[0].words, 2);
  EXPECT_EQ(store_->listFile("Fran\xE7" "ais \x80 - Le\xE7on \x81.vok"), content);
  EXPECT_EQ(store_->listFile("fran\xE7" "ais \x80 - Le\xE7on \x81.vok"), std::nullopt);  // exact name only
}

TEST_P(StoreContract, searchFoldsCaseAndMatchesSubstrings) {
  store_->storeList(list("Englisch 5", "Unit 1", "cheese\r\nK\xC4SE\r\n1\r\n\r\n", "Frau K\xF6hler"));
  store_->storeList(list("Deutsch", "Stra\xDF" "e", "street\r\nStra\xDF" "e\r\n1\r\n\r\n"));
  store_->storeList(list("Deutsch", "Caf\xC9", "100%_sure\r\nganz\\sicher\r\n1\r\n\r\n"));
  store_->storeList(list("Latein", "Lektion 1", "\x8Avejk\r\nSchwejk\r\n1\r\n\r\n"));
  using V = std::vector<std::string>;
  struct Row { const char* name; std::string word; V titles; };
  const Row rows[] = {
      {"asciiCase", "uNIT", {"Englisch 5 - Unit 1"}},
      {"umlautUpperFindsLower", "k\xE4se", {"Englisch 5 - Unit 1"}},
      {"authorWithUmlaut", "K\xD6HLER", {"Englisch 5 - Unit 1"}},
      {"listWord", "EESE", {"Englisch 5 - Unit 1"}},
      {"accentFolds", "caf\xE9", {"Deutsch - Caf\xC9"}},
      {"sharpSOnlyItself", "stra\xDF", {"Deutsch - Stra\xDF" "e"}},
      {"sharpSIsNotSs", "strasse", {}},
      {"caronFolds", "\x9Avejk", {"Latein - Lektion 1"}},
      {"percentIsLiteral", "0%_s", {"Deutsch - Caf\xC9"}},
      {"underscoreIsLiteral", "0_", {}},
      {"backslashIsLiteral", "z\\s", {"Deutsch - Caf\xC9"}},
      {"oneByte", "\xDF", {"Deutsch - Stra\xDF" "e"}},
      {"noMatch", "zebra", {}},
      {"nulByte", std::string("a\0b", 3), {}},
      {"emptyListsAllByBook",
       "",
       {"Deutsch - Stra\xDF" "e", "Deutsch - Caf\xC9", "Englisch 5 - Unit 1", "Latein - Lektion 1"}},
  };
  for (const auto& r : rows) EXPECT_EQ(found(r.word), r.titles) << r.name;
  EXPECT_EQ(found("", 2), (V{"Deutsch - Stra\xDF" "e", "Deutsch - Caf\xC9"}));
}

TEST_P(StoreContract, storingANameAgainReplacesContentAndAuthor) {
  store_->storeList(list("Bio", "Tiere", "owl\r\nEule\r\n1\r\n\r\n", "Anna"));
  const auto before = store_->chapters(std::nullopt);
  store_->storeList(list("Bio", "Tiere", "fox\r\nFuchs\r\n1\r\n\r\nbee\r\nBiene\r\n1\r\n\r\n", "Ben"));
  const auto after = store_->chapters(std::nullopt);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].id, before[0].id);
  EXPECT_EQ(after[0].author, "Ben");
  EXPECT_EQ(after[0].words, 2);
  EXPECT_EQ(found("fuchs"), std::vector<std::string>{"Bio - Tiere"});
  EXPECT_TRUE(found("eule").empty());
  EXPECT_EQ(store_->books().size(), 1u);
}

TEST_P(StoreContract, booksChaptersAndChanges) {
  store_->storeList(list("Zoo", "B", "a\r\nb\r\n"));
  store_->storeList(list("Alpha", "Z", "a\r\nb\r\n"));
  store_->storeList(list("Zoo", "A", "a\r\nb\r\n"));
  store_->storeList(list("\xC4pfel", "X", "a\r\nb\r\n"));
  auto books = store_->books();
  ASSERT_EQ(books.size(), 3u);
  EXPECT_EQ(books[0].title, "Alpha");
  EXPECT_EQ(books[1].title, "Zoo");      // bytes order: 'Z' before 0xC4
  EXPECT_EQ(books[2].title, "\xC4pfel");
  auto zoo = store_->chapters(books[1].id);
  ASSERT_EQ(zoo.size(), 2u);
  EXPECT_EQ(zoo[0].title, "B");          // in the order they were added
  EXPECT_EQ(zoo[1].title, "A");
  EXPECT_EQ(zoo[0].bookId, books[1].id);
  EXPECT_TRUE(store_->chapters(books[2].id + 1000).empty());

  store_->addChange({2, "zwei", "Mai"});
  store_->addChange({3, "drei", "Juni"});
  store_->addChange({2, "zwei b", "Mai"});
  auto changes = store_->changesBetween(1, 2);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].text, "zwei");
  EXPECT_EQ(changes[1].text, "zwei b");
  EXPECT_EQ(store_->changesBetween(2, 3).size(), 1u);
  EXPECT_TRUE(store_->changesBetween(3, 9).empty());
}

TEST_P(StoreContract, concurrentUploadsIntoOneNewBookMakeOneBook) {
  constexpr int kThreads = 8, kEach = 10;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < kEach; ++i) {
        const std::string n = std::to_string(t * kEach + i);
        store_->storeList(list("Neu", "Liste " + n, "w" + n + "\r\nx\r\n1\r\n\r\n"));
      }
    });
  for (auto& t : threads) t.join();
  auto books = store_->books();
  ASSERT_EQ(books.size(), 1u);
  auto chapters = store_->chapters(books[0].id);
  EXPECT_EQ(chapters.size(), static_cast<std::size_t>(kThreads * kEach));
  std::set<std::int64_t> ids;
  for (const auto& c : chapters) ids.insert(c.id);
  EXPECT_EQ(ids.size(), chapters.size());
  EXPECT_EQ(found("w42").size(), 1u);
}

// Several servers on one database see each other's lists at once, and a
// server opening an existing database leaves its schema and data alone.
TEST_P(StoreContract, aSecondServerSeesUploadsAtOnce) {
  if (GetParam() != "Postgres") GTEST_SKIP() << "one process owns a SQLite database";
  auto second = open();
  store_->storeList(list("Geteilt", "Eins", "shared\r\ngeteilt\r\n1\r\n\r\n"));
  auto seen = second->search("SHARED", 10);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].book, "Geteilt");
  EXPECT_EQ(second->listFile("Geteilt - Eins.vok"), "shared\r\ngeteilt\r\n1\r\n\r\n");
  int ran = 0;
  second->exclusively([&] { ++ran; });
  EXPECT_EQ(ran, 1);
}

INSTANTIATE_TEST_SUITE_P(Stores, StoreContract, ::testing::Values("Sqlite", "Postgres"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace tavrio::server
