// The server over real HTTP on a free loopback port, driven by httplib's client.
#include "server/HttpServer.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <filesystem>
#include <random>
#include <thread>

#include "AnswerReading.h"
#include "UploadBody.h"
#include "server/DemoCatalogue.h"
#include "server/SqliteStore.h"
#include "server/TextBytes.h"

namespace tavrio::server {
namespace {

using testing::field;
using testing::records;

using testing::kContentType;
using testing::uploadBody;

class LoopbackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() / ("tavrio-server-test-" + std::to_string(rd()));
    std::filesystem::create_directories(dir_);
    store_ = std::make_unique<cSqliteStore>((dir_ / "exchange.sqlite").string());
    seedDemoCatalogue(*store_);
    service_ = std::make_unique<cExchangeService>(*store_, cServiceSettings{});
    http_ = std::make_unique<cExchangeHttpServer>(*service_, cHttpSettings{});
    port_ = http_->bind("127.0.0.1", 0);
    ASSERT_GT(port_, 0);
    thread_ = std::thread([this] { http_->run(); });
  }
  void TearDown() override {
    if (http_) http_->stop();
    if (thread_.joinable()) thread_.join();
    http_.reset();
    service_.reset();
    store_.reset();
    std::filesystem::remove_all(dir_);
  }
  httplib::Client client() {
    httplib::Client c("127.0.0.1", port_);
    c.set_read_timeout(20);
    return c;
  }

  std::filesystem::path dir_;
  std::unique_ptr<cSqliteStore> store_;
  std::unique_ptr<cExchangeService> service_;
  std::unique_ptr<cExchangeHttpServer> http_;
  std::thread thread_;
  int port_ = 0;
};

TEST_F(LoopbackTest, searchReceivesTheTypedBytes) {
  auto c = client();
  auto res = c.Get("/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=k%E4se");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  EXPECT_EQ(res->get_header_value("Content-Type"), "text/plain; charset=windows-1252");
  EXPECT_EQ(field(res->body, "suchwort"), "k\xE4se");
  EXPECT_EQ(records(res->body, "kapitel").size(), 2u);
}

TEST_F(LoopbackTest, downloadIsByteIdentical) {
  std::size_t count = 0;
  const cDemoChapter& leçon = demoChapters(count)[3];
  ASSERT_STREQ(leçon.chapter, "Le\xC3\xA7on 1");
  auto c = client();
  auto res = c.Get("/Kavnet/Tavrio/Network/VokDateien/Franz%F6sisch%206%20-%20Le%E7on%201.vok");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  EXPECT_EQ(res->body, demoListFile(leçon));
}

TEST_F(LoopbackTest, pathsOutsideTheStoreAreNotServed) {
  const char* paths[] = {
      "/Kavnet/Tavrio/Network/VokDateien/../../../exchange.sqlite",
      "/Kavnet/Tavrio/Network/VokDateien/%2E%2E%2F%2E%2E%2Fexchange.sqlite",
      "/Kavnet/Tavrio/Network/VokDateien/..%5Cexchange.sqlite",
      "/Kavnet/Tavrio/Network/VokDateien/",
      "/Kavnet/Tavrio/Network/exchange.sqlite",
      "/exchange.sqlite",
  };
  auto c = client();
  for (const char* p : paths) {
    auto res = c.Get(p);
    ASSERT_TRUE(res) << p;
    EXPECT_NE(res->status, 200) << p;
    EXPECT_EQ(res->body.find("SQLite format"), std::string::npos) << p;
  }
}

TEST_F(LoopbackTest, uploadThenSearchAndDownload) {
  const std::string list = "owl\r\nEule\r\n1\r\n\r\nhedgehog\r\nIgel\r\n1\r\n\r\n";
  auto c = client();
  auto up = c.Post("/Kavnet/Tavrio/Network/uploadfile.php", uploadBody("Bio 5 - W\xE4ldtiere.vok", list),
                   kContentType.c_str());
  ASSERT_TRUE(up);
  EXPECT_EQ(up->status, 200);
  EXPECT_EQ(field(up->body, "result"), "successful");
  EXPECT_EQ(field(up->body, "filename"), "Bio 5 - W\xE4ldtiere.vok");

  auto found = c.Get("/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=hedgehog");
  ASSERT_TRUE(found);
  auto ks = records(found->body, "kapitel");
  ASSERT_EQ(ks.size(), 1u);
  EXPECT_EQ(field(ks[0], "titel"), "W\xE4ldtiere");

  auto down = c.Get("/Kavnet/Tavrio/Network/VokDateien/Bio%205%20-%20W%E4ldtiere.vok");
  ASSERT_TRUE(down);
  EXPECT_EQ(down->body, list);
}

TEST_F(LoopbackTest, oversizedUploadIsAnsweredWithARefusal) {
  const std::string big(1200000, 'a');
  auto c = client();
  auto up = c.Post("/Kavnet/Tavrio/Network/uploadfile.php", uploadBody("gross.vok", big), kContentType.c_str());
  ASSERT_TRUE(up);
  EXPECT_EQ(up->status, 413);
  EXPECT_EQ(field(up->body, "result"), "failed");
  EXPECT_EQ(field(up->body, "filename"), "gross.vok");
  auto down = client().Get("/Kavnet/Tavrio/Network/VokDateien/Eigene%20Listen%20-%20gross.vok");
  ASSERT_TRUE(down);
  EXPECT_EQ(down->status, 404);
}

TEST_F(LoopbackTest, concurrentUploadsAreEachStoredOnce) {
  constexpr int kClients = 8, kEach = 6;
  std::atomic<int> succeeded{0};
  std::vector<std::thread> clients;
  for (int t = 0; t < kClients; ++t) {
    clients.emplace_back([&, t] {
      auto c = client();
      for (int i = 0; i < kEach; ++i) {
        const std::string n = std::to_string(t * kEach + i);
        auto up = c.Post("/Kavnet/Tavrio/Network/uploadfile.php",
                         uploadBody("Last - Liste " + n + ".vok", "wort" + n + "\r\nword\r\n1\r\n\r\n"),
                         kContentType.c_str());
        if (up && up->status == 200 && field(up->body, "result") == "successful") ++succeeded;
      }
    });
  }
  for (auto& t : clients) t.join();
  EXPECT_EQ(succeeded.load(), kClients * kEach);

  auto c = client();
  auto books = c.Get("/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=Last");
  ASSERT_TRUE(books);
  auto ks = records(books->body, "kapitel");
  EXPECT_EQ(ks.size(), static_cast<std::size_t>(kClients * kEach));
  std::set<std::string> titles;
  for (const auto& k : ks) titles.insert(field(k, "titel"));
  EXPECT_EQ(titles.size(), ks.size());
  for (int n = 0; n < kClients * kEach; ++n) {
    auto d = c.Get("/Kavnet/Tavrio/Network/VokDateien/Last%20-%20Liste%20" + std::to_string(n) + ".vok");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->body, "wort" + std::to_string(n) + "\r\nword\r\n1\r\n\r\n");
  }
}

}  // namespace
}  // namespace tavrio::server
