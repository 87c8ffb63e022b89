#pragma once
// The small transport seam the exchange clients talk through. Production
// uses the Qt adapters (exchange/qt); tests feed answers directly. Both
// calls complete later, through their callback, on the caller's thread;
// bodies are 8-bit bytes, never converted.
#include <cstddef>
#include <functional>
#include <string>

namespace tavrio::exchange {

struct cHttpReply {
    bool ok = false;     // the transfer completed (any status); false on network error, timeout, over-long body
    int status = 0;      // HTTP status code when ok
    std::string body;
};

class cHttpClient {
public:
    virtual ~cHttpClient() = default;
    // Starts a GET of an already encoded URL. Returns false when the request
    // cannot be started (the callback is then never called). A body longer
    // than `maxBody` bytes (0: no limit) ends the transfer with ok = false.
    virtual bool Get(const std::string& url, std::size_t maxBody,
                     std::function<void(const cHttpReply&)> done) = 0;
};

class cSocketClient {
public:
    virtual ~cSocketClient() = default;
    // Connects to host:port, sends `request` and reads the reply until
    // `complete` says it is whole, the peer closes, or `maxReply` bytes have
    // come. `done` gets the bytes read; `failed` is true when the connection
    // could not be made or nothing came back in time. Returns false when the
    // exchange cannot be started (no callback then).
    virtual bool Exchange(const std::string& host, int port, const std::string& request,
                          std::size_t maxReply, std::function<bool(const std::string&)> complete,
                          std::function<void(bool failed, const std::string& reply)> done) = 0;
};

} // namespace tavrio::exchange
