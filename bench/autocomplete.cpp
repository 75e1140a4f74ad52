// One completion of a contractor's short name (AUTOUZUPELNIANIE "NZKKH") on a table of 100,000
// contractors, beside the same lookup written so that no index can answer it (the typed text
// joined to an empty one, so the database reads every row of the company). The completion
// should take at most 200 µs: an index seek, not a scan.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "funkcja/gateway.hpp"
#include "host/connect.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/tables.hpp"
#include "host/sqlite/backend.hpp"
#include "host/sqlite/functions.hpp"
#include "ui/headless_driver.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"

namespace {

constexpr int kContractors = 100'000;
std::string g_path;

// The contractors, written once straight into the database file (names "Kontrahent 000001"
// ... spread over the alphabet by a leading letter).
bool fill_contractors() {
  sqlite3* db = nullptr;
  bool ok = sqlite3_open_v2(g_path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
            funkcja::sqlite::register_functions(db);
  const std::string script =
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
      std::to_string(kContractors) +
      ") INSERT INTO KONTRAHENT (id_firmy, nazwa, nazwa_pelna, nip) SELECT 1, "
      "char(65 + i % 26) || 'kontrahent ' || printf('%06d', i), 'Pełna nazwa ' || i, "
      "printf('%010d', i * 7919) FROM n;";
  ok = ok && sqlite3_exec(db, script.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return ok;
}

// Runs the benchmark loop inside a window, as a host's field calls the completion.
class Field : public funkcja::ui::Window {
 public:
  explicit Field(benchmark::State& state) : Window(options()), state_(state) {
    add(funkcja::ui::control_type::kEntry);
  }

 protected:
  void on_open() override {
    for (auto _ : state_) {
      control(1).text = "Mkontrahent 05";
      std::uint8_t armed = 1;
      funkcja::ui::AUTOUZUPELNIANIE("NZKKH", 1, armed, "");
      benchmark::DoNotOptimize(control(1).text);
    }
    close();
  }

 private:
  static funkcja::ui::WindowOptions options() {
    funkcja::ui::WindowOptions o("Bench", "Bench");
    o.remember_position = false;
    return o;
  }
  benchmark::State& state_;
};

void BM_CompletionBySeek(benchmark::State& state) {
  Field field(state);
  field.run();
}
BENCHMARK(BM_CompletionBySeek)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void BM_SameLookupByScan(benchmark::State& state) {
  const std::string statement =
      "select top 1 nazwa from KONTRAHENT where id_firmy=1 AND Substring(nazwa,1,14) = '' + "
      "'Mkontrahent 05' order by nazwa";
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::FUNCVAY(statement));
}
BENCHMARK(BM_SameLookupByScan)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  g_path = (std::filesystem::temp_directory_path() /
            ("funkcja-bench-autocomplete-" + std::to_string(::getpid()) + ".db"))
               .string();
  std::string error;
  if (!funkcja::database::open("sqlite:" + g_path, error)) return 1;
  funkcja::dane::set_number(funkcja::dane::Global::DANE_ID_FIRMY, 1);
  funkcja::dane::set_number(funkcja::dane::Global::GGG_AUTOUZUPELNIANIE_KONTRAHENTA, 1);
  funkcja::FUNCVAY("select 1");  // creates the database with its schema
  if (!fill_contractors()) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  funkcja::dane::close_thread_connection();
  funkcja::sqlite::remove_database_files(g_path);
  return 0;
}
