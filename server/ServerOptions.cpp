#include "server/ServerOptions.h"

#include "server/TextBytes.h"

namespace tavrio::server {

const char* serverUsage() {
  return "Usage: tavrio-exchange [options]\n"
         "Serves the Tavrio vocabulary exchange from a SQLite or PostgreSQL database.\n"
         "\n"
         "  --port N             port to listen on (default 8517; 0 picks a free one)\n"
         "  --host ADDR          address to bind (default 127.0.0.1)\n"
         "  --data DIR           directory of the database exchange.sqlite; created\n"
         "                       and seeded with the demo catalogue at first start\n"
         "                       (default ./exchange-data)\n"
         "  --database URL       use the PostgreSQL database at URL (postgresql://...)\n"
         "                       instead; several servers may share it\n"
         "  --current-version N  newest program version; clients at N or above\n"
         "                       are told they are current (default 2)\n"
         "  --update-url URL     where outdated clients fetch the new version\n"
         "                       (default http://127.0.0.1:8517/)\n"
         "  --max-upload BYTES   largest list file accepted (default 1000000)\n"
         "  --threads N          event threads; each serves many connections (default 4)\n"
         "  --max-connections N  open connections in all (default 4000)\n"
         "  --max-per-address N  open connections from one address; 0 = no limit,\n"
         "                       for use behind a proxy that limits (default 64)\n"
         "  --request-timeout S  seconds a request's headers and body may take, and\n"
         "                       an idle connection may stay open (default 10)\n"
         "  --verbose            log every request to standard error\n"
         "  --help               show this text\n";
}

bool parseServerOptions(const std::vector<std::string>& args, cServerOptions& out, std::string& error) {
  auto number = [&](std::size_t& i, const std::string& opt, int min, int max, int& value) {
    if (i + 1 >= args.size()) {
      error = opt + " needs a value";
      return false;
    }
    const std::string& text = args[++i];
    if (!parseInt(text, value) || value < min || value > max) {
      error = opt + ": not a number from " + std::to_string(min) + " to " + std::to_string(max) +
              ": " + text;
      return false;
    }
    return true;
  };
  auto text = [&](std::size_t& i, const std::string& opt, std::string& value) {
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      error = opt + " needs a value";
      return false;
    }
    value = args[++i];
    return true;
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    int v = 0;
    if (a == "--help" || a == "-h") {
      out.help = true;
    } else if (a == "--port") {
      if (!number(i, a, 0, 65535, v)) return false;
      out.port = v;
    } else if (a == "--host") {
      if (!text(i, a, out.host)) return false;
    } else if (a == "--data") {
      if (!text(i, a, out.dataDir)) return false;
    } else if (a == "--current-version") {
      if (!number(i, a, 0, 1000000, v)) return false;
      out.service.currentVersion = v;
    } else if (a == "--update-url") {
      if (!text(i, a, out.service.updateUrl)) return false;
    } else if (a == "--max-upload") {
      if (!number(i, a, 1, 100000000, v)) return false;
      out.service.maxUploadBytes = static_cast<std::size_t>(v);
    } else if (a == "--database") {
      if (!text(i, a, out.database)) return false;
      if (out.database.rfind("postgresql://", 0) != 0 && out.database.rfind("postgres://", 0) != 0) {
        error = "--database: not a postgresql:// address: " + out.database;
        return false;
      }
    } else if (a == "--threads") {
      if (!number(i, a, 1, 256, v)) return false;
      out.http.threads = static_cast<std::size_t>(v);
    } else if (a == "--max-connections") {
      if (!number(i, a, 1, 1000000, v)) return false;
      out.http.maxConnections = static_cast<std::size_t>(v);
    } else if (a == "--max-per-address") {
      if (!number(i, a, 0, 1000000, v)) return false;
      out.http.maxPerAddress = static_cast<std::size_t>(v);
    } else if (a == "--request-timeout") {
      if (!number(i, a, 1, 3600, v)) return false;
      out.http.requestTimeout = std::chrono::seconds(v);
    } else if (a == "--verbose") {
      out.http.logRequests = true;
    } else {
      error = "unknown option: " + a;
      return false;
    }
  }
  return true;
}

}  // namespace tavrio::server
