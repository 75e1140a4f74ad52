// IBANSPR: the ISO 13616 / ISO 7064 MOD 97-10 check of an IBAN or of a Polish account number
// in IBAN form. The caller hands over the number reduced to its characters: country code,
// check digits, basic account number, no blanks or separators, letters in upper case.
//
//   PL30123412341234123412341234
//   rotate:  123412341234123412341234 PL30
//   letters: P = 25, L = 21 -> 123412341234123412341234252130
//   that number mod 97 = 1  -> IBANSPR gives 0 (valid; 1 means the check failed)
//
// Only the first 100 characters count; trailing blanks of a fixed-length field are dropped.
// The digit string is reduced piecewise, so numbers of any length are checked exactly. A
// character that is neither a digit nor an upper-case letter (a blank, a hyphen, a lower-case
// country code) fails the check: such text is not an account number.
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "frame/text_rules.hpp"
#include "validation/procedures.hpp"

namespace funkcja::validation {
namespace {

constexpr std::size_t kMaxLength = 100;
constexpr std::size_t kRotated = 4;  // country code and check digits move to the end

// How each byte extends the digit string: a digit appends itself, A..Z append 10..35; a
// scale of 0 marks a character that no account number holds.
struct Step {
  std::uint8_t scale;
  std::uint8_t value;
};

constexpr std::array<Step, 256> kSteps = [] {
  std::array<Step, 256> steps{};
  for (int c = '0'; c <= '9'; ++c) steps[c] = {10, static_cast<std::uint8_t>(c - '0')};
  for (int c = 'A'; c <= 'Z'; ++c) steps[c] = {100, static_cast<std::uint8_t>(c - 'A' + 10)};
  return steps;
}();

constexpr std::uint64_t every_byte(std::uint8_t b) {
  return 0x0101010101010101ULL * b;
}

// Whether all eight bytes are the digits 0..9: the high nibble of each byte is 3 and adding 6
// keeps it 3 (a byte of 0xFA or more that carries into its neighbour fails on its own nibble).
constexpr bool eight_digits(std::uint64_t x) {
  return ((x & every_byte(0xF0)) | (((x + every_byte(0x06)) & every_byte(0xF0)) >> 4)) ==
         every_byte(0x33);
}

// The value of eight digit characters, the first in the lowest byte as loaded from memory on
// a little-endian machine: pairs, then quadruples, then the whole.
constexpr std::uint64_t eight_digit_value(std::uint64_t x) {
  x -= every_byte('0');
  x = ((x * 10) + (x >> 8)) & 0x00FF00FF00FF00FFULL;
  x = ((x * 100) + (x >> 16)) & 0x0000FFFF0000FFFFULL;
  return ((x * 10000) + (x >> 32)) & 0xFFFFFFFFULL;
}

// The remainder carried through the digit string. Plain digits go eight at a time; letters
// and the rest one by one. `acc` is brought below 97 whenever the next step could leave
// 64 bits: below 10^15 before a letter (times 100, plus 35), below 10^10 before eight digits.
struct Mod97 {
  std::uint64_t acc = 0;
  bool clean = true;

  void feed(std::string_view part) {
    std::size_t i = 0;
    while (clean && i < part.size()) {
      if constexpr (std::endian::native == std::endian::little) {
        while (i + 8 <= part.size()) {
          std::uint64_t x;
          std::memcpy(&x, part.data() + i, sizeof x);
          if (!eight_digits(x)) break;
          if (acc >= 10000000000ULL) acc %= 97;
          acc = acc * 100000000ULL + eight_digit_value(x);
          i += 8;
        }
        if (i == part.size()) break;
      }
      const Step s = kSteps[static_cast<unsigned char>(part[i++])];
      clean = s.scale != 0;
      if (acc >= 1000000000000000ULL) acc %= 97;
      acc = acc * s.scale + s.value;
    }
  }
};

}  // namespace

std::uint8_t IBANSPR(std::string_view account) {
  const std::string_view s = text::clip_to(account, kMaxLength);
  const std::size_t head = s.size() < kRotated ? s.size() : kRotated;
  Mod97 m;
  m.feed(s.substr(head));
  m.feed(s.substr(0, head));
  return m.clean && m.acc % 97 == 1 ? 0 : 1;
}

}  // namespace funkcja::validation
