#include "host/sqlite/session.hpp"

#include "host/sqlite/polish.hpp"

namespace funkcja::sqlite {
namespace {

// A prepared statement that finalizes itself.
class Prepared {
 public:
  Prepared(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
        SQLITE_OK) {
      const std::string message = utf8_to_cp(sqlite3_errmsg(db));
      sqlite3_finalize(stmt_);
      throw ProcedureError(message);
    }
  }
  Prepared(const Prepared&) = delete;
  Prepared& operator=(const Prepared&) = delete;
  ~Prepared() { sqlite3_finalize(stmt_); }

  void bind(const std::vector<Param>& params) {
    int i = 1;
    for (const Param& p : params) {
      switch (p.kind) {
        case Param::Kind::kNull:
          sqlite3_bind_null(stmt_, i);
          break;
        case Param::Kind::kInteger:
          sqlite3_bind_int64(stmt_, i, p.integer);
          break;
        case Param::Kind::kReal:
          sqlite3_bind_double(stmt_, i, p.real);
          break;
        case Param::Kind::kText: {
          const std::string utf8 = cp_to_utf8(p.text);
          sqlite3_bind_text(stmt_, i, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
          break;
        }
      }
      ++i;
    }
  }

  // The next row, or false at the end; throws on failure.
  bool step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw ProcedureError(utf8_to_cp(sqlite3_errmsg(db_)));
  }

  dane::Row row() const {
    dane::Row out;
    const int n = sqlite3_column_count(stmt_);
    for (int c = 0; c < n; ++c) {
      if (sqlite3_column_type(stmt_, c) == SQLITE_NULL) {
        out.emplace_back();
        continue;
      }
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, c));
      out.emplace_back(utf8_to_cp(std::string_view(
          text != nullptr ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt_, c)))));
    }
    return out;
  }

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace

Param Param::from(const CallArg& a) {
  switch (a.kind) {
    case CallArg::Kind::kInteger:
      return Param(a.integer);
    case CallArg::Kind::kReal:
      return Param(a.real);
    case CallArg::Kind::kText:
      return Param(std::string_view(a.text));
    case CallArg::Kind::kNull:
      break;
  }
  return Param();
}

Rows Session::query(std::string_view sql, const std::vector<Param>& params) {
  Prepared p(db_, sql);
  p.bind(params);
  Rows rows;
  while (p.step()) rows.push_back(p.row());
  return rows;
}

void Session::exec(std::string_view sql, const std::vector<Param>& params) {
  Prepared p(db_, sql);
  p.bind(params);
  while (p.step()) {
  }
}

std::optional<std::string> Session::value(std::string_view sql, const std::vector<Param>& params) {
  Prepared p(db_, sql);
  p.bind(params);
  if (!p.step()) return std::nullopt;
  dane::Row r = p.row();
  if (r.empty() || !r[0]) return std::nullopt;
  return *r[0];
}

std::int64_t Session::changes() const {
  return sqlite3_changes64(db_);
}

}  // namespace funkcja::sqlite
