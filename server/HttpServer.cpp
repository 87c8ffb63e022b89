#include "server/HttpServer.h"

#include <httplib.h>

#include <sys/socket.h>

#include <cstdio>

namespace tavrio::server {

namespace {

// A literal path as a route pattern: dots escaped.
std::string literalRoute(std::string_view path) {
  std::string out;
  for (char c : path) {
    if (c == '.') out += '\\';
    out += c;
  }
  return out;
}

// The raw query string of a request target, still percent-encoded.
std::string_view rawQueryOf(const std::string& target) {
  std::size_t q = target.find('?');
  return q == std::string::npos ? std::string_view() : std::string_view(target).substr(q + 1);
}

// The raw path of a request target, without query or fragment.
std::string_view rawPathOf(const std::string& target) {
  std::string_view t(target);
  return t.substr(0, t.find_first_of("?#"));
}

void send(httplib::Response& res, const cReply& reply) {
  res.status = reply.status;
  res.set_content(reply.body, reply.contentType.c_str());
}

}  // namespace

cExchangeHttpServer::cExchangeHttpServer(cExchangeService& service, std::size_t threads,
                                         bool logRequests)
    : service_(service), http_(std::make_unique<httplib::Server>()) {
  const std::size_t workers = threads == 0 ? 1 : threads;
  http_->new_task_queue = [workers] { return new httplib::ThreadPool(workers); };
  http_->set_keep_alive_max_count(100000);
  http_->set_keep_alive_timeout(5);
  http_->set_read_timeout(20);
  http_->set_write_timeout(20);
  http_->set_tcp_nodelay(true);
  http_->set_socket_options([this](socket_t sock) {
    httplib::default_socket_options(sock);
    if (binding_) listenSocket_ = sock;
  });
  if (logRequests) {
    http_->set_logger([](const httplib::Request& req, const httplib::Response& res) {
      std::fprintf(stderr, "%s %s -> %d (%zu bytes)\n", req.method.c_str(), req.target.c_str(),
                   res.status, res.body.size());
    });
  }

  http_->Get(literalRoute(kQueryPath), [this](const httplib::Request& req, httplib::Response& res) {
    send(res, service_.query(rawQueryOf(req.target)));
  });

  // The route only selects; the name is taken from the raw target and decoded
  // byte by byte by the service. "[\s\S]" also matches line breaks.
  const std::string downloadRoute = literalRoute(kDownloadPrefix) + "[\\s\\S]*";
  http_->Get(downloadRoute, [this](const httplib::Request& req, httplib::Response& res) {
    std::string_view path = rawPathOf(req.target);
    if (path.substr(0, kDownloadPrefix.size()) != kDownloadPrefix) {
      res.status = 404;
      return;
    }
    send(res, service_.download(path.substr(kDownloadPrefix.size())));
  });

  http_->Post(literalRoute(kUploadPath), [this](const httplib::Request& req, httplib::Response& res,
                                               const httplib::ContentReader& reader) {
    // Keep the body up to the service's limit, then drain a while longer so
    // the client still reads the refusal; beyond the drain limit give up.
    // httplib would parse a multipart body itself and hand over only the
    // parts; the service reads the raw body, so the reader is told it is
    // plain bytes. The request object is the server's own, not a constant.
    const std::string contentType = req.get_header_value("Content-Type");
    auto& headers = const_cast<httplib::Request&>(req).headers;
    headers.erase("Content-Type");
    headers.emplace("Content-Type", "application/octet-stream");

    const std::size_t keep = service_.uploadBodyLimit();
    const std::size_t drain = keep * 16;
    std::string body;
    std::size_t seen = 0;
    bool cut = false;
    bool complete = reader([&](const char* data, std::size_t len) {
      seen += len;
      if (!cut && body.size() + len <= keep) {
        body.append(data, len);
      } else {
        cut = true;
      }
      return seen <= drain;
    });
    if (!complete && !cut) {
      res.status = 400;
      return;
    }
    send(res, service_.upload(contentType, body, cut));
    if (cut) res.set_header("Connection", "close");
  });
}

cExchangeHttpServer::~cExchangeHttpServer() = default;

int cExchangeHttpServer::bind(const std::string& host, int port) {
  binding_ = true;
  int bound = port == 0 ? http_->bind_to_any_port(host) : (http_->bind_to_port(host, port) ? port : -1);
  binding_ = false;
  // httplib listens with a backlog of 5, so a burst of new connections
  // (every upload opens one) overflows it and waits for the 1 s SYN retry.
  // Listening again on the bound socket raises the backlog.
  if (bound > 0 && listenSocket_ >= 0) ::listen(listenSocket_, SOMAXCONN);
  return bound;
}

bool cExchangeHttpServer::run() { return http_->listen_after_bind(); }

void cExchangeHttpServer::stop() { http_->stop(); }

}  // namespace tavrio::server
