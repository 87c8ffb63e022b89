#pragma once
// The transports the program's exchange clients use: they create the Qt
// Network adapters (QtHttpClient, QtSocketClient) from the tavrio_io module
// with the first transfer, so Qt Network is not loaded while the program
// starts. Without the module a transfer cannot be started: the exchange
// reports itself unreachable.
#include "exchange/Transport.h"

#include <memory>

namespace tavrio::exchange {

class cLazyHttpClient final : public cHttpClient {
public:
    // For transfers of an adapter not yet created (set it before the first).
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }
    bool Get(const std::string& url, std::size_t maxBody, std::function<void(const cHttpReply&)> done) override;

private:
    std::unique_ptr<cHttpClient> real_;
    bool tried_ = false;
    int timeoutMs_ = 20000;
};

class cLazySocketClient final : public cSocketClient {
public:
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }
    bool Exchange(const std::string& host, int port, const std::string& request, std::size_t maxReply,
                  std::function<bool(const std::string&)> complete,
                  std::function<void(bool failed, const std::string& reply)> done) override;

private:
    std::unique_ptr<cSocketClient> real_;
    bool tried_ = false;
    int timeoutMs_ = 20000;
};

} // namespace tavrio::exchange
