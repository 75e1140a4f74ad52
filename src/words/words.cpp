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
#include "funkcja/words.hpp"
#include "words/amount_words.hpp"

namespace funkcja::words {
namespace {

using namespace funkcja::literals;

constexpr std::array<std::string_view, 10> kUnits = {
    "",        "jeden"_cp, "dwa"_cp,    "trzy"_cp,  "cztery"_cp,
    "pięć"_cp, "sześć"_cp, "siedem"_cp, "osiem"_cp, "dziewięć"_cp};

constexpr std::array<std::string_view, 10> kTeens = {
    "dziesięć"_cp,   "jedenaście"_cp, "dwanaście"_cp,    "trzynaście"_cp,  "czternaście"_cp,
    "piętnaście"_cp, "szesnaście"_cp, "siedemnaście"_cp, "osiemnaście"_cp, "dziewiętnaście"_cp};

// clang-format off
constexpr std::array<std::string_view, 10> kTens = {
    "", "", "dwadzieścia"_cp, "trzydzieści"_cp, "czterdzieści"_cp, "pięćdziesiąt"_cp,
    "sześćdziesiąt"_cp, "siedemdziesiąt"_cp, "osiemdziesiąt"_cp, "dziewięćdziesiąt"_cp};
// clang-format on

constexpr std::array<std::string_view, 10> kHundreds = {
    "",           "sto"_cp,      "dwieście"_cp,  "trzysta"_cp,  "czterysta"_cp,
    "pięćset"_cp, "sześćset"_cp, "siedemset"_cp, "osiemset"_cp, "dziewięćset"_cp};

constexpr std::array<Forms, 3> kScaleWords = {{
    {"miliard"_cp, "miliardy"_cp, "miliardów"_cp},
    {"milion"_cp, "miliony"_cp, "milionów"_cp},
    {"tysiąc"_cp, "tysiące"_cp, "tysięcy"_cp},
}};

const UnitWords kZloty{{"złoty"_cp, "złote"_cp, "złotych"_cp},
                       {"grosz"_cp, "grosze"_cp, "groszy"_cp}};

constexpr std::string_view kMinus = "minus ";

// A currency code is held as three characters; its hundredths word adds "/100".
constexpr std::size_t kCodeLength = 3;
constexpr std::string_view kHundredthsSuffix = "/100";

constexpr std::array<std::uint64_t, 16> kPow10 = [] {
  std::array<std::uint64_t, 16> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

// 999 999 999 999.99 in grosze plus one.
constexpr std::uint64_t kHundredthsLimit = kPow10[14];

// The text under construction, in a buffer that the longest possible amount cannot fill:
// "minus " and five groups of at most four words of at most 16 characters, each after a blank.
class WordWriter {
 public:
  // Appends one word: trailing blanks of the text so far go, then one blank and the word.
  void word(std::string_view w) {
    while (length_ > kMinus.size() && buffer_[length_ - 1] == text::kBlank) --length_;
    if (length_ + 1 + w.size() > buffer_.size()) return;  // cannot happen; never overrun
    buffer_[length_++] = text::kBlank;
    std::memcpy(buffer_.data() + length_, w.data(), w.size());
    length_ += w.size();
  }

  bool empty() const { return length_ == kMinus.size(); }

  // The words, with "minus " in front when asked, blank-padded to kResultLength.
  std::string finish(bool negative) {
    std::size_t start = kMinus.size();
    if (negative) {
      start = 0;
      std::memcpy(buffer_.data(), kMinus.data(), kMinus.size());
    }
    std::string out(kResultLength, text::kBlank);
    std::memcpy(out.data(), buffer_.data() + start, length_ - start);
    return out;
  }

 private:
  std::array<char, 6 + 5 * 4 * 17 + 16> buffer_{};
  std::size_t length_ = kMinus.size();  // room kept for "minus " in front
};

// One group of three digits, then its group word when the group is not zero or when
// force_word asks for it.
void spell_group(WordWriter& out, unsigned value, const Forms& forms, bool force_word) {
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

// Upper case of a code page 1250 character: ASCII and the accented letters of the code page.
constexpr char upper_cp1250(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
  switch (b) {
    case 0x9A:
    case 0x9C:
    case 0x9D:
    case 0x9E:
    case 0x9F:  // š ś ť ž ź
      return static_cast<char>(b - 0x10);
    case 0xB3:
      return static_cast<char>(0xA3);  // ł
    case 0xB9:
      return static_cast<char>(0xA5);  // ą
    case 0xBA:
      return static_cast<char>(0xAA);  // ş
    case 0xBE:
      return static_cast<char>(0xBC);  // ľ
    case 0xBF:
      return static_cast<char>(0xAF);  // ż
    default:
      break;
  }
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
  return c;
}

}  // namespace

const UnitWords& zloty_words() {
  return kZloty;
}

std::optional<std::uint64_t> hundredths_of(double magnitude) {
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

std::string spell_amount(double amount, const UnitWords& units) {
  const auto hundredths = hundredths_of(amount < 0 ? -amount : amount);
  if (!hundredths) return std::string(kResultLength, text::kBlank);

  const std::uint64_t whole = *hundredths / 100;
  const unsigned groups[5] = {
      static_cast<unsigned>(whole / 1000000000), static_cast<unsigned>(whole / 1000000 % 1000),
      static_cast<unsigned>(whole / 1000 % 1000), static_cast<unsigned>(whole % 1000),
      static_cast<unsigned>(*hundredths % 100)};
  WordWriter out;
  for (int g = 0; g < 3; ++g) spell_group(out, groups[g], kScaleWords[g], false);
  // The main unit is named after 000 too when a higher group was spelled: 1 000 000 złotych.
  spell_group(out, groups[3], units.main, !out.empty());
  spell_group(out, groups[4], units.hundredths, false);
  return out.finish(amount < 0);
}

}  // namespace funkcja::words

namespace funkcja {

std::string SLOWNIE(double amount) {
  return words::spell_amount(amount, words::zloty_words());
}

std::string SLOWNIEWALUTA(double amount, std::string_view currency) {
  // The code: the first three characters in upper case; an empty or blank code is PLN.
  std::array<char, words::kCodeLength + words::kHundredthsSuffix.size()> code{};
  const std::string_view head = text::cut(currency, words::kCodeLength);
  for (std::size_t i = 0; i < head.size(); ++i) code[i] = words::upper_cp1250(head[i]);
  const std::string_view main = text::clip({code.data(), head.size()});
  if (main.empty() || main == "PLN") return SLOWNIE(amount);

  std::memcpy(code.data() + main.size(), words::kHundredthsSuffix.data(),
              words::kHundredthsSuffix.size());
  const std::string_view hundredths{code.data(), main.size() + words::kHundredthsSuffix.size()};
  const words::UnitWords units{{main, main, main}, {hundredths, hundredths, hundredths}};
  return words::spell_amount(amount, units);
}

}  // namespace funkcja
