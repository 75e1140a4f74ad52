// Shared by the fuzz tests: a seeded source of random choices and the number of rounds to run.
//
// A fuzz loop runs a fixed number of rounds from a fixed seed, so every run on any machine
// covers the same inputs in the same order, and a failure names the round that repeats it.
// FUNKCJA_FUZZ_SCALE=n runs n times the rounds (say 50 for a long run by hand); the first
// rounds stay the same, so a longer run only adds to a shorter one.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string_view>

namespace funkcja::testing {

// `rounds`, times FUNKCJA_FUZZ_SCALE when that is a whole number above 0.
inline std::size_t fuzz_rounds(std::size_t rounds) {
  const char* text = std::getenv("FUNKCJA_FUZZ_SCALE");
  if (text == nullptr) return rounds;
  const std::string_view scale(text);
  std::size_t n = 0;
  const auto [end, ec] = std::from_chars(scale.data(), scale.data() + scale.size(), n);
  if (ec != std::errc() || end != scale.data() + scale.size() || n == 0) return rounds;
  if (rounds > std::numeric_limits<std::size_t>::max() / n) {
    return std::numeric_limits<std::size_t>::max();
  }
  return rounds * n;
}

// Random choices from a fixed seed.
class FuzzRandom {
 public:
  explicit FuzzRandom(std::uint32_t seed) : engine_(seed) {}

  // 0 to n - 1 (0 when n is 0).
  std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(engine_() % n); }
  bool chance(std::uint32_t percent) { return below(100) < percent; }
  template <typename T, std::size_t N>
  const T& pick(const T (&items)[N]) {
    return items[below(N)];
  }
  std::uint32_t next() { return static_cast<std::uint32_t>(engine_()); }

 private:
  std::mt19937 engine_;
};

}  // namespace funkcja::testing
