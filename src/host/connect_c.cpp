// C exports for hosts: choosing the database, running one statement with all its rows, and
// reading the calling thread's query tables.
#include "frame/cp_literal.hpp"
#include "frame/export.hpp"
#include "frame/text_rules.hpp"
#include "host/connect.hpp"
#include "host/dane/tables.hpp"

using namespace funkcja;
using namespace funkcja::literals;

namespace {

std::string& last_error() {
  thread_local std::string error;
  return error;
}

std::string& sql_output() {
  thread_local std::string output;
  return output;
}

dane::QueryTable* table_named(std::string_view name) {
  dane::ThreadTables& t = dane::thread_tables();
  for (dane::QueryTable* table : {&t.ZAPYTANIESQL, &t.ZAPYTANIESQL1, &t.VAX_FK, &t.VAY_FK,
                                  &t.VAZ_FK, &t.XMLTABLE, &t.UZYTKOWNIK_FK_LOG}) {
    if (text::same(table->name(), name)) return table;
  }
  return nullptr;
}

}  // namespace

extern "C" FK_API int fk_database_open(fk_text url) {
  return abi::guarded([&] { return database::open(abi::in(url), last_error()) ? 1 : 0; }, 0);
}

extern "C" FK_API int fk_database_init(fk_text url, int32_t force) {
  return abi::guarded(
      [&] { return database::init(abi::in(url), force != 0, last_error()) ? 1 : 0; }, 0);
}

extern "C" FK_API fk_text fk_database_url(void) {
  return abi::text_result([] { return database::current_url(); });
}

extern "C" FK_API fk_text fk_database_error(void) {
  return abi::text_result([] { return last_error(); });
}

extern "C" FK_API int fk_sql_run(fk_text statement) {
  return abi::guarded(
      [&] {
        std::string& out = sql_output();
        out.clear();
        dane::Connection* connection = dane::thread_connection();
        if (connection == nullptr) {
          out = "Brak połączenia z bazą danych."_cp;
          return 0;
        }
        std::string error;
        auto cursor = connection->execute(text::clip(abi::in(statement)), error);
        if (!cursor) {
          out = error;
          return 0;
        }
        dane::Row row;
        while (cursor->next(row, error)) {
          for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += '\t';
            out += row[i] ? *row[i] : std::string("NULL");
          }
          out += '\n';
        }
        if (!error.empty()) {
          out = error;
          return 0;
        }
        return 1;
      },
      0);
}

extern "C" FK_API fk_text fk_sql_output(void) {
  return abi::text_result([] { return sql_output(); });
}

extern "C" FK_API int32_t fk_table_next(fk_text table) {
  return abi::guarded(
      [&] {
        dane::QueryTable* t = table_named(abi::in(table));
        if (t == nullptr) return dane::kDatabaseError;
        t->next();
        return t->error_code();
      },
      dane::kDatabaseError);
}

extern "C" FK_API fk_text fk_table_field(fk_text table, int32_t n) {
  return abi::text_result([&] {
    dane::QueryTable* t = table_named(abi::in(table));
    if (t == nullptr || n < 1 || static_cast<std::size_t>(n) > t->field_count())
      return std::string();
    return t->field(static_cast<std::size_t>(n)).as_text();
  });
}

extern "C" FK_API int32_t fk_table_error_code(fk_text table) {
  return abi::guarded(
      [&] {
        dane::QueryTable* t = table_named(abi::in(table));
        return t != nullptr ? t->error_code() : dane::kDatabaseError;
      },
      dane::kDatabaseError);
}

extern "C" FK_API fk_text fk_table_error_message(fk_text table) {
  return abi::text_result([&] {
    dane::QueryTable* t = table_named(abi::in(table));
    return t != nullptr ? t->error_message() : std::string();
  });
}
