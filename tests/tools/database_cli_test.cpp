// The command-line host's database commands, end to end on a fresh database file.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/database_fixture.hpp"
#include "support/run_process.hpp"

namespace funkcja {
namespace {

class DatabaseCli : public ::testing::Test {
 protected:
  void SetUp() override { path_ = testing::fresh_database_path(); }
  void TearDown() override { sqlite::remove_database_files(path_); }

  ::funkcja::testing::ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", "sqlite:" + path_});
    return ::funkcja::testing::run_process(FUNKCJA_CLI, args, "",
                                           {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY});
  }
  std::string path_;
};

TEST_F(DatabaseCli, InitCreatesOnceAndForceReplaces) {
  auto r = cli({"db", "init"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(path_));
  r = cli({"db", "init"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
  cli({"sql", "delete from KONTRAHENT"});
  r = cli({"db", "init", "--force"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(cli({"sql", "select count(*) from KONTRAHENT"}).out, "10\n");
}

TEST_F(DatabaseCli, SqlPrintsRowsInUtf8OrTheDatabaseError) {
  auto r = cli({"sql", "select top 1 nazwa from KONTRAHENT with (NOLOCK) order by nazwa"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "Apteka Pod Orłem\n");
  r = cli({"sql", "select symbol, nazwa from BANKI where id_banku=4"});
  EXPECT_EQ(r.out, "ING\tING Bank Śląski S.A.\n");
  r = cli({"sql", "select nazwa from NIE_MA"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("NIE_MA"), std::string::npos) << r.err;
}

TEST_F(DatabaseCli, ProceduresUseTheDemoSessionOfTheDatabase) {
  auto r = cli({"call", "--json", "GETPARAMETRU", "30"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "{\"result\": \";\", \"out\": {}}\n");
  r = cli({"call", "SPR_KONTA", "3", "1003"});
  EXPECT_EQ(r.out, "1\n");
  EXPECT_NE(r.err.find("Konto: 404-01 nie występuje w planie kont."), std::string::npos) << r.err;
  r = cli({"--set", "DANE_ID_FIRMY=2", "call", "GETPARAMETRU", "30"});
  EXPECT_EQ(r.out, ",\n");
}

TEST_F(DatabaseCli, StoredMessagesOfTheDemoUserOpenTheirWindow) {
  auto r = cli({"call", "--do", "close", "KOMUNIKAT_INFO", "START", "", ""});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.err.find("[Komunikat_Info] \"Informacja\""), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Zamknięcie okresu listopad 2026 zaplanowano na 10 grudnia."),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("Termin wysyłki JPK_V7M"), std::string::npos);
  EXPECT_EQ(r.err.find("Nie masz uprawnień"), std::string::npos);  // another user's message

  r = cli({"call", "KOMUNIKAT_INFO", "MWONLAKTOUT", "Aktualizacja programu", "Nowa wersja"});
  EXPECT_NE(r.err.find("\"Aktualizacja programu\""), std::string::npos) << r.err;

  r = cli({"call", "KOMUNIKAT_INFO", "NIE_MA_TAKIEGO", "", ""});
  EXPECT_EQ(r.err.find("Komunikat_Info"), std::string::npos) << r.err;  // no rows: no window
}

}  // namespace
}  // namespace funkcja
