// The working-day procedures over long runs of dates, beside a plain std::chrono version of
// the same rules, with a count of heap allocations per call (there should be none).
#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "frame/standard_date.hpp"
#include "funkcja/calendar.hpp"

namespace {
std::atomic<std::uint64_t> allocations{0};
}  // namespace

// Every heap allocation of the program is counted; malloc and free underneath.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using namespace std::chrono;

const std::int32_t kFrom = *funkcja::date::from_civil(1801, 1, 1);
const std::int32_t kTo = *funkcja::date::from_civil(2400, 12, 31);
constexpr sys_days kEpoch = sys_days{year{1800} / 12 / 28};

// The same rules written directly with std::chrono: weekday, the fixed holidays, and Easter
// Monday and Corpus Christi from a computus of the date's year.
sys_days easter(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25;
  const int g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7, m = (a + 11 * h + 22 * l) / 451;
  const int n = h + l - 7 * m + 114;
  return sys_days{year{y} / (n / 31) / ((n % 31) + 1)};
}

bool working_with_chrono(std::int32_t day_number) {
  const sys_days day = kEpoch + days{day_number};
  const weekday wd{day};
  if (wd == Saturday || wd == Sunday) return false;
  const year_month_day ymd{day};
  const int y = static_cast<int>(ymd.year());
  const std::array<month_day, 10> fixed = {
      January / 1,  January / 6,   May / 1,       May / 3,       August / 15,
      November / 1, November / 11, December / 25, December / 26, December / (y >= 2025 ? 24 : 26)};
  const month_day md{ymd.month(), ymd.day()};
  for (const auto& f : fixed) {
    if (f == md) return false;
  }
  const sys_days e = easter(y);
  return day != e + days{1} && day != e + days{60};
}

unsigned working_days_1801_to_2400() {
  unsigned working = 0;
  for (std::int32_t d = kFrom; d <= kTo; ++d) working += funkcja::ISDZIENROBOCZY(d);
  return working;
}

void BM_IsDzienRoboczy1801To2400(benchmark::State& state) {
  const std::uint64_t before = allocations.load();
  benchmark::DoNotOptimize(working_days_1801_to_2400());
  state.counters["allocations"] = static_cast<double>(allocations.load() - before);
  for (auto _ : state) benchmark::DoNotOptimize(working_days_1801_to_2400());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * (kTo - kFrom + 1));
}
BENCHMARK(BM_IsDzienRoboczy1801To2400)->Unit(benchmark::kMillisecond);

void BM_ChronoWorkingDay1801To2400(benchmark::State& state) {
  for (auto _ : state) {
    unsigned working = 0;
    for (std::int32_t d = kFrom; d <= kTo; ++d) working += working_with_chrono(d);
    benchmark::DoNotOptimize(working);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * (kTo - kFrom + 1));
}
BENCHMARK(BM_ChronoWorkingDay1801To2400)->Unit(benchmark::kMillisecond);

std::int64_t last_working_days_2026(std::int32_t from, std::int32_t to) {
  std::int64_t sum = 0;
  for (std::int32_t d = from; d <= to; ++d) sum += funkcja::PODAJOSTATNIDZIENROBOCZY(d);
  return sum;
}

void BM_PodajOstatniDzienRoboczy2026(benchmark::State& state) {
  const std::int32_t from = *funkcja::date::from_civil(2026, 1, 1);
  const std::int32_t to = *funkcja::date::from_civil(2026, 12, 31);
  const std::uint64_t before = allocations.load();
  benchmark::DoNotOptimize(last_working_days_2026(from, to));
  state.counters["allocations"] = static_cast<double>(allocations.load() - before);
  for (auto _ : state) benchmark::DoNotOptimize(last_working_days_2026(from, to));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * (to - from + 1));
}
BENCHMARK(BM_PodajOstatniDzienRoboczy2026);

void BM_ChronoLastWorkingDay2026(benchmark::State& state) {
  const std::int32_t from = *funkcja::date::from_civil(2026, 1, 1);
  const std::int32_t to = *funkcja::date::from_civil(2026, 12, 31);
  for (auto _ : state) {
    std::int64_t sum = 0;
    for (std::int32_t d = from; d <= to; ++d) {
      std::int32_t c = d - 1;
      while (c > 0 && !working_with_chrono(c)) --c;
      sum += c;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * (to - from + 1));
}
BENCHMARK(BM_ChronoLastWorkingDay2026);

}  // namespace

BENCHMARK_MAIN();
