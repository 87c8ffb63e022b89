#include "server/PostgresStore.h"

#include <endian.h>
#include <libpq-fe.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

#include "server/ListText.h"
#include "server/TextBytes.h"

namespace tavrio::server {

namespace {

// Advisory lock keys: schema upgrades, and work done by one server only.
constexpr long long kSchemaLock = 0x74617672696f01;
constexpr long long kExclusiveLock = 0x74617672696f02;

// Schema upgrades, applied in order; schema_version holds how many ran.
// Texts that come back to clients are bytea, so every Windows-1252 byte
// returns unchanged and sorts by byte value; `folded` is the UTF-8 form of
// the folded search text, which pg_trgm indexes.
constexpr std::array<const char*, 1> kUpgrades = {
    R"sql(
CREATE EXTENSION IF NOT EXISTS pg_trgm;
CREATE TABLE books(
  id bigserial PRIMARY KEY,
  title bytea NOT NULL UNIQUE);
CREATE TABLE chapters(
  id bigserial PRIMARY KEY,
  book_id bigint NOT NULL REFERENCES books(id),
  title bytea NOT NULL,
  author bytea NOT NULL,
  words integer NOT NULL,
  file_name bytea NOT NULL UNIQUE,
  content bytea NOT NULL,
  folded text NOT NULL);
CREATE INDEX chapters_by_book ON chapters(book_id, id);
CREATE INDEX chapters_folded_trigrams ON chapters USING gin (folded gin_trgm_ops);
CREATE TABLE changes(
  id bigserial PRIMARY KEY,
  version integer NOT NULL,
  text bytea NOT NULL,
  made bytea NOT NULL);
)sql",
};

struct cStatement {
  const char* name;
  const char* sql;
};

enum Stmt : std::size_t {
  kSearch, kBooks, kChaptersAll, kChaptersOfBook, kListFile, kStoreList, kInsertChange, kChanges,
  kStmtCount
};

constexpr std::array<cStatement, kStmtCount> kStatements = {{
    {"search",
     "SELECT c.id, c.book_id, b.title, c.title, c.author, c.words FROM chapters c "
     "JOIN books b ON b.id = c.book_id WHERE c.folded LIKE $1 ORDER BY b.title, c.id LIMIT $2"},
    {"books", "SELECT id, title FROM books ORDER BY title"},
    {"chapters_all",
     "SELECT c.id, c.book_id, b.title, c.title, c.author, c.words FROM chapters c "
     "JOIN books b ON b.id = c.book_id ORDER BY b.title, c.id"},
    {"chapters_of_book",
     "SELECT c.id, c.book_id, b.title, c.title, c.author, c.words FROM chapters c "
     "JOIN books b ON b.id = c.book_id WHERE c.book_id = $1 ORDER BY c.id"},
    {"list_file", "SELECT content FROM chapters WHERE file_name = $1"},
    // One statement, so all or nothing. The book row is touched by the
    // update so that it is returned also when it exists already; the file
    // name determines book and chapter, so a replaced list keeps both.
    {"store_list",
     "WITH b AS (INSERT INTO books(title) VALUES($1) "
     "ON CONFLICT (title) DO UPDATE SET title = EXCLUDED.title RETURNING id) "
     "INSERT INTO chapters(book_id, title, author, words, file_name, content, folded) "
     "SELECT id, $2::bytea, $3::bytea, $4::integer, $5::bytea, $6::bytea, $7::text FROM b "
     "ON CONFLICT (file_name) DO UPDATE SET author = EXCLUDED.author, words = EXCLUDED.words, "
     "content = EXCLUDED.content, folded = EXCLUDED.folded"},
    {"insert_change", "INSERT INTO changes(version, text, made) VALUES($1, $2, $3)"},
    {"changes",
     "SELECT version, text, made FROM changes WHERE version > $1 AND version <= $2 "
     "ORDER BY version, id"},
}};

// "%" + the word with LIKE's special characters escaped + "%".
std::string likePattern(std::string_view utf8) {
  std::string out = "%";
  for (char c : utf8) {
    if (c == '%' || c == '_' || c == '\\') out += '\\';
    out += c;
  }
  out += '%';
  return out;
}

// The text a search looks through, folded once when the list is stored.
// PostgreSQL text holds no NUL byte; a search never matches one anyway.
std::string foldedIndex(const cNewList& list) {
  std::string folded = foldCase(list.book + '\n' + list.chapter + '\n' + list.author + '\n' +
                                listWords(list.content));
  std::replace(folded.begin(), folded.end(), '\0', '\n');
  return cp1252ToUtf8(folded);
}

// A parameter: bytes sent as they are (binary), or a number as text.
struct cParam {
  std::string value;
  bool binary;
};
cParam bytes(std::string_view v) { return {std::string(v), true}; }
cParam number(std::int64_t v) { return {std::to_string(v), false}; }

class cResult {
 public:
  explicit cResult(PGresult* r) : r_(r) {}
  ~cResult() { PQclear(r_); }
  cResult(const cResult&) = delete;
  cResult& operator=(const cResult&) = delete;
  PGresult* get() const { return r_; }
  int rows() const { return PQntuples(r_); }
  std::string text(int row, int col) const {
    return std::string(PQgetvalue(r_, row, col), static_cast<std::size_t>(PQgetlength(r_, row, col)));
  }
  // Binary integer columns: int4 or int8, in network byte order.
  std::int64_t integer(int row, int col) const {
    const char* p = PQgetvalue(r_, row, col);
    if (PQgetlength(r_, row, col) == 8) {
      std::uint64_t v;
      std::memcpy(&v, p, 8);
      return static_cast<std::int64_t>(be64toh(v));
    }
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return static_cast<std::int32_t>(be32toh(v));
  }

 private:
  PGresult* r_;
};

}  // namespace

class cPostgresStore::cConnection {
 public:
  explicit cConnection(const std::string& conninfo) : conn_(connect(conninfo)) {
    if (PQstatus(conn_) != CONNECTION_OK) {
      std::string msg = conn_ ? PQerrorMessage(conn_) : "out of memory";
      PQfinish(conn_);
      throw std::runtime_error("cannot connect to PostgreSQL: " + msg);
    }
    PQsetClientEncoding(conn_, "UTF8");
  }
  ~cConnection() { PQfinish(conn_); }
  cConnection(const cConnection&) = delete;
  cConnection& operator=(const cConnection&) = delete;

  // Fixed statements without parameters (schema, locks, transactions).
  void exec(const std::string& sql) {
    cResult r(PQexec(conn_, sql.c_str()));
    check(r, sql.c_str());
  }
  // A fixed query's single value as text, or "" when it has no row.
  std::string value(const std::string& sql) {
    cResult r(PQexecParams(conn_, sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0));
    check(r, sql.c_str());
    return r.rows() > 0 ? r.text(0, 0) : std::string();
  }

  void prepareAll() {
    for (const auto& s : kStatements) {
      cResult r(PQprepare(conn_, s.name, s.sql, 0, nullptr));
      check(r, s.name);
    }
  }

  // Runs a prepared statement; results come in binary form.
  std::unique_ptr<cResult> run(Stmt which, const std::vector<cParam>& params) {
    std::vector<const char*> values;
    std::vector<int> lengths, formats;
    for (const auto& p : params) {
      values.push_back(p.value.data());
      lengths.push_back(static_cast<int>(p.value.size()));
      formats.push_back(p.binary ? 1 : 0);
    }
    auto r = std::make_unique<cResult>(PQexecPrepared(conn_, kStatements[which].name,
                                                      static_cast<int>(params.size()), values.data(),
                                                      lengths.data(), formats.data(), 1));
    check(*r, kStatements[which].name);
    return r;
  }

  bool healthy() const { return PQstatus(conn_) == CONNECTION_OK; }

 private:
  // Handlers wait on the database on the event threads, so a database that
  // stops answering must not hold them for the system's TCP timeouts
  // (minutes): connecting gives up after 5 s, and a silent connection is
  // found dead by keep-alive probes within 25 s. The address comes last,
  // so settings given in it win.
  static PGconn* connect(const std::string& conninfo) {
    const char* keys[] = {"connect_timeout", "keepalives", "keepalives_idle", "keepalives_interval",
                          "keepalives_count", "tcp_user_timeout", "dbname", nullptr};
    const char* values[] = {"5", "1", "10", "5", "3", "25000", conninfo.c_str(), nullptr};
    return PQconnectdbParams(keys, values, 1);
  }

  void check(const cResult& r, const char* what) {
    ExecStatusType st = PQresultStatus(r.get());
    if (st != PGRES_COMMAND_OK && st != PGRES_TUPLES_OK)
      throw std::runtime_error(std::string(what) + ": " + PQerrorMessage(conn_));
  }

  PGconn* conn_;
};

cPostgresStore::cPostgresStore(std::string conninfo, std::size_t maxConnections)
    : conninfo_(std::move(conninfo)),
      pool_(
          maxConnections,
          [this] {
            auto c = std::make_unique<cConnection>(conninfo_);
            c->prepareAll();
            return c;
          },
          // A connection that broke is dropped; the next lease opens a new one.
          [](cConnection& c) { return c.healthy(); }) {
  auto first = std::make_unique<cConnection>(conninfo_);
  first->exec("SET client_min_messages = warning");
  // Servers starting together upgrade one after the other; the lock ends
  // with the session at the latest.
  first->exec("SELECT pg_advisory_lock(" + std::to_string(kSchemaLock) + ")");
  first->exec("CREATE TABLE IF NOT EXISTS schema_version(upgrades integer NOT NULL)");
  std::string done = first->value("SELECT upgrades FROM schema_version");
  if (done.empty()) {
    first->exec("INSERT INTO schema_version VALUES(0)");
    done = "0";
  }
  int ran = 0;
  if (!parseInt(done, ran) || ran < 0 || ran > static_cast<int>(kUpgrades.size()))
    throw std::runtime_error("the database's schema is newer than this server (" + done + " upgrades)");
  for (std::size_t i = static_cast<std::size_t>(ran); i < kUpgrades.size(); ++i) {
    first->exec("BEGIN");
    first->exec(kUpgrades[i]);
    first->exec("UPDATE schema_version SET upgrades = " + std::to_string(i + 1));
    first->exec("COMMIT");
  }
  first->exec("SELECT pg_advisory_unlock(" + std::to_string(kSchemaLock) + ")");
  first->prepareAll();
  pool_.adopt(std::move(first));
}

cPostgresStore::~cPostgresStore() = default;

cConnectionPool<cPostgresStore::cConnection>::cLease cPostgresStore::lease() { return pool_.lease(); }

namespace {

std::vector<cChapterInfo> readChapters(const cResult& r) {
  std::vector<cChapterInfo> out;
  out.reserve(static_cast<std::size_t>(r.rows()));
  for (int i = 0; i < r.rows(); ++i)
    out.push_back({r.integer(i, 0), r.integer(i, 1), r.text(i, 2), r.text(i, 3), r.text(i, 4),
                   static_cast<int>(r.integer(i, 5))});
  return out;
}

}  // namespace

std::vector<cChapterInfo> cPostgresStore::search(std::string_view word, std::size_t limit) {
  // Stored texts never hold a NUL byte, and PostgreSQL text cannot.
  if (word.find('\0') != std::string_view::npos) return {};
  auto c = lease();
  auto r = c->run(kSearch, {{likePattern(cp1252ToUtf8(foldCase(word))), false},
                            number(static_cast<std::int64_t>(limit))});
  return readChapters(*r);
}

std::vector<cBookInfo> cPostgresStore::books() {
  auto c = lease();
  auto r = c->run(kBooks, {});
  std::vector<cBookInfo> out;
  for (int i = 0; i < r->rows(); ++i) out.push_back({r->integer(i, 0), r->text(i, 1)});
  return out;
}

std::vector<cChapterInfo> cPostgresStore::chapters(std::optional<std::int64_t> bookId) {
  auto c = lease();
  auto r = bookId ? c->run(kChaptersOfBook, {number(*bookId)}) : c->run(kChaptersAll, {});
  return readChapters(*r);
}

std::optional<std::string> cPostgresStore::listFile(std::string_view fileName) {
  auto c = lease();
  auto r = c->run(kListFile, {bytes(fileName)});
  if (r->rows() == 0) return std::nullopt;
  return r->text(0, 0);
}

void cPostgresStore::storeList(const cNewList& list) {
  const std::string folded = foldedIndex(list);
  auto c = lease();
  c->run(kStoreList, {bytes(list.book), bytes(list.chapter), bytes(list.author),
                      number(countPairs(list.content)), bytes(list.fileName), bytes(list.content),
                      {folded, false}});
}

void cPostgresStore::addChange(const cChange& change) {
  auto c = lease();
  c->run(kInsertChange, {number(change.version), bytes(change.text), bytes(change.when)});
}

std::vector<cChange> cPostgresStore::changesBetween(int version, int upTo) {
  auto c = lease();
  auto r = c->run(kChanges, {number(version), number(upTo)});
  std::vector<cChange> out;
  for (int i = 0; i < r->rows(); ++i)
    out.push_back({static_cast<int>(r->integer(i, 0)), r->text(i, 1), r->text(i, 2)});
  return out;
}

void cPostgresStore::exclusively(const std::function<void()>& work) {
  // A connection of its own holds the lock while `work` uses the pool.
  cConnection locker(conninfo_);
  locker.exec("SELECT pg_advisory_lock(" + std::to_string(kExclusiveLock) + ")");
  work();
  locker.exec("SELECT pg_advisory_unlock(" + std::to_string(kExclusiveLock) + ")");
}

}  // namespace tavrio::server
