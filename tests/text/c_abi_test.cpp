// The text procedures through the C interface and the procedure table: names, kinds, bytes
// that C strings cannot hold, and null arguments.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "funkcja/funkcja.h"

namespace {

using namespace funkcja::literals;

fk_text text(std::string_view s) {
  return {s.data(), s.size()};
}
std::string_view view(fk_text t) {
  return {t.ptr, t.len};
}

TEST(TextCInterface, NullAndEmbeddedNulBytes) {
  const fk_text null_text{nullptr, 0};
  const fk_text null_with_length{nullptr, 17};  // a careless caller: read as empty text
  EXPECT_EQ(view(TYLKO_CYFRY(null_text)), "");
  EXPECT_EQ(view(OPUSC_ALFANUMERYCZNE(null_with_length)), "0");
  EXPECT_EQ(view(FORMATDATA(null_text)), "          ");
  EXPECT_EQ(view(WINTOLATIN_TG(null_with_length)), "");
  EXPECT_EQ(SPR_MASKA(null_text, null_text), 0);
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

}  // namespace
