// Code-page conversion of 1 MiB of Polish text, against glibc iconv doing the same
// conversion (code page 1250 to 852) and against a plain loop that searches the pair list for
// every byte; and UTF-8 to code page 1250 at the library's edges, by the look-up table against
// a search through the high half of the code page for every character.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "frame/cp1250.hpp"
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

// The UTF-8 form of the Polish text, as the command line and the windows receive it.
const std::string& polish_utf8() {
  static const std::string text = funkcja::cp1250::cp1250_to_utf8(polish_text());
  return text;
}

void BM_utf8_to_cp1250(benchmark::State& state) {
  const std::string& in = polish_utf8();
  for (auto _ : state) {
    auto out = funkcja::cp1250::utf8_to_cp1250(in);
    benchmark::DoNotOptimize(out.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_utf8_to_cp1250);

// The same conversion with the byte of each character found by searching the high half.
std::optional<unsigned char> searched_byte(char32_t code_point) {
  if (code_point < 0x80) return static_cast<unsigned char>(code_point);
  const auto& high = funkcja::cp1250::kHighHalf;
  for (std::size_t i = 0; i < high.size(); ++i) {
    if (high[i] == code_point) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

void BM_utf8_to_cp1250_searching_the_high_half(benchmark::State& state) {
  const std::string& in = polish_utf8();
  for (auto _ : state) {
    std::string out;
    out.reserve(in.size());
    std::size_t pos = 0;
    while (pos < in.size()) {
      const auto cp = funkcja::cp1250::decode_utf8(in, pos);
      const auto byte = cp ? searched_byte(*cp) : std::nullopt;
      if (!byte) break;
      out.push_back(static_cast<char>(*byte));
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_utf8_to_cp1250_searching_the_high_half);

}  // namespace

BENCHMARK_MAIN();
