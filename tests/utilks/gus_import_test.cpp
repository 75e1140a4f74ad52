// PODAJDANEGUS end to end from recorded register answers, through a stand-in utility library
// handed out by the platform's library loader.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "exchange/gus_import.hpp"
#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/group.hpp"
#include "host/platform/env.hpp"
#include "host/platform/message_box.hpp"

namespace funkcja::testing {
namespace {

using namespace funkcja::literals;
using dane::FieldType;
using dane::Group;

struct Register {
  static inline std::string answer;
  static inline std::vector<std::string> calls;
  static void window() { calls.emplace_back("okno"); }
  static const char* value() {
    calls.emplace_back("wartosc");
    return answer.c_str();
  }
};

class RegisterLibrary : public platform::SharedLibrary {
 public:
  explicit RegisterLibrary(std::string missing) : missing_(std::move(missing)) {}
  void* symbol(const char* name) override {
    if (missing_ == name) return nullptr;
    if (std::string(name) == "PobierzGUSokno") return reinterpret_cast<void*>(&Register::window);
    if (std::string(name) == "PobierzGUSwartosc") return reinterpret_cast<void*>(&Register::value);
    return nullptr;
  }

 private:
  std::string missing_;
};

// Hands out the stand-in, or nothing when `absent`.
class RegisterEnv : public platform::EnvWrapper {
 public:
  RegisterEnv(bool absent, std::string missing)
      : EnvWrapper(platform::Env::headless()), absent_(absent), missing_(std::move(missing)) {}
  std::unique_ptr<platform::SharedLibrary> load_library(const std::string& path) override {
    loaded = path;
    if (absent_) return nullptr;
    return std::make_unique<RegisterLibrary>(missing_);
  }
  static inline std::string loaded;

 private:
  bool absent_;
  std::string missing_;
};

// The host's contractor card: name, street, NIP, REGON.
Group card() {
  return Group({{"KON:NAZWA", FieldType::kText, 100},
                {"KON:ULICA", FieldType::kText, 40},
                {"KON:NIP", FieldType::kText, 13},
                {"KON:REGON", FieldType::kText, 14}});
}

std::vector<std::string> values(const Group& g) {
  std::vector<std::string> out;
  for (std::size_t n = 1; n <= g.field_count(); ++n) out.push_back(g.get(n));
  return out;
}

std::vector<std::string> shown() {
  std::vector<std::string> out;
  for (const auto& box : platform::headless_message_box().shown()) out.push_back(box.text);
  return out;
}

TEST(CompanyRegister, RepairsTheRegistersTextAndFillsTheGroupByPosition) {
  struct Case {
    const char* name;
    bool absent;
    const char* missing;  // export the library lacks
    std::string_view answer;
    std::uint8_t result;
    std::vector<std::string_view> fields;  // empty: the group untouched
    std::vector<std::string> calls;
    std::string_view message;
  };
  const std::string untouched = "7";
  const std::vector<Case> cases = {
      {"recorded answer with every repair",
       false,
       "",
       "<dane><nazwa>PRZEDSIĘBIORSTWO O'NEIL & SYN SP&#046; Z O&#046;O&#046; (W LIKW&#041;</nazwa>"
       "<ulica>ul&#046; Długa 5&#045;7&#044; lok&#046; 2</ulica><nip>1234563218</nip>"
       "<regon>012345678</regon></dane>"_cp,
       1,
       {"PRZEDSIĘBIORSTWO O`NEIL & SYN SP. Z O.O. (W LIKW)"_cp, "ul. Długa 5-7, lok. 2"_cp,
        "1234563218", "012345678"},
       {"okno", "wartosc"},
       ""},
      {"a quote entity stays as written",
       false,
       "",
       "<d><n>&quot;ŻURAW&quot;</n><u>&#039;</u></d>"_cp,
       1,
       {"&quot;ŻURAW&quot;"_cp, "&#039;", "", ""},
       {"okno", "wartosc"},
       ""},
      {"more values than fields",
       false,
       "",
       "<d><a>1</a><b>2</b><c>3</c><e>4</e><f>5</f></d>",
       1,
       {"1", "2", "3", "4"},
       {"okno", "wartosc"},
       ""},
      {"nothing chosen", false, "", "", 0, {}, {"okno", "wartosc"}, ""},
      {"not well-formed",
       false,
       "",
       "<d><n>1</d>",
       1,
       {},
       {"okno", "wartosc"},
       "Błąd ładowania definicji XML!"_cp},
      {"no library",
       true,
       "",
       "<d><n>1</n></d>",
       0,
       {},
       {},
       "Wystąpił błąd podczas ładowania biblioteki TEMIXutilKS.dll"_cp},
      {"no window export",
       false,
       "PobierzGUSokno",
       "<d><n>1</n></d>",
       0,
       {},
       {},
       "Wystąpił błąd podczas uruchamiania funkcji importu danych z GUS."_cp},
      {"no value export",
       false,
       "PobierzGUSwartosc",
       "<d><n>1</n></d>",
       0,
       {},
       {"okno"},
       "Wystąpił błąd podczas uruchamiania funkcji importu danych z GUS."_cp},
  };
  dane::reset_all();
  dane::set_text(dane::Global::GLO_LOCALPATH, "/opt/program ");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::headless_message_box().clear();
    Register::answer = c.answer;
    Register::calls.clear();
    platform::ScopedEnv env(std::make_unique<RegisterEnv>(c.absent, c.missing));
    Group group = card();
    for (std::size_t n = 1; n <= group.field_count(); ++n) group.set(n, untouched);
    EXPECT_EQ(exchange::PODAJDANEGUS(group), c.result);
    const std::vector<std::string> fields(c.fields.begin(), c.fields.end());
    EXPECT_EQ(values(group), fields.empty() ? std::vector<std::string>(4, untouched) : fields);
    EXPECT_EQ(Register::calls, c.calls);
    std::vector<std::string> expected;
    if (!c.message.empty()) expected.emplace_back(c.message);
    EXPECT_EQ(shown(), expected);
    EXPECT_EQ(RegisterEnv::loaded, "/opt/program/TEMIXutilKS.so");
  }
  dane::reset_all();
}

TEST(CompanyRegister, RepairsRunInTheirOrder) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"&#046;&#045;&#044;&#041;", ".-,)"},
      {"a'b", "a`b"},
      {"A & B", "A &amp; B"},
      {"&quot;", "&amp;quot;"},
      {"&#040;", "&amp;#040;"},
      {"&amp;#046;", "&amp;amp;#046;"},
      {"&&#046;", "&amp;."},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(exchange::repair_register_text(in), out) << in;
}

}  // namespace
}  // namespace funkcja::testing
