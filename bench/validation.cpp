// IBANSPR and SPR_NIP beside plain standard-library versions of the same checks.
//
// The IBAN peer is the textbook one: build the rotated, letter-expanded digit string in a
// std::string and reduce it nine digits at a time with std::stoul.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "funkcja/validation.hpp"

namespace {

// Polish IBANs of 28 characters, every other one with its check digits right.
const std::vector<std::string>& polish_ibans() {
  static const std::vector<std::string> all = [] {
    std::mt19937 random(28);
    std::vector<std::string> v;
    for (int i = 0; i < 1024; ++i) {
      std::string bban(24, '0');
      for (char& c : bban) c = static_cast<char>('0' + random() % 10);
      // Check digits: 98 - (BBAN "PL00" mod 97), with P = 25 and L = 21.
      std::uint64_t r = 0;
      for (const char c : bban + "252100") r = (r * 10 + static_cast<unsigned>(c - '0')) % 97;
      unsigned check = static_cast<unsigned>(98 - r);
      if (i % 2 == 1) check = (check + 1) % 100;
      v.push_back("PL" + std::string(1, static_cast<char>('0' + check / 10)) +
                  static_cast<char>('0' + check % 10) + bban);
    }
    return v;
  }();
  return all;
}

std::uint8_t iban_with_std_string(const std::string& account) {
  const std::string rotated = account.substr(4) + account.substr(0, 4);
  std::string digits;
  for (const char c : rotated) {
    if (c >= 'A' && c <= 'Z') {
      digits += std::to_string(c - 'A' + 10);
    } else {
      digits += c;
    }
  }
  unsigned long r = 0;
  for (std::size_t i = 0; i < digits.size(); i += 7) {
    r = std::stoul(std::to_string(r) + digits.substr(i, 7)) % 97;
  }
  return r == 1 ? 0 : 1;
}

void BM_Ibanspr(benchmark::State& state) {
  const auto& v = polish_ibans();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(funkcja::IBANSPR(v[i]));
    i = (i + 1) & 1023;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_Ibanspr);

void BM_IbanStdString(benchmark::State& state) {
  const auto& v = polish_ibans();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(iban_with_std_string(v[i]));
    i = (i + 1) & 1023;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_IbanStdString);

const std::vector<std::string>& nips() {
  static const std::vector<std::string> all = [] {
    std::mt19937 random(10);
    std::vector<std::string> v;
    for (int i = 0; i < 1024; ++i) {
      std::string n(10, '0');
      for (char& c : n) c = static_cast<char>('0' + random() % 10);
      v.push_back(n.substr(0, 3) + "-" + n.substr(3, 3) + "-" + n.substr(6, 2) + "-" + n.substr(8));
    }
    return v;
  }();
  return all;
}

std::uint8_t nip_with_std_string(const std::string& nip) {
  std::string digits;
  for (const char c : nip) {
    if (c >= '0' && c <= '9') digits += c;
  }
  if (digits.size() < 10) return 0;
  static const std::string weights = "657234567";
  int sum = 0;
  for (std::size_t i = 0; i < 9; ++i) sum += (digits[i] - '0') * (weights[i] - '0');
  return sum % 11 == digits[9] - '0' ? 1 : 0;
}

void BM_SprNip(benchmark::State& state) {
  const auto& v = nips();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(funkcja::SPR_NIP(v[i]));
    i = (i + 1) & 1023;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_SprNip);

void BM_NipStdString(benchmark::State& state) {
  const auto& v = nips();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(nip_with_std_string(v[i]));
    i = (i + 1) & 1023;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_NipStdString);

}  // namespace

BENCHMARK_MAIN();
