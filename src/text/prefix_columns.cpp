// STR_REPLACE_PREFIKS_A: in an expression written against the alias a, each a.column of a
// table's columns becomes table.column, the whole expression in lower case.
//
//   STR_REPLACE_PREFIKS_A("dbo.KONTA", "a.NUMER = 'X1'") == "KONTA.numer = 'x1'"
//
// The columns come from the database catalogue the first time a table is met, on the calling
// thread's VAY_FK, and stay in one cache for the whole process. A table for which the
// catalogue gives no column is not kept, so it is asked for again on the next call.
#include "text/prefix_columns.hpp"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

#include "frame/cp1250_case.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "text/procedures.hpp"

namespace funkcja::text {
namespace {

constexpr std::size_t kExpressionText = 5000;
constexpr std::size_t kColumnName = 100;
constexpr std::string_view kAlias = "a.";

// Lower case as the host's conversion gives it: ASCII and the nine Polish letters.
constexpr auto kLowerAsciiPolish =
    cp1250::detail::make_case_table(false, cp1250::detail::kPolishLetters);

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(kLowerAsciiPolish[static_cast<unsigned char>(c)]);
  return out;
}

using Columns = std::vector<std::string>;

std::atomic<std::size_t> queries{0};

// The catalogue's columns of a table, each cut to the cache's 100 characters and clipped.
Columns read_columns(std::string_view table) {
  queries.fetch_add(1, std::memory_order_relaxed);
  dane::QueryTable& t = dane::thread_tables().VAY_FK;
  sql::Statement s(
      "select a.name from syscolumns a inner join sysobjects b on a.id = b.id where b.name = ");
  s.quoted(table);
  gateway::run(t, s, gateway::Errors::kSilent);
  Columns out;
  while (gateway::next(t)) out.emplace_back(clip_to(t.field(1).text, kColumnName));
  return out;
}

// One list of tables and their columns for the process. The catalogue query runs outside the
// lock; a thread that meets a table another thread is reading waits for that reading instead
// of reading it a second time.
class ColumnCache {
 public:
  std::shared_ptr<const Columns> columns(const std::string& table) {
    std::unique_lock lock(mutex_);
    for (auto it = tables_.find(table); it != tables_.end(); it = tables_.find(table)) {
      if (it->second != nullptr) return it->second;
      read_.wait(lock);  // another thread is reading this table
    }
    tables_.emplace(table, nullptr);
    lock.unlock();
    std::shared_ptr<const Columns> read;
    try {
      read = std::make_shared<const Columns>(read_columns(table));
    } catch (...) {
      settle(table, nullptr);
      throw;
    }
    settle(table, read);
    return read;
  }

  void clear() {
    std::lock_guard lock(mutex_);
    tables_.clear();
    read_.notify_all();
  }

  Columns held(std::string_view table) {
    std::lock_guard lock(mutex_);
    const auto it = tables_.find(table);
    return it != tables_.end() && it->second != nullptr ? *it->second : Columns();
  }

 private:
  // Ends a reading: columns found are kept, a table without any is forgotten.
  void settle(const std::string& table, const std::shared_ptr<const Columns>& read) {
    std::lock_guard lock(mutex_);
    if (read != nullptr && !read->empty()) {
      tables_[table] = read;
    } else {
      tables_.erase(table);
    }
    read_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable read_;
  // nullptr while a thread is reading the table's columns.
  std::map<std::string, std::shared_ptr<const Columns>, std::less<>> tables_;
};

// Freed with the library's other process-wide objects when it is unloaded.
ColumnCache& cache() {
  static ColumnCache instance;
  return instance;
}

// One pass from left to right: at each a. the first column in the table's list that follows
// it is written as table.column, and the scan goes on behind the inserted text, so a table
// name ending in a never makes a replacement of its own.
std::string qualify(std::string_view expression, std::string_view table, const Columns& columns) {
  Columns names;
  names.reserve(columns.size());
  for (const std::string& column : columns) names.push_back(lower(column));
  std::string out;
  out.reserve(expression.size());
  std::size_t copied = 0;
  for (std::size_t at = expression.find(kAlias); at != std::string_view::npos;) {
    const std::string_view after = expression.substr(at + kAlias.size());
    const auto hit = std::find_if(names.begin(), names.end(),
                                  [&](const std::string& name) { return after.starts_with(name); });
    if (hit == names.end()) {
      at = expression.find(kAlias, at + 1);
      continue;
    }
    out.append(expression.substr(copied, at - copied)).append(table).append(".").append(*hit);
    copied = at + kAlias.size() + hit->size();
    at = expression.find(kAlias, copied);
  }
  out.append(expression.substr(copied));
  if (out.size() > kExpressionText) out.resize(kExpressionText);
  return out;
}

}  // namespace

std::string STR_REPLACE_PREFIKS_A(std::string_view table_name, std::string_view expression) {
  const std::string table = TG_REPLACE(table_name, "dbo.", "");
  const std::string_view clipped = clip_to(expression, kExpressionText);
  const std::string lowered = lower(clipped);
  if (lowered.find(kAlias) == std::string::npos) return std::string(clipped);
  return qualify(lowered, table, *cache().columns(table));
}

void forget_table_columns() {
  cache().clear();
}

std::vector<std::string> cached_columns(std::string_view table) {
  return cache().held(table);
}

std::size_t catalogue_queries() {
  return queries.load(std::memory_order_relaxed);
}

}  // namespace funkcja::text
