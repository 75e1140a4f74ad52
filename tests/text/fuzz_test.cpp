// Seeded random texts through the filters, the formatting, the code pages and the mask
// matcher for a fixed number of rounds (tests/support/fuzz.hpp): results stay within their
// capacities and classes, and the mask matcher agrees with a backtracking matcher where the
// two must agree.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "funkcja/codepage.hpp"
#include "funkcja/filters.hpp"
#include "funkcja/funkcja.h"
#include "funkcja/mask.hpp"
#include "support/fuzz.hpp"
#include "text/mask_rules.hpp"

namespace {

using namespace funkcja::literals;
using funkcja::testing::fuzz_rounds;

class Texts {
 public:
  explicit Texts(std::uint32_t seed) : random_(seed) {}

  // Bytes drawn from `alphabet` (or from all 256 when it is empty), with runs of blanks.
  std::string next(std::size_t max_length, std::string_view alphabet = {}) {
    const std::size_t length = pick(max_length);
    std::string s(length, ' ');
    for (char& c : s) {
      if (pick(9) == 0) continue;  // a blank
      c = alphabet.empty() ? static_cast<char>(pick(255)) : alphabet[pick(alphabet.size() - 1)];
    }
    return s;
  }

  std::size_t pick(std::size_t max) {
    return std::uniform_int_distribution<std::size_t>(0, max)(random_);
  }

 private:
  std::mt19937 random_;
};

bool only(std::string_view s, std::string_view allowed) {
  return s.find_first_not_of(allowed) == std::string_view::npos;
}

TEST(Fuzz, FiltersAndFormatting) {
  Texts texts(20260522);
  const std::size_t total = fuzz_rounds(5000);
  const std::string mix = "0123456789 -+.,:*?/\\\"<>|\r\n\t\x81\x7F " + std::string("ąężŁÓŹ"_cp);
  for (std::size_t round = 1; round <= total; ++round) {
    SCOPED_TRACE(testing::Message() << "round " << round);
    const std::string in = round % 3 == 1 ? texts.next(6000) : texts.next(300, mix);
    const std::string digits = funkcja::TYLKO_CYFRY(in);
    ASSERT_LE(digits.size(), 2000u);
    ASSERT_TRUE(only(digits, "0123456789"));
    ASSERT_EQ(funkcja::TYLKO_CYFRY(digits), digits);
    const std::string numeric = funkcja::OPUSC_ALFANUMERYCZNE(in);
    ASSERT_LE(numeric.size(), 254u);
    ASSERT_TRUE(only(numeric, "0123456789"));
    const bool all_blank = in.find_first_not_of(' ') == std::string::npos;
    ASSERT_EQ(numeric, all_blank ? std::string("0") : digits.substr(0, 254));
    const std::string soft = funkcja::OPUSC_ALFANUMERYCZNE_SOFT(in);
    ASSERT_LE(soft.size(), 254u);
    ASSERT_TRUE(soft == "0" || only(soft, "0123456789-.,"));
    const std::string amounts = funkcja::TYLKO_KWOTY(in);
    ASSERT_LE(amounts.size(), 2000u);
    ASSERT_TRUE(only(amounts, "0123456789 ,.-+"));
    const std::string no_space = funkcja::OPUSC_SPACE(in);
    ASSERT_LE(no_space.size(), 1000u);
    ASSERT_EQ(no_space.find(' '), std::string::npos);
    const std::string file = funkcja::CLEARFORFILENAME(in);
    ASSERT_LE(file.size(), 200u);
    ASSERT_EQ(file.find_first_of("*/\\:?\"<>|"), std::string::npos);
    const std::string joined = funkcja::USUN_ZNAKI_STERUJACE(in);
    ASSERT_LE(joined.size(), 4000u);
    ASSERT_EQ(joined.find_first_of("\r\n"), std::string::npos);
    const std::string shown = funkcja::USUN_ZNAKI_NIEDRUKOWALNE(in);
    ASSERT_EQ(shown.size(), std::min<std::size_t>(in.size(), 4000));
    for (const char c : shown) {
      const auto b = static_cast<unsigned char>(c);
      ASSERT_TRUE((b >= 0x20 || b == 0x0A || b == 0x0D) && b != 0x7F && b != 0x81);
    }
    const std::string plain = funkcja::BEZPL(in);
    ASSERT_LE(plain.size(), 500u);
    ASSERT_EQ(plain.find_first_of("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_cp), std::string::npos);
    const std::string small = funkcja::USUN_POLSKIE_ZNAKI(in);
    ASSERT_LE(small.size(), 3999u);
    ASSERT_EQ(small.find_first_of("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_cp), std::string::npos);
    ASSERT_EQ(funkcja::FORMATKWOTA(in).size(), 19u);
    ASSERT_EQ(funkcja::FORMATDATA(in).size(), 10u);
    // Numbers that are readable by construction.
    const std::string number = std::string(texts.pick(1) ? "-" : "") +
                               texts.next(14, "0123456789") + "." + texts.next(5, "0123456789");
    const std::string amount = funkcja::FORMATKWOTA(number);
    ASSERT_EQ(amount.size(), 19u);
    ASSERT_TRUE(only(amount, "0123456789 ,-") || amount == std::string(19, '#')) << number;
  }
}

TEST(Fuzz, CodePages) {
  Texts texts(852);
  const std::size_t total = fuzz_rounds(3000);
  const std::string polish = std::string("abc XYZ 019 ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_cp);
  for (std::size_t round = 1; round <= total; ++round) {
    SCOPED_TRACE(testing::Message() << "round " << round);
    const std::string any = texts.next(3000);
    using Convert = std::string (*)(std::string_view);
    for (const Convert convert : {&funkcja::WINTOLATIN_TG, &funkcja::LATINTOWIN_TG,
                                  &funkcja::WINTOMAZOVIA_TG, &funkcja::MAZOVIATOWIN_TG}) {
      ASSERT_EQ(convert(any).size(), any.size());
    }
    ASSERT_EQ(funkcja::WINTOWIN_TG(any), any);
    const std::string text = texts.next(3000, polish + std::string("ş»"_cp));
    ASSERT_EQ(funkcja::LATINTOWIN_TG(funkcja::WINTOLATIN_TG(text)), text);
    ASSERT_EQ(funkcja::MAZOVIATOWIN_TG(funkcja::WINTOMAZOVIA_TG(text)), text);
  }
}

// A backtracking wildcard matcher for "*" only: does the whole value fit the pattern?
bool backtracking_fits(std::string_view value, std::string_view pattern) {
  if (pattern.empty()) return value.empty();
  if (pattern.front() == '*') {
    for (std::size_t skip = 0; skip <= value.size(); ++skip) {
      if (backtracking_fits(value.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  return !value.empty() && value.front() == pattern.front() &&
         backtracking_fits(value.substr(1), pattern.substr(1));
}

// A mask of wildcard runs and literals collapsed as the matcher's normalisation must: a run of
// "?" and "*" with at least one "*" becomes one "*".
std::string collapsed(std::string_view mask) {
  std::string out;
  for (std::size_t i = 0; i < mask.size();) {
    if (mask[i] != '?' && mask[i] != '*') {
      out.push_back(mask[i++]);
      continue;
    }
    const std::size_t end = mask.find_first_not_of("?*", i);
    const std::string_view run = mask.substr(i, end == std::string_view::npos ? end : end - i);
    out += run.find('*') != std::string_view::npos ? std::string("*") : std::string(run);
    i += run.size();
  }
  return out;
}

TEST(Fuzz, MaskMatcher) {
  Texts texts(2500);
  const std::size_t total = fuzz_rounds(10000);
  for (std::size_t rounds = 1; rounds <= total; ++rounds) {
    SCOPED_TRACE(testing::Message() << "round " << rounds);
    // Hostile: any bytes, any lengths.
    const std::string value = texts.next(rounds % 2 ? 300 : 40);
    const std::string mask = texts.next(rounds % 2 ? 300 : 40, rounds % 4 ? "ab*?" : "");
    const auto fits = funkcja::SPR_MASKA(value, mask);
    ASSERT_LE(fits, 1);
    ASSERT_EQ(funkcja::SPR_MASKA(value, "*"), 0);
    const std::string clipped_mask(funkcja::text::clip(mask));
    ASSERT_EQ(funkcja::mask::normalise_mask(clipped_mask), collapsed(clipped_mask));
    const std::string plain = value.substr(0, 100);
    if (plain.find_first_of("*?") == std::string::npos) {
      ASSERT_EQ(funkcja::SPR_MASKA(plain, plain), 0);
    }
    // Without "?" and without blanks, taking the first occurrence of each literal loses no
    // match: the walk agrees with a backtracking matcher that accepts any tail.
    const std::string v = texts.next(12, "ab");
    std::string m = texts.next(8, "ab*");
    std::erase(m, ' ');
    std::string tight = v;
    std::erase(tight, ' ');
    ASSERT_EQ(funkcja::SPR_MASKA(tight, m) == 0, m.empty() || backtracking_fits(tight, m + "*"))
        << "value " << tight << ", mask " << m;
    // The C entry point answers as the C++ one does, also for bytes a C string cannot hold.
    ASSERT_EQ(::SPR_MASKA({value.data(), value.size()}, {mask.data(), mask.size()}), fits);
  }
}

}  // namespace
