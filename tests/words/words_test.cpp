#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <string>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "funkcja/funkcja.h"
#include "funkcja/words.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

// The clipped words, after checking that the field is exactly 600 characters.
std::string words(const std::string& field) {
  EXPECT_EQ(field.size(), 600u);
  return std::string(text::clip(field));
}

struct Row {
  double amount;
  std::string_view expected;
};

TEST(Slownie, WorkedAmounts) {
  const Row rows[] = {
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
  };
  for (const auto& r : rows) EXPECT_EQ(words(SLOWNIE(r.amount)), r.expected) << r.amount;
}

TEST(Slownie, FormsAndZeroGroups) {
  const Row rows[] = {
      {1000.00, " jeden tysiąc złotych"_cp},
      {1001.00, " jeden tysiąc jeden złoty"_cp},
      {101.00, " sto jeden złotych"_cp},
      {112.00, " sto dwanaście złotych"_cp},
      {22000.00, " dwadzieścia dwa tysiące złotych"_cp},
      {12000000.00, " dwanaście milionów złotych"_cp},
      {1000001000.00, " jeden miliard jeden tysiąc złotych"_cp},
      {2002002002.02, " dwa miliardy dwa miliony dwa tysiące dwa złote dwa grosze"_cp},
      {0.10, " dziesięć groszy"_cp},
      {0.11, " jedenaście groszy"_cp},
      {0.01, " jeden grosz"_cp},
      {0.22, " dwadzieścia dwa grosze"_cp},
      {999999999999.99,
       " dziewięćset dziewięćdziesiąt dziewięć miliardów dziewięćset dziewięćdziesiąt dziewięć"
       " milionów dziewięćset dziewięćdziesiąt dziewięć tysięcy dziewięćset dziewięćdziesiąt"
       " dziewięć złotych dziewięćdziesiąt dziewięć groszy"_cp},
  };
  for (const auto& r : rows) EXPECT_EQ(words(SLOWNIE(r.amount)), r.expected) << r.amount;
}

TEST(Slownie, RoundingThroughFifteenDigitsHalfAwayFromZero) {
  const Row rows[] = {
      {0.005, " jeden grosz"_cp},
      {0.015, " dwa grosze"_cp},  // stored as 0.01499999..., read as typed
      {1.005, " jeden złoty jeden grosz"_cp},
      {2.675, " dwa złote sześćdziesiąt osiem groszy"_cp},
      {1234567.125,
       " jeden milion dwieście trzydzieści cztery tysiące pięćset sześćdziesiąt"
       " siedem złotych trzynaście groszy"_cp},
      {0.0049, ""},
      {-0.004, "minus"},  // the sign is tested before rounding
      {-0.005, "minus  jeden grosz"_cp},
      {0.994999, " dziewięćdziesiąt dziewięć groszy"_cp},
      {0.995, " jeden złoty"_cp},
  };
  for (const auto& r : rows) EXPECT_EQ(words(SLOWNIE(r.amount)), r.expected) << r.amount;
}

TEST(Slownie, AmountsThatCannotBeHeldGiveBlanks) {
  const double inf = std::numeric_limits<double>::infinity();
  const double blank[] = {1e12,
                          -1e12,
                          std::nextafter(1e12, 0.0),
                          999999999999.995,
                          1e300,
                          inf,
                          -inf,
                          std::nan(""),
                          -std::nan(""),
                          -0.0,
                          5e-324,
                          std::numeric_limits<double>::max()};
  for (const double a : blank) EXPECT_EQ(words(SLOWNIE(a)), "") << a;
}

// Reads the words back into hundredths; -1 for a word the tables do not hold or a bad order.
std::int64_t read_back(std::string_view text) {
  static const std::map<std::string, int> numbers = [] {
    std::map<std::string, int> m;
    const std::string_view units[] = {"jeden"_cp, "dwa"_cp,    "trzy"_cp,  "cztery"_cp,  "pięć"_cp,
                                      "sześć"_cp, "siedem"_cp, "osiem"_cp, "dziewięć"_cp};
    const std::string_view teens[] = {
        "dziesięć"_cp,   "jedenaście"_cp, "dwanaście"_cp,    "trzynaście"_cp,  "czternaście"_cp,
        "piętnaście"_cp, "szesnaście"_cp, "siedemnaście"_cp, "osiemnaście"_cp, "dziewiętnaście"_cp};
    const std::string_view tens[] = {"dwadzieścia"_cp,   "trzydzieści"_cp,     "czterdzieści"_cp,
                                     "pięćdziesiąt"_cp,  "sześćdziesiąt"_cp,   "siedemdziesiąt"_cp,
                                     "osiemdziesiąt"_cp, "dziewięćdziesiąt"_cp};
    const std::string_view hundreds[] = {"sto"_cp,       "dwieście"_cp, "trzysta"_cp,
                                         "czterysta"_cp, "pięćset"_cp,  "sześćset"_cp,
                                         "siedemset"_cp, "osiemset"_cp, "dziewięćset"_cp};
    for (int i = 0; i < 9; ++i) m[std::string(units[i])] = i + 1;
    for (int i = 0; i < 10; ++i) m[std::string(teens[i])] = i + 10;
    for (int i = 0; i < 8; ++i) m[std::string(tens[i])] = (i + 2) * 10;
    for (int i = 0; i < 9; ++i) m[std::string(hundreds[i])] = (i + 1) * 100;
    return m;
  }();
  static const std::map<std::string, std::int64_t> scales = {
      {std::string("miliard"_cp), 100000000000},
      {std::string("miliardy"_cp), 100000000000},
      {std::string("miliardów"_cp), 100000000000},
      {std::string("milion"_cp), 100000000},
      {std::string("miliony"_cp), 100000000},
      {std::string("milionów"_cp), 100000000},
      {std::string("tysiąc"_cp), 100000},
      {std::string("tysiące"_cp), 100000},
      {std::string("tysięcy"_cp), 100000},
      {std::string("złoty"_cp), 100},
      {std::string("złote"_cp), 100},
      {std::string("złotych"_cp), 100},
      {std::string("grosz"_cp), 1},
      {std::string("grosze"_cp), 1},
      {std::string("groszy"_cp), 1}};
  std::int64_t total = 0, group = 0, last_scale = INT64_MAX;
  while (!text.empty()) {
    if (text.front() != ' ') return -1;  // every word follows exactly one blank
    text.remove_prefix(1);
    const std::string w(text.substr(0, text.find(' ')));
    text.remove_prefix(w.size());
    if (const auto n = numbers.find(w); n != numbers.end()) {
      group += n->second;
    } else if (const auto s = scales.find(w); s != scales.end() && s->second < last_scale) {
      total += group * s->second;
      group = 0;
      last_scale = s->second;
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
  struct {
    double amount;
    std::string_view currency, expected;
  } const rows[] = {
      {1234.56, "eur",
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
      {1e12, "EUR", ""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(words(SLOWNIEWALUTA(r.amount, r.currency)), r.expected) << r.currency;
  }
}

TEST(SlownieWaluta, ZlotyCodesGiveSlownie) {
  for (const double a : {1234.56, 0.01, -7.0, 0.0, 999999999999.99}) {
    for (const std::string_view code : {"PLN", "pln", "", "   ", "PLNX", "Pln  "}) {
      EXPECT_EQ(SLOWNIEWALUTA(a, code), SLOWNIE(a)) << code;
    }
  }
}

TEST(SlownieWaluta, HostileCodesStayInTheField) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    for (std::size_t n = 0; n <= 10; ++n) {
      const std::string code(n, c);
      const std::string out = SLOWNIEWALUTA(-987654321.98, code);
      ASSERT_EQ(out.size(), 600u);
      ASSERT_EQ(out.compare(0, 6, "minus "), 0);
    }
  }
}

TEST(SlownieCInterface, ExportedAndRegistered) {
  const fk_text t = ::SLOWNIE(1234.56);
  EXPECT_EQ(std::string_view(t.ptr, t.len), SLOWNIE(1234.56));
  const fk_procedure* p = funkcja_find_procedure("SLOWNIEWALUTA");
  ASSERT_NE(p, nullptr);
  ASSERT_EQ(p->param_count, 2u);
  fk_value args[2] = {{FK_DOUBLE, {}}, {FK_TEXT, {}}};
  args[0].as.dbl = 1.0;
  args[1].as.text = fk_cstr("usd");
  fk_value result{};
  ASSERT_EQ(p->invoke(args, &result), 0);
  ASSERT_EQ(result.kind, FK_TEXT);
  EXPECT_EQ(text::clip({result.as.text.ptr, result.as.text.len}), " jeden USD");
}

}  // namespace
}  // namespace funkcja
