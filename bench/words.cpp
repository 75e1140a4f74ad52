// SLOWNIE against ICU's rule-based Polish spell-out, on the same amounts in the same run.
//
// ICU spells the złote and the grosze as two numbers (no currency words), which is less work
// than SLOWNIE does; the ratio printed at the end is SLOWNIE's amounts per second over ICU's.
#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "funkcja/words.hpp"

namespace {

const std::vector<double>& amounts() {
  static const std::vector<double> all = [] {
    std::mt19937_64 random(2024);
    std::vector<double> v;
    for (int i = 0; i < 4096; ++i) {
      // Magnitudes spread from grosze to hundreds of millions, two decimals.
      const int digits = 1 + static_cast<int>(random() % 11);
      std::uint64_t n = random() % 10;
      for (int d = 1; d < digits; ++d) n = n * 10 + random() % 10;
      v.push_back(static_cast<double>(n) / 100.0);
    }
    return v;
  }();
  return all;
}

void BM_Slownie(benchmark::State& state) {
  const auto& v = amounts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(funkcja::SLOWNIE(v[i]));
    i = (i + 1) % v.size();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_Slownie);

void BM_SlowniewalutaEur(benchmark::State& state) {
  const auto& v = amounts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(funkcja::SLOWNIEWALUTA(v[i], "EUR"));
    i = (i + 1) % v.size();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_SlowniewalutaEur);

void BM_IcuSpelloutPl(benchmark::State& state) {
  UErrorCode status = U_ZERO_ERROR;
  icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale("pl"), status);
  if (U_FAILURE(status)) {
    state.SkipWithError("ICU spell-out for pl is not available");
    return;
  }
  const auto& v = amounts();
  std::size_t i = 0;
  for (auto _ : state) {
    const auto hundredths = static_cast<std::int64_t>(v[i] * 100.0 + 0.5);
    icu::UnicodeString out;
    format.format(static_cast<int64_t>(hundredths / 100), out);
    out.append(u' ');
    format.format(static_cast<int32_t>(hundredths % 100), out);
    benchmark::DoNotOptimize(out);
    i = (i + 1) % v.size();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_IcuSpelloutPl);

// Prints the runs as usual and keeps their rates for the ratio at the end.
class RateReporter : public benchmark::ConsoleReporter {
 public:
  RateReporter() : ConsoleReporter(OO_Tabular) {}
  std::map<std::string, double> rates;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& r : runs) {
      const auto it = r.counters.find("items_per_second");
      if (it != r.counters.end()) rates[r.benchmark_name()] = it->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RateReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double ours = reporter.rates["BM_Slownie"];
  const double icu = reporter.rates["BM_IcuSpelloutPl"];
  if (ours > 0 && icu > 0) {
    std::printf("SLOWNIE: %.0f amounts/s, ICU spell-out: %.0f amounts/s, ratio %.1fx\n", ours, icu,
                ours / icu);
  }
  benchmark::Shutdown();
  return 0;
}
