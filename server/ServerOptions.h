#pragma once
// Command line of tavrio-exchange.
#include <string>
#include <vector>

#include "server/ExchangeService.h"
#include "server/HttpServer.h"

namespace tavrio::server {

struct cServerOptions {
  std::string host = "127.0.0.1";
  int port = 8517;
  std::string dataDir = "exchange-data";
  std::string database;   // postgresql://... ; empty: SQLite in dataDir
  cHttpSettings http;
  bool help = false;
  cServiceSettings service;
};

// Fills `out` from the arguments (without the program name). On a mistake
// returns false and sets `error`.
bool parseServerOptions(const std::vector<std::string>& args, cServerOptions& out, std::string& error);

const char* serverUsage();

}  // namespace tavrio::server
