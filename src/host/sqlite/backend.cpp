#include "host/sqlite/backend.hpp"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <unordered_map>

#include "frame/cp_literal.hpp"
#include "host/sqlite/functions.hpp"
#include "host/sqlite/polish.hpp"
#include "host/sqlite/session.hpp"
#include "host/sqlite/translator.hpp"

namespace funkcja::sqlite {
namespace {

using namespace funkcja::literals;

constexpr std::size_t kStatementCacheLimit = 64;
constexpr int kBusyTimeoutMs = 10'000;
// How long a replacement waits for a database another process works on before refusing it.
constexpr int kInUseWaitMs = 500;

std::string message_of(sqlite3* db) {
  return utf8_to_cp(sqlite3_errmsg(db));
}

// A prepared statement kept for reuse; busy while a cursor reads its rows.
struct CachedStatement {
  sqlite3_stmt* stmt = nullptr;
  bool busy = false;
};

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// The open file and its prepared statements. Cursors share it, so it lives until the last
// cursor of the connection is gone.
struct Handle {
  sqlite3* db = nullptr;
  std::unordered_map<std::string, CachedStatement, TextHash, std::equal_to<>> statements;

  Handle() = default;
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    for (auto& [sql, cached] : statements) sqlite3_finalize(cached.stmt);
    sqlite3_close_v2(db);
  }

  // A statement ready to run: from the cache when one is free, else freshly prepared.
  sqlite3_stmt* acquire(const std::string& sql, CachedStatement*& slot, std::string& error) {
    slot = nullptr;
    const auto it = statements.find(sql);
    if (it != statements.end() && !it->second.busy) {
      it->second.busy = true;
      slot = &it->second;
      return it->second.stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) !=
        SQLITE_OK) {
      error = message_of(db);
      sqlite3_finalize(stmt);
      return nullptr;
    }
    if (stmt == nullptr) {
      error = std::string("Puste polecenie SQL."_cp);
      return nullptr;
    }
    if (it != statements.end()) return stmt;  // the cached one is in use: this one is not kept
    if (statements.size() >= kStatementCacheLimit) evict();
    if (statements.size() < kStatementCacheLimit) {
      auto [pos, added] = statements.emplace(sql, CachedStatement{stmt, true});
      slot = &pos->second;
    }
    return stmt;
  }

  void release(sqlite3_stmt* stmt, CachedStatement* slot) {
    if (slot != nullptr) {
      sqlite3_reset(stmt);
      slot->busy = false;
    } else {
      sqlite3_finalize(stmt);
    }
  }

  void evict() {
    for (auto it = statements.begin(); it != statements.end();) {
      if (it->second.busy) {
        ++it;
      } else {
        sqlite3_finalize(it->second.stmt);
        it = statements.erase(it);
      }
    }
  }
};

void read_row(sqlite3_stmt* stmt, dane::Row& row) {
  const int columns = sqlite3_column_count(stmt);
  row.resize(static_cast<std::size_t>(columns));
  for (int i = 0; i < columns; ++i) {
    auto& cell = row[static_cast<std::size_t>(i)];
    if (sqlite3_column_type(stmt, i) == SQLITE_NULL) {
      cell.reset();
      continue;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    const int size = sqlite3_column_bytes(stmt, i);
    if (!cell) cell.emplace();
    cell->clear();
    append_utf8_as_cp(
        *cell, std::string_view(text != nullptr ? text : "", static_cast<std::size_t>(size)));
  }
}

class RowsCursor : public dane::Cursor {
 public:
  explicit RowsCursor(Rows rows) : rows_(std::move(rows)) {}
  bool next(dane::Row& row, std::string&) override {
    if (at_ >= rows_.size()) return false;
    row = std::move(rows_[at_++]);
    return true;
  }
  const dane::Row* fetch(std::string&) override {
    return at_ < rows_.size() ? &rows_[at_++] : nullptr;
  }

 private:
  Rows rows_;
  std::size_t at_ = 0;
};

// A statement taken from the cache for one run. It is reset (or finalized) however the run
// ends, a C++ exception included, so no read snapshot or write lock outlives the run.
class Lease {
 public:
  Lease(Handle& handle, sqlite3_stmt* stmt, CachedStatement* slot)
      : handle_(handle), stmt_(stmt), slot_(slot) {}
  Lease(const Lease&) = delete;
  Lease& operator=(const Lease&) = delete;
  ~Lease() { handle_.release(stmt_, slot_); }

 private:
  Handle& handle_;
  sqlite3_stmt* stmt_;
  CachedStatement* slot_;
};

// Every statement of the gateway runs on its own unless the caller opened a transaction with
// BEGIN TRANSACTION: after it, whatever happened, the connection holds no transaction. A
// transaction left open would keep the write lock (other processes then wait out their busy
// time-out) and its changes would never be committed.
void end_open_transaction(sqlite3* db) {
  if (sqlite3_get_autocommit(db) == 0) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
}

class SqliteConnection : public dane::Connection {
 public:
  explicit SqliteConnection(std::shared_ptr<Handle> handle) : handle_(std::move(handle)) {}

  std::unique_ptr<dane::Cursor> execute(std::string_view statement, std::string& error) override {
    const Translation& translation = translate_cached(statement);
    if (!translation.ok()) {
      error = translation.error;
      return nullptr;
    }
    if (translation.transaction != TransactionStep::kNone) {
      return transaction(translation.transaction, error);
    }
    std::unique_ptr<dane::Cursor> cursor;
    try {
      cursor = translation.call ? call(*translation.call, error) : run(translation.sql, error);
    } catch (const std::exception& e) {
      error = failure_text(e.what());
      cursor = nullptr;
    } catch (...) {
      error = failure_text("");
      cursor = nullptr;
    }
    if (open_transactions_ == 0) {
      end_open_transaction(handle_->db);
    } else if (sqlite3_get_autocommit(handle_->db) != 0) {
      open_transactions_ = 0;  // the database rolled the whole transaction back on an error
    }
    return cursor;
  }

 private:
  static std::string failure_text(const char* what) {
    std::string text = what != nullptr ? what : "";
    return text.empty() ? std::string("Błąd wykonania polecenia SQL."_cp) : text;
  }

  std::unique_ptr<dane::Cursor> run(const std::string& sql, std::string& error) {
    CachedStatement* slot = nullptr;
    sqlite3_stmt* stmt = handle_->acquire(sql, slot, error);
    if (stmt == nullptr) return nullptr;
    const Lease lease(*handle_, stmt, slot);
    // Every row is read at once and the statement reset, so no read transaction stays open
    // while the caller reads: a later write on this connection, or on another thread's, never
    // finds a stale snapshot in its way. A failure is known at once, as on the server.
    Rows rows;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      rows.emplace_back();
      read_row(stmt, rows.back());
    }
    if (rc != SQLITE_DONE) {
      error = message_of(handle_->db);
      return nullptr;
    }
    return std::make_unique<RowsCursor>(std::move(rows));
  }

  // A procedure's changes stand or fall together. One that writes takes the write lock before
  // it reads anything (BEGIN IMMEDIATE): a deferred transaction that reads first and writes
  // later is refused at once, without waiting, when another connection wrote meanwhile.
  std::unique_ptr<dane::Cursor> call(const CallStatement& c, std::string& error) {
    const StoredProcedure* procedure = find_procedure(c.name);
    if (procedure == nullptr) {
      error = std::string("Nie znaleziono procedury składowanej '"_cp) + c.name + "'.";
      return nullptr;
    }
    sqlite3* db = handle_->db;
    const bool nested = sqlite3_get_autocommit(db) == 0;
    const bool writes = !procedure_only_reads(c.name) && sqlite3_db_readonly(db, "main") != 1;
    const char* begin = nested   ? "SAVEPOINT stored_procedure"
                        : writes ? "BEGIN IMMEDIATE"
                                 : "BEGIN";
    if (sqlite3_exec(db, begin, nullptr, nullptr, nullptr) != SQLITE_OK) {
      error = message_of(db);
      return nullptr;
    }
    try {
      Session session(db);
      Rows rows = (*procedure)(session, c.args);
      if (sqlite3_exec(db, nested ? "RELEASE stored_procedure" : "COMMIT", nullptr, nullptr,
                       nullptr) == SQLITE_OK) {
        return std::make_unique<RowsCursor>(std::move(rows));
      }
      error = message_of(db);
    } catch (const std::exception& e) {
      error = failure_text(e.what());
    } catch (...) {
      error = std::string("Błąd procedury składowanej."_cp);
    }
    sqlite3_exec(db, nested ? "ROLLBACK TO stored_procedure; RELEASE stored_procedure" : "ROLLBACK",
                 nullptr, nullptr, nullptr);
    return nullptr;
  }

  // BEGIN, COMMIT and ROLLBACK of the caller's transaction, counted as the server counts them:
  // an inner BEGIN and COMMIT only count, the outermost COMMIT commits, any ROLLBACK undoes
  // everything. A writable database is locked for writing at BEGIN, so a writer waits out the
  // busy time-out there rather than failing halfway through its statements.
  std::unique_ptr<dane::Cursor> transaction(TransactionStep step, std::string& error) {
    sqlite3* db = handle_->db;
    if (open_transactions_ > 0 && sqlite3_get_autocommit(db) != 0) open_transactions_ = 0;
    const char* sql = nullptr;
    switch (step) {
      case TransactionStep::kBegin:
        if (open_transactions_ == 0) {
          sql = sqlite3_db_readonly(db, "main") == 1 ? "BEGIN" : "BEGIN IMMEDIATE";
        }
        break;
      case TransactionStep::kCommit:
        if (open_transactions_ == 0) {
          error = std::string(
              "Polecenie COMMIT TRANSACTION nie ma odpowiadającego mu BEGIN TRANSACTION."_cp);
          return nullptr;
        }
        if (open_transactions_ == 1) sql = "COMMIT";
        break;
      case TransactionStep::kRollback:
        if (open_transactions_ == 0) {
          error = std::string(
              "Polecenie ROLLBACK TRANSACTION nie ma odpowiadającego mu BEGIN TRANSACTION."_cp);
          return nullptr;
        }
        sql = "ROLLBACK";
        break;
      case TransactionStep::kNone:
        break;
    }
    if (sql != nullptr && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
      error = message_of(db);
      if (step != TransactionStep::kCommit) end_open_transaction(db);
      if (sqlite3_get_autocommit(db) != 0) open_transactions_ = 0;
      return nullptr;
    }
    switch (step) {
      case TransactionStep::kBegin:
        ++open_transactions_;
        break;
      case TransactionStep::kCommit:
        --open_transactions_;
        break;
      default:
        open_transactions_ = 0;
        break;
    }
    return std::make_unique<RowsCursor>(Rows{});
  }

  std::shared_ptr<Handle> handle_;
  int open_transactions_ = 0;  // BEGIN TRANSACTION not yet matched by COMMIT
};

bool run_script(sqlite3* db, std::string_view script, std::string& error) {
  const std::string text(script);
  char* message = nullptr;
  if (sqlite3_exec(db, text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    error = utf8_to_cp(message != nullptr ? message : "");
    sqlite3_free(message);
    return false;
  }
  return true;
}

// What a file holds, read in one statement: looking changes nothing in it.
struct Contents {
  int rc = SQLITE_OK;  // of the look itself
  int version = 0;     // user_version: 0 in a file this library did not create
  int objects = 0;     // tables, views, indexes and triggers
  std::string error;   // the database's message when the look failed
};

Contents contents_of(sqlite3* db) {
  Contents c;
  sqlite3_stmt* stmt = nullptr;
  c.rc = sqlite3_prepare_v2(
      db, "SELECT (SELECT user_version FROM pragma_user_version), count(*) FROM sqlite_master", -1,
      &stmt, nullptr);
  if (c.rc == SQLITE_OK) {
    c.rc = sqlite3_step(stmt);
    if (c.rc == SQLITE_ROW) {
      c.version = sqlite3_column_int(stmt, 0);
      c.objects = sqlite3_column_int(stmt, 1);
      c.rc = SQLITE_OK;
    } else {
      c.rc = sqlite3_extended_errcode(db);
    }
  }
  if (c.rc != SQLITE_OK) c.error = message_of(db);
  sqlite3_finalize(stmt);
  return c;
}

bool locked(int rc) {
  return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED;
}

// The reason a file could not be read, naming it; a lock held by another process is told apart
// from a damaged or foreign file.
std::string unreadable(const Contents& c, const std::string& path) {
  if (locked(c.rc)) {
    return std::string("Baza danych jest zablokowana przez inny proces ("_cp) + c.error +
           "): " + path;
  }
  return std::string("Nie można otworzyć bazy danych "_cp) + path + ": " + c.error;
}

std::string foreign(const std::string& path) {
  return std::string("Plik "_cp) + path +
         std::string(
             " nie jest bazą danych programu (zawiera inne tabele); pozostawiono go bez "
             "zmian."_cp);
}

// A new or empty file gets the schema and the demo data in one transaction; when two threads
// or processes open a new file at once, the second finds the work done. A file that already
// holds tables of another program is refused untouched: not even its journal mode changes.
bool ensure_schema(sqlite3* db, Contents c, const std::string& path, std::string& error) {
  if (c.rc != SQLITE_OK) {
    error = unreadable(c, path);
    return false;
  }
  if (c.version > 0) return true;
  if (c.objects > 0) {
    error = foreign(path);
    return false;
  }
  sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
  if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
    const int rc = sqlite3_extended_errcode(db);
    error = locked(rc)
                ? unreadable({rc, 0, 0, message_of(db)}, path)
                : std::string("Nie można utworzyć bazy danych "_cp) + path + ": " + message_of(db);
    return false;
  }
  c = contents_of(db);
  if (c.rc == SQLITE_OK && c.version > 0) return run_script(db, "COMMIT", error);
  if (c.rc != SQLITE_OK || c.objects > 0) {
    error = c.rc != SQLITE_OK ? unreadable(c, path) : foreign(path);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
  }
  if (!run_script(db, schema_script(), error) || !run_script(db, demo_script(), error)) {
    error = std::string("Nie można utworzyć bazy danych "_cp) + path + ": " + error;
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
  }
  return run_script(db, "COMMIT", error);
}

// "file:" URI of a path, with the characters that URIs reserve escaped.
std::string file_uri(const std::string& utf8_path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string uri = "file:";
  for (const char ch : utf8_path) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '%' || c == '?' || c == '#' || c < 0x20) {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    } else {
      uri += ch;
    }
  }
  return uri;
}

std::shared_ptr<Handle> open_handle(const std::string& name, int flags, std::string& error) {
  auto handle = std::make_shared<Handle>();
  if (sqlite3_open_v2(name.c_str(), &handle->db, flags, nullptr) != SQLITE_OK) {
    error = handle->db != nullptr ? message_of(handle->db)
                                  : std::string("Nie można otworzyć bazy danych."_cp);
    return nullptr;
  }
  sqlite3_extended_result_codes(handle->db, 1);
  sqlite3_busy_timeout(handle->db, kBusyTimeoutMs);
  return handle;
}

}  // namespace

std::unique_ptr<dane::Connection> open_connection(const std::string& path, std::string& error) {
  const std::string file = cp_to_utf8(path);
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    error = std::string("Nie można otworzyć bazy danych "_cp) + path +
            std::string(": to jest folder, a nie plik bazy danych."_cp);
    return nullptr;
  }
  auto handle = open_handle(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
  if (!handle) {
    error = std::string("Nie można otworzyć bazy danych "_cp) + path + ": " + error;
    return nullptr;
  }
  // A database that may only be read, in a folder where its shared-memory file cannot be
  // made, is read as an unchanging file.
  Contents contents = contents_of(handle->db);
  if (((contents.rc & 0xff) == SQLITE_READONLY || (contents.rc & 0xff) == SQLITE_CANTOPEN) &&
      std::filesystem::is_regular_file(file, ec)) {
    std::string ignored;
    auto fixed = open_handle(file_uri(file) + "?immutable=1",
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, ignored);
    if (fixed) {
      if (const Contents read = contents_of(fixed->db); read.rc == SQLITE_OK) {
        handle = std::move(fixed);
        contents = read;
      }
    }
  }
  // A name in double quotes is always a name, never a text.
  sqlite3_db_config(handle->db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(handle->db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  if (!register_functions(handle->db) || !register_server_objects(handle->db)) {
    error = message_of(handle->db);
    return nullptr;
  }
  if (!ensure_schema(handle->db, contents, path, error)) return nullptr;
  sqlite3_exec(handle->db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
  return std::make_unique<SqliteConnection>(std::move(handle));
}

bool database_in_use(const std::string& path, std::string& error) {
  const std::string file = cp_to_utf8(path);
  sqlite3* db = nullptr;
  bool busy = false;
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kInUseWaitMs);
    // In exclusive locking mode the write transaction needs the only lock on the file: every
    // other connection in write-ahead mode holds a shared one for as long as it is open, and
    // in rollback mode a reader or writer holds one while it works.
    sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    if (sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
      busy = locked(sqlite3_extended_errcode(db));
      if (busy) {
        error = std::string("Baza danych jest otwarta w innym procesie lub połączeniu ("_cp) +
                message_of(db) + "): " + path;
      }
    } else {
      sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
  }
  sqlite3_close_v2(db);
  return busy;
}

bool remove_database_files(const std::string& path) {
  bool ok = true;
  const std::string file = cp_to_utf8(path);
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    std::error_code ec;
    const std::filesystem::path one = file + suffix;
    // Only files: a folder of that name is never removed.
    if (std::filesystem::is_directory(std::filesystem::symlink_status(one, ec))) {
      ok = false;
      continue;
    }
    std::filesystem::remove(one, ec);
    if (ec) ok = false;
  }
  return ok;
}

}  // namespace funkcja::sqlite
