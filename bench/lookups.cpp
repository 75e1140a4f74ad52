// One lookup of the company and office family beside the gateway call it makes: the office's
// name by its primary key through GET_NAZWA_ADRES_URZEDU, and FUNCVAY of the same statement in
// the same run. The lookup should cost no more than 1.3 times the bare FUNCVAY: all it adds is
// building the statement and copying the answer.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "funkcja/gateway.hpp"
#include "funkcja/lookups.hpp"
#include "host/connect.hpp"
#include "host/dane/tables.hpp"
#include "host/sqlite/backend.hpp"

namespace {

constexpr const char* kStatement = "select nazwa from URZEDY where id_urzedu=1";

void BM_OfficeNameLookup(benchmark::State& state) {
  benchmark::DoNotOptimize(funkcja::GET_NAZWA_ADRES_URZEDU(0, 1));
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::GET_NAZWA_ADRES_URZEDU(0, 1));
}
BENCHMARK(BM_OfficeNameLookup)->MinTime(1.0);

void BM_FuncvaySameStatement(benchmark::State& state) {
  benchmark::DoNotOptimize(funkcja::FUNCVAY(kStatement));
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::FUNCVAY(kStatement));
}
BENCHMARK(BM_FuncvaySameStatement)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("funkcja-bench-lookups-" + std::to_string(::getpid()) + ".db"))
                               .string();
  std::string error;
  if (!funkcja::database::open("sqlite:" + path, error)) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  funkcja::dane::close_thread_connection();
  funkcja::sqlite::remove_database_files(path);
  return 0;
}
