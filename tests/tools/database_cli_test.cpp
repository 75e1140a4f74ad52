// The command-line host's database commands, end to end on a fresh database file, and facing
// databases it cannot use: each failure names its reason, and nothing that is not the
// program's own database is changed or removed.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/database_fixture.hpp"
#include "support/run_process.hpp"

namespace funkcja {
namespace {

namespace fs = std::filesystem;

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A connection of this process (for the host, another process) that stays open.
struct Holder {
  explicit Holder(const std::string& path) { sqlite3_open(path.c_str(), &db); }
  ~Holder() { sqlite3_close(db); }
  int exec(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
  sqlite3* db = nullptr;
};

class DatabaseCli : public ::testing::Test {
 protected:
  void SetUp() override { path_ = testing::fresh_database_path(); }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(folder(), fs::perms::owner_all, ec);
    fs::remove_all(folder(), ec);
    fs::remove_all(path_, ec);
    sqlite::remove_database_files(path_);
  }
  std::string folder() const { return path_ + ".d"; }

  // The host run on url; as an unprivileged user when asked (permissions bind root only
  // through another user).
  static ::funkcja::testing::ProcessResult cli_on(const std::string& url,
                                                  std::vector<std::string> args,
                                                  bool unprivileged = false) {
    args.insert(args.begin(), {"--db", url});
    std::string program = FUNKCJA_CLI;
    if (unprivileged && ::geteuid() == 0) {
      args.insert(args.begin(),
                  {"--reuid=65534", "--regid=65534", "--clear-groups", "--", FUNKCJA_CLI});
      program = "/usr/bin/setpriv";
    }
    return ::funkcja::testing::run_process(program, args, "", {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY});
  }
  ::funkcja::testing::ProcessResult cli(std::vector<std::string> args) {
    return cli_on("sqlite:" + path_, std::move(args));
  }
  std::string path_;
};

TEST_F(DatabaseCli, InitCreatesOnceAndForceReplaces) {
  auto r = cli({"db", "init"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(fs::exists(path_));
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
  EXPECT_EQ(r.out, "{\"result\": \";\", \"out\": {}, \"shown\": []}\n");
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

TEST_F(DatabaseCli, EachUnusableDatabaseNamesItsReason) {
  struct Case {
    const char* what;
    void (*make)(const std::string& path);
    const char* url_scheme;
    const char* reason;
  };
  const Case cases[] = {
      {"text file", [](const std::string& p) { std::ofstream(p) << std::string(2000, 't'); },
       "sqlite:", "file is not a database"},
      {"folder", [](const std::string& p) { fs::create_directories(p); }, "sqlite:", "folder"},
      {"cut database",
       [](const std::string& p) {
         Holder(p).exec("create table foo(x); insert into foo select zeroblob(9000)");
         const std::string whole = contents(p);
         std::ofstream(p, std::ios::binary) << whole.substr(0, 5000);
       },
       "sqlite:", "malformed"},
      {"another program's database",
       [](const std::string& p) { Holder(p).exec("create table foo(x)"); },
       "sqlite:", "nie jest bazą danych programu"},
      {"unknown kind", [](const std::string&) {}, "mysql:", "mysql"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    c.make(path_);
    const std::string before = fs::is_regular_file(path_) ? contents(path_) : "";
    const auto r = cli_on(c.url_scheme + path_, {"call", "GETPARAMETRU", "30"});
    EXPECT_NE(r.exit_code, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("cannot open the database"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    if (fs::is_regular_file(path_)) {
      EXPECT_TRUE(contents(path_) == before) << "the file changed";
    }
    EXPECT_FALSE(fs::exists(path_ + "-wal") || fs::exists(path_ + "-shm"));
  }
}

TEST_F(DatabaseCli, AReadOnlyDatabaseInAReadOnlyFolderIsRead) {
  const std::string file = folder() + "/fk.db";
  ASSERT_EQ(cli_on("sqlite:" + file, {"db", "init"}).exit_code, 0);
  ASSERT_FALSE(fs::exists(file + "-wal"));
  ::chmod(file.c_str(), 0444);
  ::chmod(folder().c_str(), 0555);
  auto r = cli_on("sqlite:" + file, {"call", "GETPARAMETRU", "30"}, true);
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, ";\n");
  r = cli_on("sqlite:" + file, {"sql", "update KONTRAHENT set nazwa = 'x'"}, true);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("readonly"), std::string::npos) << r.err;
  EXPECT_EQ(cli_on("sqlite:" + file, {"sql", "select count(*) from KONTRAHENT"}, true).out, "10\n");
}

TEST_F(DatabaseCli, InitForceRefusesAFolderAndADatabaseInUse) {
  fs::create_directories(path_);
  std::ofstream(path_ + "/keep.txt") << "keep";
  auto r = cli({"db", "init", "--force"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("folder"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::exists(path_ + "/keep.txt"));
  fs::remove_all(path_);

  ASSERT_EQ(cli({"db", "init"}).exit_code, 0);
  {
    Holder holder(path_);
    ASSERT_EQ(holder.exec("select count(*) from FK_LOG_1"), SQLITE_OK);
    r = cli({"db", "init", "--force"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find("otwarta w innym procesie"), std::string::npos) << r.err;
    EXPECT_EQ(holder.exec("select count(*) from FK_LOG_1"), SQLITE_OK);
  }
  EXPECT_EQ(cli({"db", "init", "--force"}).exit_code, 0);
}

TEST_F(DatabaseCli, ADatabaseLockedByAnotherWriterIsReportedAsLocked) {
  ASSERT_EQ(cli({"db", "init"}).exit_code, 0);
  Holder holder(path_);
  ASSERT_EQ(holder.exec("pragma journal_mode=delete"), SQLITE_OK);
  ASSERT_EQ(holder.exec("begin exclusive"), SQLITE_OK);
  ASSERT_EQ(holder.exec("delete from FK_LOG_1"), SQLITE_OK);
  const auto r = cli({"sql", "select count(*) from FK_LOG_1"});  // waits out its busy time-out
  EXPECT_NE(r.exit_code, 0);
  EXPECT_NE(r.err.find("zablokowana"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("database is locked"), std::string::npos) << r.err;
  holder.exec("rollback");
}

}  // namespace
}  // namespace funkcja
