#include "frame/text_rules.hpp"

#include <gtest/gtest.h>

#include "frame/cp_literal.hpp"
#include "funkcja/types.hpp"

namespace funkcja::text {
namespace {

using namespace funkcja::literals;

TEST(TextRules, ClipRemovesTrailingBlanksOnly) {
  EXPECT_EQ(clip("  ab  "), "  ab");
  EXPECT_EQ(clip("    "), "");
  EXPECT_EQ(clip(""), "");
  EXPECT_EQ(clip("a\t "), "a\t");  // only blanks are clipped
  EXPECT_EQ(trim("  ab  "), "ab");
}

TEST(TextRules, ComparisonIgnoresTrailingBlanks) {
  EXPECT_TRUE(same("abc", "abc   "));
  EXPECT_TRUE(same("   ", ""));
  EXPECT_FALSE(same(" abc", "abc"));
  EXPECT_FALSE(same("abc", "ABC"));
}

TEST(TextRules, FixedFieldPadsOrCuts) {
  EXPECT_EQ(fit_field("ab", 4), "ab  ");
  EXPECT_EQ(fit_field("abcdef", 4), "abcd");
  EXPECT_EQ(fit_field("", 0), "");
}

TEST(TextRules, BufferOfCapacityTenKeepsNineCharacters) {
  char memory[16];
  std::memset(memory, 'x', sizeof memory);
  TextBuffer buffer(memory, 10);
  buffer.assign("123456789012");
  EXPECT_EQ(buffer.text(), "123456789");
  EXPECT_EQ(memory[9], '\0');
  EXPECT_EQ(memory[10], 'x');  // nothing written past the capacity
}

TEST(TextRules, IntegersArePlainDecimal) {
  EXPECT_EQ(int_text(0), "0");
  EXPECT_EQ(int_text(-42), "-42");
  EXPECT_EQ(int_text(INT32_MIN), "-2147483648");
  EXPECT_EQ(int_text(INT32_MAX), "2147483647");
}

TEST(Cp1250Literal, PolishLettersBecomeSingleBytes) {
  constexpr std::string_view word = "Łódź"_cp;
  static_assert(word.size() == 4);
  EXPECT_EQ(word, "\xA3\xF3\x64\x9F");
  EXPECT_EQ("zażółć gęślą jaźń"_cp.size(), 17u);
}

}  // namespace
}  // namespace funkcja::text
