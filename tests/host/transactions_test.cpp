// Transactions of the embedded database: whatever a statement or a stored procedure does, the
// connection afterwards holds no transaction and no lock, and a writing procedure waits for a
// busy database instead of failing at once.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "host/sqlite/functions.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

// A server function that fails, as an out-of-memory inside a function does once the function
// wrapper has caught it (an exception must never unwind through the database's own frames,
// which would leave its mutexes held); registered on every connection the process opens.
void failing_function(sqlite3_context* ctx, int, sqlite3_value**) {
  sqlite3_result_error(ctx, "awaria funkcji", -1);
}

int register_failing_function(sqlite3* db, char**, const sqlite3_api_routines*) {
  sqlite3_create_function_v2(db, "fk_test_fail", 0, SQLITE_UTF8, nullptr, failing_function, nullptr,
                             nullptr, nullptr);
  return SQLITE_OK;
}

class Transactions : public testing::DemoDatabase {
 protected:
  static void SetUpTestSuite() {
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(register_failing_function));
  }
  static void TearDownTestSuite() {
    sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(register_failing_function));
  }

  // A second connection to the file, as another process would have, that never waits.
  struct Other {
    explicit Other(const std::string& path) {
      EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
      sqlite::register_functions(db);  // the collation of the text columns
      sqlite3_busy_timeout(db, 0);
    }
    ~Other() { sqlite3_close(db); }
    int exec(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
    std::string value(const char* sql) {
      sqlite3_stmt* stmt = nullptr;
      std::string out = "<none>";
      if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
          sqlite3_step(stmt) == SQLITE_ROW) {
        out = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
      }
      sqlite3_finalize(stmt);
      return out;
    }
    sqlite3* db = nullptr;
  };

  // The statement's error, or "<thrown>" when an exception left the connection.
  static std::string failure_of(std::string_view statement) {
    try {
      return error_of(statement);
    } catch (...) {
      return "<thrown>";
    }
  }
};

TEST_F(Transactions, AFailedStatementLeavesNoSnapshotNoLockAndLosesNoLaterWrite) {
  Other other(path_);
  // Statements of the server's dialect that reach the failing function through the schema.
  ASSERT_EQ(other.exec("create view AWARIA as select fk_test_fail() as x;"
                       "create trigger awaria_kontrahent after update on KONTRAHENT when "
                       "new.nazwa = 'AWARIA' begin select fk_test_fail(); end;"
                       "create trigger awaria_log after insert on FK_LOG_1 when "
                       "new.tekst_1 = 'AWARIA' begin select fk_test_fail(); end;"),
            SQLITE_OK)
      << sqlite3_errmsg(other.db);
  const char* failing[] = {
      "select x from AWARIA",
      "select k.nazwa, a.x from KONTRAHENT k, AWARIA a",
      "update KONTRAHENT set nazwa = 'AWARIA' where id_kontrahenta = 1",
      "insert into FK_LOG_1 (id_operacji, tekst_1) values (1, 'AWARIA')",
      "call TG_ImportKusowWalutNBP(0,'TABELA|1/A/NBP/2026|2026-12-07\nEUR|1|4.2\nUSD|x|1')",
      // and the server's own functions failing on their arguments
      "select Stuff('abc',2,9223372036854775807,'x') + Substring('a',1,-1)",
      "select convert(char(99999999999),'x')",
      "select convert(int,'x') from KONTRAHENT",
      "update DUP_POZ_DOK set kwota = kwota/0",
      "select 1/0 from KONTRAHENT k where exists (select 1 from FIRMA)",
  };
  int round = 0;
  for (const char* statement : failing) {
    SCOPED_TRACE(statement);
    const std::string error = failure_of(statement);
    EXPECT_NE(error, "");
    EXPECT_NE(error, "<thrown>");
    // Another process may write at once: no lock is left behind.
    ASSERT_EQ(other.exec("BEGIN IMMEDIATE"), SQLITE_OK) << sqlite3_errmsg(other.db);
    other.exec("ROLLBACK");
    // A later write of this connection is committed: the other connection sees it.
    const std::string value = "v" + std::to_string(++round);
    EXPECT_EQ(error_of("update OPCJE_UZYTKOWNIKA set nazwa_wartosci = '" + value +
                       "' where id_uzyt = 'AKOWALSKA' and id_opcje = 30"),
              "");
    EXPECT_EQ(other.value("select nazwa_wartosci from OPCJE_UZYTKOWNIKA where id_uzyt = "
                          "'AKOWALSKA' and id_opcje = 30 and id_firmy = 1"),
              value);
    // And a later read sees what the other connection wrote meanwhile.
    ASSERT_EQ(
        other.exec(("update KONTRAHENT set nazwa = 'seen " + value + "' where id_kontrahenta = 2")
                       .c_str()),
        SQLITE_OK);
    EXPECT_EQ(rows("select nazwa from KONTRAHENT where id_kontrahenta = 2"),
              std::vector<std::string>{"seen " + value});
  }
  EXPECT_EQ(rows("select count(*) from KURSY_WALUT where data_kursu = 82524"),
            std::vector<std::string>{"0"});
}

TEST_F(Transactions, AWritingProcedureWaitsForAnotherWriterInsteadOfFailing) {
  Other other(path_);
  ASSERT_EQ(other.exec("BEGIN IMMEDIATE"), SQLITE_OK);
  ASSERT_EQ(other.exec("insert into KURSY_WALUT (zrodlo, nr_tabeli, data_kursu, sym_waluty, "
                       "przelicznik, kurs) values ('NBP', 'x', 1, 'CHF', 1, 4.5)"),
            SQLITE_OK);
  // The other writer commits while the procedure is under way.
  std::thread commit([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    other.exec("COMMIT");
  });
  const std::string error =
      error_of("call TG_ImportKusowWalutNBP(1,'TABELA|236/A/NBP/2026|2026-12-07\nEUR|1|4,2250')");
  commit.join();
  EXPECT_EQ(error, "");
  EXPECT_EQ(rows("select count(*) from KURSY_WALUT where data_kursu in (1, 82524)"),
            std::vector<std::string>{"2"});
}

}  // namespace
}  // namespace funkcja
