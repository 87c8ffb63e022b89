#pragma once
// The program's one query client and one file transfer client, each over
// its own Qt transport, built from the exchange configuration.
#include "exchange/ExchangeConfig.h"
#include "exchange/WebFileInterface.h"
#include "exchange/WebInterface.h"
#include "exchange/qt/QtHttpClient.h"
#include "exchange/qt/QtSocketClient.h"

namespace tavrio::exchange {

class cExchangeClients {
public:
    // Downloads are saved in `workingDir` (the current directory by default).
    explicit cExchangeClients(const cExchangeConfig& config, const std::string& workingDir = ".");

    const cExchangeConfig config;
    cQtHttpClient queryHttp;
    cQtHttpClient fileHttp;
    cQtSocketClient uploadSocket;
    cWebinterface web;
    cWebFileInterface files;
};

} // namespace tavrio::exchange
