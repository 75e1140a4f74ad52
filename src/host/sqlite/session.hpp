// What the embedded database's stored procedures and server functions work with: a connection
// on which they run the embedded database's own SQL with bound values. Values and rows are code
// page 1250 text, like everything else in the library; the conversion to the file's UTF-8
// happens here.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/dane/database.hpp"
#include "host/sqlite/translator.hpp"

namespace funkcja::sqlite {

// A bound value.
struct Param {
  enum class Kind { kNull, kInteger, kReal, kText };
  Kind kind = Kind::kNull;
  std::int64_t integer = 0;
  double real = 0;
  std::string text;  // code page 1250

  Param() = default;
  Param(std::int64_t v) : kind(Kind::kInteger), integer(v) {}  // NOLINT: implicit on purpose
  Param(int v) : kind(Kind::kInteger), integer(v) {}           // NOLINT
  Param(double v) : kind(Kind::kReal), real(v) {}              // NOLINT
  Param(std::string_view v) : kind(Kind::kText), text(v) {}    // NOLINT
  Param(const char* v) : kind(Kind::kText), text(v) {}         // NOLINT
  Param(const std::string& v) : kind(Kind::kText), text(v) {}  // NOLINT
  static Param from(const CallArg& a);
};

using Rows = std::vector<dane::Row>;

// A failure that a stored procedure reports to the caller: the database's error message.
struct ProcedureError : std::runtime_error {
  explicit ProcedureError(const std::string& message_cp1250) : std::runtime_error(message_cp1250) {}
};

class Session {
 public:
  explicit Session(sqlite3* db) : db_(db) {}

  // Runs one statement of the embedded database with ?1, ?2 ... bound; its rows as text.
  // Throws ProcedureError with the database's message on failure.
  Rows query(std::string_view sql, const std::vector<Param>& params = {});
  void exec(std::string_view sql, const std::vector<Param>& params = {});
  // The first column of the first row, or nothing.
  std::optional<std::string> value(std::string_view sql, const std::vector<Param>& params = {});
  std::int64_t changes() const;
  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_;
};

// A stored procedure of the embedded database: its result rows, or ProcedureError.
using StoredProcedure = std::function<Rows(Session&, const std::vector<CallArg>&)>;

// Stored procedures by name (case-insensitive); nullptr when there is none.
const StoredProcedure* find_procedure(std::string_view name);
std::vector<std::string> procedure_names();
// True for a procedure known to read only; any other may write and runs under the write lock.
bool procedure_only_reads(std::string_view name);

// Registers the server's scalar functions (dbo.NAME) on a connection, and once per process
// the table functions with the translator.
bool register_server_objects(sqlite3* db);

}  // namespace funkcja::sqlite
