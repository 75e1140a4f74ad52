#include <gtest/gtest.h>

#include <random>
#include <string>

#include "frame/text_rules.hpp"
#include "funkcja/funkcja.h"
#include "funkcja/validation.hpp"

namespace funkcja {
namespace {

constexpr std::string_view kPolish = "PL30123412341234123412341234";

TEST(Ibanspr, CheckDigits) {
  const struct {
    std::string_view account;
    int expected;
  } rows[] = {{kPolish, 0},
              {"PL61109010140000071219812874", 0},
              {"GB82WEST12345698765432", 0},
              {"MT84MALT011000012345MTLCAST001S", 0},     // letters inside: a 44-digit number
              {"LC55HEMM000100010012001200023015", 0},    // 32 characters
              {"PL30123412341234123412341234   ", 0},     // blank padding of a fixed-length field
              {"PL30 1234 1234 1234 1234 1234 1234", 1},  // separators are not cleaned here
              {"pl30123412341234123412341234", 1},        // lower case is not expanded
              {"PL03123412341234123412341234", 1},        // swapped check digits
              {"PL3012341234:234123412341234", 1},        // the bytes next to the digits
              {"PL301234123412341234/2341234", 1},
              {"", 1},
              {"PL30", 1}};
  for (const auto& r : rows) EXPECT_EQ(IBANSPR(r.account), r.expected) << r.account;
  for (std::size_t i = 2; i < kPolish.size(); ++i) {  // any single digit changed
    std::string changed(kPolish);
    changed[i] = static_cast<char>('0' + (changed[i] - '0' + 1 + i % 9) % 10);
    EXPECT_EQ(IBANSPR(changed), 1) << changed;
  }
}

// The rule written out plainly: rotate, expand letters into a digit string, long division.
int reference(std::string_view account) {
  const std::string_view s = text::clip_to(account, 100);
  const std::size_t head = s.size() < 4 ? s.size() : 4;
  int r = 0;
  for (const char c : std::string(s.substr(head)) + std::string(s.substr(0, head))) {
    if (c >= 'A' && c <= 'Z') {
      r = (r * 100 + (c - 'A' + 10)) % 97;
    } else if (c >= '0' && c <= '9') {
      r = (r * 10 + (c - '0')) % 97;
    } else {
      return 1;
    }
  }
  return r == 1 ? 0 : 1;
}

// Sets the check digits (characters 3 and 4) that make the text pass, if any do.
void make_valid(std::string& s) {
  for (int check = 0; check < 100 && reference(s) != 0; ++check) {
    s[2] = static_cast<char>('0' + check / 10);
    s[3] = static_cast<char>('0' + check % 10);
  }
}

TEST(Ibanspr, OnlyTheFirstHundredCharactersCount) {
  std::string account = "PL00" + std::string(96, '7');
  make_valid(account);
  ASSERT_EQ(IBANSPR(account), 0);
  EXPECT_EQ(IBANSPR(account + "12345"), 0);
  EXPECT_EQ(IBANSPR(account + std::string(100, '\xFF')), 0);
  EXPECT_EQ(IBANSPR(account.substr(0, 99) + "8"), 1);
}

TEST(Ibanspr, AgreesWithLongDivisionOnAnyBytes) {
  std::mt19937 random(97);
  const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  int valid = 0;
  for (int i = 0; i < 40000; ++i) {
    std::string s(random() % 201, '0');
    for (char& c : s) {
      c = random() % 50 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % 36];
    }
    if (s.size() >= 4 && i % 2 == 0) make_valid(s);
    valid += reference(s) == 0;
    ASSERT_EQ(IBANSPR(s), reference(s)) << s;
  }
  EXPECT_GT(valid, 5000);
}

TEST(Ibanspr, CInterface) {
  EXPECT_EQ(::IBANSPR(fk_text{kPolish.data(), kPolish.size()}), 0);
  EXPECT_EQ(::IBANSPR(fk_text{nullptr, 0}), 1);
}

}  // namespace
}  // namespace funkcja
