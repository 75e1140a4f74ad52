// The data library's tables as the library uses them: the five pass-through query tables
// (ZAPYTANIESQL, ZAPYTANIESQL1, VAX_FK, VAY_FK, VAZ_FK), XMLTABLE and UZYTKOWNIK_FK_LOG, each
// with its record and access manager, and the text table TXT (text_table.hpp). Every host thread
// has its own instance of each (thread_tables()), so a statement sent by one thread is invisible to
// every other.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/dane/database.hpp"
#include "host/dane/framework.hpp"
#include "host/dane/text_table.hpp"

namespace funkcja::dane {

// Error codes of table operations.
inline constexpr std::int32_t kNoError = 0;
inline constexpr std::int32_t kNoMoreRows = 33;     // the read found no further row
inline constexpr std::int32_t kDatabaseError = 90;  // the database refused the operation

// One field of a record: text cut to its capacity, or a decimal with a fixed number of places
// held exactly in units of its last place.
struct Field {
  enum class Kind { kText, kDecimal };
  Kind kind = Kind::kText;
  std::size_t capacity = 0;  // text: characters kept
  int scale = 0;             // decimal: places after the point
  std::string text;
  std::int64_t units = 0;

  static Field Text(std::size_t capacity) { return {Kind::kText, capacity, 0, {}, 0}; }
  static Field Decimal(int scale) { return {Kind::kDecimal, 0, scale, {}, 0}; }

  void clear();
  // A column value into the field: a text is cut to capacity; a decimal is read from its text
  // and rounded half away from zero to the scale (unreadable text gives 0).
  void assign(std::string_view value);
  // The field as text (decimals with their places, e.g. "12.50").
  std::string as_text() const;
  // A decimal field's value cut to a whole int32 (toward zero, saturating); a text field read
  // as a whole number, or 0.
  std::int32_t as_int32() const;
};

class QueryTable {
 public:
  QueryTable(std::string name, std::vector<Field> layout);

  const std::string& name() const { return name_; }
  FILEMANAGER& manager() { return manager_; }

  // Field n of the record, 1-based.
  Field& field(std::size_t n) { return record_.at(n - 1); }
  std::size_t field_count() const { return record_.size(); }

  void close();                  // ends any statement still pending
  void open(std::int32_t mode);  // mode 0x22: read and write, others denied writing
  void clear_record();           // every text empty, every number 0
  void set_statement(std::string_view statement);  // sends it; its rows wait for next()
  void next();                                     // the next row into the record, or kNoMoreRows

  bool is_open() const { return open_; }
  const std::string& statement() const { return statement_; }
  std::int32_t error_code() const { return error_code_; }
  const std::string& error_message() const { return error_message_; }

 private:
  void fail(std::int32_t code, std::string message);

  std::string name_;
  std::vector<Field> record_;
  FILEMANAGER manager_;
  bool open_ = false;
  std::int32_t mode_ = 0;
  std::string statement_;
  std::unique_ptr<Cursor> cursor_;
  std::int32_t error_code_ = kNoError;
  std::string error_message_;
};

// The calling thread's tables.
struct ThreadTables {
  ThreadTables();
  QueryTable ZAPYTANIESQL;
  QueryTable ZAPYTANIESQL1;
  QueryTable VAX_FK;
  QueryTable VAY_FK;
  QueryTable VAZ_FK;
  QueryTable XMLTABLE;
  TextTable TXT;
  QueryTable UZYTKOWNIK_FK_LOG;
};

ThreadTables& thread_tables();

}  // namespace funkcja::dane
