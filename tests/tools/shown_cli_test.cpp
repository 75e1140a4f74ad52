// What a call showed, and the answers given to it, through the command-line host: "shown" in
// every batch and `call --json` answer, and the answers of one batch line holding for that
// line only.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include <nlohmann/json.hpp>

#include "support/run_process.hpp"

namespace funkcja {
namespace {

using nlohmann::json;

// Window positions go to a settings file of this test's own.
testing::ProcessResult cli(const std::vector<std::string>& args, const std::string& input = "") {
  static const std::string settings = (std::filesystem::temp_directory_path() /
                                       ("funkcja_shown_" + std::to_string(::getpid()) + ".ini"))
                                          .string();
  auto r =
      testing::run_process(FUNKCJA_CLI, args, input,
                           {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY, "FUNKCJA_SETTINGS=" + settings});
  std::filesystem::remove(settings);
  return r;
}

std::vector<json> batch(const std::vector<json>& requests, int* exit_code = nullptr) {
  std::string input;
  for (const json& r : requests) input += r.dump() + "\n";
  const auto r = cli({"batch"}, input);
  if (exit_code != nullptr) *exit_code = r.exit_code;
  std::vector<json> lines;
  size_t start = 0;
  for (size_t nl; (nl = r.out.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(json::parse(r.out.substr(start, nl - start)));
  }
  EXPECT_EQ(lines.size(), requests.size()) << r.out << r.err;
  return lines;
}

// Whether every key of `part` is in `whole` with the same value.
bool has(const json& whole, const json& part) {
  for (const auto& [key, value] : part.items()) {
    if (!whole.contains(key) || whole[key] != value) return false;
  }
  return true;
}

TEST(Shown, EveryBoxKindAndAScriptedWindowWithTheirAnswers) {
  // Quotes, backslashes, control characters and Polish letters come back exactly.
  const std::string awkward = "Plik \"C:\\dane\\Łódź.csv\"\tzapisany\x01\n żółć ĘŚ";
  const json captions = {{"$GLO:MSG_TXT_INF", "Informacja"},
                         {"$GLO:MSG_TXT_OST", "Ostrzeżenie"},
                         {"$GLO:MSG_TXT_PYT", "Pytanie"}};
  struct Case {
    json request;
    json result;
    json shown;  // the keys the one shown item must have
  };
  const Case cases[] = {
      {{{"proc", "MSG_INF"}, {"args", {awkward}}, {"set", captions}},
       nullptr,
       {{"box", "information"},
        {"caption", "Informacja"},
        {"text", awkward},
        {"buttons", {"OK"}},
        {"answer", 1}}},
      {{{"proc", "MSG_OST"}, {"args", {"Brak konta 201."}}},
       nullptr,
       {{"box", "warning"}, {"caption", "Ostrzeżenie"}, {"text", "Brak konta 201."}}},
      {json::parse(R"({"proc":"MSG_QST","args":["Zapisać?","&Tak|&Nie",1],"answers":[2]})"),
       2,
       {{"box", "question"},
        {"caption", "Pytanie"},
        {"text", "Zapisać?"},
        {"buttons", {"&Tak", "&Nie"}},
        {"answer", 2}}},
      {{{"proc", "MSG_QST"}, {"args", {"Zapisać?", "&Tak|&Nie", 2}}}, 2, {{"answer", 2}}},
      {{{"proc", "MSG_WYKONAJ"},
        {"args", {"Zaksięgować?", "Księgowanie"}},
        {"script", {"key Tab", "key F10"}}},
       1,
       {{"window", "Msg_Wykonaj"}, {"caption", "Finanse i Księgowość"}, {"closed", "key F10"}}},
  };
  std::vector<json> requests;
  for (const Case& c : cases) requests.push_back(c.request);
  const std::vector<json> answers = batch(requests);
  for (size_t i = 0; i < answers.size(); ++i) {
    const json& a = answers[i];
    EXPECT_EQ(a["result"], cases[i].result) << a;
    ASSERT_EQ(a["shown"].size(), 1u) << a;
    EXPECT_TRUE(has(a["shown"][0], cases[i].shown)) << a["shown"][0];
  }
  // The window's controls as they stood when it closed, as the transcript writes them.
  const json& controls = answers.back()["shown"][0]["controls"];
  ASSERT_TRUE(controls.is_array());
  EXPECT_NE(controls.dump().find("button \\\"Wykonaj\\\""), std::string::npos) << controls;
  EXPECT_NE(controls.dump().find("\\\"Księgowanie\\\" bold"), std::string::npos) << controls;
}

// Answers, actions, the clipboard and dialog answers given on one line and not used there do
// not answer the next line; globals set by a line stay for the lines after it.
TEST(Shown, NothingOfOneBatchLineLeaksIntoTheNext) {
  const std::vector<json> answers = batch({
      json::parse(R"({"proc": "BEZPL", "args": ["a"], "answers": [2, 2],
                      "script": ["key F10", "key F10"], "clipboard": "schowek",
                      "files": {"save": "/tmp/lista.csv", "folder": "/tmp/wybrany"},
                      "set": {"$GLO:MSG_TXT_PYT": "Pytanie księgowej"}})"),
      json::parse(R"({"proc": "MSG_QST", "args": ["Dalej?", "&Tak|&Nie", 1]})"),
      json::parse(R"({"proc": "MSG_WYKONAJ", "args": ["x", "y"]})"),
      json::parse(R"({"proc": "FILEDIALOGBOX_WATEK", "args": ["Folder", "/tmp", ""]})"),
      json::parse(R"({"proc": "FILEDIALOGBOX_WATEK", "args": ["Folder", "/tmp", ""],
                      "files": {"folder": ["/tmp/drugi"]}})"),
  });
  ASSERT_EQ(answers.size(), 5u);
  EXPECT_EQ(answers[0]["shown"], json::array());
  EXPECT_EQ(answers[0]["clipboard"], "schowek");

  EXPECT_EQ(answers[1]["result"], 1);  // its default, not the 2 queued on the line before
  EXPECT_FALSE(answers[1].contains("clipboard")) << answers[1];
  EXPECT_TRUE(has(answers[1]["shown"][0], {{"caption", "Pytanie księgowej"}, {"answer", 1}}));

  EXPECT_EQ(answers[2]["result"], 0);  // no F10 left over
  EXPECT_EQ(answers[2]["shown"][0]["closed"], "key Esc (no action left)");

  // The folder dialog runs on a thread of its own; what it showed still belongs to its line.
  const auto dialog = [](const json& answer) {
    for (const json& item : answer["shown"]) {
      if (item.contains("dialog")) return item;
    }
    return json();
  };
  EXPECT_EQ(dialog(answers[3]),
            json({{"dialog", "folder"}, {"title", "Folder"}, {"answer", nullptr}}));
  EXPECT_EQ(dialog(answers[4])["answer"], "/tmp/drugi");
}

TEST(Shown, CallTakesTheSameAnswersAsOptions) {
  struct Case {
    std::vector<std::string> args;
    json result;
    json shown;  // keys of the last shown item
    json clipboard;
  };
  const Case cases[] = {
      {{"call", "--json", "--answer", "2", "MSG_QST", "Zapisać?", "&Tak|&Nie", "1"},
       2,
       {{"box", "question"}, {"text", "Zapisać?"}, {"answer", 2}},
       nullptr},
      {{"--answer", "2", "call", "--json", "MSG_QST", "Zapisać?", "&Tak|&Nie", "1"},
       2,
       {{"answer", 2}},
       nullptr},
      {{"call", "--do", "click Wykonaj", "--json", "MSG_WYKONAJ", "x", "y"},
       1,
       {{"window", "Msg_Wykonaj"}, {"closed", "click Wykonaj"}},
       nullptr},
      {{"call", "--json", "--folder", "/tmp/ł", "FILEDIALOGBOX_WATEK", "F", "/tmp", ""},
       nullptr,
       {{"dialog", "folder"}, {"answer", "/tmp/ł"}},
       nullptr},
      {{"call", "--json", "--clipboard", "12 1020 0000", "--save-as", "/tmp/x.csv", "BEZPL", "a"},
       "a",
       nullptr,
       "12 1020 0000"},
  };
  for (const Case& c : cases) {
    const auto r = cli(c.args);
    ASSERT_EQ(r.exit_code, 0) << ::testing::PrintToString(c.args) << r.err;
    const json a = json::parse(r.out);
    EXPECT_EQ(a["result"], c.result) << a;
    if (c.shown.is_null()) {
      EXPECT_EQ(a["shown"], json::array()) << a;
    } else {
      EXPECT_TRUE(has(a["shown"].back(), c.shown)) << a;
    }
    EXPECT_EQ(a.contains("clipboard") ? a["clipboard"] : json(), c.clipboard) << a;
  }
}

TEST(Shown, BadAnswersAreRefused) {
  const auto r = cli({"--answer", "2", "batch"}, "{\"proc\": \"BEZPL\", \"args\": [\"a\"]}\n");
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("per line"), std::string::npos) << r.err;

  int exit_code = 0;
  const std::vector<json> answers =
      batch({json::parse(R"({"proc": "BEZPL", "args": ["a"], "answer": [2]})"),
             json::parse(R"({"proc": "BEZPL", "args": ["a"], "answers": ["2"]})"),
             json::parse(R"({"proc": "BEZPL", "args": ["a"], "script": ["jump"]})"),
             json::parse(R"({"proc": "BEZPL", "args": ["a"], "files": {"open": "/tmp/x"}})"),
             json::parse(R"({"proc": "BEZPL", "args": ["a"], "clipboard": 5})"),
             json::parse(R"({"proc": "BEZPL", "args": ["a"]})")},
            &exit_code);
  EXPECT_EQ(exit_code, 2);
  for (size_t i = 0; i + 1 < answers.size(); ++i) EXPECT_TRUE(answers[i].contains("error")) << i;
  EXPECT_EQ(answers.back()["result"], "a");
}

}  // namespace
}  // namespace funkcja
