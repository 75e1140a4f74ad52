// The text and string procedures through the C interface: the procedure table, the generic
// entry point and the C functions themselves, with bytes that C strings cannot hold and null
// arguments.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "funkcja/funkcja.h"

namespace {

using namespace funkcja::literals;

std::string_view view(fk_text t) {
  return t.ptr != nullptr ? std::string_view(t.ptr, t.len) : std::string_view();
}
fk_text text(std::string_view s) {
  return {s.data(), s.size()};
}
constexpr fk_text kNullText{nullptr, 0};

fk_value text_value(fk_text t) {
  fk_value v{};
  v.kind = FK_TEXT;
  v.as.text = t;
  return v;
}
fk_value int_value(int32_t i) {
  fk_value v{};
  v.kind = FK_INT32;
  v.as.i32 = i;
  return v;
}

TEST(TextCInterface, NullAndEmbeddedNulBytes) {
  const fk_text null_with_length{nullptr, 17};  // a careless caller: read as empty text
  EXPECT_EQ(view(TYLKO_CYFRY(kNullText)), "");
  EXPECT_EQ(view(OPUSC_ALFANUMERYCZNE(null_with_length)), "0");
  EXPECT_EQ(view(FORMATDATA(kNullText)), "          ");
  EXPECT_EQ(view(WINTOLATIN_TG(null_with_length)), "");
  EXPECT_EQ(SPR_MASKA(kNullText, kNullText), 0);
  const std::string_view with_nul("1\0002\0003", 5);
  EXPECT_EQ(view(TYLKO_CYFRY(text(with_nul))), "123");
  EXPECT_EQ(view(USUN_ZNAKI_NIEDRUKOWALNE(text(with_nul))), "1 2 3");
  const fk_text converted = WINTOWIN_TG(text(with_nul));
  EXPECT_EQ(view(converted), with_nul);
}

TEST(TextCInterface, GenericCallThroughTheTable) {
  const fk_procedure* p = funkcja_find_procedure("LATINTOWIN_TG");
  ASSERT_NE(p, nullptr);
  fk_value arg{};
  arg.kind = FK_TEXT;
  arg.as.text = text(
      "\x9D\xA2"
      "d\xAB");
  fk_value result{};
  ASSERT_EQ(p->invoke(&arg, &result), 0);
  ASSERT_EQ(result.kind, FK_TEXT);
  EXPECT_EQ(view(result.as.text), "Łódź"_cp);

  const fk_procedure* mask = funkcja_find_procedure("SPR_MASKA");
  fk_value args[2] = {};
  args[0].kind = args[1].kind = FK_TEXT;
  args[0].as.text = text("abcd");
  args[1].as.text = text("abc");
  ASSERT_EQ(mask->invoke(args, &result), 0);
  EXPECT_EQ(result.kind, FK_BYTE);
  EXPECT_EQ(result.as.byte, 0);
  args[1].kind = FK_INT32;  // wrong kind: refused, not misread
  EXPECT_EQ(mask->invoke(args, &result), -1);
}

TEST(StringsAbi, GenericInvoke) {
  const fk_procedure* replace = funkcja_find_procedure("STR_REPLACE");
  ASSERT_NE(replace, nullptr);
  fk_value args[3] = {text_value(text("aXbXc")), text_value(text("X")), text_value(text("YY"))};
  fk_value result{};
  ASSERT_EQ(replace->invoke(args, &result), 0);
  ASSERT_EQ(result.kind, FK_TEXT);
  EXPECT_EQ(view(result.as.text), "aYYbYYc");

  // A null pointer with length 0 is the empty text, in any position.
  args[1] = text_value(kNullText);
  ASSERT_EQ(replace->invoke(args, &result), 0);
  EXPECT_EQ(view(result.as.text), "aXbXc");
  args[0] = text_value(kNullText);
  ASSERT_EQ(replace->invoke(args, &result), 0);
  EXPECT_EQ(result.as.text.len, 0u);

  // An argument of the wrong kind is refused.
  args[2] = int_value(1);
  EXPECT_EQ(replace->invoke(args, &result), -1);

  const fk_procedure* position = funkcja_find_procedure("STR_POZYCJA_WYSTAPIENIA");
  ASSERT_NE(position, nullptr);
  const fk_value pos_args[3] = {text_value(text("ab")), text_value(text("xabyab")), int_value(2)};
  ASSERT_EQ(position->invoke(pos_args, &result), 0);
  ASSERT_EQ(result.kind, FK_INT32);
  EXPECT_EQ(result.as.i32, 5);
}

TEST(StringsAbi, DirectCalls) {
  EXPECT_EQ(view(::STR_REPLACE(text("aXbXc"), fk_cstr("X"), fk_cstr("YY"))), "aYYbYYc");
  EXPECT_EQ(view(::STR_REPLACE(kNullText, fk_cstr("X"), fk_cstr("YY"))), "");
  EXPECT_EQ(view(::STR_REPLACE(text("ab"), kNullText, fk_cstr("x"))), "ab");
  EXPECT_EQ(view(::STR_REPLACE(text("ab"), text("b"), kNullText)), "a");
  EXPECT_EQ(view(::REPLACEPROC2(kNullText, kNullText, kNullText)), "");
  EXPECT_EQ(view(::STRING_ODWROC(kNullText)), "");
  EXPECT_EQ(view(::WYTNIJ_STR(text("a,b"), kNullText)), "");
  EXPECT_EQ(view(::STRING_CUT(kNullText, 10, kNullText)), "");
  EXPECT_EQ(::LICZBA_WYSTAPIEN(kNullText, text("a")), 0);
  EXPECT_EQ(::STR_WYSTAPIENIE_ZNAKU(text("a b"), kNullText), 1);  // empty means a blank

  // Texts are pointer and length: a NUL inside is an ordinary character.
  const std::string nul_text("a\0b\0a", 5);
  EXPECT_EQ(view(::STR_REPLACE(text(nul_text), text(std::string_view("\0", 1)), fk_cstr("-"))),
            "a-b-a");
  EXPECT_EQ(view(::STRING_ODWROC(text(nul_text))), nul_text);  // a palindrome of five
  EXPECT_EQ(::LICZBA_WYSTAPIEN(text(std::string_view("\0", 1)), text(nul_text)), 2);

  // The result stays valid until the next call on the same thread.
  const fk_text first = ::STR_REPLICATE(fk_cstr("ab"), 3);
  EXPECT_EQ(view(first), "ababab");
}

}  // namespace
