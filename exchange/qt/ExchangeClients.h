#pragma once
// The program's one query client and one file transfer client, each over
// its own Qt transport (created with its first transfer), built from the
// exchange configuration.
#include "exchange/ExchangeConfig.h"
#include "exchange/WebFileInterface.h"
#include "exchange/WebInterface.h"
#include "exchange/qt/LazyTransport.h"

namespace tavrio::exchange {

class cExchangeClients {
public:
    // Downloads are saved in `workingDir` (the current directory by default).
    explicit cExchangeClients(const cExchangeConfig& config, const std::string& workingDir = ".");

    const cExchangeConfig config;
    cLazyHttpClient queryHttp;
    cLazyHttpClient fileHttp;
    cLazySocketClient uploadSocket;
    cWebinterface web;
    cWebFileInterface files;
};

} // namespace tavrio::exchange
