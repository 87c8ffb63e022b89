#pragma once
// Reads where the exchange lives. Each value starts from its default
// (http://127.0.0.1:8517 for both hosts), is replaced by the settings key
// when set, and by the environment variable when set (environment wins).
// A value that is not a plain "http://host[:port]" base URL is ignored.
//
//   query host:  settings "Exchange/QueryUrl",    env TAVRIO_QUERY_URL
//   file host:   settings "Exchange/FileUrl",     env TAVRIO_FILE_URL
//   mail:        settings "Exchange/MailAddress"
#include "exchange/ExchangeConfig.h"

class QSettings;

namespace tavrio::exchange {

// Settings of organisation "Quendel", application "Tavrio".
cExchangeConfig loadExchangeConfig();
cExchangeConfig loadExchangeConfig(QSettings& settings);

} // namespace tavrio::exchange
