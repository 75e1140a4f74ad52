// KONFIGURACJA_OKNA action 2 on the VAT register (browse 19, 35 columns): the format built
// from the warm process-wide cache, beside the same configuration loaded cold from the
// database (the user's 35 stored rows read and split) each time.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "funkcja/gateway.hpp"
#include "host/connect.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/tables.hpp"
#include "host/sqlite/backend.hpp"
#include "ui/browse_config.hpp"
#include "ui/browse_config_cache.hpp"
#include "ui/browse_defaults.hpp"

namespace {

constexpr std::int32_t kBrowse = 19;
constexpr std::int32_t kUser = 2;

using namespace funkcja::ui;

// The user's configuration of the register stored once: the default columns, every third
// hidden.
bool store_configuration() {
  std::int32_t n = 0;
  for (const auto& c : browse_config::split_format(browse_config::default_format(kBrowse))) {
    ++n;
    funkcja::EXECSQL(
        "insert into BROWSER_UZYTKOWNIK_KONF(ID_BROWSERA,ID_UZYTKOWNIKA,KOLEJNOSC,CZY_AKTYWNA,"
        "FORMAT_KOLUMNY) values(19,2," +
        std::to_string(n) + "," + (n % 3 == 0 ? "0" : "1") + ",'" + c.format + "')");
    if (funkcja::dane::thread_tables().ZAPYTANIESQL.error_code() != 0) return false;
  }
  return n == 35;
}

void BM_WarmCache(benchmark::State& state) {
  KONFIGURACJA_OKNA(2, kBrowse, "");  // fills the cache
  for (auto _ : state) benchmark::DoNotOptimize(KONFIGURACJA_OKNA(2, kBrowse, ""));
}
BENCHMARK(BM_WarmCache)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void BM_ColdFromDatabase(benchmark::State& state) {
  for (auto _ : state) {
    browse_config::config_cache().forget(kBrowse);
    benchmark::DoNotOptimize(KONFIGURACJA_OKNA(2, kBrowse, ""));
  }
}
BENCHMARK(BM_ColdFromDatabase)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("funkcja-bench-browse-config-" + std::to_string(::getpid()) + ".db"))
                               .string();
  std::string error;
  if (!funkcja::database::open("sqlite:" + path, error)) return 1;
  funkcja::dane::set_number(funkcja::dane::Global::DANE_ID_UZYTKOWNIKA_NR, kUser);
  if (!store_configuration()) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  funkcja::dane::close_thread_connection();
  funkcja::sqlite::remove_database_files(path);
  return 0;
}
