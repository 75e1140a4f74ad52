// Code-page conversion of 1 MiB of Polish text, against glibc iconv doing the same
// conversion (code page 1250 to 852) and against a plain loop that searches the pair list for
// every byte.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "funkcja/codepage.hpp"
#include "text/codepage_tables.hpp"

namespace {

using namespace funkcja::literals;

constexpr std::size_t kMiB = 1 << 20;

const std::string& polish_text() {
  static const std::string text = [] {
    constexpr std::string_view paragraph =
        "Faktura VAT nr 123/2026 z dnia 5 maja. Sprzedawca: Przedsiębiorstwo Handlowe "
        "\"Łódź\" sp. z o.o., ul. Żółkiewskiego 15, 90-001 Łódź. Nabywca: Spółdzielnia "
        "Mleczarska w Śremie. Należność: 12 345,67 zł, słownie: dwanaście tysięcy trzysta "
        "czterdzieści pięć złotych 67/100. Termin płatności: 14 dni. Zażółć gęślą jaźń.\r\n"_cp;
    std::string s;
    s.reserve(kMiB);
    while (s.size() < kMiB) s.append(paragraph);
    s.resize(kMiB);
    return s;
  }();
  return text;
}

void BM_WINTOLATIN_TG(benchmark::State& state) {
  const std::string& in = polish_text();
  for (auto _ : state) {
    std::string out = funkcja::WINTOLATIN_TG(in);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_WINTOLATIN_TG);

// The worst case for the conversion: every byte has its high bit set.
void BM_WINTOLATIN_TG_all_high_bytes(benchmark::State& state) {
  std::string in(kMiB, '\0');
  for (std::size_t i = 0; i < in.size(); ++i) in[i] = static_cast<char>(0x80 | (i % 128));
  for (auto _ : state) {
    std::string out = funkcja::WINTOLATIN_TG(in);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_WINTOLATIN_TG_all_high_bytes);

void BM_MAZOVIATOWIN_TG(benchmark::State& state) {
  const std::string in = funkcja::WINTOMAZOVIA_TG(polish_text());
  for (auto _ : state) {
    std::string out = funkcja::MAZOVIATOWIN_TG(in);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_MAZOVIATOWIN_TG);

// glibc's own converter on the same buffer, into a buffer of the same size.
void BM_iconv_CP1250_to_CP852(benchmark::State& state) {
  const std::string& in = polish_text();
  iconv_t cd = iconv_open("CP852", "CP1250");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    state.SkipWithError("iconv cannot convert CP1250 to CP852");
    return;
  }
  std::string out(in.size(), '\0');
  for (auto _ : state) {
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char* dst = out.data();
    std::size_t dst_left = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1)) {
      state.SkipWithError("iconv failed");
      break;
    }
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_iconv_CP1250_to_CP852);

// The conversion as one would first write it: look every byte up in the list of pairs.
void BM_pair_search_loop(benchmark::State& state) {
  const std::string& in = polish_text();
  const auto& pairs = funkcja::codepage::kLatin2;
  for (auto _ : state) {
    std::string out;
    out.reserve(in.size());
    for (const char c : in) {
      const auto b = static_cast<unsigned char>(c);
      const auto it =
          std::find_if(pairs.begin(), pairs.end(), [b](const auto& p) { return p.windows == b; });
      out.push_back(it == pairs.end() ? c : static_cast<char>(it->dos));
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_pair_search_loop);

}  // namespace

BENCHMARK_MAIN();
