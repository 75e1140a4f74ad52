// The command-line host end to end: a separate process that loads libfunkcja with dlopen.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "frame/cp1250.hpp"
#include "funkcja/funkcja.h"
#include "support/run_process.hpp"

namespace funkcja {
namespace {

using testing::run_process;

testing::ProcessResult cli(const std::vector<std::string>& args, const std::string& input = "") {
  return run_process(FUNKCJA_CLI, args, input, {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY});
}

// Each line of a batch's answer, parsed.
std::vector<nlohmann::json> json_lines(const std::string& out) {
  std::vector<nlohmann::json> lines;
  size_t start = 0;
  for (size_t nl; (nl = out.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(nlohmann::json::parse(out.substr(start, nl - start)));
  }
  return lines;
}

TEST(CommandLine, ListNamesEveryProcedureAndEachIsExportedUnderItsName) {
  const auto r = cli({"list"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.out.find("MSG_QST(text text, text buttons, int32 default_button) -> int32\n"),
            std::string::npos);
  EXPECT_NE(r.out.find("FUNKCJA_INIT(errorclass errors?, iniclass settings?)\n"),
            std::string::npos);
  EXPECT_NE(r.out.find("USTAWIKONYDRZEWA(int32 list, queue rows?, int32 leaf_icon?)\n"),
            std::string::npos);
  EXPECT_EQ(r.out.find("not exported"), std::string::npos) << r.out;
}

TEST(CommandLine, LibraryTableMatchesItsExports) {
  void* handle = ::dlopen(FUNKCJA_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << ::dlerror();
  auto table =
      reinterpret_cast<const fk_procedure* (*)(size_t*)>(::dlsym(handle, "funkcja_procedures"));
  ASSERT_NE(table, nullptr);
  size_t count = 0;
  const fk_procedure* all = table(&count);
  ASSERT_GT(count, 0u);
  for (size_t i = 0; i < count; ++i) {
    EXPECT_NE(::dlsym(handle, all[i].name), nullptr) << all[i].name;
    for (size_t k = 0; k < all[i].param_count; ++k) EXPECT_NE(all[i].params[k].name, nullptr);
  }
  EXPECT_EQ(::dlsym(handle, "_ZN7funkcja4text4clipESt17basic_string_viewIcSt11char_traitsIcEE"),
            nullptr);  // internals stay hidden
  ::dlclose(handle);
}

TEST(CommandLine, CallPrintsResultAndJsonKeepsTextsExact) {
  auto r = cli({"--answer", "2", "call", "MSG_QST", "Zamknąć okres?", "&Tak|&Nie", "0"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "2\n");
  EXPECT_NE(r.err.find("Zamknąć okres?"), std::string::npos);  // the box, shown on stderr

  r = cli({"call", "--json", "MSG_QST", "x", "&Tak|&Nie", "2"});
  EXPECT_EQ(r.out.rfind("{\"result\": 2, \"out\": {}, \"shown\": [{\"box\": \"question\"", 0), 0u)
      << r.out;
}

TEST(CommandLine, SetAcceptsBothSpellingsOfAGlobal) {
  for (const char* name : {"$GLO:MSG_TXT_PYT", "GLO_MSG_TXT_PYT", "glo_msg_txt_pyt"}) {
    const auto r =
        cli({"--set", std::string(name) + "=Pytanie księgowej", "call", "MSG_QST", "x", "", "0"});
    EXPECT_EQ(r.exit_code, 0) << name << ": " << r.err;
    EXPECT_NE(r.err.find("[Pytanie księgowej]"), std::string::npos) << name;
  }
}

TEST(CommandLine, BadInputIsOneLineOnStderrAndExitTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"call", "NIE_MA_TAKIEJ"},
      {"call", "MSG_QST", "x"},                      // too few arguments
      {"call", "MSG_QST", "x", "y", "1", "extra"},   // too many
      {"call", "MSG_QST", "x", "y", "jeden"},        // not a number
      {"call", "MSG_QST", "x", "y", "99999999999"},  // beyond int32
      {"call", "MSG_INF", "\xC3\x28"},               // invalid UTF-8
      {"call", "MSG_INF", "\xE6\x97\xA5"},           // not in code page 1250
      {"--set", "DANE_ID_FIRMY=abc", "call", "FUNKCJA_KILL"},
      {"--set", "NIE_MA=1", "call", "FUNKCJA_KILL"},
      {"--answer"},
      {"frobnicate"},
      {}};
  for (const auto& args : cases) {
    const auto r = cli(args);
    std::string shown;
    for (const auto& a : args) shown += a + " ";
    EXPECT_EQ(r.exit_code, 2) << shown;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << shown << "\n" << r.err;
    EXPECT_EQ(r.err.rfind("funkcja: ", 0), 0u) << shown;
  }
}

// Every line gets one answer line of valid JSON, bad lines (not JSON, not UTF-8, a wrong
// argument) an error, and the lines after them are answered.
TEST(CommandLine, BatchAnswersEveryLineAndReportsBadOnes) {
  const std::pair<std::string, nlohmann::json> cases[] = {
      {"{\"proc\": \"MSG_QST\", \"args\": [\"a\", \"&Tak|&Nie\", 2]}", 2},
      {"not json", "error"},
      {"", nullptr},  // an empty line gets no answer
      {"{\"proc\": \"MSG_QST\", \"args\": [\"a\", \"&Tak|&Nie\", \"x\"]}", "error"},
      {"{\"proc\": \"FUNKCJA_KILL\", \"set\": {\"$DANE_ID_FIRMY\": 7}}", nlohmann::json()},
      {"{\"proc\":\"BEZPL\",\"args\":[\"a\xff\"]}", "error"},
      {"{\"proc\":\"BEZPL\",\"args\":[\"ok\"]}", "ok"},
      {"\xc3{\"proc\"", "error"},
      {"{\"proc\":\"BEZPL\",\"args\":[\"za\u017c\"]}", "zaz"}};
  std::string input;
  std::vector<nlohmann::json> expected;
  for (const auto& [line, answer] : cases) {
    input += line + "\n";
    if (!line.empty()) expected.push_back(answer);
  }
  const auto r = cli({"batch"}, input);
  EXPECT_EQ(r.exit_code, 2);
  const std::vector<nlohmann::json> lines = json_lines(r.out);
  ASSERT_EQ(lines.size(), expected.size()) << r.out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (expected[i] == "error") {
      EXPECT_TRUE(lines[i].contains("error")) << i;
    } else {
      EXPECT_EQ(lines[i]["result"], expected[i]) << i;
    }
  }
}

// Numbers take at most one sign: "+-1" is refused, not read as -1.
TEST(CommandLine, NumbersTakeOneSign) {
  struct Case {
    const char* typed;
    int exit_code;
    const char* out;
  };
  const Case cases[] = {{"2026", 0, "82278\n"}, {"+2026", 0, "82278\n"}, {" +2026 ", 0, "82278\n"},
                        {"+-1", 2, ""},         {"-+1", 2, ""},          {"++1", 2, ""},
                        {"+", 2, ""},           {"+ 1", 2, ""}};
  for (const Case& c : cases) {
    const auto r = cli({"call", "PODAJDATEWIELKANOCY", c.typed});
    EXPECT_EQ(r.exit_code, c.exit_code) << c.typed << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.typed;
  }
  const auto r = cli({"batch"}, "{\"proc\": \"PODAJDATEWIELKANOCY\", \"args\": [\"+-1\"]}\n");
  EXPECT_NE(r.out.find("\"error\""), std::string::npos) << r.out;
}

// Every code page 1250 byte, the five undefined ones included, goes in through the edge
// conversion and comes back out unchanged (REPLACEPROC with an empty find returns its text).
TEST(CommandLine, EveryByteSurvivesTheEdgeConversion) {
  std::string all_bytes;
  for (int b = 1; b < 256; ++b) all_bytes.push_back(static_cast<char>(b));
  const std::string utf8 = cp1250::cp1250_to_utf8(all_bytes);

  auto r = cli({"call", "--json", "REPLACEPROC", utf8, "", ""});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["result"], utf8);

  const std::string with_nul = cp1250::cp1250_to_utf8(std::string(1, '\0') + all_bytes);
  const nlohmann::json request = {{"proc", "REPLACEPROC"}, {"args", {with_nul, "", ""}}};
  r = cli({"batch"}, request.dump() + "\n");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["result"], with_nul);

  r = cli({"call", "STRING_ODWROC", "Łódź  "});  // plain output keeps blanks, untrimmed
  EXPECT_EQ(r.out, "  źdóŁ\n");
}

TEST(CommandLine, ReplaceAndAmountInWordsThroughTheLibrary) {
  auto r = cli({"call", "--json", "STR_REPLACE", "aXbXc", "X", "YY"});
  EXPECT_EQ(r.out, "{\"result\": \"aYYbYYc\", \"out\": {}, \"shown\": []}\n");
  r = cli({"call", "SLOWNIE", "1234.56"});
  EXPECT_EQ(
      r.out.rfind(" jeden tysiąc dwieście trzydzieści cztery złote pięćdziesiąt sześć groszy ", 0),
      0u);
}

TEST(CommandLine, DemoRuns) {
  const auto r = cli({"demo"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.out.find("MSG_QST"), std::string::npos);
}

}  // namespace
}  // namespace funkcja
