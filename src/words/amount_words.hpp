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

// The three grammatical forms of a group word: [0] singular (the group is exactly 1),
// [1] the "few" plural (2, 3, 4 after a tens digit other than 1), [2] the "many" plural.
using Forms = std::array<std::string_view, 3>;

// The words of the two currency-dependent groups: the main unit and the hundredths.
struct UnitWords {
  Forms main;
  Forms hundredths;
};

// Złoty and grosz.
const UnitWords& zloty_words();

// Whole hundredths of a magnitude (amount without its sign): the double is written with
// 15 significant digits and rounded to two decimals, half away from zero. Nothing for NaN,
// infinities and magnitudes that need more than 12 integer digits after rounding.
std::optional<std::uint64_t> hundredths_of(double magnitude);

// The amount in words as a blank-padded text of kResultLength characters: each word follows
// one blank, a negative amount starts with "minus ", and a zero part gets no words at all.
// An amount that cannot be held (NaN, infinite, 10^12 or more) gives an all-blank text.
std::string spell_amount(double amount, const UnitWords& units);

}  // namespace funkcja::words
