// The gateway on the embedded database: a primary-key lookup through FUNCVAY (translation
// cached) beside the same query through a reused raw prepared statement, as lookups per
// CPU-second on one and two threads; the translator on a cold cache for the longest statement
// the library sends.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "funkcja/gateway.hpp"
#include "host/connect.hpp"
#include "host/dane/tables.hpp"
#include "host/sqlite/backend.hpp"
#include "host/sqlite/translator.hpp"

namespace {

std::string g_path;

// Lookups per CPU-second on one and two threads, the gateway beside raw SQLite. On a small
// shared machine wall-clock scaling swings from run to run; the CPU the whole process spends on
// each lookup does not. The timer is the process's CPU time (every thread), so the counter
// "lookups_per_cpu_s" is the lookups of all threads divided by the CPU seconds they took. Each
// runs for two CPU-seconds, long enough for the figure to settle; more repetitions
// (--benchmark_repetitions=3 --benchmark_enable_random_interleaving=true) steady it further.
//
// How to read it: the rise in CPU per lookup from one thread to two is
// lookups_per_cpu_s(threads:1) / lookups_per_cpu_s(threads:2). The gateway's rise divided by
// raw SQLite's rise in the same run should be no more than 1.1; above that the gateway adds
// contention of its own (a lock or a shared counter every lookup takes), beyond what two
// connections on one file cost SQLite itself.
constexpr const char* kLookup = "select nazwa from KONTRAHENT where id_kontrahenta=5";

void count_lookups(benchmark::State& state) {
  state.counters["lookups_per_cpu_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// FUNCVAY with its translation cached, on the thread's own connection.
void BM_FuncvayLookupCpu(benchmark::State& state) {
  // The thread's connection is opened and the translation cached before the timer starts.
  benchmark::DoNotOptimize(funkcja::FUNCVAY(kLookup));
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::FUNCVAY(kLookup));
  count_lookups(state);
  if (state.thread_index() != 0 || state.threads() > 1) funkcja::dane::close_thread_connection();
}
BENCHMARK(BM_FuncvayLookupCpu)->Threads(1)->Threads(2)->MeasureProcessCPUTime()->MinTime(2.0);

// The same lookup on a connection of the thread's own, with a prepared statement kept and
// rebound and the text copied out.
void BM_RawSqliteLookupCpu(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(g_path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, "SELECT nazwa FROM KONTRAHENT WHERE id_kontrahenta = ?1", -1, &stmt,
                     nullptr);
  for (auto _ : state) {
    sqlite3_bind_int(stmt, 1, 5);
    std::string value;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
      value.assign(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                   static_cast<std::size_t>(sqlite3_column_bytes(stmt, 0)));
    }
    sqlite3_reset(stmt);
    benchmark::DoNotOptimize(value);
  }
  count_lookups(state);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}
BENCHMARK(BM_RawSqliteLookupCpu)->Threads(1)->Threads(2)->MeasureProcessCPUTime()->MinTime(2.0);

// The longest statement the library sends: the account structure of the budget dictionaries.
const std::string kLongest =
    "select isnull(a.ID_KARTOTEKI,0),case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when "
    "'D' then 'Dzial' when 'R' then 'Rozdzial' when 'P' then 'Paragraf' when 'S' then "
    "'Subanalityka' end) else a.SYMBOL_KARTOTEKI end,case isnull(a.ID_KARTOTEKI,0) when 0 then "
    "(case b.TYP when 'D' then 'Dzial klasyfikacji budzetowej tradycyjnej' when 'R' then "
    "'Rozdzial klasyfikacji budzetowej tradycyjnej' when 'P' then 'Paragraf klasyfikacji "
    "budzetowej tradycyjnej' when 'S' then 'Subanalityka klasyfikacji budzetowej tradycyjnej' "
    "end) else a.NAZWA_KARTOTEKI end,case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when "
    "'D' then 0 when 'R' then 0 when 'P' then 0 when 'S' then 1 end) else a.ANALITYKA_TYP "
    "end,case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when 'D' then 3 when 'R' then 5 "
    "when 'P' then 4 when 'S' then 5 end) else a.ANALITYKA_DLUGOSC end,b.TYP,b.NR_KONTA,b.LP from "
    "SLOW_PLAN_KONT b left outer join KARTOTEKA_UZYTKOWNIKA a on a.id_kartoteki = b.id_kartoteki "
    "where b.id_lata_obrot = 3 order by b.nr_konta, b.lp";

void BM_TranslateLongestCold(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::sqlite::translate(kLongest));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kLongest.size()));
}
BENCHMARK(BM_TranslateLongestCold);

// Peer: splitting the same statement into words with the standard library.
void BM_SplitLongestWithStreams(benchmark::State& state) {
  for (auto _ : state) {
    std::istringstream in(kLongest);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    benchmark::DoNotOptimize(words);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kLongest.size()));
}
BENCHMARK(BM_SplitLongestWithStreams);

}  // namespace

int main(int argc, char** argv) {
  g_path = (std::filesystem::temp_directory_path() /
            ("funkcja-bench-" + std::to_string(::getpid()) + ".db"))
               .string();
  std::string error;
  if (!funkcja::database::open("sqlite:" + g_path, error)) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  funkcja::dane::close_thread_connection();
  funkcja::sqlite::remove_database_files(g_path);
  return 0;
}
