#include "host/sqlite/backend.hpp"

#include <sqlite3.h>

#include <cstdio>
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

 private:
  Rows rows_;
  std::size_t at_ = 0;
};

class SqliteConnection : public dane::Connection {
 public:
  explicit SqliteConnection(std::shared_ptr<Handle> handle) : handle_(std::move(handle)) {}

  std::unique_ptr<dane::Cursor> execute(std::string_view statement, std::string& error) override {
    const auto translation = translate_cached(statement);
    if (!translation->ok()) {
      error = translation->error;
      return nullptr;
    }
    if (translation->call) return call(*translation->call, error);
    CachedStatement* slot = nullptr;
    sqlite3_stmt* stmt = handle_->acquire(translation->sql, slot, error);
    if (stmt == nullptr) return nullptr;
    // Every row is read at once and the statement reset, so no read transaction stays open
    // while the caller reads: a later write on this connection, or on another thread's, never
    // finds a stale snapshot in its way. A failure is known at once, as on the server.
    Rows rows;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      rows.emplace_back();
      read_row(stmt, rows.back());
    }
    if (rc != SQLITE_DONE) error = message_of(handle_->db);
    handle_->release(stmt, slot);
    if (rc != SQLITE_DONE) return nullptr;
    return std::make_unique<RowsCursor>(std::move(rows));
  }

 private:
  std::unique_ptr<dane::Cursor> call(const CallStatement& c, std::string& error) {
    const StoredProcedure* procedure = find_procedure(c.name);
    if (procedure == nullptr) {
      error = std::string("Nie znaleziono procedury składowanej '"_cp) + c.name + "'.";
      return nullptr;
    }
    Session session(handle_->db);
    // A procedure's changes stand or fall together.
    if (sqlite3_exec(handle_->db, "SAVEPOINT stored_procedure", nullptr, nullptr, nullptr) !=
        SQLITE_OK) {
      error = message_of(handle_->db);
      return nullptr;
    }
    try {
      Rows rows = (*procedure)(session, c.args);
      sqlite3_exec(handle_->db, "RELEASE stored_procedure", nullptr, nullptr, nullptr);
      return std::make_unique<RowsCursor>(std::move(rows));
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = std::string("Błąd procedury składowanej."_cp);
    }
    sqlite3_exec(handle_->db, "ROLLBACK TO stored_procedure; RELEASE stored_procedure", nullptr,
                 nullptr, nullptr);
    return nullptr;
  }

  std::shared_ptr<Handle> handle_;
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

int user_version(sqlite3* db) {
  sqlite3_stmt* stmt = nullptr;
  int version = -1;
  if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr) == SQLITE_OK &&
      sqlite3_step(stmt) == SQLITE_ROW) {
    version = sqlite3_column_int(stmt, 0);
  }
  sqlite3_finalize(stmt);
  return version;
}

// A new file gets the schema and the demo data in one transaction; when two threads or
// processes open a new file at once, the second finds the work done.
bool ensure_schema(sqlite3* db, std::string& error) {
  if (user_version(db) > 0) return true;
  sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
  if (!run_script(db, "BEGIN IMMEDIATE", error)) return false;
  if (user_version(db) > 0) return run_script(db, "COMMIT", error);
  if (!run_script(db, schema_script(), error) || !run_script(db, demo_script(), error)) {
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
  }
  return run_script(db, "COMMIT", error);
}

}  // namespace

std::unique_ptr<dane::Connection> open_connection(const std::string& path, std::string& error) {
  auto handle = std::make_shared<Handle>();
  const std::string file = cp_to_utf8(path);
  if (sqlite3_open_v2(file.c_str(), &handle->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    error = handle->db != nullptr ? message_of(handle->db)
                                  : std::string("Nie można otworzyć bazy danych."_cp);
    return nullptr;
  }
  sqlite3_extended_result_codes(handle->db, 1);
  sqlite3_busy_timeout(handle->db, kBusyTimeoutMs);
  // A name in double quotes is always a name, never a text.
  sqlite3_db_config(handle->db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(handle->db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  if (!register_functions(handle->db) || !register_server_objects(handle->db)) {
    error = message_of(handle->db);
    return nullptr;
  }
  if (!ensure_schema(handle->db, error)) {
    error = std::string("Nie można utworzyć bazy danych: "_cp) + error;
    return nullptr;
  }
  sqlite3_exec(handle->db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
  return std::make_unique<SqliteConnection>(std::move(handle));
}

bool remove_database_files(const std::string& path) {
  bool ok = true;
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    const std::string file = path + suffix;
    if (std::remove(file.c_str()) != 0) {
      if (FILE* f = std::fopen(file.c_str(), "rb")) {
        std::fclose(f);
        ok = false;
      }
    }
  }
  return ok;
}

}  // namespace funkcja::sqlite
