// The byte pairs of the code-page conversions and the 256-entry tables built from them.
//
// Each table maps every byte to itself except the source bytes of its pairs. A text is
// converted by one look-up per position in the input, so a byte produced by a replacement is
// never converted again: Mazovia 0x9C becomes Ł (0xA3), and stays Ł although 0xA3 is itself
// Mazovia's Ó.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace funkcja::codepage {

struct BytePair {
  unsigned char windows;  // code page 1250
  unsigned char dos;      // code page 852 or Mazovia
};

// ą ć ę ł ń ó ś ź ż Ą Ć Ę Ł Ń Ó Ś Ź Ż
inline constexpr std::array<BytePair, 18> kLatin2 = {{
    {0xB9, 0xA5},
    {0xE6, 0x86},
    {0xEA, 0xA9},
    {0xB3, 0x88},
    {0xF1, 0xE4},
    {0xF3, 0xA2},
    {0x9C, 0x98},
    {0x9F, 0xAB},
    {0xBF, 0xBE},
    {0xA5, 0xA4},
    {0xC6, 0x8F},
    {0xCA, 0xA8},
    {0xA3, 0x9D},
    {0xD1, 0xE3},
    {0xD3, 0xE0},
    {0x8C, 0x97},
    {0x8F, 0x8D},
    {0xAF, 0xBD},
}};

// The same letters, then ş and », which Mazovia keeps where its box-drawing bytes 0xB3 and
// 0xBF are.
inline constexpr std::array<BytePair, 20> kMazovia = {{
    {0xB9, 0x86}, {0xE6, 0x8D}, {0xEA, 0x91}, {0xB3, 0x92}, {0xF1, 0xA4},
    {0xF3, 0xA2}, {0x9C, 0x9E}, {0x9F, 0xA6}, {0xBF, 0xA7}, {0xA5, 0x8F},
    {0xC6, 0x95}, {0xCA, 0x90}, {0xA3, 0x9C}, {0xD1, 0xA5}, {0xD3, 0xA3},
    {0x8C, 0x98}, {0x8F, 0xA0}, {0xAF, 0xA1}, {0xBA, 0xB3}, {0xBB, 0xBF},
}};

using ByteTable = std::array<unsigned char, 256>;

enum class Direction { kFromWindows, kToWindows };

template <std::size_t N>
constexpr ByteTable build_table(const std::array<BytePair, N>& pairs, Direction direction) {
  ByteTable table{};
  for (std::size_t b = 0; b < table.size(); ++b) table[b] = static_cast<unsigned char>(b);
  for (const BytePair& p : pairs) {
    if (direction == Direction::kFromWindows) {
      table[p.windows] = p.dos;
    } else {
      table[p.dos] = p.windows;
    }
  }
  return table;
}

// True when no two pairs share a source byte, so that the table holds every pair.
template <std::size_t N>
constexpr bool sources_unique(const std::array<BytePair, N>& pairs, Direction direction) {
  for (std::size_t i = 0; i < N; ++i) {
    for (std::size_t j = i + 1; j < N; ++j) {
      if (direction == Direction::kFromWindows ? pairs[i].windows == pairs[j].windows
                                               : pairs[i].dos == pairs[j].dos) {
        return false;
      }
    }
  }
  return true;
}

static_assert(sources_unique(kLatin2, Direction::kFromWindows));
static_assert(sources_unique(kLatin2, Direction::kToWindows));
static_assert(sources_unique(kMazovia, Direction::kFromWindows));
static_assert(sources_unique(kMazovia, Direction::kToWindows));

inline constexpr ByteTable kWindowsToLatin2 = build_table(kLatin2, Direction::kFromWindows);
inline constexpr ByteTable kLatin2ToWindows = build_table(kLatin2, Direction::kToWindows);
inline constexpr ByteTable kWindowsToMazovia = build_table(kMazovia, Direction::kFromWindows);
inline constexpr ByteTable kMazoviaToWindows = build_table(kMazovia, Direction::kToWindows);

}  // namespace funkcja::codepage
