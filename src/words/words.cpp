// SLOWNIE and SLOWNIEWALUTA: an amount of money in Polish words for invoices, payment orders
// and cash documents.
//
//   SLOWNIE(1234.56)             " jeden tysiąc dwieście trzydzieści cztery złote
//                                  pięćdziesiąt sześć groszy" + blanks to 600 characters
//   SLOWNIEWALUTA(1234.56, "eur") " jeden tysiąc dwieście trzydzieści cztery EUR
//                                  pięćdziesiąt sześć EUR/100" + blanks
//   SLOWNIE(-5)                  "minus  pięć złotych" + blanks (the words keep their blank)
//
// The double is written with 15 significant digits and rounded half away from zero to whole
// grosze, so 0.015 (stored as 0.01499999...) is read as the 0.015 the user typed and gives
// "dwa grosze". The sign is tested on the amount as given. Amounts of 10^12 or more do not fit
// the twelve integer digits; they, NaN and infinities give an all-blank text rather than
// wrong words.
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "text/case.hpp"
#include "words/amount_words.hpp"
#include "words/procedures.hpp"

namespace funkcja::words {
namespace {

using namespace funkcja::literals;

// clang-format off
constexpr std::array<Word, 10> kUnits = {
    make_word(""), make_word("jeden"_cp), make_word("dwa"_cp), make_word("trzy"_cp),
    make_word("cztery"_cp), make_word("pięć"_cp), make_word("sześć"_cp),
    make_word("siedem"_cp), make_word("osiem"_cp), make_word("dziewięć"_cp)};

constexpr std::array<Word, 10> kTeens = {
    make_word("dziesięć"_cp), make_word("jedenaście"_cp), make_word("dwanaście"_cp),
    make_word("trzynaście"_cp), make_word("czternaście"_cp), make_word("piętnaście"_cp),
    make_word("szesnaście"_cp), make_word("siedemnaście"_cp), make_word("osiemnaście"_cp),
    make_word("dziewiętnaście"_cp)};

constexpr std::array<Word, 10> kTens = {
    make_word(""), make_word(""), make_word("dwadzieścia"_cp), make_word("trzydzieści"_cp),
    make_word("czterdzieści"_cp), make_word("pięćdziesiąt"_cp), make_word("sześćdziesiąt"_cp),
    make_word("siedemdziesiąt"_cp), make_word("osiemdziesiąt"_cp),
    make_word("dziewięćdziesiąt"_cp)};

constexpr std::array<Word, 10> kHundreds = {
    make_word(""), make_word("sto"_cp), make_word("dwieście"_cp), make_word("trzysta"_cp),
    make_word("czterysta"_cp), make_word("pięćset"_cp), make_word("sześćset"_cp),
    make_word("siedemset"_cp), make_word("osiemset"_cp), make_word("dziewięćset"_cp)};

constexpr std::array<Forms, 3> kScaleWords = {{
    {make_word("miliard"_cp), make_word("miliardy"_cp), make_word("miliardów"_cp)},
    {make_word("milion"_cp), make_word("miliony"_cp), make_word("milionów"_cp)},
    {make_word("tysiąc"_cp), make_word("tysiące"_cp), make_word("tysięcy"_cp)},
}};

constexpr UnitWords kZloty{
    {make_word("złoty"_cp), make_word("złote"_cp), make_word("złotych"_cp)},
    {make_word("grosz"_cp), make_word("grosze"_cp), make_word("groszy"_cp)}};
// clang-format on

constexpr std::string_view kMinus = "minus ";

// A currency code is held as three characters; its hundredths word adds "/100".
constexpr std::size_t kCodeLength = 3;
constexpr std::string_view kHundredthsSuffix = "/100";

constexpr std::array<std::uint64_t, 16> powers_of_ten() {
  std::array<std::uint64_t, 16> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}
constexpr std::array<std::uint64_t, 16> kPow10 = powers_of_ten();

// 999 999 999 999.99 in grosze plus one.
constexpr std::uint64_t kHundredthsLimit = kPow10[14];

// Collects the words of an amount. Each word is one fixed-width copy of a blank, the word and
// blank padding, so the text never ends in a blank. The longest amount ("minus " and five
// groups of four words) plus one word's width fits the buffer.
class WordBuffer {
 public:
  static constexpr std::size_t kCapacity =
      kMinus.size() + std::size_t{5} * 4 * Word::kWidth + Word::kWidth;

  void text(std::string_view s) {
    std::memcpy(buffer_.data() + length_, s.data(), s.size());
    length_ += s.size();
  }

  void word(const Word& w) {
    std::memcpy(buffer_.data() + length_, w.text.data(), Word::kWidth);
    length_ += w.length;
  }

  std::size_t size() const { return length_; }

  // The text blank-padded to the result's length. The padding is appended with a length
  // known only at run time, which keeps it a library fill rather than an inline string
  // instruction whose start-up would cost more than all the words.
  std::string field() const {
    std::string out;
    out.reserve(kResultLength);
    out.append(buffer_.data(), length_);
    out.append(kResultLength - length_, text::kBlank);
    return out;
  }

 private:
  std::array<char, kCapacity> buffer_;  // written before it is read; no need to clear it
  std::size_t length_ = 0;
};
// The longest words leave room for the padding: the result never has to be cut.
static_assert(WordBuffer::kCapacity <= kResultLength);

// One group of three digits, then its group word when the group is not zero or when
// force_word asks for it.
void spell_group(WordBuffer& out, unsigned value, const Forms& forms, bool force_word) {
  const unsigned h = value / 100;
  const unsigned t = value / 10 % 10;
  const unsigned u = value % 10;
  std::size_t form = 2;
  if (h != 0) out.word(kHundreds[h]);
  if (t == 1) {
    out.word(kTeens[u]);
  } else {
    if (t != 0) out.word(kTens[t]);
    if (u != 0) {
      if (u == 1 && h == 0 && t == 0) {
        form = 0;
      } else if (u >= 2 && u <= 4) {
        form = 1;
      }
      out.word(kUnits[u]);
    }
  }
  if (value != 0 || force_word) out.word(forms[form]);
}

}  // namespace

const UnitWords& zloty_words() {
  return kZloty;
}

std::optional<std::uint64_t> hundredths_by_digits(double magnitude) {
  if (!std::isfinite(magnitude) || magnitude < 0) return std::nullopt;
  if (magnitude == 0) return 0;
  // d.dddddddddddddde±XX: the 15 significant digits D and the exponent E, so that the
  // magnitude is D * 10^(E - 14) and its hundredths are D * 10^(E - 12).
  char text[32];
  const auto [end, ec] =
      std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14);
  if (ec != std::errc{}) return std::nullopt;
  std::uint64_t digits = static_cast<unsigned char>(text[0]) - '0';
  for (int i = 2; i < 16; ++i) digits = digits * 10 + (static_cast<unsigned char>(text[i]) - '0');
  int exponent = 0;
  std::from_chars(text + 18, end, exponent);
  if (text[17] == '-') exponent = -exponent;

  // D has no leading zero, so from E = 12 on the hundredths reach 10^14: too many digits.
  if (exponent >= 12) return std::nullopt;
  std::uint64_t hundredths = 0;
  if (const int drop = 12 - exponent; drop <= 15) {
    const std::uint64_t unit = kPow10[drop];
    hundredths = digits / unit;
    if ((digits % unit) * 2 >= unit) ++hundredths;  // half away from zero
  }
  if (hundredths >= kHundredthsLimit) return std::nullopt;
  return hundredths;
}

std::optional<std::uint64_t> hundredths_of(double magnitude) {
  // Shortcut for the usual amount, whose hundredths are close to a whole number: writing the
  // magnitude with 15 significant digits moves it by at most 5e-15 of itself, and the product
  // below is off by at most 2^-53 of itself. When the product lies nearer to the whole number
  // r than half a hundredth less both errors, the digits round to r as well.
  const double hundredths = magnitude * 100.0;
  if (hundredths >= 0 && hundredths < 1e13) {
    const double r = std::nearbyint(hundredths);
    if (std::fabs(hundredths - r) < 0.5 - hundredths * 6e-15) {
      return static_cast<std::uint64_t>(r);
    }
  }
  return hundredths_by_digits(magnitude);
}

std::string spell_amount(double amount, const UnitWords& units) {
  const auto hundredths = hundredths_of(amount < 0 ? -amount : amount);
  if (!hundredths) return std::string(kResultLength, text::kBlank);

  const std::uint64_t whole = *hundredths / 100;
  const unsigned groups[5] = {
      static_cast<unsigned>(whole / 1000000000), static_cast<unsigned>(whole / 1000000 % 1000),
      static_cast<unsigned>(whole / 1000 % 1000), static_cast<unsigned>(whole % 1000),
      static_cast<unsigned>(*hundredths % 100)};
  WordBuffer out;
  if (amount < 0) out.text(kMinus);
  const std::size_t numbers_start = out.size();
  for (int g = 0; g < 3; ++g) spell_group(out, groups[g], kScaleWords[g], false);
  // The main unit is named after 000 too when a higher group was spelled: 1 000 000 złotych.
  spell_group(out, groups[3], units.main, out.size() != numbers_start);
  spell_group(out, groups[4], units.hundredths, false);
  return out.field();
}

}  // namespace funkcja::words

namespace funkcja::words {

std::string SLOWNIE(double amount) {
  return words::spell_amount(amount, words::zloty_words());
}

std::string SLOWNIEWALUTA(double amount, std::string_view currency) {
  // The code: the first three characters in upper case; an empty or blank code is PLN.
  std::array<char, words::kCodeLength + words::kHundredthsSuffix.size()> code{};
  const std::string_view head = text::cut(currency, words::kCodeLength);
  for (std::size_t i = 0; i < head.size(); ++i) code[i] = text::upper(head[i]);
  const std::string_view main = text::clip({code.data(), head.size()});
  if (main.empty() || main == "PLN") return SLOWNIE(amount);

  // Any other code names both units in every form: EUR and EUR/100.
  std::memcpy(code.data() + main.size(), words::kHundredthsSuffix.data(),
              words::kHundredthsSuffix.size());
  const words::Word unit = words::make_word(main);
  const words::Word hundredths =
      words::make_word({code.data(), main.size() + words::kHundredthsSuffix.size()});
  return words::spell_amount(amount, {{unit, unit, unit}, {hundredths, hundredths, hundredths}});
}

}  // namespace funkcja::words
