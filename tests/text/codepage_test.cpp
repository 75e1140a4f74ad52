// Code-page conversion: agreement with the system's own converter, round trips, and bytes
// that must pass unchanged.
#include <gtest/gtest.h>
#include <iconv.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "funkcja/codepage.hpp"

namespace {

using namespace funkcja::literals;
using namespace std::string_view_literals;
using Convert = std::function<std::string(std::string_view)>;

constexpr std::string_view kPolish = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_cp;

struct NamedConvert {
  const char* name;
  Convert run;
};

const NamedConvert kAll[] = {{"WINTOLATIN_TG", funkcja::WINTOLATIN_TG},
                             {"LATINTOWIN_TG", funkcja::LATINTOWIN_TG},
                             {"WINTOMAZOVIA_TG", funkcja::WINTOMAZOVIA_TG},
                             {"MAZOVIATOWIN_TG", funkcja::MAZOVIATOWIN_TG},
                             {"WINTOWIN_TG", funkcja::WINTOWIN_TG}};

std::string byte_text(int b) {
  return std::string(1, static_cast<char>(b));
}

// One byte through glibc iconv; nothing when iconv cannot convert it.
std::optional<char> iconv_byte(const char* to, const char* from, char byte) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  char in[1] = {byte};
  char out[8] = {};
  char* src = in;
  char* dst = out;
  std::size_t src_left = 1;
  std::size_t dst_left = sizeof out;
  const std::size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1) || sizeof out - dst_left != 1) return std::nullopt;
  return out[0];
}

TEST(CodePageIconv, EveryConvertedByteAgreesWithIconv) {
  const iconv_t probe = iconv_open("CP852", "CP1250");
  ASSERT_NE(probe, reinterpret_cast<iconv_t>(-1)) << "iconv lacks CP852";
  iconv_close(probe);
  const struct {
    NamedConvert convert;
    const char* to;
    const char* from;
  } directions[] = {{{"WINTOLATIN_TG", funkcja::WINTOLATIN_TG}, "CP852", "CP1250"},
                    {{"LATINTOWIN_TG", funkcja::LATINTOWIN_TG}, "CP1250", "CP852"}};
  for (const auto& d : directions) {
    int changed = 0;
    for (int b = 0; b < 256; ++b) {
      const std::string out = d.convert.run(byte_text(b));
      if (out == byte_text(b)) continue;
      ++changed;
      EXPECT_EQ(iconv_byte(d.to, d.from, static_cast<char>(b)), out[0])
          << d.convert.name << " of byte " << b;
    }
    EXPECT_EQ(changed, 18) << d.convert.name;
  }
  // The eighteen letters are exactly the ones converted, each as iconv converts it.
  for (const char letter : kPolish) {
    EXPECT_EQ(iconv_byte("CP852", "CP1250", letter), funkcja::WINTOLATIN_TG({&letter, 1})[0]);
  }
}

TEST(CodePageRoundTrip, EveryTouchedByteComesBack) {
  const struct {
    NamedConvert there;
    NamedConvert back;
    int touched;
  } trips[] = {
      {{"WINTOLATIN_TG", funkcja::WINTOLATIN_TG}, {"LATINTOWIN_TG", funkcja::LATINTOWIN_TG}, 18},
      {{"WINTOMAZOVIA_TG", funkcja::WINTOMAZOVIA_TG},
       {"MAZOVIATOWIN_TG", funkcja::MAZOVIATOWIN_TG},
       20}};
  for (const auto& t : trips) {
    int touched = 0;
    for (int b = 0; b < 256; ++b) {
      const std::string there = t.there.run(byte_text(b));
      if (there == byte_text(b)) continue;
      ++touched;
      EXPECT_EQ(t.back.run(there), byte_text(b)) << t.there.name << " and back, byte " << b;
    }
    EXPECT_EQ(touched, t.touched) << t.there.name;
    const std::string word = std::string(kPolish) + std::string("ş» Łódź 123"_cp);
    EXPECT_EQ(t.back.run(t.there.run(kPolish)), kPolish);
    if (t.touched == 20) {
      EXPECT_EQ(t.back.run(t.there.run(word)), word);
    }
  }
  EXPECT_EQ(funkcja::LATINTOWIN_TG(funkcja::WINTOLATIN_TG("Łódź"_cp)), "Łódź"_cp);
  EXPECT_EQ(funkcja::WINTOLATIN_TG("Łódź"_cp),
            "\x9D\xA2"
            "d\xAB");
}

TEST(CodePagePassThrough, BytesOutsideThePairsStay) {
  struct Case {
    NamedConvert convert;
    std::string_view input;
    std::string_view expected;
  };
  const Case cases[] = {
      // A 1250 byte that is an 852 letter code but not a 1250 letter stays.
      {kAll[0], "\xA4\xA5", "\xA4\xA4"},
      // Each position is converted once: Mazovia Ł (0x9C) becomes 1250 Ł (0xA3), which is
      // Mazovia's Ó, and stays Ł.
      {kAll[3], "\x9C\xA3", "\xA3\xD3"},
      // ş and » trade places with Mazovia's box-drawing bytes 0xB3 and 0xBF, both ways.
      {kAll[2], "\xBA\xBB", "\xB3\xBF"},
      {kAll[3], "\xB3\xBF\xB4\xC4\xDB", "\xBA\xBB\xB4\xC4\xDB"},
      // 852 box drawing and foreign accented letters are copied back unchanged.
      {kAll[1], "\x80\x81\xB0\xB1\xB2\xB3\xC4\xDB", "\x80\x81\xB0\xB1\xB2\xB3\xC4\xDB"},
      {kAll[0], "", ""},
      {kAll[0], "   ", "   "},
      {kAll[4], "\x9C\xA3\x00\xFF"sv, "\x9C\xA3\x00\xFF"sv}};
  for (const auto& c : cases) EXPECT_EQ(c.convert.run(c.input), c.expected) << c.convert.name;
  std::string ascii;
  for (int b = 0; b < 0x80; ++b) ascii.push_back(static_cast<char>(b));
  for (const auto& c : kAll) EXPECT_EQ(c.run(ascii), ascii) << c.name;
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(funkcja::WINTOWIN_TG(all), all);
}

}  // namespace
