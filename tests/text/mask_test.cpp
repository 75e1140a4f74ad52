// Mask matching: the walk without backtracking, the three ways it differs from a
// backtracking matcher, blanks, and the capacities of value and mask.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "funkcja/mask.hpp"

namespace {

struct Case {
  std::string_view value;
  std::string_view mask;
  int expected;  // 0 fits, 1 does not
};

void expect_all(const std::vector<Case>& cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(funkcja::SPR_MASKA(c.value, c.mask), c.expected)
        << "value \"" << c.value << "\", mask \"" << c.mask << "\"";
  }
}

TEST(MaskMatching, WildcardsAndLiterals) {
  expect_all({{"", "*", 0},      {"anything", "*", 0}, {"x", "", 0},      {"x", "    ", 0},
              {"abc", "abc", 0}, {"xabc", "abc", 1},   {"ab", "abc", 1},  {"abc", "ab?", 0},
              {"ab", "ab?", 1},  {"ac", "a*c", 0},     {"abc", "a*c", 0}, {"ab", "a*c", 1},
              {"aba", "*b", 0},  {"axb", "a?b", 0},    {"abc", "ABC", 1}, {"ABC", "ABC", 0},
              {"", "?", 1},      {"a", "?", 0},        {"ab", "??", 0},   {"abc", "??", 1},
              {"xyz", "*y*", 0}, {"xyz", "*q*", 1},    {"ab  ", "ab", 0}, {"abc", "abc   ", 0},
              {"a", "a*", 0},    {"", "a", 1},         {"", "**", 0},     {"", "a*", 1}});
}

// The three points callers rely on, where a backtracking matcher would answer otherwise.
TEST(MaskMatching, DiffersFromBacktracking) {
  expect_all({// 1. Characters after a mask that ends in a literal are accepted.
              {"abcd", "abc", 0},
              {"abcxyz", "a*c", 0},
              // 2. "*" takes the first occurrence of its literal and never retries another.
              {"acxcy", "a*c?", 1},
              {"abab", "*ab?", 1},  // the first "ab" leaves "ab" for "?"
              {"xaby", "*ab?", 0},
              {"aXbXyc", "a*X?c", 1},  // the first X leaves "bXyc", and "?c" does not fit it
                                       // 3. "?" never matches a blank.
              {"a b", "a?b", 1},
              {" a", "?a", 1}});
}

TEST(MaskMatching, QuestionMarkNextToStarDisappears) {
  expect_all({{"ab", "a?*b", 0},  // as a*b: "?" would otherwise need one character
              {"ab", "a*?b", 0},
              {"ab", "a??*?b", 0},
              {"a", "a*?", 0},  // as a*
              {"", "?*", 0},    // as *
              {"ab", "a**b", 0}});
}

TEST(MaskMatching, BlanksInTheMask) {
  expect_all({{"a b", "a b", 0},
              {"ab", "a b", 1},
              {"a xb", "a ?b", 0},  // the literal "a " keeps its blank
              {"axb", "a ?b", 1},
              {"a x", "a ?", 0},
              {"a", "a ?", 1},
              {"axyb", "a? ?b", 0},  // blanks between two "?" make no piece
              {"a", "a* ?", 0},      // "*" with only blanks after it accepts what remains
              {"ab", "a*  b", 1},    // "*" then the literal "  b"
              {"a  b", "a*  b", 0}});
}

TEST(MaskMatching, HostileBytes) {
  const std::string nul_value("a\0b", 3);
  const std::string nul_mask("a\0?", 3);
  EXPECT_EQ(funkcja::SPR_MASKA(nul_value, nul_mask), 0);
  EXPECT_EQ(funkcja::SPR_MASKA(nul_value, "a?b"), 0);  // "?" takes the NUL byte
  EXPECT_EQ(funkcja::SPR_MASKA("\xFF\xFE", "\xFF*"), 0);
  EXPECT_EQ(funkcja::SPR_MASKA("\xFF", "\xFE"), 1);
}

TEST(MaskCapacity, ValueAndMaskHoldOneHundredCharacters) {
  const std::string a99(99, 'a');
  const std::string a100(100, 'a');
  expect_all({{a99 + "x", "*x", 0},
              {a100 + "x", "*x", 1},    // the x lies beyond the value's 100 characters
              {a100, a100 + "zzz", 0},  // the mask's tail beyond 100 characters is not read
              {a99 + "b", a100 + "zzz", 1}});
  // Trailing blanks beyond the capacity are clipped, not kept.
  EXPECT_EQ(funkcja::SPR_MASKA("ab" + std::string(500, ' '), "ab?"), 1);
}

// A literal longer than 50 characters is matched whole.
TEST(MaskCapacity, LongLiteralsAreMatchedWhole) {
  const std::string b60(60, 'b');
  const std::string b50(50, 'b');
  expect_all({{"x" + b60, "*" + b60, 0},
              {"x" + b50 + "c" + std::string(9, 'b'), "*" + b60, 1},
              {std::string(55, 'a'), std::string(60, 'a'), 1},
              {std::string(60, 'a'), std::string(60, 'a'), 0}});
}

}  // namespace
