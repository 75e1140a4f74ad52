#include "host/dane/tables.hpp"

#include <atomic>
#include <limits>
#include <mutex>

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"

namespace funkcja::dane {
namespace {

using namespace funkcja::literals;

constexpr std::int64_t kPowers[] = {1,       10,       100,       1000,       10000,        100000,
                                    1000000, 10000000, 100000000, 1000000000, 10000000000LL};

// Reads "[-]digits[.digits]" into units of 10^-scale, rounding half away from zero.
// Unreadable text, or a value too large to hold, gives 0.
std::int64_t parse_units(std::string_view s, int scale) {
  const auto read = text::read_decimal(s);
  if (!read) return 0;
  const auto units = text::to_units(*read, scale);
  return units ? *units : 0;
}

}  // namespace

void Field::clear() {
  text.clear();
  units = 0;
}

void Field::assign(std::string_view value) {
  if (kind == Kind::kText) {
    text.assign(text::cut(value, capacity));
  } else {
    units = parse_units(value, scale);
  }
}

std::string Field::as_text() const {
  if (kind == Kind::kText) return text;
  const std::uint64_t magnitude =
      units < 0 ? static_cast<std::uint64_t>(-(units + 1)) + 1 : static_cast<std::uint64_t>(units);
  const auto power = static_cast<std::uint64_t>(kPowers[scale]);
  std::string out = units < 0 ? "-" : "";
  out += std::to_string(magnitude / power);
  if (scale > 0) {
    const std::string fraction = std::to_string(magnitude % power);
    out += '.';
    out.append(static_cast<std::size_t>(scale) - fraction.size(), '0');
    out += fraction;
  }
  return out;
}

std::int32_t Field::as_int32() const {
  const std::int64_t whole = kind == Kind::kDecimal ? units / kPowers[scale] : parse_units(text, 0);
  if (whole > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  if (whole < std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(whole);
}

QueryTable::QueryTable(std::string name, std::vector<Field> layout)
    : name_(std::move(name)), record_(std::move(layout)) {}

void QueryTable::close() {
  cursor_.reset();
  open_ = false;
  error_code_ = kNoError;
  error_message_.clear();
}

void QueryTable::open(std::int32_t mode) {
  open_ = true;
  mode_ = mode;
  error_code_ = kNoError;
  error_message_.clear();
}

void QueryTable::clear_record() {
  for (Field& f : record_) f.clear();
}

void QueryTable::fail(std::int32_t code, std::string message) {
  error_code_ = code;
  error_message_ = std::move(message);
  thread_error_status().set_error(code, error_message_);
}

void QueryTable::set_statement(std::string_view statement) {
  cursor_.reset();
  statement_.assign(statement);
  error_code_ = kNoError;
  error_message_.clear();
  if (!open_) {
    fail(kDatabaseError, std::string("Tabela nie jest otwarta: "_cp) + name_);
    return;
  }
  Connection* connection = thread_connection();
  if (connection == nullptr) {
    fail(kDatabaseError, std::string("Brak połączenia z bazą danych."_cp));
    return;
  }
  std::string error;
  cursor_ = connection->execute(statement_, error);
  if (!cursor_) fail(kDatabaseError, error.empty() ? std::string("Błąd polecenia SQL."_cp) : error);
}

void QueryTable::next() {
  if (!cursor_) {
    fail(kNoMoreRows, {});
    return;
  }
  std::string error;
  const Row* fetched = cursor_->fetch(error);
  if (fetched == nullptr) {
    cursor_.reset();
    if (error.empty()) {
      fail(kNoMoreRows, {});
    } else {
      fail(kDatabaseError, error);
    }
    return;
  }
  error_code_ = kNoError;
  error_message_.clear();
  // The n-th column lands in the n-th field; extra columns are dropped, missing ones and
  // NULLs leave the field cleared.
  const Row& row = *fetched;
  for (std::size_t i = 0; i < record_.size(); ++i) {
    if (i < row.size() && row[i]) {
      record_[i].assign(*row[i]);
    } else {
      record_[i].clear();
    }
  }
}

namespace {

struct ThreadConnection {
  std::unique_ptr<Connection> connection;
  std::uint64_t generation = 0;
};

ThreadConnection& thread_connection_slot() {
  thread_local ThreadConnection slot;
  return slot;
}

std::vector<Field> texts(std::size_t count, std::size_t capacity) {
  return std::vector<Field>(count, Field::Text(capacity));
}

}  // namespace

ThreadTables::ThreadTables()
    : ZAPYTANIESQL("ZAPYTANIESQL", {Field::Decimal(2), Field::Text(150), Field::Text(8000)}),
      ZAPYTANIESQL1("ZAPYTANIESQL1", {Field::Decimal(2)}),
      VAX_FK("VAX_FK", texts(13, 255)),
      VAY_FK("VAY_FK",
             [] {
               auto layout = texts(6, 255);
               layout[0] = Field::Text(500);
               return layout;
             }()),
      VAZ_FK("VAZ_FK", texts(1, 8000)),
      XMLTABLE("XMLTABLE", {Field::Text(100), Field::Text(100), Field::Text(5000)}),
      TXT("TXT", 3001),
      UZYTKOWNIK_FK_LOG("UZYTKOWNIK_FK_LOG", texts(1, 255)) {
  // The thread's connection slot must outlive the cursors these tables hold: thread-local
  // objects end in the reverse order of their construction, so make the slot first.
  (void)thread_connection_slot();
}

ThreadTables& thread_tables() {
  thread_local ThreadTables tables;
  return tables;
}

// ---- Connections ----

namespace {

struct Factory {
  std::mutex mutex;  // guards make
  ConnectionFactory make;
  std::atomic<std::uint64_t> generation{0};  // bumps when the factory changes
};

Factory& factory() {
  static Factory* instance = new Factory;
  return *instance;
}

}  // namespace

void set_connection_factory(ConnectionFactory make) {
  Factory& f = factory();
  std::lock_guard lock(f.mutex);
  f.make = std::move(make);
  f.generation.fetch_add(1, std::memory_order_release);
}

Connection* thread_connection() {
  ThreadConnection& slot = thread_connection_slot();
  Factory& f = factory();
  // The common case takes no lock: this thread's connection is still the current factory's.
  if (slot.connection && slot.generation == f.generation.load(std::memory_order_acquire)) {
    return slot.connection.get();
  }
  ConnectionFactory make;
  std::uint64_t generation = 0;
  {
    std::lock_guard lock(f.mutex);
    make = f.make;
    generation = f.generation.load(std::memory_order_relaxed);
  }
  slot.connection.reset();
  slot.generation = generation;
  if (!make) return nullptr;
  try {
    slot.connection = make();  // opened outside the lock: other threads go on meanwhile
  } catch (...) {
    slot.connection.reset();
  }
  return slot.connection.get();
}

void close_thread_connection() {
  ThreadTables& t = thread_tables();
  for (QueryTable* table : {&t.ZAPYTANIESQL, &t.ZAPYTANIESQL1, &t.VAX_FK, &t.VAY_FK, &t.VAZ_FK,
                            &t.XMLTABLE, &t.UZYTKOWNIK_FK_LOG}) {
    table->close();
  }
  thread_connection_slot().connection.reset();
}

}  // namespace funkcja::dane
