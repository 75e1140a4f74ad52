#include <gtest/gtest.h>

#include <string>

#include "frame/cp_literal.hpp"
#include "funkcja/funkcja.h"
#include "funkcja/validation.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

TEST(SprNip, CheckDigit) {
  const struct {
    std::string nip;
    int expected;
  } rows[] = {
      {"1234563218", 1},
      {"1234563217", 0},
      {"123-456-32-18", 1},
      {" 1234563218  ", 1},
      {"PL1234563217", 1},  // a country prefix is accepted unchecked
      {"123456321", 0},
      {"1234563218" + std::string(500, '9'), 1},  // digits after the tenth are ignored
      {"1" + std::string(500, 'x') + "234563218", 1},
      {"1" + std::string(500, 'x'), 0},
      {"", 0},
      {"          ", 0},
      {"1000000160", 0},  // remainder 10 matches no digit
      {"1000000169", 0},
      {"5555555555", 1}  // the weights add up to 45, 1 modulo 11: every repeated digit passes
  };
  for (const auto& r : rows) EXPECT_EQ(SPR_NIP(r.nip), r.expected) << r.nip;
  for (int b = 0; b < 256; ++b) EXPECT_LE(SPR_NIP(std::string(300, static_cast<char>(b))), 1);
}

TEST(OczyscNip, KeepsDigitsAndPolishCapitals) {
  const struct {
    std::string_view nip, expected;
  } rows[] = {{"PL 123-456-32-18", "PL1234563218"},
              {"pl1234563218", "1234563218"},
              {"LV40003032065", "L40003032065"},
              {"CY10259033P", "C10259033P"},
              {"ŁÓDŹ 12"_cp, "D12"},
              {"     ", ""}};
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
}

}  // namespace
}  // namespace funkcja
