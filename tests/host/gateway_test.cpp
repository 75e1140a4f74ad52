// The gateway procedures on a real embedded database.
#include <gtest/gtest.h>

#include <thread>

#include "frame/cp_literal.hpp"
#include "funkcja/gateway.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using Gateway = testing::DemoDatabase;

TEST_F(Gateway, TrailingBlanksAreRemovedLeadingBlanksKept) {
  EXECVAX("   select nazwa from FIRMA where id_firmy=1   ");
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  EXPECT_EQ(t.statement(), "   select nazwa from FIRMA where id_firmy=1");
  EXPECT_EQ(t.error_code(), dane::kNoError);
  ASSERT_TRUE(gateway::next(t));
  EXPECT_EQ(t.field(1).text, "PHU Żuraw Sp. z o.o."_cp);
}

TEST_F(Gateway, SingleValueFunctionsCutToTheirCapacity) {
  const std::string statement = "select replicate('ab', 300)+'c'";  // 601 characters
  const std::string whole = FUNCVAZ(statement);
  EXPECT_EQ(whole.size(), 601u);
  EXPECT_EQ(whole.substr(598), "abc");
  EXPECT_EQ(FUNCVAY(statement), whole.substr(0, 500));
  EXPECT_EQ(FUNCVAZ("select replicate('x', 9000)").size(), 8000u);
}

TEST_F(Gateway, SingleValueOfNoRowOrAFailureIsEmptyAndClosesTheTable) {
  const char* statements[] = {
      "select nazwa from FIRMA where id_firmy=999",  // no row
      "select nazwa frm FIRMA",                      // syntax error
      "select nie_ma_takiej from FIRMA",             // unknown column
      "CALL NIE_MA_TAKIEJ(1)",                       // unknown procedure
  };
  for (const char* s : statements) {
    EXPECT_EQ(FUNCVAY(s), "") << s;
    EXPECT_FALSE(dane::thread_tables().VAY_FK.is_open()) << s;
    EXPECT_EQ(FUNCVAZ(s), "") << s;
    EXPECT_FALSE(dane::thread_tables().VAZ_FK.is_open()) << s;
  }
}

TEST_F(Gateway, EachProcedureUsesItsOwnTable) {
  struct Case {
    void (*exec)(std::string_view);
    dane::QueryTable& table;
  };
  dane::ThreadTables& t = dane::thread_tables();
  const Case cases[] = {{EXECSQL, t.ZAPYTANIESQL},
                        {EXECSQL1, t.ZAPYTANIESQL1},
                        {EXECVAX, t.VAX_FK},
                        {EXECVAY, t.VAY_FK},
                        {EXECVAZ, t.VAZ_FK}};
  for (const Case& c : cases) {
    c.exec("select 7, 'siedem'");
    EXPECT_EQ(c.table.statement(), "select 7, 'siedem'") << c.table.name();
    ASSERT_TRUE(gateway::next(c.table)) << c.table.name();
    EXPECT_EQ(c.table.field(1).as_int32(), 7) << c.table.name();
  }
  // Rows of one table stay pending while another runs statements.
  EXECSQL("select 1, nr_konta from WARTOSCI_KONT where id_lata_obrot=2 order by nr_konta");
  std::vector<std::string> accounts;
  while (gateway::next(t.ZAPYTANIESQL)) {
    accounts.push_back(t.ZAPYTANIESQL.field(2).text);
    EXECSQL1("select count(*) from WARTOSCI_KONT");
    ASSERT_TRUE(gateway::next(t.ZAPYTANIESQL1));
  }
  EXPECT_EQ(accounts, (std::vector<std::string>{"100", "130", "201"}));
  EXPECT_EQ(t.ZAPYTANIESQL.error_code(), dane::kNoMoreRows);
  EXPECT_TRUE(t.ZAPYTANIESQL.is_open());  // left open: the next statement closes it
}

TEST_F(Gateway, ReportingPatternShowsTheDatabaseMessageAsAWarning) {
  const dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(dane::thread_tables().VAX_FK, "select x from NIE_MA_TABELI",
               gateway::Errors::kReport);
  EXPECT_EQ(t.error_code(), dane::kDatabaseError);
  EXPECT_NE(t.error_message().find("NIE_MA_TABELI"), std::string::npos) << t.error_message();
  ASSERT_EQ(warnings().size(), 1u);
  EXPECT_NE(warnings()[0].find("NIE_MA_TABELI"), std::string::npos);
  gateway::run(dane::thread_tables().VAX_FK, "select x from NIE_MA_TABELI");
  EXPECT_EQ(warnings().size(), 1u);
}

TEST_F(Gateway, UnsupportedConstructsFailWithAMessageNamingThem) {
  struct Case {
    const char* statement;
    const char* named;
  };
  // The translator's messages themselves are checked word for word elsewhere; here they must
  // reach the table, and a refused batch must not run half.
  const Case cases[] = {{"select nazwa from FIRMA union select nazwa from KONTRAHENT", "UNION"},
                        {"create table X (a int)", "CREATE"},
                        {"select nazwa from FIRMA with (INDEX(1))", "INDEX"},
                        {"select soundex(nazwa) from FIRMA", "soundex"},
                        {"select 1; delete from FIRMA", ""}};
  for (const Case& c : cases) {
    EXECVAX(c.statement);
    const dane::QueryTable& t = dane::thread_tables().VAX_FK;
    EXPECT_EQ(t.error_code(), dane::kDatabaseError) << c.statement;
    EXPECT_NE(t.error_message().find(c.named), std::string::npos)
        << c.statement << " -> " << t.error_message();
  }
  // Nothing half-run: the firms are all still there.
  EXPECT_EQ(FUNCVAY("select count(*) from FIRMA"), "2");
}

TEST_F(Gateway, HostileTextsAreStoredAndMatchedAsTheyAre) {
  std::vector<std::string> hostile = {"O'Brien",
                                      "x' or '1'='1",
                                      "'",
                                      "''",
                                      "a'); delete from FIRMA; --",
                                      "\\'",
                                      std::string("Zażółć gęślą jaźń"_cp)};
  std::string every_byte;
  for (int c = 1; c < 256; ++c) every_byte += static_cast<char>(c);
  hostile.push_back(every_byte);
  for (const std::string& value : hostile) {
    EXECSQL(sql::Statement("update OPCJE_UZYTKOWNIKA set nazwa_wartosci = ")
                .quoted(value)
                .text(" where id_firmy=1 AND id_uzyt='AKOWALSKA' AND id_opcje=70"));
    ASSERT_EQ(dane::thread_tables().ZAPYTANIESQL.error_code(), dane::kNoError) << value;
    EXPECT_EQ(FUNCVAZ("select nazwa_wartosci from OPCJE_UZYTKOWNIKA where id_firmy=1 AND "
                      "id_uzyt='AKOWALSKA' AND id_opcje=70"),
              text::clip(value))
        << value;
    EXPECT_EQ(FUNCVAY(sql::Statement("select count(*) from OPCJE_UZYTKOWNIKA where nazwa_wartosci=")
                          .quoted(value)),
              "1")
        << value;
  }
  EXPECT_EQ(FUNCVAY("select count(*) from FIRMA"), "2");
}

TEST_F(Gateway, ThreadsEachHaveTheirOwnTablesAndConnection) {
  auto worker = [](int company, std::string* failures) {
    for (int i = 0; i < 200; ++i) {
      EXECVAX(sql::Statement("select nazwa from FIRMA where id_firmy=").number(company));
      dane::QueryTable& t = dane::thread_tables().VAX_FK;
      if (!gateway::next(t)) {
        *failures += "no row;";
        continue;
      }
      const std::string expected = company == 1 ? std::string("PHU Żuraw Sp. z o.o."_cp)
                                                : std::string("Biuro Rachunkowe Bilans s.c.");
      if (t.field(1).text != expected) *failures += t.field(1).text + ";";
      EXECSQL(sql::Statement("insert into KOMUNIKAT (id_uzytkownika, kontekst, tekst1) values (")
                  .number(company)
                  .text(",'WATEK',")
                  .quoted(std::to_string(i))
                  .text(")"));
      if (dane::thread_tables().ZAPYTANIESQL.error_code() != dane::kNoError) {
        *failures += dane::thread_tables().ZAPYTANIESQL.error_message() + ";";
      }
    }
    dane::close_thread_connection();
  };
  std::string f1, f2;
  std::thread a(worker, 1, &f1), b(worker, 2, &f2);
  a.join();
  b.join();
  EXPECT_EQ(f1, "");
  EXPECT_EQ(f2, "");
  EXPECT_EQ(FUNCVAY("select count(*) from KOMUNIKAT where kontekst='WATEK'"), "400");
}

}  // namespace
}  // namespace funkcja
