#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "funkcja/funkcja.h"
#include "funkcja/words.hpp"
#include "words/amount_words.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

// The clipped words, after checking that the field is exactly 600 characters.
std::string words(const std::string& field) {
  EXPECT_EQ(field.size(), 600u);
  return std::string(text::clip(field));
}

TEST(Slownie, Amounts) {
  const struct {
    double amount;
    std::string_view expected;
  } rows[] = {
      {1234.56, " jeden tysiąc dwieście trzydzieści cztery złote pięćdziesiąt sześć groszy"_cp},
      {1.00, " jeden złoty"_cp},
      {2.00, " dwa złote"_cp},
      {5.00, " pięć złotych"_cp},
      {12.00, " dwanaście złotych"_cp},
      {22.00, " dwadzieścia dwa złote"_cp},
      {21.01, " dwadzieścia jeden złotych jeden grosz"_cp},
      {110.00, " sto dziesięć złotych"_cp},
      {0.50, " pięćdziesiąt groszy"_cp},
      {0.02, " dwa grosze"_cp},
      {2000.00, " dwa tysiące złotych"_cp},
      {1000000.00, " jeden milion złotych"_cp},
      {5000000000.00, " pięć miliardów złotych"_cp},
      {0.00, ""},
      {-5.00, "minus  pięć złotych"_cp},
      // Forms, and the main unit after a zero group.
      {1001.00, " jeden tysiąc jeden złoty"_cp},
      {101.00, " sto jeden złotych"_cp},
      {1000001000.00, " jeden miliard jeden tysiąc złotych"_cp},
      {2002002002.02, " dwa miliardy dwa miliony dwa tysiące dwa złote dwa grosze"_cp},
      {0.11, " jedenaście groszy"_cp},
      {999999999999.99,
       " dziewięćset dziewięćdziesiąt dziewięć miliardów dziewięćset dziewięćdziesiąt dziewięć"
       " milionów dziewięćset dziewięćdziesiąt dziewięć tysięcy dziewięćset dziewięćdziesiąt"
       " dziewięć złotych dziewięćdziesiąt dziewięć groszy"_cp},
      // Through 15 significant digits, half away from zero; the sign before rounding.
      {0.005, " jeden grosz"_cp},
      {0.015, " dwa grosze"_cp},  // stored as 0.01499999...
      {2.675, " dwa złote sześćdziesiąt osiem groszy"_cp},
      {0.0049, ""},
      {-0.004, "minus"},
      {-0.005, "minus  jeden grosz"_cp},
      {0.995, " jeden złoty"_cp}};
  for (const auto& r : rows) EXPECT_EQ(words(SLOWNIE(r.amount)), r.expected) << r.amount;
}

TEST(Slownie, AmountsThatCannotBeHeldGiveBlanks) {
  const double inf = std::numeric_limits<double>::infinity();
  for (const double a : {1e12, -1e12, std::nextafter(1e12, 0.0), 999999999999.995, 1e300, inf, -inf,
                         std::nan(""), -std::nan(""), -0.0, 5e-324}) {
    EXPECT_EQ(words(SLOWNIE(a)), "") << a;
  }
}

TEST(Slownie, ShortcutRoundingAgreesWithTheDigits) {
  std::mt19937_64 random(15);
  std::uniform_real_distribution<double> unit(1.0, 10.0);
  for (int i = 0; i < 400000; ++i) {
    double m = unit(random) * std::pow(10.0, static_cast<int>(random() % 18) - 5);
    if (i % 2 == 0) {  // at, or a few units in the last place from, a half grosz
      m = (std::floor(m * 100) + 0.5) / 100;
      for (int k = static_cast<int>(random() % 7) - 3; k != 0; k += k < 0 ? 1 : -1) {
        m = std::nextafter(m, k < 0 ? 0.0 : 1e300);
      }
    }
    ASSERT_EQ(words::hundredths_of(m), words::hundredths_by_digits(m)) << m;
  }
}

// Reads the words back into hundredths; -1 for an unknown word, a bad order or a double blank.
std::int64_t read_back(std::string_view text) {
  static const auto values = [] {
    std::map<std::string, std::int64_t> m;
    const auto add = [&](std::string_view list, std::int64_t first, std::int64_t step) {
      std::istringstream in{std::string(list)};
      for (std::string w; in >> w; first += step) m[w] = first;
    };
    add("jeden dwa trzy cztery pięć sześć siedem osiem dziewięć"_cp, 1, 1);
    add("dziesięć jedenaście dwanaście trzynaście czternaście piętnaście szesnaście "
        "siedemnaście osiemnaście dziewiętnaście"_cp,
        10, 1);
    add("dwadzieścia trzydzieści czterdzieści pięćdziesiąt sześćdziesiąt siedemdziesiąt "
        "osiemdziesiąt dziewięćdziesiąt"_cp,
        20, 10);
    add("sto dwieście trzysta czterysta pięćset sześćset siedemset osiemset dziewięćset"_cp, 100,
        100);
    const std::pair<std::string_view, std::int64_t> scales[] = {
        {"miliard miliardy miliardów"_cp, -100000000000},
        {"milion miliony milionów"_cp, -100000000},
        {"tysiąc tysiące tysięcy"_cp, -100000},
        {"złoty złote złotych"_cp, -100},
        {"grosz grosze groszy"_cp, -1}};
    for (const auto& [list, scale] : scales) add(list, scale, 0);  // negative marks a scale
    return m;
  }();
  std::int64_t total = 0, group = 0, last_scale = INT64_MAX;
  while (!text.empty()) {
    if (text.front() != ' ') return -1;
    text.remove_prefix(1);
    const auto it = values.find(std::string(text.substr(0, text.find(' '))));
    if (it == values.end()) return -1;
    text.remove_prefix(it->first.size());
    if (it->second > 0) {
      group += it->second;
    } else if (-it->second < last_scale) {
      last_scale = -it->second;
      total += group * last_scale;
      group = 0;
    } else {
      return -1;
    }
  }
  return group == 0 ? total : -1;
}

TEST(Slownie, EveryAmountReadsBackToItself) {
  std::mt19937_64 random(1234);
  std::uniform_int_distribution<std::int64_t> any(0, 99999999999999);
  for (std::int64_t n = 0; n < 250000; n += (n < 120000 ? 1 : 997)) {
    ASSERT_EQ(read_back(words(SLOWNIE(n / 100.0))), n) << n;
  }
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t n = any(random);
    ASSERT_EQ(read_back(words(SLOWNIE(n / 100.0))), n) << n;
    ASSERT_EQ(words(SLOWNIE(-(n / 100.0))), n == 0 ? "" : "minus " + words(SLOWNIE(n / 100.0)));
  }
}

TEST(SlownieWaluta, CurrencyWords) {
  const struct {
    double amount;
    std::string_view currency, expected;
  } rows[] = {{1234.56, "eur",
               " jeden tysiąc dwieście trzydzieści cztery EUR pięćdziesiąt sześć EUR/100"_cp},
              {1234.56, "EURO",
               " jeden tysiąc dwieście trzydzieści cztery EUR pięćdziesiąt sześć EUR/100"_cp},
              {1.00, "USD", " jeden USD"},
              {0.05, "CHF", " pięć CHF/100"_cp},
              {-1.5, "gbp", "minus  jeden GBP pięćdziesiąt GBP/100"_cp},
              {1000000, "JPY", " jeden milion JPY"},
              {2.02, "zł"_cp, " dwa ZŁ dwa ZŁ/100"_cp},
              {1.00, "ąęśćż"_cp, " jeden ĄĘŚ"_cp},
              {0.5, "E ", " pięćdziesiąt E/100"_cp},
              {0, "EUR", ""},
              {1e12, "EUR", ""}};
  for (const auto& r : rows) {
    EXPECT_EQ(words(SLOWNIEWALUTA(r.amount, r.currency)), r.expected) << r.currency;
  }
  for (const double a : {1234.56, 0.01, -7.0, 0.0}) {
    for (const std::string_view code : {"PLN", "pln", "", "   ", "PLNX", "Pln  "}) {
      EXPECT_EQ(SLOWNIEWALUTA(a, code), SLOWNIE(a)) << code;
    }
  }
}

TEST(SlownieWaluta, HostileCodesStayInTheField) {
  for (int b = 0; b < 256; ++b) {
    for (std::size_t n = 0; n <= 10; ++n) {
      const std::string out = SLOWNIEWALUTA(-987654321.98, std::string(n, static_cast<char>(b)));
      ASSERT_EQ(out.size(), 600u);
      ASSERT_EQ(out.compare(0, 6, "minus "), 0);
    }
  }
}

TEST(Slownie, CInterface) {
  // The C++ call goes through the C interface too, so it runs first: a C text result lasts
  // only until the thread's next call.
  const std::string expected = SLOWNIE(1234.56);
  const fk_text t = ::SLOWNIE(1234.56);
  EXPECT_EQ(std::string_view(t.ptr, t.len), expected);
  const fk_procedure* p = funkcja_find_procedure("SLOWNIEWALUTA");
  ASSERT_NE(p, nullptr);
  fk_value args[2] = {{FK_DOUBLE, {}}, {FK_TEXT, {}}}, result{};
  args[0].as.dbl = 1.0;
  args[1].as.text = fk_cstr("usd");
  ASSERT_EQ(p->invoke(args, &result), 0);
  EXPECT_EQ(text::clip({result.as.text.ptr, result.as.text.len}), " jeden USD");
}

}  // namespace
}  // namespace funkcja
