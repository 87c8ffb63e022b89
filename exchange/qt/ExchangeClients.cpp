#include "exchange/qt/ExchangeClients.h"

namespace tavrio::exchange {

cExchangeClients::cExchangeClients(const cExchangeConfig& cfg, const std::string& workingDir)
    : config(cfg),
      web(queryHttp, cfg.queryUrl),
      files(fileHttp, uploadSocket, cfg.fileUrl, workingDir)
{
}

} // namespace tavrio::exchange
