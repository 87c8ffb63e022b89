#include "server/HttpServer.h"

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <limits>

#include "server/TextBytes.h"

namespace tavrio::server {

using Clock = std::chrono::steady_clock;

struct cExchangeHttpServer::cConnectionState {
  int fd = -1;
  // Steady-clock nanoseconds by which the current request must be read
  // whole; kNoDeadline while it is being answered.
  std::atomic<std::int64_t> deadline{0};
  bool shut = false;   // guarded by the server's mutex
};

struct cExchangeHttpServer::cRequest {
  std::string target;        // the raw request target, still percent-encoded
  bool started = false;      // the handler has seen the headers
  std::string contentType;
  std::string body;          // kept upload bytes
  std::size_t seen = 0;      // upload bytes received, kept or not
  bool cut = false;          // the body grew past the service's limit
};

namespace {

constexpr std::int64_t kNoDeadline = std::numeric_limits<std::int64_t>::max();

std::int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// The raw path of a request target, without query or fragment.
std::string_view rawPathOf(std::string_view target) { return target.substr(0, target.find_first_of("?#")); }

std::string_view rawQueryOf(std::string_view target) {
  std::size_t q = target.find('?');
  return q == std::string_view::npos ? std::string_view() : target.substr(q + 1);
}

cExchangeHttpServer::cConnectionState* stateOf(MHD_Connection* connection) {
  const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
  return info ? static_cast<cExchangeHttpServer::cConnectionState*>(info->socket_context) : nullptr;
}

// --- the library's callbacks -------------------------------------------------

void onConnection(void* cls, MHD_Connection* connection, void** socketContext,
                  MHD_ConnectionNotificationCode code) {
  auto* server = static_cast<cExchangeHttpServer*>(cls);
  if (code == MHD_CONNECTION_NOTIFY_STARTED) {
    auto* state = new cExchangeHttpServer::cConnectionState;
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    state->fd = info ? info->connect_fd : -1;
    *socketContext = state;
    server->watch(state);
  } else if (auto* state = static_cast<cExchangeHttpServer::cConnectionState*>(*socketContext)) {
    // Called before the library closes the socket, so the watchdog never
    // touches a descriptor that may already belong to someone else.
    server->unwatch(state);
    delete state;
    *socketContext = nullptr;
  }
}

void* onRequestLine(void* cls, const char* uri, MHD_Connection*) {
  static_cast<cExchangeHttpServer*>(cls)->requestStarted();
  auto* request = new cExchangeHttpServer::cRequest;
  request->target = uri ? uri : "";
  return request;
}

void onCompleted(void* cls, MHD_Connection* connection, void** requestContext,
                 MHD_RequestTerminationCode) {
  auto* server = static_cast<cExchangeHttpServer*>(cls);
  if (auto* request = static_cast<cExchangeHttpServer::cRequest*>(*requestContext)) {
    delete request;
    *requestContext = nullptr;
    server->requestEnded();
  }
  if (auto* state = stateOf(connection)) server->restartDeadline(state);
}

MHD_Result onRequest(void* cls, MHD_Connection* connection, const char*, const char* method,
                     const char*, const char* uploadData, size_t* uploadSize, void** requestContext) {
  auto* request = static_cast<cExchangeHttpServer::cRequest*>(*requestContext);
  if (!request) return MHD_NO;
  return static_cast<cExchangeHttpServer*>(cls)->handle(connection, method, uploadData, uploadSize,
                                                        *request) == 1
             ? MHD_YES
             : MHD_NO;
}

// The library decodes paths and arguments in place; the service wants the
// raw bytes, so decoding is left to it.
size_t keepEscapes(void*, MHD_Connection*, char* s) { return std::strlen(s); }

bool sendReply(MHD_Connection* connection, int status, std::string_view contentType,
               std::string_view body, bool close) {
  MHD_Response* response =
      MHD_create_response_from_buffer(body.size(), const_cast<char*>(body.data()), MHD_RESPMEM_MUST_COPY);
  if (!response) return false;
  if (!contentType.empty()) MHD_add_response_header(response, "Content-Type", std::string(contentType).c_str());
  if (close) MHD_add_response_header(response, "Connection", "close");
  MHD_Result ok = MHD_queue_response(connection, static_cast<unsigned>(status), response);
  MHD_destroy_response(response);
  return ok == MHD_YES;
}

}  // namespace

cExchangeHttpServer::cExchangeHttpServer(cExchangeService& service, cHttpSettings settings)
    : service_(service), settings_(settings) {
  if (settings_.threads == 0) settings_.threads = 1;
  if (settings_.requestTimeout.count() <= 0) settings_.requestTimeout = std::chrono::milliseconds(1);
}

cExchangeHttpServer::~cExchangeHttpServer() {
  if (daemon_) MHD_stop_daemon(daemon_);
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (watchdog_.joinable()) watchdog_.join();
}

int cExchangeHttpServer::bind(const std::string& host, int port) {
  if (daemon_) return -1;
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<uint16_t>(port));
  if (inet_pton(AF_INET, host.c_str(), &addr.sin_addr) != 1) return -1;

  // The library's own idle timeout only counts silence; it backs up the
  // request deadline for connections that stall while an answer is sent.
  const auto idleSeconds = static_cast<unsigned>(
      std::max<long long>(1, (settings_.requestTimeout.count() + 999) / 1000));
  // ITC lets drain() stop the listener of a thread pool.
  const unsigned flags = MHD_USE_EPOLL_INTERNAL_THREAD | MHD_USE_ITC;
  daemon_ = MHD_start_daemon(
      flags, 0, nullptr, nullptr, &onRequest, this,
      MHD_OPTION_SOCK_ADDR, reinterpret_cast<sockaddr*>(&addr),
      MHD_OPTION_THREAD_POOL_SIZE, static_cast<unsigned>(settings_.threads),
      MHD_OPTION_CONNECTION_LIMIT, static_cast<unsigned>(settings_.maxConnections),
      MHD_OPTION_PER_IP_CONNECTION_LIMIT, static_cast<unsigned>(settings_.maxPerAddress),
      MHD_OPTION_CONNECTION_TIMEOUT, idleSeconds,
      MHD_OPTION_LISTEN_BACKLOG_SIZE, static_cast<unsigned>(SOMAXCONN),
      MHD_OPTION_URI_LOG_CALLBACK, &onRequestLine, this,
      MHD_OPTION_NOTIFY_COMPLETED, &onCompleted, this,
      MHD_OPTION_NOTIFY_CONNECTION, &onConnection, this,
      MHD_OPTION_UNESCAPE_CALLBACK, &keepEscapes, nullptr,
      MHD_OPTION_END);
  if (!daemon_) return -1;
  const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
  if (!info || info->port == 0) {
    MHD_stop_daemon(daemon_);
    daemon_ = nullptr;
    return -1;
  }
  watchdog_ = std::thread([this] { sweep(); });
  return info->port;
}

bool cExchangeHttpServer::run() {
  if (!daemon_) return false;
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [&] { return stopping_; });
  return true;
}

void cExchangeHttpServer::stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
}

void cExchangeHttpServer::drain() {
  if (!daemon_) return;
  const MHD_socket listener = MHD_quiesce_daemon(daemon_);
  if (listener != MHD_INVALID_SOCKET) ::close(listener);
  const auto end = Clock::now() + settings_.requestTimeout + std::chrono::seconds(2);
  while (activeRequests_.load() > 0 && Clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void cExchangeHttpServer::watch(cConnectionState* state) {
  state->deadline = nowNs() + std::chrono::nanoseconds(settings_.requestTimeout).count();
  std::lock_guard lock(mutex_);
  connections_.insert(state);
}

void cExchangeHttpServer::unwatch(cConnectionState* state) {
  std::lock_guard lock(mutex_);
  connections_.erase(state);
}

void cExchangeHttpServer::restartDeadline(cConnectionState* state) {
  state->deadline = nowNs() + std::chrono::nanoseconds(settings_.requestTimeout).count();
}

void cExchangeHttpServer::answering(cConnectionState* state) { state->deadline = kNoDeadline; }

// Shuts down every connection whose request is overdue; the event thread
// that owns it then sees the end of the stream and closes it.
void cExchangeHttpServer::sweep() {
  const auto period = std::clamp<std::chrono::milliseconds>(settings_.requestTimeout / 4,
                                                           std::chrono::milliseconds(10),
                                                           std::chrono::milliseconds(250));
  std::unique_lock lock(mutex_);
  while (!wake_.wait_for(lock, period, [&] { return stopping_; })) {
    const std::int64_t now = nowNs();
    for (cConnectionState* state : connections_) {
      if (!state->shut && state->fd >= 0 && state->deadline.load() < now) {
        ::shutdown(state->fd, SHUT_RDWR);
        state->shut = true;
      }
    }
  }
}

int cExchangeHttpServer::handle(MHD_Connection* connection, const char* method, const char* uploadData,
                                std::size_t* uploadSize, cRequest& request) {
  const std::string_view path = rawPathOf(request.target);
  const bool isGet = std::strcmp(method, "GET") == 0;
  const bool isUpload = std::strcmp(method, "POST") == 0 && path == kUploadPath;
  auto reply = [&](int status, std::string_view type, std::string_view body, bool close) {
    if (auto* state = stateOf(connection)) answering(state);
    if (settings_.logRequests)
      std::fprintf(stderr, "%s %s -> %d (%zu bytes)\n", logSafe(method).c_str(),
                   logSafe(request.target).c_str(), status, body.size());
    return sendReply(connection, status, type, body, close) ? 1 : 0;
  };

  // Every request is answered on the call after its whole body is in (the
  // first call only brings the headers); an answer queued before that makes
  // the library close the connection. Bodies past their limit are refused
  // at once and the connection closed, so the rest is never read.
  const std::size_t keep = isUpload ? service_.uploadBodyLimit() : 0;
  // An upload past `keep` is still drained up to `drain` so that a client
  // that sends everything before reading still reads the refusal.
  const std::size_t drain = isUpload ? keep * 16 : 65536;
  auto tooBig = [&] {
    if (!isUpload) return reply(413, "text/plain", "", true);
    cReply r = service_.upload(request.contentType, request.body, true);
    return reply(r.status, r.contentType, r.body, true);
  };
  if (!request.started) {
    request.started = true;
    const char* type = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Content-Type");
    request.contentType = type ? type : "";
    if (const char* length = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Content-Length")) {
      errno = 0;
      char* end = nullptr;
      unsigned long long announced = std::strtoull(length, &end, 10);
      if (errno == 0 && end && *end == '\0' && announced > drain) {
        *uploadSize = 0;
        return tooBig();
      }
    }
    return 1;
  }
  if (*uploadSize > 0) {
    request.seen += *uploadSize;
    // The kept start still names the file, so the refusal can echo it.
    const std::size_t room = keep - request.body.size();
    if (!request.cut) request.body.append(uploadData, std::min(room, *uploadSize));
    if (*uploadSize > room) request.cut = true;
    *uploadSize = 0;
    if (request.seen > drain) return tooBig();
    return 1;
  }

  // The whole request is in.
  if (isUpload) {
    if (request.cut) return tooBig();
    cReply r = service_.upload(request.contentType, request.body, false);
    return reply(r.status, r.contentType, r.body, r.status == 413);
  }
  if (isGet && path == kQueryPath) {
    cReply r = service_.query(rawQueryOf(request.target));
    return reply(r.status, r.contentType, r.body, false);
  }
  if (isGet && path.substr(0, kDownloadPrefix.size()) == kDownloadPrefix) {
    cReply r = service_.download(path.substr(kDownloadPrefix.size()));
    return reply(r.status, r.contentType, r.body, false);
  }
  return reply(isGet || std::strcmp(method, "POST") == 0 ? 404 : 405, "text/plain", "", false);
}

}  // namespace tavrio::server
