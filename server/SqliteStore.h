#pragma once
// cExchangeStore on SQLite. The database runs in WAL mode so readers go on
// while an upload writes; every thread leases a connection of its own from a
// small pool, and each connection keeps its prepared statements. Only
// prepared statements with bound parameters touch the data. Searches run on
// an in-memory index loaded at opening and updated with every stored list,
// so one process should own the database file.
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "server/ConnectionPool.h"
#include "server/ExchangeStore.h"
#include "server/SearchIndex.h"

struct sqlite3;

namespace tavrio::server {

class cSqliteStore final : public cExchangeStore {
 public:
  // Opens or creates the database file; ":memory:" gives a private in-memory
  // database served by a single connection. Throws std::runtime_error.
  explicit cSqliteStore(std::string path, std::size_t maxConnections = 16);
  ~cSqliteStore() override;
  cSqliteStore(const cSqliteStore&) = delete;
  cSqliteStore& operator=(const cSqliteStore&) = delete;

  std::vector<cChapterInfo> search(std::string_view word, std::size_t limit) override;
  std::vector<cBookInfo> books() override;
  std::vector<cChapterInfo> chapters(std::optional<std::int64_t> bookId) override;
  std::optional<std::string> listFile(std::string_view fileName) override;
  void storeList(const cNewList& list) override;
  void addChange(const cChange& change) override;
  std::vector<cChange> changesBetween(int version, int upTo) override;

  class cConnection;

 private:
  cConnectionPool<cConnection>::cLease lease();

  std::string path_;
  cConnectionPool<cConnection> pool_;
  // Writers queue here instead of in SQLite's busy handler, whose sleeps
  // grow long under contention; readers never wait for it (WAL).
  std::mutex writeMutex_;
  cSearchIndex index_;
};

}  // namespace tavrio::server
