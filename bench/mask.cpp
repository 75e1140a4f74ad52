// SPR_MASKA on typical masks beside a plain recursive backtracking matcher written with the
// standard library (which, unlike SPR_MASKA, requires the whole value to fit).
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "funkcja/mask.hpp"

namespace {

struct MaskCase {
  std::string_view value;
  std::string_view mask;
};

constexpr MaskCase kCases[] = {
    {"FV/2026/05/00123", "FV/2026/*"},
    {"201-01-003",
     "201-?"
     "?-*"},
    {"Przedsiębiorstwo Handlowe Kowalski", "*Handlowe*Kow?lski"},
    {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*c"},
};

bool glob(std::string_view value, std::string_view mask) {
  if (mask.empty()) return value.empty();
  if (mask.front() == '*') {
    for (std::size_t skip = 0; skip <= value.size(); ++skip) {
      if (glob(value.substr(skip), mask.substr(1))) return true;
    }
    return false;
  }
  return !value.empty() && (mask.front() == '?' || mask.front() == value.front()) &&
         glob(value.substr(1), mask.substr(1));
}

void BM_SPR_MASKA(benchmark::State& state) {
  const MaskCase& c = kCases[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::SPR_MASKA(c.value, c.mask));
}
BENCHMARK(BM_SPR_MASKA)->DenseRange(0, 3);

void BM_backtracking_glob(benchmark::State& state) {
  const MaskCase& c = kCases[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(glob(c.value, c.mask));
}
BENCHMARK(BM_backtracking_glob)->DenseRange(0, 3);

}  // namespace

BENCHMARK_MAIN();
