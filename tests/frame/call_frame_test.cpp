// The call frame of the C interface: every parameter kind reaches a procedure through the
// generic entry point as it would through a direct call, and nothing escapes as an exception.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "frame/export.hpp"

namespace {

namespace fk = funkcja;

// A procedure with one parameter of every kind, recording what it received.
struct Seen {
  std::string text;
  int32_t number = -1;
  uint8_t flag = 99;
  double amount = -1;
  void* object = reinterpret_cast<void*>(1);
} seen;

fk_text TEST_EVERY_KIND(fk_text text, int32_t number, uint8_t flag, double amount, fk_buffer buffer,
                        int32_t* counter, uint8_t* toggle, fk_errorclass* object) {
  seen = {std::string(fk::abi::in(text)), number, flag, amount, object};
  fk::abi::in(buffer).assign("123456789012");
  ++*counter;
  *toggle = !*toggle;
  return fk::abi::keep(std::string(fk::abi::in(text)) + "!");
}
const fk::abi::Registrar every_kind{fk::abi::describe<&TEST_EVERY_KIND>(
    "TEST_EVERY_KIND", "text, number?, flag?, amount, buffer[10], counter, toggle, object?")};

fk_text TEST_THROWS(fk_text text) {
  return fk::abi::text_result([&]() -> std::string {
    if (fk::abi::in(text) == "boom") throw std::runtime_error("boom");
    return "fine";
  });
}
const fk::abi::Registrar throws{fk::abi::describe<&TEST_THROWS>("TEST_THROWS", "text")};

fk_value text_value(const char* s) {
  fk_value v{};
  v.kind = FK_TEXT;
  v.as.text = fk_cstr(s);
  return v;
}

TEST(CallFrame, TableDescribesKindsNamesAndCapacities) {
  const fk_procedure* p = funkcja_find_procedure("TEST_EVERY_KIND");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->result, FK_TEXT);
  ASSERT_EQ(p->param_count, 8u);
  const fk_kind kinds[] = {FK_TEXT,       FK_INT32,       FK_BYTE,       FK_DOUBLE,
                           FK_TEXT_INOUT, FK_INT32_INOUT, FK_BYTE_INOUT, FK_OBJECT};
  const char* names[] = {"text",   "number",  "flag",   "amount",
                         "buffer", "counter", "toggle", "object"};
  for (size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(p->params[i].kind, kinds[i]) << i;
    EXPECT_STREQ(p->params[i].name, names[i]);
  }
  EXPECT_TRUE(p->params[1].omittable);
  EXPECT_FALSE(p->params[3].omittable);
  EXPECT_EQ(p->params[4].capacity, 10u);
}

TEST(CallFrame, GenericCallPassesEveryKindAndWritesInOutParameters) {
  const fk_procedure* p = funkcja_find_procedure("TEST_EVERY_KIND");
  ASSERT_NE(p, nullptr);
  char memory[12];
  std::memset(memory, 'x', sizeof memory);
  int32_t counter = 41;
  uint8_t toggle = 0;
  fk_value args[8]{};
  args[0] = text_value("abc  ");
  args[1].kind = FK_INT32;  // omitted: 0
  args[2].kind = FK_BYTE;   // omitted: 0
  args[3].kind = FK_DOUBLE;
  args[3].as.dbl = 12.5;
  args[4].kind = FK_TEXT_INOUT;
  args[4].as.buffer = {memory, 10};
  args[5].kind = FK_INT32_INOUT;
  args[5].as.i32_ref = &counter;
  args[6].kind = FK_BYTE_INOUT;
  args[6].as.byte_ref = &toggle;
  args[7].kind = FK_OBJECT;
  fk_value result{};
  ASSERT_EQ(p->invoke(args, &result), 0);

  EXPECT_EQ(seen.text, "abc  ");  // trailing blanks arrive as the caller holds them
  EXPECT_EQ(seen.number, 0);
  EXPECT_EQ(seen.flag, 0);
  EXPECT_EQ(seen.amount, 12.5);
  EXPECT_EQ(seen.object, nullptr);
  EXPECT_STREQ(memory, "123456789");  // capacity 10 keeps 9 characters
  EXPECT_EQ(memory[10], 'x');
  EXPECT_EQ(counter, 42);
  EXPECT_EQ(toggle, 1);
  ASSERT_EQ(result.kind, FK_TEXT);
  EXPECT_EQ(std::string(result.as.text.ptr, result.as.text.len), "abc  !");
}

TEST(CallFrame, MismatchedKindIsRefusedWithoutCalling) {
  const fk_procedure* p = funkcja_find_procedure("TEST_THROWS");
  ASSERT_NE(p, nullptr);
  fk_value arg{};
  arg.kind = FK_INT32;
  fk_value result{};
  EXPECT_EQ(p->invoke(&arg, &result), -1);
}

TEST(CallFrame, ExceptionBecomesEmptyTextAndNullTextIsEmpty) {
  fk_text r = TEST_THROWS(fk_cstr("boom"));
  EXPECT_EQ(r.len, 0u);
  r = TEST_THROWS(fk_text{nullptr, 0});
  EXPECT_EQ(std::string(r.ptr, r.len), "fine");
  EXPECT_EQ(fk::abi::in(fk_text{nullptr, 5}), "");  // a null pointer never gets read
}

TEST(CallFrame, TextResultStaysValidUntilTheThreadsNextCall) {
  const fk_text first = TEST_THROWS(fk_cstr("a"));
  const std::string copy(first.ptr, first.len);
  std::thread other([] { TEST_THROWS(fk_cstr("boom")); });
  other.join();
  EXPECT_EQ(std::string(first.ptr, first.len), copy);  // another thread's call leaves it alone
}

TEST(CallFrame, ProcedureTableIsSortedAndSearchable) {
  size_t count = 0;
  const fk_procedure* all = funkcja_procedures(&count);
  ASSERT_GT(count, 2u);
  for (size_t i = 1; i < count; ++i) EXPECT_LT(std::strcmp(all[i - 1].name, all[i].name), 0);
  EXPECT_EQ(funkcja_find_procedure("NO_SUCH_PROCEDURE"), nullptr);
  EXPECT_EQ(funkcja_find_procedure(nullptr), nullptr);
  EXPECT_NE(funkcja_find_procedure("FUNKCJA_INIT"), nullptr);
}

}  // namespace
