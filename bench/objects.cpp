// A browse object over 100,000 rows copied into a queue (reset, then next, copy and append
// for every record), beside raw sqlite3_step of the same statement on the same database,
// reading every column as text. Both report rows per second ("rows_per_s"); the browse should
// stay within twice the raw time.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "funkcja/objects.hpp"
#include "host/connect.hpp"
#include "host/dane/tables.hpp"
#include "host/sqlite/backend.hpp"

namespace {

constexpr int kRows = 100'000;
constexpr const char* kStatement = "select id, nazwa, kwota, dzien from BENCH_WIERSZE order by id";

std::string g_path;

// The rows, written once straight into the database file.
bool fill_rows(std::string& error) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(g_path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    error = "cannot open " + g_path;
    sqlite3_close(db);
    return false;
  }
  const char* script =
      "CREATE TABLE BENCH_WIERSZE (id INTEGER PRIMARY KEY, nazwa TEXT, kwota NUMERIC, "
      "dzien INTEGER);"
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
      "INSERT INTO BENCH_WIERSZE SELECT i, 'Kontrahent numer ' || i, i * 1.25, 80000 + i % 365 "
      "FROM n;";
  char* message = nullptr;
  const bool ok = sqlite3_exec(db, script, nullptr, nullptr, &message) == SQLITE_OK;
  if (!ok) error = message != nullptr ? message : "script failed";
  sqlite3_free(message);
  sqlite3_close(db);
  return ok;
}

void count_rows(benchmark::State& state, std::size_t rows_per_iteration) {
  state.counters["rows_per_s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * static_cast<double>(rows_per_iteration),
      benchmark::Counter::kIsRate);
}

void BM_BrowseIntoQueue(benchmark::State& state) {
  funkcja::Group layout;
  layout.add_int32("B:ID");
  layout.add_text("B:NAZWA", 50);
  layout.add_decimal("B:KWOTA", 12, 2);
  layout.add_date("B:DZIEN");
  // The list's queue lives on, as a window's does, and is emptied before each fill.
  funkcja::Queue queue(layout);
  funkcja::Browse browse(kStatement);
  std::size_t rows = 0;
  for (auto _ : state) {
    queue.clear();
    if (!browse.reset()) {
      state.SkipWithError(browse.error().c_str());
      return;
    }
    while (browse.next() == 0) {
      browse.copy(queue);
      queue.append();
    }
    rows = queue.count();
    benchmark::DoNotOptimize(rows);
  }
  if (rows != kRows) state.SkipWithError("wrong number of rows");
  count_rows(state, rows);
}
BENCHMARK(BM_BrowseIntoQueue)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same statement prepared and stepped on a connection of its own, every column read as
// text into a reused row.
void BM_RawSqliteStep(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(g_path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, kStatement, -1, &stmt, nullptr);
  std::vector<std::string> row(4);
  std::size_t rows = 0;
  for (auto _ : state) {
    rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      for (int i = 0; i < 4; ++i) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        row[static_cast<std::size_t>(i)].assign(
            text != nullptr ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
      }
      benchmark::DoNotOptimize(row);
      ++rows;
    }
    sqlite3_reset(stmt);
  }
  if (rows != kRows) state.SkipWithError("wrong number of rows");
  count_rows(state, rows);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}
BENCHMARK(BM_RawSqliteStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  g_path = (std::filesystem::temp_directory_path() /
            ("funkcja-bench-objects-" + std::to_string(::getpid()) + ".db"))
               .string();
  std::string error;
  if (!funkcja::database::open("sqlite:" + g_path, error) || !fill_rows(error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  funkcja::dane::close_thread_connection();
  funkcja::sqlite::remove_database_files(g_path);
  return 0;
}
