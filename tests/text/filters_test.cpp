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
#define NAMED(procedure)           \
  NamedFilter {                    \
#procedure, funkcja::procedure \
  }

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
      {NAMED(TYLKO_CYFRY), "0123456789"},
      {NAMED(OPUSC_ALFANUMERYCZNE), "0123456789"},
      {NAMED(OPUSC_ALFANUMERYCZNE_SOFT), ",-.0123456789"},
      {NAMED(TYLKO_KWOTY), " +,-.0123456789"},
      {NAMED(OPUSC_SPACE), every_byte_except(" ")},
      // 247 bytes stay; the capacity of 200 keeps the first 200 of them.
      {NAMED(CLEARFORFILENAME), every_byte_except("*/\\:?\"<>|").substr(0, 200)},
      {NAMED(USUN_ZNAKI_STERUJACE), every_byte_except("\r\n")},
      {NAMED(USUN_ZNAKI_NIEDRUKOWALNE), printable_expected()},
      {NAMED(BEZPL), polish_replaced("acelnoszzACELNOSZZ")},
      {NAMED(USUN_POLSKIE_ZNAKI), polish_replaced("acelnoszzacelnoszz")}};
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
  const TextCase cases[] = {
      {NAMED(TYLKO_CYFRY), "", ""},
      {NAMED(TYLKO_CYFRY), "   ", ""},
      // An empty or all-blank argument gives "0"; one without digits gives empty text.
      {NAMED(OPUSC_ALFANUMERYCZNE), "", "0"},
      {NAMED(OPUSC_ALFANUMERYCZNE), "    ", "0"},
      {NAMED(OPUSC_ALFANUMERYCZNE), "abc", ""},
      {NAMED(OPUSC_ALFANUMERYCZNE), " 12a3 ", "123"},
      {NAMED(OPUSC_ALFANUMERYCZNE_SOFT), "", "0"},
      {NAMED(OPUSC_ALFANUMERYCZNE_SOFT), "   ", "0"},
      {NAMED(OPUSC_ALFANUMERYCZNE_SOFT), "x-1.234,5y", "-1.234,5"},
      {NAMED(OPUSC_ALFANUMERYCZNE_SOFT), "+ ", ""},
      // Inner and leading blanks stay, trailing ones are clipped first.
      {NAMED(TYLKO_KWOTY), "kwota: -1 234,50 zł"_cp, " -1 234,50 "},
      {NAMED(TYLKO_KWOTY), " 5   ", " 5"},
      {NAMED(TYLKO_KWOTY), "   ", ""},
      {NAMED(OPUSC_SPACE), " a b  c   ", "abc"},
      {NAMED(OPUSC_SPACE), "   ", ""},
      // Taken as passed: blanks stay, trailing ones too.
      {NAMED(CLEARFORFILENAME), "raport <2026> | \"x\"\\  ", "raport 2026  x  "},
      {NAMED(CLEARFORFILENAME), "", ""},
      {NAMED(USUN_ZNAKI_STERUJACE), "  two blanks", " two blanks"},
      {NAMED(USUN_ZNAKI_STERUJACE), "\r\n indented", "indented"},
      {NAMED(USUN_ZNAKI_STERUJACE), "\r\n", ""},
      {NAMED(USUN_ZNAKI_STERUJACE), " ", ""},
      {NAMED(USUN_ZNAKI_STERUJACE), "tail  ", "tail  "},
      {NAMED(USUN_ZNAKI_NIEDRUKOWALNE), std::string_view("\0\0", 2), "  "},
      {NAMED(USUN_ZNAKI_NIEDRUKOWALNE), "  ", "  "},
      {NAMED(BEZPL), "ZAŻÓŁĆ gęślą jaźń  "_cp, "ZAZOLC gesla jazn"},
      {NAMED(BEZPL), "  ", ""},
      {NAMED(USUN_POLSKIE_ZNAKI), "ZAŻÓŁĆ Gęślą  "_cp, "ZAzolc Gesla"},
      {NAMED(USUN_POLSKIE_ZNAKI), "", ""}};
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
  const CapacityCase cases[] = {{NAMED(TYLKO_CYFRY), 2000, '7', true},
                                {NAMED(OPUSC_ALFANUMERYCZNE), 254, '7', true},
                                {NAMED(OPUSC_ALFANUMERYCZNE_SOFT), 254, '.', true},
                                {NAMED(TYLKO_KWOTY), 2000, '+', true},
                                {NAMED(OPUSC_SPACE), 1000, 'x', true},
                                {NAMED(CLEARFORFILENAME), 200, 'x', false},
                                {NAMED(USUN_ZNAKI_STERUJACE), 4000, 'x', false},
                                {NAMED(USUN_ZNAKI_NIEDRUKOWALNE), 4000, 'x', false},
                                {NAMED(BEZPL), 500, 'x', true},
                                {NAMED(USUN_POLSKIE_ZNAKI), 3999, 'x', true}};
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
