// Code-page conversion: one table look-up per byte of the input.
//
//   WINTOLATIN_TG("Łódź")   -> "\x9D\xA2d\xAB"  (code page 852)
//   LATINTOWIN_TG of that   -> "Łódź"
#include "funkcja/codepage.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

#include "text/codepage_tables.hpp"

namespace funkcja {
namespace {

// Bytes below 0x80 map to themselves in every table, so the conversion copies the text and
// then looks up only the bytes with the high bit set, found eight at a time.
static_assert([] {
  for (const auto* table : {&codepage::kWindowsToLatin2, &codepage::kLatin2ToWindows,
                            &codepage::kWindowsToMazovia, &codepage::kMazoviaToWindows}) {
    for (std::size_t b = 0; b < 0x80; ++b) {
      if ((*table)[b] != b) return false;
    }
  }
  return true;
}());

std::string convert(std::string_view text, const codepage::ByteTable& table) {
  std::string out(text);
  auto* p = reinterpret_cast<unsigned char*>(out.data());
  const std::size_t n = out.size();
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + i, sizeof word);
    // Each set bit of `high` marks one byte of the word to look up; the word was read before
    // any of its bytes changed, and each byte is looked up once.
    for (std::uint64_t high = word & kHighBits; high != 0; high &= high - 1) {
      const auto byte_in_word = static_cast<std::size_t>(std::countr_zero(high)) / 8;
      const std::size_t at =
          i + (std::endian::native == std::endian::little ? byte_in_word : 7 - byte_in_word);
      p[at] = table[p[at]];
    }
  }
  for (; i < n; ++i) p[i] = table[p[i]];
  return out;
}

}  // namespace

std::string WINTOLATIN_TG(std::string_view text) {
  return convert(text, codepage::kWindowsToLatin2);
}

std::string LATINTOWIN_TG(std::string_view text) {
  return convert(text, codepage::kLatin2ToWindows);
}

std::string WINTOMAZOVIA_TG(std::string_view text) {
  return convert(text, codepage::kWindowsToMazovia);
}

std::string MAZOVIATOWIN_TG(std::string_view text) {
  return convert(text, codepage::kMazoviaToWindows);
}

std::string WINTOWIN_TG(std::string_view text) {
  return std::string(text);
}

}  // namespace funkcja
