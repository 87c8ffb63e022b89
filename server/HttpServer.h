#pragma once
// Binds cExchangeService to an HTTP listener (cpp-httplib). One worker
// thread per open connection, up to `threads`; keep-alive connections stay
// with their worker, so `threads` should exceed the expected connections.
#include <memory>
#include <string>

#include "server/ExchangeService.h"

namespace httplib { class Server; }

namespace tavrio::server {

class cExchangeHttpServer {
 public:
  cExchangeHttpServer(cExchangeService& service, std::size_t threads, bool logRequests);
  ~cExchangeHttpServer();
  cExchangeHttpServer(const cExchangeHttpServer&) = delete;
  cExchangeHttpServer& operator=(const cExchangeHttpServer&) = delete;

  // Binds the address; port 0 picks a free one. Returns the bound port, or -1.
  int bind(const std::string& host, int port);
  // Serves until stop(); call after bind().
  bool run();
  // Thread-safe; run() returns soon after.
  void stop();

 private:
  cExchangeService& service_;
  std::unique_ptr<httplib::Server> http_;
  int listenSocket_ = -1;   // seen while binding
  bool binding_ = false;
};

}  // namespace tavrio::server
