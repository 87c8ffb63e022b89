#pragma once
// cExchangeStore on PostgreSQL (libpq), so that several server processes on
// several machines share one database and see each other's uploads at once.
// Every thread leases a connection from a small pool; each connection
// prepares all statements once, and only prepared statements with bound
// parameters touch the data. Searches run in the database: the chapters'
// folded text (UTF-8 of the same case folding the SQLite store uses) has a
// pg_trgm trigram index for the substring match. The server creates and
// upgrades the schema itself, under an advisory lock, so servers starting
// together do not race.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "server/ConnectionPool.h"
#include "server/ExchangeStore.h"

namespace tavrio::server {

class cPostgresStore final : public cExchangeStore {
 public:
  // conninfo: a postgresql:// URL or key=value string. Connects, creates or
  // upgrades the schema. Throws std::runtime_error.
  explicit cPostgresStore(std::string conninfo, std::size_t maxConnections = 8);
  ~cPostgresStore() override;
  cPostgresStore(const cPostgresStore&) = delete;
  cPostgresStore& operator=(const cPostgresStore&) = delete;

  std::vector<cChapterInfo> search(std::string_view word, std::size_t limit) override;
  std::vector<cBookInfo> books() override;
  std::vector<cChapterInfo> chapters(std::optional<std::int64_t> bookId) override;
  std::optional<std::string> listFile(std::string_view fileName) override;
  void storeList(const cNewList& list) override;
  void addChange(const cChange& change) override;
  std::vector<cChange> changesBetween(int version, int upTo) override;
  // Runs `work` while holding a database-wide lock, so that only one of
  // several starting servers seeds an empty database.
  void exclusively(const std::function<void()>& work) override;

  class cConnection;

 private:
  cConnectionPool<cConnection>::cLease lease();

  std::string conninfo_;
  cConnectionPool<cConnection> pool_;
};

}  // namespace tavrio::server
