// Amounts in Polish words: the engine behind SLOWNIE and SLOWNIEWALUTA.
//
// The amount is rounded to whole grosze, split into five groups of three digits (milliards,
// millions, thousands, the main unit, the hundredths) and each non-zero group is spelled with
// its number words and the group word in the grammatical form its value asks for.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace funkcja::words {

// Every amount text is a blank-padded field of this many characters.
inline constexpr std::size_t kResultLength = 600;

// One word as it is copied into the result: a blank, the word, blanks to a fixed width, so
// that every word is one fixed-size copy. `length` counts the blank and the word.
struct Word {
  static constexpr std::size_t kWidth = 24;
  std::array<char, kWidth> text;
  std::uint8_t length;
};

// The word w (at most kWidth - 1 characters; longer words are cut).
constexpr Word make_word(std::string_view w) {
  Word out{};
  out.text.fill(' ');
  const std::size_t n = w.size() < Word::kWidth ? w.size() : Word::kWidth - 1;
  for (std::size_t i = 0; i < n; ++i) out.text[i + 1] = w[i];
  out.length = static_cast<std::uint8_t>(n + 1);
  return out;
}

// The three grammatical forms of a group word: [0] singular (the group is exactly 1),
// [1] the "few" plural (2, 3, 4 after a tens digit other than 1), [2] the "many" plural.
using Forms = std::array<Word, 3>;

// The words of the two currency-dependent groups: the main unit and the hundredths.
struct UnitWords {
  Forms main;
  Forms hundredths;
};

// Złoty and grosz.
const UnitWords& zloty_words();

// Whole hundredths of a magnitude (amount without its sign): the double is written with
// 15 significant digits and rounded to two decimals, half away from zero. Nothing for NaN,
// infinities, negatives and magnitudes that need more than 12 integer digits after rounding.
std::optional<std::uint64_t> hundredths_of(double magnitude);

// The same through the decimal digits always; hundredths_of takes a shortcut when the
// hundredths are plainly far from a tie and must agree with this.
std::optional<std::uint64_t> hundredths_by_digits(double magnitude);

// The amount in words as a blank-padded text of kResultLength characters: each word follows
// one blank, a negative amount starts with "minus ", and a zero part gets no words at all.
// An amount that cannot be held (NaN, infinite, 10^12 or more) gives an all-blank text.
std::string spell_amount(double amount, const UnitWords& units);

}  // namespace funkcja::words
