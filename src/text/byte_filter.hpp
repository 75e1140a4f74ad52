// A character filter as one 256-entry table: for every byte, whether it stays and what it
// becomes. Tables are built at compile time; applying one walks the text once, writes into a
// result sized once, and stops as soon as the result is full.
//
//   constexpr ByteFilter kDigits = ByteFilter::drop_all().keep_range('0', '9');
//   apply(kDigits, "PL 1-2 3", 2000)  ->  "123"
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace funkcja::text {

class ByteFilter {
 public:
  // Every byte stays as it is.
  static constexpr ByteFilter keep_all() {
    ByteFilter f;
    for (std::size_t b = 0; b < 256; ++b) {
      f.to_[b] = static_cast<unsigned char>(b);
      f.keep_[b] = 1;
    }
    return f;
  }

  // Every byte goes.
  static constexpr ByteFilter drop_all() {
    ByteFilter f = keep_all();
    for (auto& k : f.keep_) k = 0;
    return f;
  }

  constexpr ByteFilter keep_range(char first, char last) const {
    ByteFilter f = *this;
    for (unsigned b = byte(first); b <= byte(last); ++b) f.keep_[b] = 1;
    return f;
  }

  constexpr ByteFilter keep(std::string_view bytes) const {
    ByteFilter f = *this;
    for (const char c : bytes) f.keep_[byte(c)] = 1;
    return f;
  }

  constexpr ByteFilter drop(std::string_view bytes) const {
    ByteFilter f = *this;
    for (const char c : bytes) f.keep_[byte(c)] = 0;
    return f;
  }

  constexpr ByteFilter drop_range(char first, char last) const {
    ByteFilter f = *this;
    for (unsigned b = byte(first); b <= byte(last); ++b) f.keep_[b] = 0;
    return f;
  }

  // Each byte of `from` stays but becomes the byte at the same place in `to`.
  constexpr ByteFilter replace(std::string_view from, std::string_view to) const {
    ByteFilter f = *this;
    for (std::size_t i = 0; i < from.size() && i < to.size(); ++i) {
      f.to_[byte(from[i])] = byte(to[i]);
      f.keep_[byte(from[i])] = 1;
    }
    return f;
  }

  constexpr ByteFilter replace_range(char first, char last, char with) const {
    ByteFilter f = *this;
    for (unsigned b = byte(first); b <= byte(last); ++b) {
      f.to_[b] = byte(with);
      f.keep_[b] = 1;
    }
    return f;
  }

  constexpr bool keeps(char c) const { return keep_[byte(c)] != 0; }
  constexpr char maps(char c) const { return static_cast<char>(to_[byte(c)]); }

  // The filtered text, cut to `capacity` characters.
  std::string apply(std::string_view text, std::size_t capacity) const {
    std::string out(text.size() < capacity ? text.size() : capacity, '\0');
    const std::size_t limit = out.size();
    std::size_t n = 0;
    // Branch-free: every byte is written at the next free place, which advances only for a
    // byte that stays. n < limit guards the write, so nothing lands past the result.
    for (std::size_t i = 0; i < text.size() && n < limit; ++i) {
      const unsigned char b = byte(text[i]);
      out[n] = static_cast<char>(to_[b]);
      n += keep_[b];
    }
    out.resize(n);
    return out;
  }

 private:
  static constexpr unsigned char byte(char c) { return static_cast<unsigned char>(c); }

  std::array<unsigned char, 256> to_{};
  std::array<unsigned char, 256> keep_{};
};

}  // namespace funkcja::text
