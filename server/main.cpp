// tavrio-exchange: the reference exchange server. Wires options, store,
// service and HTTP listener; see server/README.md.
#include <pthread.h>

#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>
#include <thread>

#include "server/DemoCatalogue.h"
#include "server/HttpServer.h"
#include "server/PostgresStore.h"
#include "server/ServerOptions.h"
#include "server/SqliteStore.h"

int main(int argc, char** argv) {
  using namespace tavrio::server;
  cServerOptions options;
  std::string error;
  if (!parseServerOptions({argv + 1, argv + argc}, options, error)) {
    std::cerr << "tavrio-exchange: " << error << "\n\n" << serverUsage();
    return 2;
  }
  if (options.help) {
    std::cout << serverUsage();
    return 0;
  }
  // SIGINT and SIGTERM are taken by one waiting thread, which stops the
  // server; every other thread inherits the blocked mask.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    // One store connection per event thread: handlers run on those threads.
    std::unique_ptr<cExchangeStore> store;
    std::string where;
    if (!options.database.empty()) {
      store = std::make_unique<cPostgresStore>(options.database, options.http.threads);
      where = "the PostgreSQL database";
    } else {
      std::filesystem::create_directories(options.dataDir);
      where = (std::filesystem::path(options.dataDir) / "exchange.sqlite").string();
      store = std::make_unique<cSqliteStore>(where, options.http.threads);
    }
    bool seeded = false;
    store->exclusively([&] { seeded = seedDemoCatalogue(*store); });
    if (seeded) std::cerr << "tavrio-exchange: seeded demo catalogue in " << where << "\n";

    cExchangeService service(*store, options.service);
    cExchangeHttpServer http(service, options.http);
    int port = http.bind(options.host, options.port);
    if (port < 0) {
      std::cerr << "tavrio-exchange: cannot listen on " << options.host << ":" << options.port << "\n";
      return 1;
    }
    std::thread stopper([&] {
      int sig = 0;
      sigwait(&stopSignals, &sig);
      http.stop();
    });
    // Callers that start the server on port 0 read the port from this line.
    std::cout << "tavrio-exchange listening on http://" << options.host << ":" << port << std::endl;
    bool ok = http.run();
    // Uploads and queries already under way are answered before the end.
    http.drain();
    // run() also ends on its own when the listener fails; wake the waiter.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return ok ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "tavrio-exchange: " << e.what() << "\n";
    return 1;
  }
}
