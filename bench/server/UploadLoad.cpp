// Upload load: N uploads from C concurrent clients, then every list is
// downloaded and compared byte for byte, and the store is checked to hold
// each exactly once. Runs its own server on a free loopback port with a
// fresh database, or targets running ones with --host and --port, where
// --port may list several servers sharing a database ("8001,8002"): upload
// n goes to server n mod k and is downloaded from the next one.
// --kill-pid P --kill-after N sends SIGKILL to process P once N uploads were
// answered; uploads may then fail, but every one answered "successful" must
// still be stored once and download unchanged.
//
//   tavrio_upload_load [--uploads 200] [--clients 20] [--host H --port P[,P2...]]
//                      [--kill-pid P --kill-after N]
#include <httplib.h>
#include <signal.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "server/DemoCatalogue.h"
#include "server/HttpServer.h"
#include "server/SqliteStore.h"
#include "tests/server/UploadBody.h"

namespace {

using namespace tavrio::server;
using Clock = std::chrono::steady_clock;

using testing::kContentType;
using testing::uploadBody;

// A list of 30 to 80 pairs, different for every upload, with umlaut bytes.
std::string listFor(int n, std::mt19937& rng) {
  std::string file;
  int pairs = 30 + static_cast<int>(rng() % 51);
  for (int i = 0; i < pairs; ++i) {
    file += "word" + std::to_string(n) + "_" + std::to_string(i) + "\r\n";
    file += "W\xF6rt" "chen " + std::to_string(rng()) + " \xE4\xFC\xDF\r\n1\r\n\r\n";
  }
  return file;
}

std::string leaf(const std::string& body, const std::string& name, std::size_t from = 0) {
  const std::string open = "<" + name + ">", close = "</" + name + ">";
  std::size_t a = body.find(open, from);
  if (a == std::string::npos) return {};
  a += open.size();
  std::size_t b = body.find(close, a);
  return b == std::string::npos ? std::string() : body.substr(a, b - a);
}

std::string encodePath(const std::string& name) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : name) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_') out += static_cast<char>(c);
    else { out += '%'; out += hex[c >> 4]; out += hex[c & 15]; }
  }
  return out;
}

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(p * (v.size() - 1) + 0.5))];
}

}  // namespace

int main(int argc, char** argv) {
  int uploads = 200, clients = 20, port = 0, killPid = 0, killAfter = 0;
  std::vector<int> ports;
  std::string host = "127.0.0.1";
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--uploads") uploads = std::stoi(argv[i + 1]);
    else if (a == "--clients") clients = std::stoi(argv[i + 1]);
    else if (a == "--host") host = argv[i + 1];
    else if (a == "--kill-pid") killPid = std::stoi(argv[i + 1]);
    else if (a == "--kill-after") killAfter = std::stoi(argv[i + 1]);
    else if (a == "--port") {
      std::string list = argv[i + 1];
      for (std::size_t at = 0; at <= list.size();) {
        std::size_t comma = list.find(',', at);
        if (comma == std::string::npos) comma = list.size();
        ports.push_back(std::stoi(list.substr(at, comma - at)));
        at = comma + 1;
      }
      port = ports.front();
    }
  }
  clients = std::max(1, std::min(clients, uploads));

  // Own server unless one was named.
  std::filesystem::path dir;
  std::unique_ptr<cSqliteStore> store;
  std::unique_ptr<cExchangeService> service;
  std::unique_ptr<cExchangeHttpServer> http;
  std::thread serverThread;
  if (port == 0) {
    dir = std::filesystem::temp_directory_path() / ("tavrio-upload-load-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    store = std::make_unique<cSqliteStore>((dir / "exchange.sqlite").string(), 64);
    seedDemoCatalogue(*store);
    service = std::make_unique<cExchangeService>(*store, cServiceSettings{});
    http = std::make_unique<cExchangeHttpServer>(*service, cHttpSettings{});
    port = http->bind(host, 0);
    if (port < 0) { std::fprintf(stderr, "cannot bind\n"); return 1; }
    serverThread = std::thread([&] { http->run(); });
    ports = {port};
  }
  const std::size_t k = ports.size();

  const std::string book = "Lasttest " + std::to_string(std::random_device{}() % 1000000);
  std::vector<std::string> names(uploads), contents(uploads);
  std::mt19937 rng(42);
  for (int n = 0; n < uploads; ++n) {
    names[n] = book + " - Liste " + std::to_string(n) + ".vok";
    contents[n] = listFor(n, rng);
  }

  std::vector<double> latencies;
  std::mutex latencyMutex;
  std::atomic<int> next{0}, ok{0}, failed{0};
  std::atomic<bool> killed{false};
  std::vector<char> answeredOk(static_cast<std::size_t>(uploads), 0);
  auto start = Clock::now();
  std::vector<std::thread> workers;
  for (int c = 0; c < clients; ++c) {
    workers.emplace_back([&] {
      for (int n; (n = next++) < uploads;) {
        httplib::Client cli(host, ports[static_cast<std::size_t>(n) % k]);
        cli.set_read_timeout(20);
        auto t0 = Clock::now();
        auto res = cli.Post("/Kavnet/Tavrio/Network/uploadfile.php", uploadBody(names[n], contents[n]),
                            kContentType.c_str());
        double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        bool good = res && res->status == 200 && leaf(res->body, "result") == "successful" &&
                    leaf(res->body, "filename") == names[n];
        (good ? ok : failed)++;
        if (good) answeredOk[static_cast<std::size_t>(n)] = 1;
        if (killPid > 0 && ok >= killAfter && !killed.exchange(true)) {
          ::kill(killPid, SIGKILL);
          std::printf("killed process %d after %d successful uploads\n", killPid, ok.load());
        }
        if (getenv("LOAD_DEBUG") && ms > 100) std::fprintf(stderr, "slow upload %d: %.1f ms\n", n, ms);
        std::lock_guard lock(latencyMutex);
        latencies.push_back(ms);
      }
    });
  }
  for (auto& w : workers) w.join();
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();

  // Every list back, byte for byte, from the server after the one that took
  // it (another one when that is gone). With a kill, only the uploads that
  // were answered "successful" must be there.
  int identical = 0, mustHave = 0;
  for (int n = 0; n < uploads; ++n) {
    const bool required = killPid == 0 || answeredOk[static_cast<std::size_t>(n)];
    mustHave += required ? 1 : 0;
    for (std::size_t tryPort = 0; tryPort < k; ++tryPort) {
      httplib::Client one(host, ports[(static_cast<std::size_t>(n) + 1 + tryPort) % k]);
      auto res = one.Get("/Kavnet/Tavrio/Network/VokDateien/" + encodePath(names[n]));
      if (!res) continue;  // that server is down
      if (required && res->status == 200 && res->body == contents[n]) ++identical;
      break;
    }
  }
  httplib::Client cli(host, killPid > 0 ? ports.back() : ports[k > 1 ? 1 : 0]);

  // Exactly once: the book's chapter list holds each name one time.
  int stored = 0;
  std::set<std::string> titles;
  if (auto books = cli.Get("/tavrio_webinterface.php?GIVEME=BUECHER")) {
    std::string id;
    for (std::size_t pos = 0; (pos = books->body.find("<buch>", pos)) != std::string::npos; ++pos)
      if (leaf(books->body, "titel", pos) == book) id = leaf(books->body, "id", pos);
    if (auto chapters = cli.Get("/tavrio_webinterface.php?GIVEME=KAPITEL&BUCH=" + id)) {
      for (std::size_t pos = 0; (pos = chapters->body.find("<kapitel>", pos)) != std::string::npos; ++pos) {
        ++stored;
        titles.insert(leaf(chapters->body, "titel", pos));
      }
    }
  }

  std::printf("uploads: %d from %d clients in %.2f s (%.0f uploads/s)\n", uploads, clients, seconds,
              uploads / seconds);
  std::printf("upload latency ms: p50 %.1f  p99 %.1f  max %.1f\n", percentile(latencies, 0.5),
              percentile(latencies, 0.99), percentile(latencies, 1.0));
  std::printf("successful: %d  failed: %d\n", ok.load(), failed.load());
  std::printf("downloaded byte-identical: %d of %d %s\n", identical, mustHave,
              killPid > 0 ? "answered successful" : "");
  std::printf("stored chapters: %d (distinct %zu)\n", stored, titles.size());

  if (http) {
    http->stop();
    serverThread.join();
    http.reset();
    service.reset();
    store.reset();
    std::filesystem::remove_all(dir);
  }
  // Exactly once: no title twice, and every successful upload among them.
  bool pass = killPid == 0 ? ok == uploads && identical == uploads && stored == uploads &&
                                 titles.size() == static_cast<std::size_t>(uploads)
                           : identical == mustHave && stored == static_cast<int>(titles.size()) &&
                                 stored >= ok;
  std::printf("%s\n", pass ? "PASS" : "FAIL");
  return pass ? 0 : 1;
}
