#include "frame/cp1250.hpp"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "frame/cp1250_case.hpp"
#include "frame/cp_literal.hpp"

namespace funkcja::cp1250 {
namespace {

using namespace funkcja::literals;

// Every code point, looked up, gives the byte that a search of the code page finds.
TEST(Cp1250, EveryCodePointMapsToTheByteOfTheSameCharacter) {
  std::array<std::optional<unsigned char>, 0x10000> searched{};
  for (int b = 0; b < 256; ++b) searched[to_unicode(static_cast<unsigned char>(b))] = b;
  for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
    const auto expected = cp < searched.size() ? searched[cp] : std::nullopt;
    ASSERT_EQ(from_unicode(cp), expected) << std::hex << static_cast<std::uint32_t>(cp);
  }
}

TEST(Cp1250, EveryByteSurvivesARoundTripThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const auto back = utf8_to_cp1250(cp1250_to_utf8(all));
  EXPECT_FALSE(back.error);
  EXPECT_EQ(back.text, all);
  EXPECT_EQ(utf8_to_cp1250("€™").text, "€™"_cp);
  EXPECT_EQ(utf8_to_cp1250("a\u2123").error, ConversionError::kNotRepresentable);
  EXPECT_EQ(utf8_to_cp1250("\U0001F600").error, ConversionError::kNotRepresentable);
}

TEST(Cp1250Case, CasesAreOneListOfPairs) {
  int changed_by_text_procedures = 0;
  for (int b = 0; b < 256; ++b) {
    const auto c = static_cast<unsigned char>(b);
    // upper and lower are inverse on every letter and leave every other byte alone
    if (kUpper[c] != c) {
      EXPECT_EQ(kLower[kUpper[c]], c) << b;
    }
    if (kLower[c] != c) {
      EXPECT_EQ(kUpper[kLower[c]], c) << b;
    }
    EXPECT_FALSE(kUpper[c] != c && kLower[c] != c) << b;
    // the text procedures change a subset of the letters, the same way
    if (kUpperAsciiPolish[c] != c) {
      EXPECT_EQ(kUpperAsciiPolish[c], kUpper[c]) << b;
      ++changed_by_text_procedures;
    }
  }
  EXPECT_EQ(changed_by_text_procedures, 26 + 9);
  const std::string_view unchanged = "ß×÷§1 "_cp;
  for (const char c : unchanged) {
    const auto b = static_cast<unsigned char>(c);
    EXPECT_EQ(kUpper[b], b);
    EXPECT_EQ(kLower[b], b);
  }
  const auto byte = [](std::string_view letter) { return static_cast<unsigned char>(letter[0]); };
  EXPECT_EQ(kUpperAsciiPolish[byte("é"_cp)], byte("é"_cp));
  EXPECT_EQ(kUpper[byte("é"_cp)], byte("É"_cp));
  EXPECT_EQ(kLower[byte("Ż"_cp)], byte("ż"_cp));
}

}  // namespace
}  // namespace funkcja::cp1250
