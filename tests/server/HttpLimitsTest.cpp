// The HTTP listener as a hostile client sees it, over raw loopback sockets:
// refused uploads end their connection, pipelined requests come back in
// order, slow and surplus connections are cut without stalling others.
#include "server/HttpServer.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "AnswerReading.h"
#include "server/DemoCatalogue.h"
#include "server/SqliteStore.h"

namespace tavrio::server {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::field;

// A blocking client socket, optionally bound to another loopback source
// address (all of 127/8 is loopback on Linux) to act as another client.
class cRawSocket {
 public:
  cRawSocket(int port, const char* source = "127.0.0.1") {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    inet_pton(AF_INET, source, &from.sin_addr);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&from), sizeof from);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, "127.0.0.1", &to.sin_addr);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
  }
  ~cRawSocket() {
    if (fd_ >= 0) ::close(fd_);
  }
  cRawSocket(const cRawSocket&) = delete;
  cRawSocket& operator=(const cRawSocket&) = delete;

  bool connected() const { return connected_; }

  bool send(std::string_view bytes) {
    while (!bytes.empty()) {
      ssize_t n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (n <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }

  // Reads until the peer closes or `limit` passes; true when it closed.
  bool readUntilClosed(std::string& out, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    char buf[65536];
    while (Clock::now() < end) {
      pollfd p{fd_, POLLIN, 0};
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
      if (::poll(&p, 1, static_cast<int>(std::max<long long>(1, left))) <= 0) continue;
      ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
      if (n <= 0) return true;
      out.append(buf, static_cast<std::size_t>(n));
    }
    return false;
  }

  // Reads until `count` whole answers are in (or the peer closes, or 5 s).
  std::vector<std::string> readAnswers(std::size_t count) {
    std::string data;
    std::vector<std::string> answers;
    const auto end = Clock::now() + 5s;
    char buf[65536];
    while (answers.size() < count && Clock::now() < end) {
      while (answers.size() < count) {
        std::size_t head = data.find("\r\n\r\n");
        if (head == std::string::npos) break;
        std::size_t cl = data.find("Content-Length: ");
        if (cl == std::string::npos || cl > head) break;
        std::size_t total = head + 4 + std::stoul(data.substr(cl + 16));
        if (data.size() < total) break;
        answers.push_back(data.substr(0, total));
        data.erase(0, total);
      }
      if (answers.size() == count) break;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 100) <= 0) continue;
      ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
      if (n <= 0) break;
      data.append(buf, static_cast<std::size_t>(n));
    }
    return answers;
  }

 private:
  int fd_ = -1;
  bool connected_ = false;
};

std::size_t countOf(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
  return n;
}

const std::string kBooks = "GET /tavrio_webinterface.php?GIVEME=BUECHER HTTP/1.1\r\nHost: a\r\n\r\n";

std::string get(const std::string& query) {
  return "GET /tavrio_webinterface.php?" + query + " HTTP/1.1\r\nHost: a\r\n\r\n";
}

class HttpLimitsTest : public ::testing::Test {
 protected:
  void start(cHttpSettings settings) {
    store_ = std::make_unique<cSqliteStore>(":memory:");
    seedDemoCatalogue(*store_);
    service_ = std::make_unique<cExchangeService>(*store_, cServiceSettings{});
    http_ = std::make_unique<cExchangeHttpServer>(*service_, settings);
    port_ = http_->bind("127.0.0.1", 0);
    ASSERT_GT(port_, 0);
  }
  void TearDown() override {
    http_.reset();
    service_.reset();
    store_.reset();
  }
  // A search on a fresh connection; its answer time, or 10 s when none came.
  std::chrono::milliseconds timedSearch() {
    const auto t0 = Clock::now();
    cRawSocket s(port_);
    if (!s.connected() || !s.send(get("GIVEME=SUCHE&WONACH=Unit"))) return 10s;
    auto answers = s.readAnswers(1);
    if (answers.size() != 1 || field(answers[0], "titel") != "SUCHE") return 10s;
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0);
  }

  std::unique_ptr<cSqliteStore> store_;
  std::unique_ptr<cExchangeService> service_;
  std::unique_ptr<cExchangeHttpServer> http_;
  int port_ = 0;
};

// Every refused upload gets exactly one answer, then the connection ends;
// requests hidden in its body, or sent after it, are never answered.
TEST_F(HttpLimitsTest, refusedUploadClosesTheConnectionUnread) {
  start({});
  const std::string head = "POST /Kavnet/Tavrio/Network/uploadfile.php HTTP/1.1\r\nHost: a\r\n"
                           "Content-Type: multipart/form-data; boundary=xyz\r\n";
  std::string smuggled;
  while (smuggled.size() < 1200000) smuggled += kBooks;
  std::string chunked;
  for (std::size_t at = 0; at < smuggled.size(); at += 60000) {
    std::string piece = smuggled.substr(at, 60000);
    char size[32];
    std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
    chunked += size + piece + "\r\n";
  }
  chunked += "0\r\n\r\n";
  struct Row { const char* name; std::string request; int status; };
  const Row rows[] = {
      // Announced far past any limit: refused before the body is read.
      {"hugeLength", head + "Content-Length: 20000000\r\n\r\n" + kBooks + kBooks, 413},
      // Past the kept size but within the drain: read, discarded, refused.
      {"overLimitDrained", head + "Content-Length: " + std::to_string(smuggled.size()) + "\r\n\r\n" +
                               smuggled + kBooks, 413},
      {"chunkedOverLimit", head + "Transfer-Encoding: chunked\r\n\r\n" + chunked + kBooks, 413},
  };
  for (const auto& r : rows) {
    cRawSocket s(port_);
    ASSERT_TRUE(s.connected()) << r.name;
    std::thread writer([&] { s.send(r.request); });
    std::string reply;
    EXPECT_TRUE(s.readUntilClosed(reply, 10s)) << r.name;
    writer.join();
    EXPECT_EQ(countOf(reply, "HTTP/1."), 1u) << r.name << "\n" << reply.substr(0, 600);
    EXPECT_EQ(reply.rfind("HTTP/1.1 " + std::to_string(r.status), 0), 0u) << r.name;
    EXPECT_NE(reply.find("Connection: close"), std::string::npos) << r.name;
    EXPECT_EQ(reply.find("Keep-Alive"), std::string::npos) << r.name;
    EXPECT_EQ(reply.find("<titel>BUECHER</titel>"), std::string::npos) << r.name;
  }
}

TEST_F(HttpLimitsTest, pipelinedRequestsAreAnsweredInOrder) {
  start({});
  cRawSocket s(port_);
  ASSERT_TRUE(s.connected());
  const std::string bad = "--x\r\nContent-Disposition: form-data; name=\"Wunschname\"\r\n\r\nq.vok\r\n--x--\r\n";
  ASSERT_TRUE(s.send(kBooks + get("GIVEME=SUCHE&WONACH=Unit") +
                     "POST /Kavnet/Tavrio/Network/uploadfile.php HTTP/1.1\r\nHost: a\r\n"
                     "Content-Type: multipart/form-data; boundary=x\r\nContent-Length: " +
                     std::to_string(bad.size()) + "\r\n\r\n" + bad + get("GIVEME=VERSION&MEINEVERSION=2") +
                     get("GIVEME=KAPITEL")));
  auto answers = s.readAnswers(5);
  ASSERT_EQ(answers.size(), 5u);
  EXPECT_EQ(field(answers[0], "titel"), "BUECHER");
  EXPECT_EQ(field(answers[1], "titel"), "SUCHE");
  EXPECT_EQ(field(answers[2], "grund"), "Keine Datei");
  EXPECT_EQ(field(answers[3], "titel"), "VERSION");
  EXPECT_EQ(field(answers[4], "titel"), "KAPITEL");
}

// Stopping lets an upload whose body is still arriving finish and be
// answered, while new connections are no longer accepted.
TEST_F(HttpLimitsTest, drainAnswersTheUploadUnderWay) {
  start({});
  const std::string body = "--x\r\nContent-Disposition: form-data; name=\"Wunschname\"\r\n\r\nLate - One.vok\r\n"
                           "--x\r\nContent-Disposition: form-data; name=\"userfile\"; filename=\"f\"\r\n\r\n"
                           "a\r\nb\r\n1\r\n\r\n\r\n--x--\r\n";
  cRawSocket s(port_);
  ASSERT_TRUE(s.connected());
  ASSERT_TRUE(s.send("POST /Kavnet/Tavrio/Network/uploadfile.php HTTP/1.1\r\nHost: a\r\n"
                     "Content-Type: multipart/form-data; boundary=x\r\nContent-Length: " +
                     std::to_string(body.size()) + "\r\n\r\n" + body.substr(0, 40)));
  std::this_thread::sleep_for(100ms);
  std::thread draining([&] {  // as the executable does on SIGTERM
    http_->drain();
    http_.reset();
  });
  std::this_thread::sleep_for(200ms);
  EXPECT_FALSE(cRawSocket(port_).connected());
  ASSERT_TRUE(s.send(body.substr(40)));
  auto answers = s.readAnswers(1);
  draining.join();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(field(answers[0], "result"), "successful");
  EXPECT_TRUE(store_->listFile("Late - One.vok"));
}

TEST_F(HttpLimitsTest, slowRequestIsCutAtItsDeadline) {
  cHttpSettings settings;
  settings.requestTimeout = 600ms;
  start(settings);
  struct Row { const char* name; std::string request; };
  const Row rows[] = {
      {"headersByteByByte", get("GIVEME=BUECHER")},
      {"bodyByteByByte", "POST /Kavnet/Tavrio/Network/uploadfile.php HTTP/1.1\r\nHost: a\r\n"
                         "Content-Length: 100\r\n\r\n" + std::string(100, 'a')},
      {"idleAfterAnAnswer", ""},
  };
  for (const auto& r : rows) {
    cRawSocket s(port_);
    ASSERT_TRUE(s.connected()) << r.name;
    const auto t0 = Clock::now();
    std::string reply;
    bool closed = false;
    if (r.request.empty()) {
      ASSERT_TRUE(s.send(kBooks));
      ASSERT_EQ(s.readAnswers(1).size(), 1u);
    }
    // One byte every 50 ms never finishes in time; the server must cut it.
    for (std::size_t i = 0; !closed && Clock::now() - t0 < 4s; ++i) {
      if (i < r.request.size()) s.send(r.request.substr(i, 1));
      closed = s.readUntilClosed(reply, 50ms);
    }
    const auto took = Clock::now() - t0;
    EXPECT_TRUE(closed) << r.name;
    EXPECT_GE(took, 500ms) << r.name;
    EXPECT_LT(took, 2500ms) << r.name;
    EXPECT_EQ(reply.find("BUECHER"), std::string::npos) << r.name;
  }
}

TEST_F(HttpLimitsTest, crowdsOfIdleConnectionsDoNotStallOthers) {
  cHttpSettings settings;
  settings.threads = 1;   // one event thread serves them all
  settings.maxPerAddress = 8;
  settings.maxConnections = 300;
  start(settings);
  // 256 idle connections from 32 addresses, each holding a started request.
  std::vector<std::unique_ptr<cRawSocket>> idle;
  for (int a = 0; a < 32; ++a) {
    const std::string source = "127.0.1." + std::to_string(a + 1);
    for (int i = 0; i < 8; ++i) {
      idle.push_back(std::make_unique<cRawSocket>(port_, source.c_str()));
      ASSERT_TRUE(idle.back()->connected());
      idle.back()->send("GET /tavrio_web");
    }
  }
  for (int i = 0; i < 5; ++i) EXPECT_LT(timedSearch(), 1000ms) << "search " << i;

  // A ninth connection from a crowded address is closed unanswered; others
  // are still served.
  cRawSocket surplus(port_, "127.0.1.1");
  if (surplus.connected()) {
    surplus.send(kBooks);
    std::string reply;
    EXPECT_TRUE(surplus.readUntilClosed(reply, 2s));
    EXPECT_EQ(reply, "");
  }
  EXPECT_LT(timedSearch(), 1000ms);

  // Past the total limit new connections wait unserved in the listen
  // queue; once room frees up they are served.
  std::vector<std::unique_ptr<cRawSocket>> more;
  for (int a = 0; a < 8; ++a)
    for (int i = 0; i < 8; ++i)
      more.push_back(std::make_unique<cRawSocket>(port_, ("127.0.2." + std::to_string(a + 1)).c_str()));
  cRawSocket late(port_, "127.0.3.1");
  ASSERT_TRUE(late.send(kBooks));
  std::string reply;
  EXPECT_FALSE(late.readUntilClosed(reply, 500ms));
  EXPECT_EQ(reply, "");
  idle.clear();
  more.clear();
  auto answers = late.readAnswers(1);
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(field(answers[0], "titel"), "BUECHER");
}

}  // namespace
}  // namespace tavrio::server
