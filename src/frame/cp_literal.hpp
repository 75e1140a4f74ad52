// "Łódź"_cp: a UTF-8 string literal turned into code page 1250 bytes at compile time.
//
// The result is a std::string_view over static storage. A character that code page 1250
// lacks, or malformed UTF-8, stops the compilation.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "frame/cp1250.hpp"

namespace funkcja {

template <std::size_t N>
struct Utf8Literal {
  char text[N]{};
  constexpr Utf8Literal(const char (&source)[N]) {  // NOLINT: implicit by design
    for (std::size_t i = 0; i < N; ++i) text[i] = source[i];
  }
  constexpr std::string_view view() const { return {text, N - 1}; }
};

namespace detail {

consteval std::size_t cp1250_length(std::string_view utf8) {
  std::size_t pos = 0;
  std::size_t length = 0;
  while (pos < utf8.size()) {
    const auto cp = cp1250::decode_utf8(utf8, pos);
    if (!cp || !cp1250::from_unicode(*cp)) throw "literal is not representable in code page 1250";
    ++length;
  }
  return length;
}

template <Utf8Literal S>
struct Cp1250Storage {
  static constexpr std::size_t kLength = cp1250_length(S.view());
  static constexpr std::array<char, kLength + 1> kBytes = [] {
    std::array<char, kLength + 1> bytes{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < kLength; ++i) {
      bytes[i] = static_cast<char>(*cp1250::from_unicode(*cp1250::decode_utf8(S.view(), pos)));
    }
    return bytes;
  }();
};

}  // namespace detail

namespace literals {

template <Utf8Literal S>
constexpr std::string_view operator""_cp() {
  using Storage = detail::Cp1250Storage<S>;
  return {Storage::kBytes.data(), Storage::kLength};
}

}  // namespace literals
}  // namespace funkcja
