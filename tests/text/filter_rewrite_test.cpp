// Rewriting record filters: the text procedures on their own, and STR_REPLACE_PREFIKS_A on a
// fresh demo database with its column cache emptied before each test.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <latch>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "frame/cp_literal.hpp"
#include "funkcja/filter_rewrite.hpp"
#include "funkcja/gateway.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/tables.hpp"
#include "support/database_fixture.hpp"
#include "text/prefix_columns.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using std::string;

TEST(FilterRewrite, PrefixesWrappersAndSubstringTests) {
  struct Case {
    string filter, plain, aliased;
  };
  const string eleven = [] {
    string s = "sql(0)";
    for (int i = 1; i <= 10; ++i) s += " AND Sql(" + std::to_string(i) + ")";
    return s;
  }();
  const Case cases[] = {
      {"ZAP:KOD = 5 AND (ZAP:DATA > 10:30)", "KOD = 5 AND (DATA > 10:30)",
       "a.KOD = 5 AND (a.DATA > 10:30)"},
      {"  ZAP:KOD = 'A:B'  ", "KOD = B'", "a.KOD = a.B'"},
      {"(:X,Y:Z)", "(X,Z)", "(a.X,a.Z)"},
      {"A:B:C = 1", "C = 1", "a.C = 1"},
      {"sql(kod in (1,2))", "(kod in (1,2))", "(kod in (1,2))"},
      {eleven,
       "(0) AND (1) AND (2) AND (3) AND (4) AND (5) AND (6) AND (7) AND (8) AND (9) AND Sql(10)",
       "(0) AND (1) AND (2) AND (3) AND (4) AND (5) AND (6) AND (7) AND (8) AND (9) AND Sql(10)"},
      // Deleting the letters of the first wrapper joins the ones in front into a second.
      {"SQLSQL(x)", "(x)", "(x)"},
      {"INSTRING('AB',UPPER(NAZWA),1,1) <> 0 AND X = 1", "UPPER(NAZWA) like '%'+'AB'+'%' AND X = 1",
       "UPPER(NAZWA) like '%'+'AB'+'%' AND X = 1"},
      {"ZAP:K = 1 AND INSTRING('Ab',ZAP:NAZWA,1,1) <> 0 OR INSTRING('c',UPPER(ZAP:OPIS),1,1) <> 0",
       "K = 1 AND NAZWA like '%'+'Ab'+'%' OR UPPER(OPIS) like '%'+'c'+'%'",
       "a.K = 1 AND a.NAZWA like '%'+'Ab'+'%' OR UPPER(a.OPIS) like '%'+'c'+'%'"},
      // A call cut short by the end of the filter is rewritten with what is there.
      {"INSTRING('AB',N,1", "N like '%'+'AB'+'%'", "N like '%'+'AB'+'%'"},
      // Malformed calls stay as they are, and the rewriting goes on after them.
      {"INSTRING", "INSTRING", "INSTRING"},
      {"INSTRING(NAZWA) <> 0 OR INSTRING('B',N,1,1) <> 0",
       "INSTRING(NAZWA) <> 0 OR N like '%'+'B'+'%'", "INSTRING(NAZWA) <> 0 OR N like '%'+'B'+'%'"},
      {"X = 1 AND INSTRING('AB) <> 0 AND INSTRING('C",
       "X = 1 AND INSTRING('AB) <> 0 AND INSTRING('C",
       "X = 1 AND INSTRING('AB) <> 0 AND INSTRING('C"},
      {"INSTRING('AB',UPPER(NAZWA)) <> 0", "INSTRING('AB',UPPER(NAZWA)) <> 0",
       "INSTRING('AB',UPPER(NAZWA)) <> 0"},
      {"INSTRING('AB' UPPER(NAZWA) 1 1) <> 0", "INSTRING('AB' UPPER(NAZWA) 1 1) <> 0",
       "INSTRING('AB' UPPER(NAZWA) 1 1) <> 0"},
      // A rewrite that yields INSTRING again: the new one is malformed and stays.
      {"INSTRING('A',INSTRING,1,1) <> 0", "INSTRING like '%'+'A'+'%'", "INSTRING like '%'+'A'+'%'"},
      // A rewrite that completes a call begun in front of it.
      {"INSTRINSTRING('x',ING('q',1,1) <> 0 ,B,1,1) <> 0", "B like '%'+'q'+'%'",
       "B like '%'+'q'+'%'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WYTNIJ_PREFIX(c.filter), c.plain) << c.filter;
    EXPECT_EQ(WYTNIJ_PREFIX_WSTAWA(c.filter), c.aliased) << c.filter;
  }
}

TEST(FilterRewrite, FiltersUpToTheBufferAreKeptWholeLongerOnesCutAtTheEnd) {
  string filter;
  while (filter.size() < 3000) filter += "K" + std::to_string(filter.size()) + " = 1 AND ";
  filter.resize(3000);
  filter.back() = 'Z';
  const string blanks(40, ' ');
  EXPECT_EQ(WYTNIJ_PREFIX(blanks + filter + blanks), filter);
  EXPECT_EQ(WYTNIJ_PREFIX_WSTAWA(filter + blanks), filter);
  EXPECT_EQ(WYTNIJ_PREFIX(filter + "Q"), filter);
  EXPECT_EQ(WYTNIJ_PREFIX_WSTAWA(filter + "Q"), filter);
}

TEST(FilterRewrite, ClassificationAndTransactionSwapInTheBudgetEditionOnly) {
  struct Case {
    int budget;
    string caption, expected;
  };
  const Case cases[] = {
      {1, "Klasyfikacja / Transakcja  ", "Transakcja / Klasyfikacja"},
      {0, "Klasyfikacja / Transakcja  ", "Klasyfikacja / Transakcja"},
      {2, "Klasyfikacja", "Klasyfikacja"},
      {1, "Transakcja", "Klasyfikacja"},
      {1, "Klasyfikacja i Klasyfikacja", "Transakcja i Klasyfikacja"},
      {1, "klasyfikacja", "klasyfikacja"},
  };
  for (const Case& c : cases) {
    dane::set_number(dane::Global::DANE_CZY_WERSJA_BUDZET, c.budget);
    EXPECT_EQ(ZAMIEN_KLASYFIKACJA_TRANSAKCJA(c.caption), c.expected) << c.caption << c.budget;
  }
  dane::reset_all();
}

class TableColumns : public testing::DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    text::forget_table_columns();
    create("create table KONTA (NUMER text, NUMER_X int, NAZWA text, KOD int)");
  }
  void TearDown() override {
    text::forget_table_columns();
    DemoDatabase::TearDown();
  }
  // Tables of the test's own, made on the database file directly.
  void create(const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }
};

TEST_F(TableColumns, ColumnsOfTheTableQualifiedOnceEach) {
  struct Case {
    std::string_view table, expression, expected;
  };
  const Case cases[] = {
      {"dbo.KONTA", "a.NUMER = 'X1'", "KONTA.numer = 'x1'"},
      {"KONTA  ", "a.NUMER_X = 1 AND a.Nazwa like 'Ż%'  "_cp,
       "KONTA.numer_x = 1 and KONTA.nazwa like 'ż%'"_cp},
      {"KONTA", "data.kod = 1", "datKONTA.kod = 1"},
      {"KONTA", "a.OPIS = 1", "a.opis = 1"},
      // A table name ending in a holds the text it replaces.
      {"konta", "a.numer = a.kod AND a.numer_x = 2",
       "konta.numer = konta.kod and konta.numer_x = 2"},
      {"dbo.dbo.konta", "(a.KOD)", "(konta.kod)"},
      {"BRAK", "a.NUMER = 'X1'", "a.numer = 'x1'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(STR_REPLACE_PREFIKS_A(c.table, c.expression), c.expected) << c.table;
  }
  EXPECT_EQ(text::cached_columns("KONTA"), texts({"NUMER", "NUMER_X", "NAZWA", "KOD"}));
  EXPECT_EQ(text::cached_columns("BRAK"), std::vector<string>());
}

TEST_F(TableColumns, CatalogueAskedOncePerTableAndNotAtAllWithoutTheAlias) {
  dane::QueryTable& vay = dane::thread_tables().VAY_FK;
  EXECVAY("select 'mine'");
  const std::size_t before = text::catalogue_queries();
  EXPECT_EQ(STR_REPLACE_PREFIKS_A("KONTA", "X.NUMER = 'Ab'  "), "X.NUMER = 'Ab'");
  EXPECT_EQ(vay.statement(), "select 'mine'");
  EXPECT_EQ(text::catalogue_queries(), before);

  for (int i = 0; i < 3; ++i) STR_REPLACE_PREFIKS_A("KONTA", "a.kod = 1");
  EXPECT_EQ(text::catalogue_queries(), before + 1);
  for (int i = 0; i < 3; ++i) STR_REPLACE_PREFIKS_A("BRAK", "a.kod = 1");
  EXPECT_EQ(text::catalogue_queries(), before + 4);
}

TEST_F(TableColumns, HostileTableNamesNeverBreakTheStatement) {
  create("create table [O'Brien] (KOD int)");
  string every_byte;
  for (int b = 1; b <= 0xFF; ++b) every_byte += static_cast<char>(b);
  const string names[] = {"x' or '1'='1", "KONTA' --",       "KONTA'; drop table KONTA; --",
                          every_byte,     string(5000, 'x'), string(5000, '\'')};
  for (const string& name : names) {
    EXPECT_EQ(STR_REPLACE_PREFIKS_A(name, "a.KOD = 1"), "a.kod = 1") << name.substr(0, 40);
    EXPECT_NE(dane::thread_tables().VAY_FK.error_code(), dane::kDatabaseError)
        << name.substr(0, 40) << ": " << dane::thread_tables().VAY_FK.error_message();
  }
  EXPECT_EQ(STR_REPLACE_PREFIKS_A("O'Brien", "a.KOD = 1"), "O'Brien.kod = 1");
  EXPECT_EQ(FUNCVAY("select count(*) from KONTA"), "0");
}

TEST_F(TableColumns, EightThreadsGetWhatOneThreadGets) {
  create("create table faktura (kod int, numer int)");
  const std::vector<std::pair<string, string>> calls = {{"KONTA", "a.NUMER = 1 AND a.KOD = 2"},
                                                        {"dbo.konta", "a.nazwa = data.kod"},
                                                        {"faktura", "a.numer = a.kod"},
                                                        {"BRAK", "a.kod = 1"},
                                                        {"FIRMA", "a.id_firmy = 1"},
                                                        {"KONTA", "X = 1"}};
  std::vector<string> expected;
  for (const auto& [table, expression] : calls) {
    expected.push_back(STR_REPLACE_PREFIKS_A(table, expression));
  }
  std::map<string, std::vector<string>> columns;
  for (const char* table : {"KONTA", "konta", "faktura", "FIRMA"}) {
    columns[table] = text::cached_columns(table);
  }
  text::forget_table_columns();
  const std::size_t before = text::catalogue_queries();

  constexpr int kThreads = 8;
  constexpr int kRounds = 20;
  std::latch start(kThreads);
  std::vector<std::vector<string>> got(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      start.arrive_and_wait();
      for (int round = 0; round < kRounds; ++round) {
        for (const auto& [table, expression] : calls) {
          const string result = STR_REPLACE_PREFIKS_A(table, expression);
          if (round == kRounds - 1) got[t].push_back(result);
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();

  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(got[t], expected) << "thread " << t;
  for (const auto& [table, list] : columns) EXPECT_EQ(text::cached_columns(table), list) << table;
  // Each table with columns read once; the table without any on every call.
  EXPECT_EQ(text::catalogue_queries() - before, columns.size() + kThreads * kRounds);
}

}  // namespace
}  // namespace funkcja
