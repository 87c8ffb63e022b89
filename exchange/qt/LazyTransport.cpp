#include "exchange/qt/LazyTransport.h"

#include "ui/IoModule.h"

namespace tavrio::exchange {
namespace {
// Creates the module's adapter once; null without the module.
template <class Client>
Client* adapter(std::unique_ptr<Client>& real, bool& tried, const char* factory, int timeoutMs)
{
    if (!tried) {
        tried = true;
        using Create = Client* (*)(int);
        if (auto create = reinterpret_cast<Create>(ioModuleFunction(factory)))
            real.reset(create(timeoutMs));
    }
    return real.get();
}
} // namespace

bool cLazyHttpClient::Get(const std::string& url, std::size_t maxBody, std::function<void(const cHttpReply&)> done)
{
    cHttpClient* real = adapter(real_, tried_, "tavrioCreateHttpClient", timeoutMs_);
    return real && real->Get(url, maxBody, std::move(done));
}

bool cLazySocketClient::Exchange(const std::string& host, int port, const std::string& request, std::size_t maxReply,
                                 std::function<bool(const std::string&)> complete,
                                 std::function<void(bool failed, const std::string& reply)> done)
{
    cSocketClient* real = adapter(real_, tried_, "tavrioCreateSocketClient", timeoutMs_);
    return real && real->Exchange(host, port, request, maxReply, std::move(complete), std::move(done));
}

} // namespace tavrio::exchange
