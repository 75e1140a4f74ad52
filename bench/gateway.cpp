// The gateway on the embedded database: a primary-key lookup through FUNCVAY (translation
// cached) beside the same query through a reused raw prepared statement, as lookups per
// CPU-second on one and two threads with the rise from one to two summed up at the end; the
// translator on a cold cache for the longest statement the library sends.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
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
// shared machine wall-clock scaling swings from run to run; the CPU each lookup costs does not.
// The timer is each thread's own CPU time, added up over the threads, so the counter
// "lookups_per_cpu_s" is the lookups of all threads divided by the CPU seconds they took. (The
// process's CPU time would not do: each thread reads it when its own loop ends, so a thread
// that finishes first misses the CPU the other spends after it, and two threads that the
// scheduler serves unevenly look cheaper per lookup than one.) Each runs for two CPU-seconds;
// more repetitions, interleaved (--benchmark_repetitions=5
// --benchmark_enable_random_interleaving=true), steady the figures further, and the summary
// at the end then reads the medians.
//
// How to read it: the rise in CPU per lookup from one thread to two is
// lookups_per_cpu_s(threads:1) / lookups_per_cpu_s(threads:2). The gateway's rise divided by
// raw SQLite's rise in the same run should be no more than 1.1; above that the gateway adds
// contention of its own (a lock or a shared counter every lookup takes), beyond what two
// connections on one file cost SQLite itself. The summary prints both rises and their ratio.
//
// reader_held:1 is the figure to judge by. Each read transaction takes the read lock of the
// write-ahead log, and the embedded database asks the kernel for it (fcntl, two to four system
// calls a lookup) only when no other connection of the process holds it already. Two threads
// reading at once therefore often skip those calls, and skip them more often the larger the
// share of each lookup spent inside the transaction: raw SQLite's CPU per lookup then falls on
// two threads by more than the gateway's, for reasons that have nothing to do with contention.
// With a reader of its own holding the lock throughout, neither side makes those calls on one
// thread or two, and what is left of the rise is contention. reader_held:0 shows the plain case.
constexpr const char* kLookup = "select nazwa from KONTRAHENT where id_kontrahenta=5";

// A connection with a read transaction open on the benchmark's file for as long as it lives.
class HeldReader {
 public:
  HeldReader() {
    sqlite3_open_v2(g_path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_busy_timeout(db_, 10'000);
    sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr);
    // The schema alone: this plain connection lacks the collation the tables' columns name.
    if (sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_get_autocommit(db_) != 0) {
      std::fprintf(stderr, "no reader held: %s\n", sqlite3_errmsg(db_));
    }
  }
  HeldReader(const HeldReader&) = delete;
  HeldReader& operator=(const HeldReader&) = delete;
  ~HeldReader() {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
  }

 private:
  sqlite3* db_ = nullptr;
};

// Made by the first thread before the timed loop, whose start every thread waits for.
std::unique_ptr<HeldReader> hold_reader(const benchmark::State& state) {
  if (state.range(0) == 0 || state.thread_index() != 0) return nullptr;
  return std::make_unique<HeldReader>();
}

void count_lookups(benchmark::State& state) {
  state.counters["lookups_per_cpu_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void cpu_benchmark(benchmark::internal::Benchmark* b) {
  b->ArgName("reader_held")->Arg(1)->Arg(0)->Threads(1)->Threads(2)->MinTime(2.0);
}

// FUNCVAY with its translation cached, on the thread's own connection.
void BM_FuncvayLookupCpu(benchmark::State& state) {
  const auto reader = hold_reader(state);
  // The thread's connection is opened and the translation cached before the timer starts.
  benchmark::DoNotOptimize(funkcja::FUNCVAY(kLookup));
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::FUNCVAY(kLookup));
  count_lookups(state);
  // The other threads' connections end with them. The first thread is the main thread, whose
  // connection stays open for every run: while one connection is open, the log's shared index
  // lives on, and every run reads the file in the same state.
  if (state.thread_index() != 0) funkcja::dane::close_thread_connection();
}
BENCHMARK(BM_FuncvayLookupCpu)->Apply(cpu_benchmark);

// The same lookup on a connection of the thread's own, with a prepared statement kept and
// rebound and the text copied out.
void BM_RawSqliteLookupCpu(benchmark::State& state) {
  const auto reader = hold_reader(state);
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
BENCHMARK(BM_RawSqliteLookupCpu)->Apply(cpu_benchmark);

// The console report, followed by the rises of CPU per lookup from one thread to two and their
// ratio, from the medians when the runs were repeated.
class RiseReporter : public benchmark::ConsoleReporter {
 public:
  RiseReporter() : ConsoleReporter(OO_None) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto counter = run.counters.find("lookups_per_cpu_s");
      if (counter == run.counters.end() || run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      Figure& f = figures_[run.run_name.function_name + "/" + run.run_name.args][run.threads];
      if (median || !f.median) f = {counter->second.value, median};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* held : {"reader_held:1", "reader_held:0"}) {
      const double gateway = rise("BM_FuncvayLookupCpu/" + std::string(held));
      const double raw = rise("BM_RawSqliteLookupCpu/" + std::string(held));
      if (gateway <= 0 || raw <= 0) continue;
      std::printf(
          "CPU per lookup, two threads over one (%s): FUNCVAY x%.3f, raw SQLite x%.3f, "
          "ratio %.3f (at most 1.1 wanted)\n",
          held, gateway, raw, gateway / raw);
    }
  }

 private:
  struct Figure {
    double lookups_per_cpu_s = 0;
    bool median = false;
  };

  double rise(const std::string& name) {
    auto& by_threads = figures_[name];
    const double one = by_threads[1].lookups_per_cpu_s, two = by_threads[2].lookups_per_cpu_s;
    return one > 0 && two > 0 ? one / two : 0;
  }

  std::map<std::string, std::map<std::int64_t, Figure>> figures_;
};

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

// Every benchmark reads the file in one state: everything in the database file and the
// write-ahead log empty, as after a checkpoint. A log still holding the demo data makes each
// read look pages up in the log's index first.
bool settle_file() {
  sqlite3* db = nullptr;
  const bool ok =
      sqlite3_open_v2(g_path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
      sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return ok;
}

int main(int argc, char** argv) {
  g_path = (std::filesystem::temp_directory_path() /
            ("funkcja-bench-" + std::to_string(::getpid()) + ".db"))
               .string();
  std::string error;
  if (!funkcja::database::open("sqlite:" + g_path, error) || !settle_file()) return 1;
  benchmark::Initialize(&argc, argv);
  RiseReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  funkcja::dane::close_thread_connection();
  funkcja::sqlite::remove_database_files(g_path);
  return 0;
}
