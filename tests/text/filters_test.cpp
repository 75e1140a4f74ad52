// Character filters: the exact byte class of each, its clip rule, its capacity and what an
// empty argument gives.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "funkcja/filters.hpp"

namespace {

using namespace funkcja::literals;
using Filter = std::function<std::string(std::string_view)>;

struct NamedFilter {
  const char* name;
  Filter run;
};

std::string every_byte() {
  std::string s;
  for (int b = 0; b < 256; ++b) s.push_back(static_cast<char>(b));
  return s;
}

std::string every_byte_except(std::string_view gone) {
  std::string s;
  for (const char c : every_byte()) {
    if (gone.find(c) == std::string_view::npos) s.push_back(c);
  }
  return s;
}

// ---- Byte classes: all 256 bytes in order, through each filter ----

struct ClassCase {
  NamedFilter filter;
  std::string expected;
};

std::string printable_expected() {
  std::string s = every_byte();
  for (char& c : s) {
    const auto b = static_cast<unsigned char>(c);
    if ((b <= 0x1F && b != 0x0A && b != 0x0D) || b == 0x7F || b == 0x81) c = ' ';
  }
  return s;
}

std::string polish_replaced(std::string_view to) {
  std::string s = every_byte();
  const std::string_view from = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_cp;
  for (char& c : s) {
    if (const auto at = from.find(c); at != std::string_view::npos) c = to[at];
  }
  return s;
}

TEST(FilterByteClasses, EveryByteStaysGoesOrChangesExactly) {
  const ClassCase cases[] = {
      {{"TYLKO_CYFRY", funkcja::TYLKO_CYFRY}, "0123456789"},
      {{"OPUSC_ALFANUMERYCZNE", funkcja::OPUSC_ALFANUMERYCZNE}, "0123456789"},
      {{"OPUSC_ALFANUMERYCZNE_SOFT", funkcja::OPUSC_ALFANUMERYCZNE_SOFT}, ",-.0123456789"},
      {{"TYLKO_KWOTY", funkcja::TYLKO_KWOTY}, " +,-.0123456789"},
      {{"OPUSC_SPACE", funkcja::OPUSC_SPACE}, every_byte_except(" ")},
      // 247 bytes stay; the capacity of 200 keeps the first 200 of them.
      {{"CLEARFORFILENAME", funkcja::CLEARFORFILENAME},
       every_byte_except("*/\\:?\"<>|").substr(0, 200)},
      {{"USUN_ZNAKI_STERUJACE", funkcja::USUN_ZNAKI_STERUJACE}, every_byte_except("\r\n")},
      {{"USUN_ZNAKI_NIEDRUKOWALNE", funkcja::USUN_ZNAKI_NIEDRUKOWALNE}, printable_expected()},
      {{"BEZPL", funkcja::BEZPL}, polish_replaced("acelnoszzACELNOSZZ")},
      {{"USUN_POLSKIE_ZNAKI", funkcja::USUN_POLSKIE_ZNAKI}, polish_replaced("acelnoszzacelnoszz")},
  };
  const std::string input = every_byte();
  for (const auto& c : cases) {
    EXPECT_EQ(c.filter.run(input), c.expected) << c.filter.name;
  }
}

// ---- Clip rules and empty arguments ----

struct TextCase {
  NamedFilter filter;
  std::string_view input;
  std::string_view expected;
};

TEST(FilterClipRules, TrailingBlanksAndEmptyArguments) {
  const NamedFilter digits{"TYLKO_CYFRY", funkcja::TYLKO_CYFRY};
  const NamedFilter numeric{"OPUSC_ALFANUMERYCZNE", funkcja::OPUSC_ALFANUMERYCZNE};
  const NamedFilter soft{"OPUSC_ALFANUMERYCZNE_SOFT", funkcja::OPUSC_ALFANUMERYCZNE_SOFT};
  const NamedFilter amounts{"TYLKO_KWOTY", funkcja::TYLKO_KWOTY};
  const NamedFilter no_space{"OPUSC_SPACE", funkcja::OPUSC_SPACE};
  const NamedFilter file{"CLEARFORFILENAME", funkcja::CLEARFORFILENAME};
  const NamedFilter joined{"USUN_ZNAKI_STERUJACE", funkcja::USUN_ZNAKI_STERUJACE};
  const NamedFilter printable{"USUN_ZNAKI_NIEDRUKOWALNE", funkcja::USUN_ZNAKI_NIEDRUKOWALNE};
  const NamedFilter plain{"BEZPL", funkcja::BEZPL};
  const NamedFilter small{"USUN_POLSKIE_ZNAKI", funkcja::USUN_POLSKIE_ZNAKI};
  const TextCase cases[] = {
      {digits, "PL 1-2 3", "123"},
      {digits, "", ""},
      {digits, "   ", ""},
      // An empty or all-blank argument gives "0"; one without digits gives empty text.
      {numeric, "", "0"},
      {numeric, "    ", "0"},
      {numeric, "abc", ""},
      {numeric, " 12a3 ", "123"},
      {soft, "", "0"},
      {soft, "   ", "0"},
      {soft, "x-1.234,5y", "-1.234,5"},
      {soft, "+ ", ""},
      // Inner and leading blanks stay, trailing ones are clipped first.
      {amounts, "kwota: -1 234,50 zł"_cp, " -1 234,50 "},
      {amounts, " 5   ", " 5"},
      {amounts, "   ", ""},
      {no_space, " a b  c   ", "abc"},
      {no_space, "   ", ""},
      // Taken as passed: blanks stay, trailing ones too.
      {file, "a:b/c*d?.txt", "abcd.txt"},
      {file, "raport <2026> | \"x\"\\  ", "raport 2026  x  "},
      {file, "", ""},
      {joined, "line 1\r\nline 2", "line 1line 2"},
      {joined, "  two blanks", " two blanks"},
      {joined, "\r\n indented", "indented"},
      {joined, "\r\n", ""},
      {joined, " ", ""},
      {joined, "tail  ", "tail  "},
      {printable, "a\tb\r\nc\x7f\x81\x83", "a b\r\nc  \x83"},
      {printable, std::string_view("\0\0", 2), "  "},
      {printable, "  ", "  "},
      {plain, "Łódź"_cp, "Lodz"},
      {plain, "ZAŻÓŁĆ gęślą jaźń  "_cp, "ZAZOLC gesla jazn"},
      {plain, "  ", ""},
      {small, "Łódź"_cp, "lodz"},
      {small, "ZAŻÓŁĆ Gęślą  "_cp, "ZAzolc Gesla"},
      {small, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.filter.run(c.input), c.expected) << c.filter.name << " of \"" << c.input << "\"";
  }
}

// ---- Capacities ----

struct CapacityCase {
  NamedFilter filter;
  std::size_t capacity;
  char stays;  // a character the filter keeps unchanged
  bool clipped;
};

TEST(FilterCapacities, ResultIsCutAtTheCapacityAndNotBefore) {
  const CapacityCase cases[] = {
      {{"TYLKO_CYFRY", funkcja::TYLKO_CYFRY}, 2000, '7', true},
      {{"OPUSC_ALFANUMERYCZNE", funkcja::OPUSC_ALFANUMERYCZNE}, 254, '7', true},
      {{"OPUSC_ALFANUMERYCZNE_SOFT", funkcja::OPUSC_ALFANUMERYCZNE_SOFT}, 254, '.', true},
      {{"TYLKO_KWOTY", funkcja::TYLKO_KWOTY}, 2000, '+', true},
      {{"OPUSC_SPACE", funkcja::OPUSC_SPACE}, 1000, 'x', true},
      {{"CLEARFORFILENAME", funkcja::CLEARFORFILENAME}, 200, 'x', false},
      {{"USUN_ZNAKI_STERUJACE", funkcja::USUN_ZNAKI_STERUJACE}, 4000, 'x', false},
      {{"USUN_ZNAKI_NIEDRUKOWALNE", funkcja::USUN_ZNAKI_NIEDRUKOWALNE}, 4000, 'x', false},
      {{"BEZPL", funkcja::BEZPL}, 500, 'x', true},
      {{"USUN_POLSKIE_ZNAKI", funkcja::USUN_POLSKIE_ZNAKI}, 3999, 'x', true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter.name);
    for (const std::size_t length : {c.capacity - 1, c.capacity, c.capacity + 1, 3 * c.capacity}) {
      const std::string input(length, c.stays);
      EXPECT_EQ(c.filter.run(input), input.substr(0, c.capacity)) << "length " << length;
    }
    // Dropped characters do not count: a result of `capacity` characters is built from a
    // longer argument, and characters that stay after a long run of dropped ones are kept.
    std::string sparse;
    for (std::size_t i = 0; i < c.capacity; ++i) sparse.append(1, c.stays).append("\r\n:");
    EXPECT_EQ(c.filter.run(sparse).size(), c.capacity);
    if (c.clipped) {
      // Trailing blanks beyond the capacity are clipped, not counted.
      EXPECT_EQ(c.filter.run(std::string(c.capacity, c.stays) + std::string(5000, ' ')),
                std::string(c.capacity, c.stays));
    }
  }
  EXPECT_EQ(funkcja::TYLKO_CYFRY(std::string(5000, 'a') + "123"), "123");
}

TEST(FilterCapacities, LeadingBlankGoesAfterTheCut) {
  // The joined text is cut to 4000 first; then its leading blank goes.
  const std::string input = " " + std::string(4100, 'x');
  EXPECT_EQ(funkcja::USUN_ZNAKI_STERUJACE(input), std::string(3999, 'x'));
  EXPECT_EQ(funkcja::USUN_ZNAKI_STERUJACE(std::string(4100, '\n') + " a"), "a");
}

}  // namespace
