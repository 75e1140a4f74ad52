#include <gtest/gtest.h>

#include <string>

#include "frame/cp_literal.hpp"
#include "funkcja/funkcja.h"
#include "funkcja/validation.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

TEST(SprNip, CheckDigit) {
  struct {
    std::string_view nip;
    int expected;
  } const rows[] = {
      {"1234563218", 1},          {"1234563217", 0},
      {"123-456-32-18", 1},       {" 1234563218", 1},
      {"1234563218   ", 1},       {"PL1234563217", 1},  // a country prefix is accepted unchecked
      {"123456321", 0},                                 // nine digits
      {"12345632180000000", 1},                         // digits after the tenth are ignored
      {"1 2 3 4 5 6 3 2 1 8", 1}, {"", 0},
      {"          ", 0},
  };
  for (const auto& r : rows) EXPECT_EQ(SPR_NIP(r.nip), r.expected) << r.nip;
}

TEST(SprNip, RemainderTenRejectsEveryLastDigit) {
  for (char last = '0'; last <= '9'; ++last) {
    EXPECT_EQ(SPR_NIP(std::string("100000016") + last), 0) << last;
  }
}

TEST(SprNip, HostileTextsGiveAFlag) {
  EXPECT_EQ(SPR_NIP("1234563218" + std::string(500, '9')), 1);
  EXPECT_EQ(SPR_NIP("1" + std::string(500, 'x') + "234563218"), 1);
  EXPECT_EQ(SPR_NIP("1" + std::string(500, 'x')), 0);
  for (int b = 0; b < 256; ++b) {
    const std::string text(300, static_cast<char>(b));
    const std::uint8_t r = SPR_NIP(text);
    EXPECT_TRUE(r == 0 || r == 1);
    // A digit repeated passes: the weights add up to 45, which is 1 modulo 11.
    if (b >= '0' && b <= '9') {
      EXPECT_EQ(r, 1) << b;
    }
  }
}

TEST(OczyscNip, KeepsDigitsAndPolishCapitals) {
  struct {
    std::string_view nip, expected;
  } const rows[] = {
      {"PL 123-456-32-18", "PL1234563218"},
      {"pl1234563218", "1234563218"},
      {"LV40003032065", "L40003032065"},
      {"CY10259033P", "C10259033P"},
      {"QVXY", ""},
      {"ŁÓDŹ 12"_cp, "D12"},
      {"", ""},
      {"     ", ""},
  };
  for (const auto& r : rows) EXPECT_EQ(OCZYSC_NIP(r.nip), r.expected) << r.nip;

  std::string every_byte;
  for (int b = 255; b >= 0; --b) every_byte.push_back(static_cast<char>(b));
  EXPECT_EQ(OCZYSC_NIP(every_byte), "ZWUTSRPONMLKJIHGFEDCBA9876543210");
  EXPECT_EQ(OCZYSC_NIP(std::string(1000, '7')), std::string(254, '7'));
}

TEST(Nip, CInterface) {
  EXPECT_EQ(::SPR_NIP(fk_cstr("123-456-32-18")), 1);
  EXPECT_EQ(::SPR_NIP(fk_text{nullptr, 0}), 0);
  const fk_text clean = ::OCZYSC_NIP(fk_cstr("PL 123-456-32-18"));
  EXPECT_EQ(std::string_view(clean.ptr, clean.len), "PL1234563218");
  EXPECT_NE(funkcja_find_procedure("OCZYSC_NIP"), nullptr);
}

}  // namespace
}  // namespace funkcja
