// Operation logs, options and the posting-account check on the demo database, checking the
// rows they leave behind.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "frame/cp_literal.hpp"
#include "funkcja/gateway.hpp"
#include "funkcja/lookups.hpp"
#include "host/platform/env.hpp"
#include "lookups/logs.hpp"
#include "lookups/session.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

class Lookups : public testing::DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    lookups::reset_operation_numbers();
  }
  // Changes the file behind the library's back, as a damaged or foreign database would be.
  void raw(const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }
  // Checks a document holding the one line given, and returns the warnings it showed.
  std::vector<std::string> check_line(int document, const std::string& wn, const std::string& ma) {
    EXECSQL("insert into DUP_POZ_DOK (id_nag_dok, konto_wn, konto_ma) values (" +
            std::to_string(document) + ", " + wn + ", " + ma + ")");
    platform::headless_message_box().clear();
    EXPECT_EQ(SPR_KONTA(3, document, 0), 1) << document;
    return warnings();
  }
  std::vector<std::string> option_70() {
    return rows(
        "select id_firmy, nazwa_wartosci from OPCJE_UZYTKOWNIKA where "
        "id_uzyt='AKOWALSKA' and id_opcje=70 order by id_firmy");
  }
};

TEST_F(Lookups, OneOperationKeySharesOneNumberANewKeyTakesTheNext) {
  LOG_DODAJ(7, "KSIĘGOWANIE"_cp, "Dokumenty", "FS/1  ", "", "", "");
  LOG_DODAJ(7, "KSIĘGOWANIE"_cp, "Dokumenty", "FS/2", "", "", "");
  LOG_DODAJ(7, "KSIĘGOWANIE"_cp, "Dokumenty", "FS/3", "", "", "");
  LOG_DODAJ(8, "USUNIĘCIE"_cp, "Dokumenty", "FS/4", "O'Brien", "", "x");
  EXPECT_EQ(
      rows("select id_operacji, tekst_1, tekst_2, tekst_4, tekst_5, id_firmy, id_uzytkownika_n, "
           "id_uzytkownika from FK_LOG_1 where id_log > 2 order by id_log"),
      (std::vector<std::string>{"43|FS/1||||1|2|AKOWALSKA", "43|FS/2||||1|2|AKOWALSKA",
                                "43|FS/3||||1|2|AKOWALSKA", "44|FS/4|O'Brien|x||1|2|AKOWALSKA"}));
  EXPECT_EQ(rows("select count(*) from FK_LOG_1 where data_operacji = " +
                 std::to_string(platform::today())),
            std::vector<std::string>{"4"});
}

TEST_F(Lookups, KeyZeroFirstKeepsNumberZeroWithoutQuerying) {
  EXECSQL("select 'untouched'");
  LOG_DODAJ(0, "TEST", "", "", "", "", "");
  EXPECT_EQ(rows("select id_operacji from FK_LOG_1 where rodzaj_operacji='TEST'"),
            std::vector<std::string>{"0"});
}

TEST_F(Lookups, LogAddKeepsCodesAsPassedAndCutsTheDetails) {
  const std::string detail = std::string(300, 'x') + "   ";
  LOG_ADD(1001, "D  ", "DOK", detail);
  LOG_ADD(1002, "P", "DOK", "x' or '1'='1");
  EXPECT_EQ(
      rows("select id_firmy, id_lata_obrot, id_uzytkownika, rodzaj_operacji+'|', modul_operacji, "
           "Len(szczegoly_operacji), Len(dataczas) from UZYTKOWNIK_FK_LOG where id_zapisu=1001 "
           "and id_log > 3"),
      std::vector<std::string>{"1|3|2|D  ||DOK|250|23"});
  EXPECT_EQ(rows("select szczegoly_operacji from UZYTKOWNIK_FK_LOG where id_zapisu=1002"),
            std::vector<std::string>{"x' or '1'='1"});
  EXPECT_TRUE(warnings().empty());
  EXPECT_FALSE(dane::thread_tables().UZYTKOWNIK_FK_LOG.is_open());
}

TEST_F(Lookups, AMissingLogTableIsReportedOnce) {
  const struct {
    const char* table;
    void (*log)();
  } cases[] = {{"FK_LOG_1", [] { LOG_DODAJ(5, "TEST", "", "", "", "", ""); }},
               {"UZYTKOWNIK_FK_LOG", [] { LOG_ADD(1, "D", "DOK", "x"); }}};
  for (const auto& c : cases) {
    platform::headless_message_box().clear();
    raw((std::string("DROP TABLE ") + c.table).c_str());
    c.log();
    ASSERT_EQ(warnings().size(), 1u) << c.table;
    EXPECT_NE(warnings()[0].find(c.table), std::string::npos) << c.table;
  }
}

TEST(LogDisplay, CodesToWords) {
  struct Case {
    std::string kind, code, text;
  };
  const Case cases[] = {{"r", "D", "Dodawanie"},
                        {"R", "O", std::string("Rozłączanie"_cp)},
                        {"R ", "I  ", std::string("Pozostałe"_cp)},
                        {"M", "KSI", std::string("Księga główna"_cp)},
                        {"M", "ksi", ""},
                        {"X", "SYS", ""},
                        {"R", "d", ""},
                        {"M", "RAC", "Rachunki bankowe"},
                        {"", "", ""},
                        {"RM", "D", ""}};
  for (const Case& c : cases)
    EXPECT_EQ(LOG_DISPLAY(c.kind, c.code), c.text) << c.kind << "/" << c.code;
}

TEST_F(Lookups, UserOptionsReadAndWrite) {
  EXPECT_EQ(GETPARAMETRU(30), ";");
  EXPECT_EQ(GETPARAMETRU(999), "");
  set_session(2, "AKOWALSKA", 2, 4);
  EXPECT_EQ(GETPARAMETRU(30), ",");
  set_session(1, "AKOWALSKA", 2, 3);

  EXPECT_EQ(PUTPARAMETRU(70, "FZ   ", 1), 0);
  EXPECT_EQ(option_70(), (std::vector<std::string>{"1|FZ", "2|RK"}));
  EXPECT_EQ(PUTPARAMETRU(70, "O'Brien", 0), 0);
  EXPECT_EQ(option_70(), (std::vector<std::string>{"1|O'Brien", "2|O'Brien"}));
  EXPECT_EQ(GETPARAMETRU(70), "O'Brien");

  EXPECT_EQ(PUTPARAMETRU(555, "nowa", 1), 0);  // only updates: no row appears
  EXPECT_EQ(rows("select count(*) from OPCJE_UZYTKOWNIKA where id_opcje=555"),
            std::vector<std::string>{"0"});

  EXPECT_EQ(PUTPARAMETRU(70, std::string(150, 'w'), 1), 0);
  EXPECT_EQ(GETPARAMETRU(70), std::string(100, 'w'));
}

TEST_F(Lookups, FailedOptionUpdateGivesOne) {
  raw("DROP TABLE OPCJE_UZYTKOWNIKA");
  EXPECT_EQ(PUTPARAMETRU(30, ";", 1), 1);
  EXPECT_EQ(GETPARAMETRU(30), "");
  EXPECT_TRUE(warnings().empty());
}

TEST_F(Lookups, SystemOptionsNeedAFiscalYear) {
  EXPECT_EQ(GETPARAMETRF(21), std::string("miesięczna"_cp));
  EXPECT_EQ(GETPARAMETRF(99), "");
  set_session(1, "AKOWALSKA", 2, 0);
  EXPECT_EQ(GETPARAMETRF(12), "");
}

TEST_F(Lookups, DatabaseVersionOfAProgram) {
  EXPECT_EQ(WERSJABAZYPROGRAMUVAY(1), "2026.4.1.17");
  EXPECT_EQ(WERSJABAZYPROGRAMUVAY(9), "");
  EXECSQL("update TEMIXDBSTATE set DBWER='2026.04.01.0017-beta-build-9' where PRGKOD=2");
  EXPECT_EQ(WERSJABAZYPROGRAMUVAY(2, "ignored"), "2026.04.01.0017-bet");
}

TEST_F(Lookups, PostingCheckFindsTheFirstProblem) {
  struct Case {
    int document;
    std::uint8_t result;
    std::string warning;
  };
  const Case cases[] = {
      {1001, 0, ""},
      {1002, 1, std::string("Konto: 851 posiada blokadę przed zapisem."_cp)},
      {1003, 1, std::string("Konto: 404-01 nie występuje w planie kont."_cp)},
      {1004, 1, std::string("Nie posiadasz uprawnień do zapisu na konto: 234-1"_cp)},
      {1006, 0, ""},
      {4242, 0, ""}};
  for (const Case& c : cases) {
    platform::headless_message_box().clear();
    EXPECT_EQ(SPR_KONTA(3, c.document, 0), c.result) << c.document;
    const auto shown = warnings();
    if (c.warning.empty()) {
      EXPECT_TRUE(shown.empty()) << c.document;
    } else {
      EXPECT_EQ(shown, std::vector<std::string>{c.warning}) << c.document;
    }
  }
}

TEST_F(Lookups, PostingCheckDetails) {
  dane::ThreadTables& t = dane::thread_tables();
  // Only empty accounts: no stored procedure is called.
  EXECSQL1("select 'nothing yet'");
  EXPECT_EQ(SPR_KONTA(3, 1005, 0), 0);
  EXPECT_EQ(t.ZAPYTANIESQL1.statement(), "select 'nothing yet'");

  // A missing account: no right is asked for it.
  EXPECT_EQ(SPR_KONTA(3, 1003, 0), 1);
  EXPECT_EQ(t.ZAPYTANIESQL1.statement(), "CALL SZUKAJ_KONTA(1,3,'404-01',1)");

  // A debit problem ends the check before the credit side.
  EXPECT_EQ(SPR_KONTA(3, 1004, 0), 1);
  EXPECT_NE(t.ZAPYTANIESQL.statement().find("konto_wn"), std::string::npos);

  // Leading blanks are trimmed before both stored procedures; the right is asked for the
  // synthetic account.
  EXPECT_EQ(check_line(2001, "'  234-1'", "''"),
            std::vector<std::string>{
                std::string("Nie posiadasz uprawnień do zapisu na konto: 234-1"_cp)});
  EXPECT_EQ(t.ZAPYTANIESQL1.statement(),
            "CALL USTAL_PRAWO_DOSTEPU_ZASOB (1,3,'AKOWALSKA','K','234')");

  // An account holding an apostrophe is looked up as the text it is.
  EXPECT_EQ(check_line(2002, "'4''0'", "''"),
            std::vector<std::string>{std::string("Konto: 4'0 nie występuje w planie kont."_cp)});

  // Another user: the demo rights of JNOWAK refuse account 100.
  set_session(1, "JNOWAK", 3, 3);
  EXPECT_EQ(check_line(2003, "'201-1'", "'100-01'"),
            std::vector<std::string>{
                std::string("Nie posiadasz uprawnień do zapisu na konto: 100-01"_cp)});
}

}  // namespace
}  // namespace funkcja
