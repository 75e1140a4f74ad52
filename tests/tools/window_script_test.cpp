// The command-line host driving the library's windows: --do, --script, --script-out, and Esc
// when no action is given.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/run_process.hpp"

namespace funkcja {
namespace {

using testing::run_process;
namespace fs = std::filesystem;

class WindowScript : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("funkcja_cli_ui_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  testing::ProcessResult cli(const std::vector<std::string>& args, const std::string& input = "") {
    return run_process(FUNKCJA_CLI, args, input,
                       {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY, "FUNKCJA_SETTINGS=" + path("s.ini")});
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
};

TEST_F(WindowScript, WykonajAnswersByTheActionsGiven) {
  struct Case {
    std::vector<std::string> options;
    const char* out;
  };
  const Case cases[] = {{{"--do", "key F10"}, "1\n"},
                        {{"--do", "key Esc"}, "0\n"},
                        {{}, "0\n"},
                        {{"--do", "key Tab", "--do", "key Enter"}, "1\n"},
                        {{"--do", "click Wykonaj"}, "1\n"},
                        {{"--do", "close"}, "0\n"}};
  for (const Case& c : cases) {
    std::vector<std::string> args = {"call"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.insert(args.end(), {"MSG_WYKONAJ", "Zaksięgować dokumenty?", "Księgowanie"});
    const auto r = cli(args);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, c.out) << ::testing::PrintToString(c.options);
    EXPECT_NE(r.err.find("[Msg_Wykonaj]"), std::string::npos) << r.err;  // shown on stderr
    EXPECT_NE(r.err.find("\"Księgowanie\" bold"), std::string::npos) << r.err;
  }
  EXPECT_NE(read(path("s.ini")).find("[Msg_Wykonaj]"), std::string::npos);
}

TEST_F(WindowScript, ScriptFileAndRecordOfWhatTheWindowShowed) {
  std::ofstream(path("script.txt")) << "# rozwiń i zwiń szczegóły\r\nclick &Szczegóły\n"
                                       "click &Szczegóły\n\nclick &Zamknij\n";
  const auto r = cli({"call", "--script", path("script.txt"), "--script-out", path("out.txt"),
                      "MSG_ADVINFO", "Nie zapisano.", "Brak konta 201.", "2"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::string out = read(path("out.txt"));
  EXPECT_NE(out.find("[Msg_AdvInfo] \"Finanse i Księgowość\" 342x79\n"), std::string::npos) << out;
  EXPECT_NE(out.find("  > click &Szczegóły\n  ~ window 342x162\n"), std::string::npos) << out;
  EXPECT_NE(out.find("  ~ #7 text \"Brak konta 201.\"\n"), std::string::npos) << out;
  EXPECT_NE(out.find("  ~ window 342x79\n  ~ #7 text hidden\n"), std::string::npos) << out;
  EXPECT_NE(out.find("  > click &Zamknij\n"), std::string::npos) << out;
  EXPECT_NE(out.find("(focus)\n  = closed\n"), std::string::npos) << out;
  EXPECT_EQ(read(path("s.ini")).find("Msg_AdvInfo"), std::string::npos);  // never saved
}

TEST_F(WindowScript, BadActionsAreUsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"call", "--do", "key F99", "MSG_INFO", "x"},
           {"call", "--do", "jump", "MSG_INFO", "x"},
           {"call", "--script", "/nonexistent/script", "MSG_INFO", "x"},
           {"call", "--do"}}) {
    const auto r = cli(args);
    EXPECT_EQ(r.exit_code, 2) << ::testing::PrintToString(args);
    EXPECT_NE(r.err.find("funkcja: "), std::string::npos);
  }
}

// A --script-out file that cannot be written is refused before the procedure runs.
TEST_F(WindowScript, ScriptOutIntoAMissingFolderIsRefusedBeforeTheCall) {
  fs::create_directories(path("a-folder"));
  for (const std::string& out : {path("no-such-folder/shown.txt"), path("a-folder")}) {
    const auto r = cli({"call", "--do", "key F10", "--script-out", out, "MSG_WYKONAJ", "x", "y"});
    EXPECT_EQ(r.exit_code, 2) << out;
    EXPECT_EQ(r.out, "") << out;  // the procedure never ran
    EXPECT_NE(r.err.find("--script-out"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(path("s.ini"))) << out;
  }
}

// The settings file that $GGG:SCIEZKA_SET names is where window positions go, in call and in
// batch, where a "set" of that global moves them to another file.
TEST_F(WindowScript, WindowPositionsGoToTheSettingsFileTheGlobalNames) {
  const auto r =
      cli({"--set", "GGG_SCIEZKA_SET=" + path("mine.ini"), "call", "MSG_WYKONAJ", "x", "y"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(read(path("mine.ini")).find("[Msg_Wykonaj]\r\nXPos="), std::string::npos);
  EXPECT_FALSE(fs::exists(path("s.ini")));

  const std::string input =
      "{\"proc\": \"MSG_WYKONAJ\", \"args\": [\"x\", \"y\"], \"set\": {\"$GGG:SCIEZKA_SET\": \"" +
      path("first.ini") +
      "\"}}\n"
      "{\"proc\": \"MSG_INFO\", \"args\": [\"x\"], \"set\": {\"GGG_SCIEZKA_SET\": \"" +
      path("second.ini") + "\"}}\n";
  const auto b = cli({"batch"}, input);
  ASSERT_EQ(b.exit_code, 0) << b.err;
  EXPECT_NE(read(path("first.ini")).find("[Msg_Wykonaj]"), std::string::npos);
  EXPECT_EQ(read(path("first.ini")).find("[Msg_info]"), std::string::npos);
  EXPECT_NE(read(path("second.ini")).find("[Msg_info]"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("s.ini")));
}

}  // namespace
}  // namespace funkcja
