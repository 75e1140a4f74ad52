// The call frame of the C interface: every parameter kind reaches a procedure through the
// generic entry point as it would through a direct call, and nothing escapes as an exception.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
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

// The public C headers and the procedure table agree: a procedure exported without
// FK_REGISTER, or registered with a parameter list that disagrees with its C signature, is
// unreachable for generic hosts; one registered but not declared is unknown to C hosts.
TEST(CallFrame, TheTableHoldsExactlyTheDeclaredProceduresWithTheirParameters) {
  const auto headers = std::filesystem::path(__FILE__).parent_path() / "../../include/funkcja/c";
  const std::regex declaration(R"(FK_API\s+[^;()]*?\b([A-Z][A-Z0-9_]*)\s*\(([^)]*)\);)");
  std::set<std::string> declared;
  for (const auto& entry : std::filesystem::directory_iterator(headers)) {
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    for (std::sregex_iterator it(source.begin(), source.end(), declaration), end; it != end; ++it) {
      const std::string name = (*it)[1];
      const std::string params = (*it)[2];
      const std::size_t count =
          params.find_first_not_of(" \n") == std::string::npos || params == "void"
              ? 0
              : 1 + static_cast<std::size_t>(std::count(params.begin(), params.end(), ','));
      const fk_procedure* p = funkcja_find_procedure(name.c_str());
      declared.insert(name);
      ASSERT_NE(p, nullptr) << name << " in " << entry.path().filename();
      EXPECT_EQ(p->param_count, count) << name;
    }
  }
  EXPECT_GE(declared.size(), 82u);
  // And the other way: the table holds nothing the headers do not declare (this program's own
  // TEST_ procedures aside).
  size_t count = 0;
  const fk_procedure* all = funkcja_procedures(&count);
  for (size_t i = 0; i < count; ++i) {
    const std::string name = all[i].name;
    if (name.rfind("TEST_", 0) != 0) {
      EXPECT_TRUE(declared.count(name)) << name;
    }
  }
}

}  // namespace
