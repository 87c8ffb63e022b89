#include "server/SqliteStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <stdexcept>

#include "server/ListText.h"
#include "server/TextBytes.h"

namespace tavrio::server {

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS books(
  id INTEGER PRIMARY KEY,
  title BLOB NOT NULL UNIQUE);
CREATE TABLE IF NOT EXISTS chapters(
  id INTEGER PRIMARY KEY,
  book_id INTEGER NOT NULL REFERENCES books(id),
  title BLOB NOT NULL,
  author BLOB NOT NULL,
  words INTEGER NOT NULL,
  file_name BLOB NOT NULL UNIQUE,
  content BLOB NOT NULL,
  folded BLOB NOT NULL);
CREATE INDEX IF NOT EXISTS chapters_by_book ON chapters(book_id);
CREATE TABLE IF NOT EXISTS changes(
  id INTEGER PRIMARY KEY,
  version INTEGER NOT NULL,
  text BLOB NOT NULL,
  made BLOB NOT NULL);
)sql";

enum Stmt : std::size_t {
  kIndexAll, kBooks, kChaptersAll, kChaptersOfBook, kListFile,
  kBegin, kCommit, kRollback, kInsertBook, kBookId,
  kChapterByFile, kUpdateChapter, kInsertChapter, kInsertChange, kChanges,
  kStmtCount
};

constexpr std::array<const char*, kStmtCount> kSql = {
    "SELECT c.id, c.book_id, b.title, c.title, c.author, c.words, c.folded FROM chapters c "
    "JOIN books b ON b.id = c.book_id",
    "SELECT id, title FROM books ORDER BY title",
    "SELECT c.id, c.book_id, b.title, c.title, c.author, c.words FROM chapters c "
    "JOIN books b ON b.id = c.book_id ORDER BY b.title, c.id",
    "SELECT c.id, c.book_id, b.title, c.title, c.author, c.words FROM chapters c "
    "JOIN books b ON b.id = c.book_id WHERE c.book_id = ?1 ORDER BY c.id",
    "SELECT content FROM chapters WHERE file_name = ?1",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "INSERT OR IGNORE INTO books(title) VALUES(?1)",
    "SELECT id FROM books WHERE title = ?1",
    "SELECT c.id, c.book_id, c.title, b.title FROM chapters c JOIN books b ON b.id = c.book_id "
    "WHERE c.file_name = ?1",
    "UPDATE chapters SET author = ?2, words = ?3, content = ?4, folded = ?5 WHERE id = ?1",
    "INSERT INTO chapters(book_id, title, author, words, file_name, content, folded) "
    "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)",
    "INSERT INTO changes(version, text, made) VALUES(?1, ?2, ?3)",
    "SELECT version, text, made FROM changes WHERE version > ?1 AND version <= ?2 "
    "ORDER BY version, id",
};

[[noreturn]] void fail(sqlite3* db, const char* what) {
  throw std::runtime_error(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "no database"));
}

// The text a search looks through, folded once when the list is stored.
std::string foldedIndex(const cNewList& list) {
  std::string text = list.book + '\n' + list.chapter + '\n' + list.author + '\n' +
                     listWords(list.content);
  return foldCase(text);
}

}  // namespace

class cSqliteStore::cConnection {
 public:
  explicit cConnection(const std::string& path) {
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
      std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      throw std::runtime_error("cannot open " + path + ": " + msg);
    }
    sqlite3_busy_timeout(db_, 10000);
    exec("PRAGMA journal_mode=WAL");
    // Every commit reaches the disk before the upload is answered
    // "successful"; with NORMAL a power loss could take it back.
    exec("PRAGMA synchronous=FULL");
    exec("PRAGMA foreign_keys=ON");
  }
  ~cConnection() {
    for (auto* s : stmts_) sqlite3_finalize(s);
    sqlite3_close(db_);
  }
  cConnection(const cConnection&) = delete;
  cConnection& operator=(const cConnection&) = delete;

  void exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(db_, sql);
  }

  // The cached statement, reset and with its bindings cleared.
  sqlite3_stmt* stmt(Stmt which) {
    sqlite3_stmt*& s = stmts_[which];
    if (!s) {
      if (sqlite3_prepare_v3(db_, kSql[which], -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr) !=
          SQLITE_OK)
        fail(db_, kSql[which]);
    } else {
      sqlite3_reset(s);
      sqlite3_clear_bindings(s);
    }
    return s;
  }

  void bindBlob(sqlite3_stmt* s, int index, std::string_view bytes) {
    // A zero-length blob still binds as a blob, not as NULL.
    if (sqlite3_bind_blob64(s, index, bytes.empty() ? "" : bytes.data(), bytes.size(),
                            SQLITE_TRANSIENT) != SQLITE_OK)
      fail(db_, "bind");
  }
  void bindInt(sqlite3_stmt* s, int index, std::int64_t v) {
    if (sqlite3_bind_int64(s, index, v) != SQLITE_OK) fail(db_, "bind");
  }

  // Steps once; true while a row is there.
  bool step(sqlite3_stmt* s) {
    int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    fail(db_, "step");
  }

  void run(Stmt which) {
    sqlite3_stmt* s = stmt(which);
    while (step(s)) {
    }
    sqlite3_reset(s);
  }

  static std::string blob(sqlite3_stmt* s, int col) {
    const void* p = sqlite3_column_blob(s, col);
    int n = sqlite3_column_bytes(s, col);
    return p ? std::string(static_cast<const char*>(p), static_cast<std::size_t>(n)) : std::string();
  }

  sqlite3* db() { return db_; }

 private:
  sqlite3* db_ = nullptr;
  std::array<sqlite3_stmt*, kStmtCount> stmts_{};
};

cSqliteStore::cSqliteStore(std::string path, std::size_t maxConnections)
    : path_(std::move(path)),
      pool_(path_ == ":memory:" ? 1 : maxConnections, [this] { return std::make_unique<cConnection>(path_); }) {
  auto first = std::make_unique<cConnection>(path_);
  first->exec(kSchema);
  pool_.adopt(std::move(first));

  auto c = lease();
  sqlite3_stmt* s = c->stmt(kIndexAll);
  while (c->step(s)) {
    cChapterInfo info;
    info.id = sqlite3_column_int64(s, 0);
    info.bookId = sqlite3_column_int64(s, 1);
    info.book = cConnection::blob(s, 2);
    info.title = cConnection::blob(s, 3);
    info.author = cConnection::blob(s, 4);
    info.words = sqlite3_column_int(s, 5);
    index_.put(info, cConnection::blob(s, 6));
  }
  sqlite3_reset(s);
}

cSqliteStore::~cSqliteStore() = default;

cConnectionPool<cSqliteStore::cConnection>::cLease cSqliteStore::lease() { return pool_.lease(); }

namespace {

std::vector<cChapterInfo> readChapters(sqlite3_stmt* s, cSqliteStore::cConnection& c) {
  std::vector<cChapterInfo> out;
  while (c.step(s)) {
    cChapterInfo info;
    info.id = sqlite3_column_int64(s, 0);
    info.bookId = sqlite3_column_int64(s, 1);
    info.book = cSqliteStore::cConnection::blob(s, 2);
    info.title = cSqliteStore::cConnection::blob(s, 3);
    info.author = cSqliteStore::cConnection::blob(s, 4);
    info.words = sqlite3_column_int(s, 5);
    out.push_back(std::move(info));
  }
  sqlite3_reset(s);
  return out;
}

}  // namespace

std::vector<cChapterInfo> cSqliteStore::search(std::string_view word, std::size_t limit) {
  return index_.search(word, limit);
}

std::vector<cBookInfo> cSqliteStore::books() {
  auto c = lease();
  sqlite3_stmt* s = c->stmt(kBooks);
  std::vector<cBookInfo> out;
  while (c->step(s)) out.push_back({sqlite3_column_int64(s, 0), cConnection::blob(s, 1)});
  sqlite3_reset(s);
  return out;
}

std::vector<cChapterInfo> cSqliteStore::chapters(std::optional<std::int64_t> bookId) {
  auto c = lease();
  sqlite3_stmt* s = c->stmt(bookId ? kChaptersOfBook : kChaptersAll);
  if (bookId) c->bindInt(s, 1, *bookId);
  return readChapters(s, *c);
}

std::optional<std::string> cSqliteStore::listFile(std::string_view fileName) {
  auto c = lease();
  sqlite3_stmt* s = c->stmt(kListFile);
  c->bindBlob(s, 1, fileName);
  std::optional<std::string> out;
  if (c->step(s)) out = cConnection::blob(s, 0);
  sqlite3_reset(s);
  return out;
}

void cSqliteStore::storeList(const cNewList& list) {
  auto c = lease();
  const std::string folded = foldedIndex(list);
  const int words = countPairs(list.content);
  std::lock_guard writing(writeMutex_);
  c->run(kBegin);
  try {
    sqlite3_stmt* s = c->stmt(kChapterByFile);
    c->bindBlob(s, 1, list.fileName);
    std::optional<std::int64_t> existing;
    cChapterInfo info{0, 0, list.book, list.chapter, list.author, words};
    if (c->step(s)) {
      existing = info.id = sqlite3_column_int64(s, 0);
      info.bookId = sqlite3_column_int64(s, 1);
      info.title = cConnection::blob(s, 2);
      info.book = cConnection::blob(s, 3);
    }
    sqlite3_reset(s);

    if (existing) {
      s = c->stmt(kUpdateChapter);
      c->bindInt(s, 1, *existing);
      c->bindBlob(s, 2, list.author);
      c->bindInt(s, 3, words);
      c->bindBlob(s, 4, list.content);
      c->bindBlob(s, 5, folded);
      while (c->step(s)) {
      }
      sqlite3_reset(s);
    } else {
      s = c->stmt(kInsertBook);
      c->bindBlob(s, 1, list.book);
      while (c->step(s)) {
      }
      sqlite3_reset(s);
      s = c->stmt(kBookId);
      c->bindBlob(s, 1, list.book);
      if (!c->step(s)) fail(c->db(), "book vanished");
      std::int64_t bookId = sqlite3_column_int64(s, 0);
      sqlite3_reset(s);
      info.bookId = bookId;

      s = c->stmt(kInsertChapter);
      c->bindInt(s, 1, bookId);
      c->bindBlob(s, 2, list.chapter);
      c->bindBlob(s, 3, list.author);
      c->bindInt(s, 4, words);
      c->bindBlob(s, 5, list.fileName);
      c->bindBlob(s, 6, list.content);
      c->bindBlob(s, 7, folded);
      while (c->step(s)) {
      }
      sqlite3_reset(s);
      info.id = sqlite3_last_insert_rowid(c->db());
    }
    c->run(kCommit);
    // Still under the write lock, so the index sees writes in commit order.
    index_.put(info, folded);
  } catch (...) {
    try {
      c->run(kRollback);
    } catch (...) {
    }
    throw;
  }
}

void cSqliteStore::addChange(const cChange& change) {
  auto c = lease();
  std::lock_guard writing(writeMutex_);
  sqlite3_stmt* s = c->stmt(kInsertChange);
  c->bindInt(s, 1, change.version);
  c->bindBlob(s, 2, change.text);
  c->bindBlob(s, 3, change.when);
  while (c->step(s)) {
  }
  sqlite3_reset(s);
}

std::vector<cChange> cSqliteStore::changesBetween(int version, int upTo) {
  auto c = lease();
  sqlite3_stmt* s = c->stmt(kChanges);
  c->bindInt(s, 1, version);
  c->bindInt(s, 2, upTo);
  std::vector<cChange> out;
  while (c->step(s))
    out.push_back({sqlite3_column_int(s, 0), cConnection::blob(s, 1), cConnection::blob(s, 2)});
  sqlite3_reset(s);
  return out;
}

}  // namespace tavrio::server
