// Opening database files: a new or empty file receives the schema; anything else that is not
// this program's database is refused with its reason and left exactly as it was.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "frame/cp_literal.hpp"
#include "host/sqlite/backend.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

namespace fs = std::filesystem;
using namespace funkcja::literals;

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void run_raw(const std::string& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

class DatabaseOpen : public ::testing::Test {
 protected:
  void SetUp() override { path_ = testing::fresh_database_path(); }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(path_, ec);
    sqlite::remove_database_files(path_);
  }
  bool companion_files() const {
    return fs::exists(path_ + "-wal") || fs::exists(path_ + "-shm") ||
           fs::exists(path_ + "-journal");
  }
  std::string path_;
};

TEST_F(DatabaseOpen, AFileThatIsNotOursIsRefusedWithItsReasonAndLeftUntouched) {
  struct Case {
    const char* what;
    void (*make)(const std::string& path);
    std::string_view reason;
  };
  const Case cases[] = {
      {"another program's tables",
       [](const std::string& p) { run_raw(p, "create table foo(x); insert into foo values (1)"); },
       "nie jest bazą danych programu"_cp},
      {"another program's tables in write-ahead mode",
       [](const std::string& p) { run_raw(p, "pragma journal_mode=wal; create table foo(x)"); },
       "nie jest bazą danych programu"_cp},
      {"only a view", [](const std::string& p) { run_raw(p, "create view v as select 1"); },
       "nie jest bazą danych programu"_cp},
      {"text", [](const std::string& p) { write_file(p, std::string(3000, 'x')); },
       "file is not a database"},
      {"a cut database",
       [](const std::string& p) {
         run_raw(p, "create table foo(x); insert into foo select zeroblob(9000)");
         write_file(p, contents(p).substr(0, 5000));
       },
       "malformed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sqlite::remove_database_files(path_);
    c.make(path_);
    const std::string before = contents(path_);
    std::string error;
    EXPECT_EQ(sqlite::open_connection(path_, error), nullptr);
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_NE(error.find(path_), std::string::npos) << error;
    EXPECT_TRUE(contents(path_) == before) << "the file changed";
    EXPECT_FALSE(companion_files());
  }
}

TEST_F(DatabaseOpen, ANewOrEmptyFileReceivesTheSchemaAndTheDemoData) {
  const struct {
    const char* what;
    void (*make)(const std::string& path);
  } cases[] = {
      {"no file", [](const std::string&) {}},
      {"an empty file", [](const std::string& p) { write_file(p, ""); }},
      {"a database without tables",
       [](const std::string& p) { run_raw(p, "create table t(x); drop table t; vacuum"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    sqlite::remove_database_files(path_);
    c.make(path_);
    std::string error;
    auto connection = sqlite::open_connection(path_, error);
    ASSERT_NE(connection, nullptr) << error;
    auto cursor = connection->execute("select count(*) from KONTRAHENT", error);
    ASSERT_NE(cursor, nullptr) << error;
    dane::Row row;
    ASSERT_TRUE(cursor->next(row, error));
    EXPECT_EQ(row.at(0).value_or(""), "10");
  }
}

TEST_F(DatabaseOpen, AFolderIsNeitherOpenedNorReplaced) {
  fs::create_directories(path_);
  std::string error;
  EXPECT_EQ(sqlite::open_connection(path_, error), nullptr);
  EXPECT_NE(error.find("folder"), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(database::init("sqlite:" + path_, true, error));
  EXPECT_NE(error.find("folder"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(path_));
}

TEST_F(DatabaseOpen, ADatabaseInUseIsNotReplaced) {
  std::string error;
  ASSERT_TRUE(database::init("sqlite:" + path_, false, error)) << error;
  auto holder = sqlite::open_connection(path_, error);
  ASSERT_NE(holder, nullptr) << error;
  ASSERT_NE(holder->execute("update KONTRAHENT set nazwa = 'kept' where id_kontrahenta = 1", error),
            nullptr)
      << error;
  EXPECT_FALSE(database::init("sqlite:" + path_, true, error));
  EXPECT_NE(error.find("otwarta w innym procesie"), std::string::npos) << error;
  auto cursor = holder->execute("select nazwa from KONTRAHENT where id_kontrahenta = 1", error);
  dane::Row row;
  ASSERT_TRUE(cursor && cursor->next(row, error)) << error;
  EXPECT_EQ(row.at(0).value_or(""), "kept");
  holder.reset();
  EXPECT_TRUE(database::init("sqlite:" + path_, true, error)) << error;
}

}  // namespace
}  // namespace funkcja
