// The information desktop driven from the command line: tiles, the browser's keys and what the
// answer's "shown" says of the browser.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/run_process.hpp"

namespace funkcja {
namespace {

namespace fs = std::filesystem;

TEST(DesktopCli, TilesAndBrowserKeysShowInTheAnswer) {
  const fs::path dir =
      fs::temp_directory_path() / ("funkcja_cli_desktop_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const auto r = testing::run_process(
      FUNKCJA_CLI,
      {"--db", "sqlite:" + (dir / "d.db").string(), "call", "--json", "--do",
       "click Sklep internetowy", "--do", "click Powiadomienia SMS", "--do", "key Ctrl+Left",
       "PULPITPROGRAMU", ""},
      "",
      {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY, "FUNKCJA_SETTINGS=" + (dir / "s.ini").string(),
       "FUNKCJA_DESKTOP_URL=https://uslugi.example.pl/pulpit"});
  fs::remove_all(dir);
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.out.find("\"window\": \"PulpitProgramu\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("browser \\\"https://uslugi.example.pl/pulpit?opr=wib\\\" page=2/3 silent"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.err.find("* #"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("browser back \"https://uslugi.example.pl/pulpit?opr=wib\""),
            std::string::npos)
      << r.err;
}

}  // namespace
}  // namespace funkcja
