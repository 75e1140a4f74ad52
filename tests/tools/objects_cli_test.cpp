// The data library's objects through the command-line host: an object argument built from its
// JSON form and answered in the same form after the call, and the process-wide lists and
// groups set with "set" and answered in "out".
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/run_process.hpp"

namespace funkcja {
namespace {

using nlohmann::json;

testing::ProcessResult cli(const std::vector<std::string>& args, const std::string& input = "") {
  return testing::run_process(FUNKCJA_CLI, args, input, {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY});
}

std::vector<json> batch(const std::vector<json>& requests) {
  std::string input;
  for (const json& r : requests) input += r.dump() + "\n";
  const auto r = cli({"batch"}, input);
  std::vector<json> lines;
  size_t start = 0;
  for (size_t nl; (nl = r.out.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(json::parse(r.out.substr(start, nl - start)));
  }
  EXPECT_EQ(lines.size(), requests.size()) << r.out << r.err;
  return lines;
}

// USTAWIKONYDRZEWA without a window of its own leaves the rows as they came: what comes back
// is how the host built the queue and how it reads it.
TEST(Objects, QueueArgumentsComeBackInTheFormTheyWereGiven) {
  const json layout = json::parse(R"([
      {"name": "W:NAZWA", "type": "text", "size": 5},
      {"name": "W:IKONA", "type": "byte"},
      {"name": "W:POZIOM", "type": "int32"},
      {"name": "W:KWOTA", "type": "decimal", "size": 15, "places": 2},
      {"name": "W:DATA", "type": "date"}])");
  struct Case {
    json queue;
    json expected;  // the "queue" answered
  };
  const auto with = [&](const json& rest) {
    json q = rest;
    q["layout"] = layout;
    return q;
  };
  const Case cases[] = {
      // By position, each type by its rule: cut to the capacity, wrapped to a byte, the
      // fraction dropped, rounded to the places; numbers answered as numbers.
      {with(json::parse(R"({"entries": [["Łódź i okolice", 300, "12.9", "2.345", 82278]]})")),
       with(json::parse(R"({"entries": [["Łódź ", 44, 12, "2.35", 82278]]})"))},
      // By name, the others empty or zero.
      {with(json::parse(R"({"entries": [{"w:kwota": -1}, {"W:POZIOM": 7}]})")),
       with(json::parse(R"({"entries": [["", 0, 0, "-1.00", 0], ["", 0, 7, "0.00", 0]]})"))},
      // Quotes, backslashes and control characters survive both ways.
      {with(json::parse(R"({"entries": [["a\"\\\t"]]})")),
       with(json::parse(R"({"entries": [["a\"\\\t", 0, 0, "0.00", 0]]})"))},
      // A queue of texts: entries as wide as they were given, empty texts at the end left off.
      {json::parse(R"({"entries": [["a", "", "c", ""], ["d"], []]})"),
       json::parse(R"({"entries": [["a", "", "c"], ["d"], []]})")},
  };
  std::vector<json> requests;
  for (const Case& c : cases) {
    requests.push_back({{"proc", "USTAWIKONYDRZEWA"}, {"args", {1, {{"queue", c.queue}}}}});
  }
  const std::vector<json> answers = batch(requests);
  for (size_t i = 0; i < answers.size(); ++i) {
    EXPECT_EQ(answers[i]["out"]["rows"], json({{"queue", cases[i].expected}})) << answers[i];
  }

  // The answer given again comes back unchanged, and the command line takes the same form.
  const json again = {{"queue", cases[0].expected}};
  const auto r = cli({"call", "--json", "USTAWIKONYDRZEWA", "1", again.dump()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(json::parse(r.out)["out"]["rows"], again);
}

TEST(Objects, ProcessWideListsAndGroupsAreSetByPositionOrNameAndAnswered) {
  const std::vector<json> answers = batch({
      json::parse(R"({"proc": "BEZPL", "args": ["a"], "set": {
          "$GGG:XML_Q": {"queue": {"entries": [[2, "Nazwa", "NIP"], {"XQ:POLE2": "Łódź"}]}},
          "$GGG:SPEC_EKSPORT": {"group": {"SE:SEPARATOR": ";", "se:uzupelnij": 1}},
          "$GLO:MSG_TXT_INF": "Informacja"}})"),
      json::parse(R"({"proc": "BEZPL", "args": ["b"]})"),
      json::parse(R"({"proc": "BEZPL", "args": ["c"], "set": {
          "GGG_SPEC_EKSPORT": {"group": ["Eksport", "", "|"]},
          "GGG_XML_Q": {"queue": {"entries": []}}}})"),
  });
  ASSERT_EQ(answers.size(), 3u);
  EXPECT_EQ(answers[0]["out"]["$GGG:XML_Q"],
            json::parse(R"({"queue": {"entries": [[2, "Nazwa", "NIP"], [0, "", "Łódź"]]}})"));
  EXPECT_EQ(answers[0]["out"]["$GGG:SPEC_EKSPORT"],
            json::parse(R"({"group": {"SE:PREFIKS1": "", "SE:PREFIKS2": "", "SE:SEPARATOR": ";",
                                      "SE:CUDZYSLOW": "", "SE:UZUPELNIJ": 1, "SE:DATA": ""}})"));
  EXPECT_EQ(answers[0]["out"].size(), 2u);  // a plain global is not an object

  EXPECT_EQ(answers[1]["out"], json::object());  // kept, but neither set nor changed

  // Set again, under the other spelling: the group is cleared first, the list emptied.
  EXPECT_EQ(answers[2]["out"]["GGG_SPEC_EKSPORT"]["group"]["SE:PREFIKS1"], "Eksport");
  EXPECT_EQ(answers[2]["out"]["GGG_SPEC_EKSPORT"]["group"]["SE:SEPARATOR"], "|");
  EXPECT_EQ(answers[2]["out"]["GGG_SPEC_EKSPORT"]["group"]["SE:UZUPELNIJ"], 0);
  EXPECT_EQ(answers[2]["out"]["GGG_XML_Q"], json::parse(R"({"queue": {"entries": []}})"));
}

TEST(Objects, FormsThatCannotBeBuiltAreRefused) {
  const char* lines[] = {
      R"({"proc": "BEZPL", "args": [{"queue": {"entries": []}}]})",  // an object for a text
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"queue": {"layout": [{"name": "A"}]}}]})",
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"queue": {"layout": [{"name": "A",
          "type": "money"}]}}]})",
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"queue": {"layout": [{"name": "A",
          "type": "decimal", "size": 19}]}}]})",
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"queue": {"layout": [{"name": "A",
          "type": "int32"}], "entries": [[1, 2]]}}]})",
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"queue": {"layout": [{"name": "A",
          "type": "int32"}], "entries": [{"B": 1}]}}]})",
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"queue": {"entries": [{"A": 1}]}}]})",
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"queue": {"rows": []}}]})",
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"list": []}]})",
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"group": []}]})",  // takes a queue
      R"({"proc": "USTAWIKONYDRZEWA", "args": [1, {"browse": "select 1"}]})",
      R"({"proc": "FUNKCJA_INIT", "args": [{"group": []}]})",  // takes an error manager
      R"({"proc": "BEZPL", "args": ["a"], "set": {"$GGG:XML_Q": {"queue": {"layout": [],
          "entries": []}}}})",
      R"({"proc": "BEZPL", "args": ["a"], "set": {"$GGG:SPEC_EKSPORT": {"group":
          {"SE:NIE_MA": 1}}}})",
      R"({"proc": "BEZPL", "args": ["a"], "set": {"$GGG:SPEC_EKSPORT": {"group":
          [1, 2, 3, 4, 5, 6, 7]}}})",
      R"({"proc": "BEZPL", "args": ["a"], "set": {"$GGG:NIE_MA": {"queue": {"entries": []}}}})",
  };
  std::vector<json> requests;
  for (const char* line : lines) requests.push_back(json::parse(line));
  const std::vector<json> answers = batch(requests);
  for (size_t i = 0; i < answers.size(); ++i) {
    EXPECT_TRUE(answers[i].contains("error")) << i << ": " << answers[i];
  }

  for (const auto& args :
       std::vector<std::vector<std::string>>{{"--set", "$GGG:XML_Q=x", "call", "BEZPL", "a"},
                                             {"call", "USTAWIKONYDRZEWA", "1", "{\"queue\": "}}) {
    const auto r = cli(args);
    EXPECT_EQ(r.exit_code, 2) << r.out;
    EXPECT_EQ(r.err.rfind("funkcja: ", 0), 0u) << r.err;
  }
}

}  // namespace
}  // namespace funkcja
