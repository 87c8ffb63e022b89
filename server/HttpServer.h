#pragma once
// Binds cExchangeService to an HTTP listener (GNU libmicrohttpd, epoll).
// A few event threads each watch many connections, so an idle or slow
// connection costs a socket and a little memory, never a thread. Handlers
// run on the event thread that owns the connection.
//
// Limits against hostile clients:
// - a request's headers and body must arrive within `requestTimeout` of the
//   moment the connection became ready for it (opened, or the previous
//   answer sent); after that the connection is shut down. The same span
//   ends an idle keep-alive connection.
// - at most `maxConnections` connections in all and `maxPerAddress` from
//   one address (0: no limit per address, for use behind a proxy that
//   limits instead); connections beyond are closed at once.
// - a refused upload closes its connection: no byte of its body is ever
//   read as a request. Pipelined requests are answered in order.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_set>

#include "server/ExchangeService.h"

struct MHD_Daemon;
struct MHD_Connection;

namespace tavrio::server {

struct cHttpSettings {
  std::size_t threads = 4;                      // event threads
  std::size_t maxConnections = 4000;
  std::size_t maxPerAddress = 64;               // 0: unlimited
  std::chrono::milliseconds requestTimeout{10000};
  bool logRequests = false;
};

class cExchangeHttpServer {
 public:
  cExchangeHttpServer(cExchangeService& service, cHttpSettings settings);
  ~cExchangeHttpServer();
  cExchangeHttpServer(const cExchangeHttpServer&) = delete;
  cExchangeHttpServer& operator=(const cExchangeHttpServer&) = delete;

  // Binds the address and starts serving; port 0 picks a free one. Returns
  // the bound port, or -1.
  int bind(const std::string& host, int port);
  // Blocks until stop(); call after bind().
  bool run();
  // Thread-safe; run() returns soon after.
  void stop();
  // Stops accepting connections and waits until the requests already
  // started are answered, at most the request timeout plus two seconds
  // (a request still arriving is cut at its deadline anyway). Call after
  // run() returns, before the server is destroyed.
  void drain();

  // Per-connection bookkeeping of the request deadline (public for the
  // library's C callbacks).
  struct cConnectionState;
  struct cRequest;
  void watch(cConnectionState* state);
  void unwatch(cConnectionState* state);
  void restartDeadline(cConnectionState* state);
  static void answering(cConnectionState* state);
  void requestStarted() { ++activeRequests_; }
  void requestEnded() { --activeRequests_; }
  int handle(MHD_Connection* connection, const char* method, const char* uploadData,
             std::size_t* uploadSize, cRequest& request);

 private:
  void sweep();

  cExchangeService& service_;
  cHttpSettings settings_;
  MHD_Daemon* daemon_ = nullptr;
  std::atomic<int> activeRequests_{0};   // request line seen, not yet completed

  std::mutex mutex_;                 // guards the fields below
  std::condition_variable wake_;
  bool stopping_ = false;
  std::unordered_set<cConnectionState*> connections_;
  std::thread watchdog_;
};

}  // namespace tavrio::server
