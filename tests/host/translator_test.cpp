// The translator's guards against hostile statements (nesting, length, texts with NUL, date
// parts, the size of its cache) and the server's UPDATE ... FROM on the demo data.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "frame/cp_literal.hpp"
#include "funkcja/gateway.hpp"
#include "funkcja/lookups.hpp"
#include "host/sql_text.hpp"
#include "host/sqlite/translator.hpp"
#include "lookups/logs.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using TranslatedSql = testing::DemoDatabase;

std::string repeat(std::string_view piece, int times) {
  std::string out;
  out.reserve(piece.size() * static_cast<std::size_t>(times));
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Every construct through which the parser descends, nested `depth` levels deep.
struct Nesting {
  std::string_view construct;  // the word the refusal names
  std::string_view start, open, middle, close;
  std::string statement(int depth) const {
    return std::string(start) + repeat(open, depth) + std::string(middle) + repeat(close, depth);
  }
};

const Nesting kNestings[] = {
    {"nawiasy", "select ", "(", "1", ")"},
    {"podzapytania", "select ", "(select ", "1", ")"},
    {"podzapytania", "select 1 where ", "exists (select 1 where ", "1=1", ")"},
    {"podzapytania", "select * from ", "(select * from ", "FIRMA", ") x"},
    {"podzapytania", "select 1 where 1 in ", "(select 1 where 1 in ", "(1)", ")"},
    {"znaki", "select ", "- ", "1", ""},
    {"znaki", "select ", "+ ", "1", ""},
    {"nawiasy", "select ", "-(", "1", ")"},
    {"NOT", "select 1 where ", "not ", "1=1", ""},
    {"CASE", "select ", "case when 1=1 then ", "1", " end"},
    {"CASE", "select ", "case ", "1", " when 1 then 1 end"},
    {"funkcji", "select ", "abs(", "1", ")"},
    {"funkcji", "select ", "convert(int,", "1", ")"},
    {"funkcji", "select ", "isnull(1,", "1", ")"},
    {"funkcji", "select ", "dbo.TG_GetFormaPlatnosci(", "1", ",1,2,0,'','')"},
    {"funkcji", "select ", "count(", "1", ")"},
    {"listy IN", "select 1 where 1 in ", "(1 in ", "(1)", ")"},
    {"nawiasy", "update FIRMA set nazwa = ", "(", "'x'", ")"},
    {"nawiasy", "insert into OPISY (opis_dok) values ", "(", "('x')", ")"},
    {"nawiasy", "delete from OPISY where ", "(", "1=0", ")"},
    {"nawiasy", "select * from FIRMA a join FIRMA b on ", "(", "a.id_firmy=b.id_firmy", ")"},
};

TEST(TranslatorLimits, DeepNestingOfEveryConstructIsRefusedByName) {
  for (const Nesting& n : kNestings) {
    for (const int depth : {110, 6000}) {
      const auto t = sqlite::translate(n.statement(depth));
      EXPECT_FALSE(t.ok()) << n.statement(3) << " at depth " << depth;
      EXPECT_TRUE(contains(t.error, "Nieobsługiwana konstrukcja SQL: "_cp)) << t.error;
      EXPECT_TRUE(contains(t.error, n.construct)) << t.error;
    }
    const auto shallow = sqlite::translate(n.statement(20));
    EXPECT_TRUE(shallow.ok()) << n.statement(3) << ": " << shallow.error;
  }
}

TEST(TranslatorLimits, MixedNestingCountsEveryLevel) {
  const std::string open = "(-(case when not exists (select abs(";
  const std::string close = ")) then 1 end))";
  const auto t =
      sqlite::translate("select 1 where " + repeat(open, 2000) + "1" + repeat(close, 2000));
  EXPECT_FALSE(t.ok());
  EXPECT_TRUE(contains(t.error, "Nieobsługiwana konstrukcja SQL: "_cp)) << t.error;
}

TEST(TranslatorLimits, OverlongStatementIsRefusedLongTextsBelowTheLimitPass) {
  const std::string over = "select '" + std::string(sqlite::kMaxStatementLength, 'x') + "'";
  const auto refused = sqlite::translate(over);
  EXPECT_FALSE(refused.ok());
  EXPECT_TRUE(contains(refused.error, "Nieobsługiwana konstrukcja SQL: "_cp)) << refused.error;

  const std::string under = "select '" + std::string(sqlite::kMaxStatementLength - 10, 'x') + "'";
  EXPECT_TRUE(sqlite::translate(under).ok());
}

// Seconds to translate one statement, which must succeed.
double seconds_to_translate(const std::string& statement) {
  const auto start = std::chrono::steady_clock::now();
  const auto t = sqlite::translate(statement);
  EXPECT_TRUE(t.ok()) << t.error;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(TranslatorLimits, LongRunsOfOperatorsAndListsTakeLinearTime) {
  // Flat, not nested: no stack, and ten times the length takes about ten times as long (a
  // translation that copied the text built so far at each operator would take a hundred).
  const auto statements = [](int n) {
    return std::vector<std::string>{"select 1 where " + repeat("1=1 or ", n) + "1=1",
                                    "select 1 where " + repeat("1=1 and ", n) + "1=1",
                                    "select " + repeat("1 - ", n) + "1",
                                    "select " + repeat("'a' + ", n) + "'a'",
                                    "select " + repeat("nazwa + ", n) + "'a' from FIRMA",
                                    "select 1 where 1 in (" + repeat("1, ", n) + "1)"};
  };
  const auto shorter = statements(15000);
  const auto longer = statements(150000);
  for (std::size_t i = 0; i < shorter.size(); ++i) {
    const double base = seconds_to_translate(shorter[i]);
    EXPECT_LT(seconds_to_translate(longer[i]), 30 * base + 0.5) << shorter[i].substr(0, 40);
  }
}

TEST(TranslatorLimits, LongRunsOfMultiplicationAreRefused) {
  // The translation nests each * / % into the next, which the database cannot read past
  // about a hundred levels: a longer run is refused at once.
  EXPECT_TRUE(sqlite::translate("select " + repeat("2 * ", 99) + "2").ok());
  for (const std::string_view op : {" * ", " / ", " % "}) {
    const auto t =
        sqlite::translate("select " + repeat(std::string("2") + std::string(op), 20000) + "2");
    EXPECT_TRUE(contains(t.error, "Nieobsługiwana konstrukcja SQL: "_cp)) << t.error;
  }
  // Runs on different levels count apart.
  const std::string inner = "(" + repeat("2 * ", 60) + "2)";
  EXPECT_TRUE(sqlite::translate("select " + repeat(inner + " * ", 60) + "2").ok());
}

TEST_F(TranslatedSql, DeepNestingFailsTheStatementAndTheConnectionGoesOn) {
  EXPECT_TRUE(
      contains(error_of("select " + repeat("(", 6000) + "1" + repeat(")", 6000)), "nawiasy"));
  EXPECT_EQ(rows("select (((1)))"), std::vector<std::string>{"1"});
  EXECSQL("select " + repeat("(", 6000) + "1" + repeat(")", 6000));
  EXPECT_NE(dane::thread_tables().ZAPYTANIESQL.error_code(), dane::kNoError);
  EXPECT_EQ(FUNCVAY("select nazwa from FIRMA where id_firmy=1"), "PHU Żuraw Sp. z o.o."_cp);
}

// ---- UPDATE ... FROM ----

struct UpdateCase {
  std::string_view statement;
  std::string_view check;  // a query over the changed table
  std::vector<std::string> expected;
};

TEST_F(TranslatedSql, UpdateFromChangesTheRowsOfTheJoinAsTheServerDoes) {
  const UpdateCase cases[] = {
      // the target named by the table, aliased in FROM: one contractor, not all ten
      {"update KONTRAHENT set nazwa='B' from KONTRAHENT k where k.id_kontrahenta=1",
       "select id_kontrahenta from KONTRAHENT where nazwa='B'",
       {"1"}},
      // the target named by its alias
      {"update k set nazwa='C' from KONTRAHENT k with (nolock) where k.id_kontrahenta=2",
       "select id_kontrahenta from KONTRAHENT where nazwa='C'",
       {"2"}},
      // the table without an alias, unqualified columns
      {"update KONTRAHENT set nazwa='D' from KONTRAHENT where id_kontrahenta=3",
       "select id_kontrahenta from KONTRAHENT where nazwa='D'",
       {"3"}},
      // an inner join to a second table
      {"update KONTRAHENT set termin_platnosci = f.termin + 100 from KONTRAHENT k inner join "
       "FK_FORMA_PLATNOSCI f on k.id_formy_platnosci = f.id_formy_platnosci where "
       "f.nazwa = 'gotówka'"_cp,
       "select id_kontrahenta, termin_platnosci from KONTRAHENT where termin_platnosci >= 100 "
       "and termin_platnosci < 200",
       {"4|100", "7|100"}},
      // the target on the right of the join
      {"update k set termin_platnosci = f.termin + 200 from FK_FORMA_PLATNOSCI f join "
       "KONTRAHENT k on k.id_formy_platnosci = f.id_formy_platnosci where "
       "f.id_formy_platnosci = 3",
       "select id_kontrahenta, termin_platnosci from KONTRAHENT where termin_platnosci >= 200",
       {"2|230", "5|230", "8|230"}},
      // a left outer join keeps the target rows without a partner
      {"update k set regon = isnull(r.NUMER_RACHUNKU_ALL, '-') from KONTRAHENT k left outer "
       "join RACHUNEK_BANKOWY r on r.ID_RACHUNKU = k.ID_RACHUNKU and r.TYP = 'K' where "
       "k.id_firmy = 2",
       "select id_kontrahenta from KONTRAHENT where regon = '-'",
       {"10"}},
      // a target that is not in FROM takes its values from the FROM's row
      {"update FIRMA set nazwa = k.nazwa from KONTRAHENT k where k.id_kontrahenta = 9 and "
       "FIRMA.id_firmy = 2",
       "select id_firmy, nazwa from FIRMA order by id_firmy",
       texts({"1|PHU Żuraw Sp. z o.o."_cp, "2|Apteka Pod Orłem"_cp})},
  };
  for (const UpdateCase& c : cases) {
    EXPECT_EQ(error_of(c.statement), "") << c.statement;
    EXPECT_EQ(rows(c.check), c.expected) << c.statement;
  }
  // Exactly those rows and columns changed.
  EXPECT_EQ(rows("select id_kontrahenta, nazwa, termin_platnosci, regon from KONTRAHENT order by "
                 "id_kontrahenta"),
            texts({"1|B|14|510293847", "2|C|230|670125836", "3|D|14|690518721",
                   "4|Sokół Sp. j.|100|931215482"_cp, "5|Żabka Polska Sp. z o.o.|230|365011842"_cp,
                   "6|Ćwikła Usługi Transportowe|14|140583921"_cp, "7|Celina Nowak Handel|100|",
                   "8|O'Brien Consulting Ltd|230|", "9|Apteka Pod Orłem|14|272839120"_cp,
                   "10|Hurtownia Elektryczna Iskra|14|-"}));
}

TEST_F(TranslatedSql, UpdateFromReadsTheRowsAsTheyWereBeforeTheUpdate) {
  // Each contractor takes the payment term of the next one, as it stood before the statement.
  EXPECT_EQ(error_of("update a set termin_platnosci = b.termin_platnosci from KONTRAHENT a "
                     "join KONTRAHENT b on b.id_kontrahenta = a.id_kontrahenta + 1"),
            "");
  EXPECT_EQ(rows("select termin_platnosci from KONTRAHENT order by id_kontrahenta"),
            (std::vector<std::string>{"30", "14", "0", "30", "14", "0", "30", "14", "14", "14"}));
}

TEST_F(TranslatedSql, UpdateFromThatCannotBeTranslatedExactlyIsRefused) {
  const char* refused[] = {
      // two instances of the target table: ambiguous on the server too
      "update KONTRAHENT set nazwa='x' from KONTRAHENT a join KONTRAHENT b on "
      "a.id_kontrahenta = b.id_kontrahenta",
      // a column of another table than the target
      "update k set f.nazwa = 'x' from KONTRAHENT k join FK_FORMA_PLATNOSCI f on "
      "k.id_formy_platnosci = f.id_formy_platnosci",
      // a derived table as the target
      "update x set nazwa = 'x' from (select nazwa from KONTRAHENT) x",
  };
  for (const char* s : refused) {
    const std::string error = error_of(s);
    EXPECT_TRUE(contains(error, "Nieobsługiwana konstrukcja SQL: "_cp)) << s << ": " << error;
  }
  EXPECT_EQ(rows("select count(*) from KONTRAHENT where nazwa = 'x'"),
            std::vector<std::string>{"0"});
}

// ---- texts with NUL ----

const std::string kNul("A\0B", 3);

TEST_F(TranslatedSql, TextWithNulIsStoredAndReadBackByteExact) {
  EXECSQL("insert into OPISY (opis_dok, typ) values (" + sql::quoted(kNul) + ", 'N')");
  EXPECT_EQ(dane::thread_tables().ZAPYTANIESQL.error_code(), dane::kNoError);
  EXPECT_EQ(rows("select opis_dok from OPISY where typ = 'N'"), std::vector<std::string>{kNul});
  EXPECT_EQ(rows("select opis_dok from OPISY where opis_dok = " + sql::quoted(kNul)),
            std::vector<std::string>{kNul});
  EXPECT_EQ(FUNCVAY("select " + sql::quoted(std::string("\0\0x\0", 4))), std::string("\0\0x\0", 4));
}

TEST_F(TranslatedSql, TextWithNulReachesTheStoredProcedure) {
  EXPECT_EQ(error_of("insert into BROWSER_KONFIG (id_firmy, id_browsera, id_uzyt, nazwa_drzewa, "
                     "lp, domyslny) values (1, 1, 'AKOWALSKA', " +
                     sql::quoted(kNul) + ", 1, 0)"),
            "");
  EXPECT_EQ(error_of("CALL OBSLUGA_KONFIG_BROW(1,'AKOWALSKA',1,3," + sql::quoted(kNul) + ")"), "");
  EXPECT_EQ(rows("select nazwa_drzewa from BROWSER_KONFIG where id_firmy=1 and id_browsera=1 and "
                 "id_uzyt='AKOWALSKA' and domyslny=1"),
            std::vector<std::string>{kNul});
}

TEST_F(TranslatedSql, LogsAndOptionsKeepTextsWithNul) {
  lookups::reset_operation_numbers();
  LOG_DODAJ(9, kNul, "Dokumenty", kNul, "", "", "");
  EXPECT_EQ(rows("select rodzaj_operacji, tekst_1 from FK_LOG_1 where id_operacji = 43"),
            std::vector<std::string>{kNul + "|" + kNul});
  LOG_ADD(1003, "D", "DOK", kNul);
  EXPECT_EQ(rows("select szczegoly_operacji from UZYTKOWNIK_FK_LOG where id_zapisu = 1003"),
            std::vector<std::string>{kNul});
  EXPECT_EQ(PUTPARAMETRU(30, kNul, 1), 0);
  EXPECT_EQ(GETPARAMETRU(30), kNul);
  EXPECT_TRUE(warnings().empty());
}

TEST(TranslatorNul, NamesWithNulAreRefused) {
  for (const std::string& s :
       {std::string("select [a\0b] from FIRMA", 23), std::string("select 1 as \"x\0\"", 16)}) {
    EXPECT_FALSE(sqlite::translate(s).ok());
  }
}

// ---- datepart ----

TEST_F(TranslatedSql, DatepartKnowsEveryPartNameOfTheServer) {
  struct Case {
    std::vector<std::string_view> names;
    std::string_view value;
  };
  // Sunday 15 March 2026, the 74th day of the year, in the 11th week (weeks start on Monday).
  const Case cases[] = {{{"year", "yy", "yyyy", "YEAR", "[yy]"}, "2026"},
                        {{"quarter", "qq", "q"}, "1"},
                        {{"month", "mm", "m", "Month"}, "3"},
                        {{"dayofyear", "dy", "y"}, "74"},
                        {{"day", "dd", "d"}, "15"},
                        {{"week", "wk", "ww"}, "11"},
                        {{"weekday", "dw"}, "7"},
                        {{"hour", "hh"}, "14"},
                        {{"minute", "mi", "n"}, "5"},
                        {{"second", "ss", "s"}, "9"},
                        {{"millisecond", "ms"}, "123"}};
  for (const Case& c : cases) {
    for (const auto name : c.names) {
      const std::string s = "select datepart(" + std::string(name) + ", '2026-03-15 14:05:09.123')";
      EXPECT_EQ(rows(s), std::vector<std::string>{std::string(c.value)}) << s;
    }
  }
  // Weeks: 1 January 2026 is a Thursday; the first Monday starts week 2.
  const std::pair<std::string_view, std::string_view> weeks[] = {
      {"2026-01-01", "1"},  {"2026-01-04", "1"}, {"2026-01-05", "2"},
      {"2026-12-31", "53"}, {"2024-01-01", "1"}, {"2024-12-31", "53"}};
  for (const auto& [day, week] : weeks) {
    EXPECT_EQ(rows("select datepart(wk, '" + std::string(day) + "')"),
              std::vector<std::string>{std::string(week)})
        << day;
  }
  EXPECT_EQ(rows("select datepart(week, NULL)"), std::vector<std::string>{"NULL"});
}

TEST_F(TranslatedSql, DatepartRefusesAnyOtherFirstArgument) {
  const char* refused[] = {
      "select datepart([yy', 0) union select group_concat(identyfikator) from UZYTKOWNIK_FK "
      "--], getdate())",
      "select datepart([yy'], getdate())", "select datepart(iso_week, getdate())",
      "select datepart(nanosecond, getdate())"};
  for (const char* s : refused) {
    const std::string error = error_of(s);
    EXPECT_TRUE(contains(error, "Nieobsługiwana konstrukcja SQL: część daty"_cp))
        << s << ": " << error;
  }
  EXPECT_NE(error_of("select datepart('yy', getdate())"), "");
}

// ---- the translation cache ----

TEST(TranslationCache, IsBoundedByBytesAndSkipsHugeStatements) {
  sqlite::clear_translation_cache();
  const std::string huge = "select '" + std::string(sqlite::kTranslationCacheEntryBytes, 'h') + "'";
  const sqlite::Translation& t = sqlite::translate_cached(huge);
  ASSERT_TRUE(t.ok());
  EXPECT_EQ(t.sql.size(), huge.size());
  EXPECT_EQ(sqlite::translation_cache_size(), 0u);
  EXPECT_EQ(sqlite::translation_cache_bytes(), 0u);

  // Distinct statements of 256 KB each: far more than the cache may hold.
  const std::string body(256 << 10, 'x');
  for (int i = 0; i < 160; ++i) {
    const sqlite::Translation& made =
        sqlite::translate_cached("select " + std::to_string(i) + ", '" + body + "'");
    ASSERT_TRUE(made.ok());
    ASSERT_LE(sqlite::translation_cache_bytes(), sqlite::kTranslationCacheBytes);
  }
  EXPECT_GT(sqlite::translation_cache_size(), 0u);
  sqlite::clear_translation_cache();
  EXPECT_EQ(sqlite::translation_cache_bytes(), 0u);
}

// NULLIF and CASE compare as every other comparison does: case-insensitive and blind to
// trailing blanks, also when neither side is a column.
TEST_F(TranslatedSql, NullifAndCaseCompareTextsAsTheCollationDoes) {
  struct Case {
    std::string_view expression, value;
  };
  const Case cases[] = {
      {"isnull(nullif('abc', 'ABC'), 'equal')", "equal"},
      {"isnull(nullif(Substring(nazwa, 1, 3), 'phu'), 'equal')", "equal"},
      {"isnull(nullif('ab', 'ab  '), 'equal')", "equal"},
      {"isnull(nullif('żółw', 'ŻÓŁW'), 'equal')"_cp, "equal"},
      {"isnull(nullif('abc', 'abd'), 'equal')", "abc"},
      {"isnull(nullif(1, 1), 0)", "0"},
      {"case Left(nazwa, 3) when 'phu' then 'yes' else 'no' end", "yes"},
      {"case 'Łódź' when 'ŁÓDŹ  ' then 'yes' else 'no' end"_cp, "yes"},
      {"case 'a' when 'b' then 'yes' else 'no' end", "no"},
      {"case 2 when 2 then 'yes' else 'no' end", "yes"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rows("select " + std::string(c.expression) + " from FIRMA where id_firmy = 1"),
              texts({c.value}))
        << c.expression;
  }
}

TEST(TranslationCache, ManyThreadsKeepItsAccountsRight) {
  sqlite::clear_translation_cache();
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t] {
      const std::string body(96 << 10, static_cast<char>('a' + t));
      for (int i = 0; i < 100; ++i) {
        // Small statements that every thread asks for, and large ones of its own.
        const sqlite::Translation& shared =
            sqlite::translate_cached("select " + std::to_string(i % 50));
        EXPECT_EQ(shared.sql, "SELECT " + std::to_string(i % 50));
        const sqlite::Translation& own =
            sqlite::translate_cached("select " + std::to_string(i) + ", '" + body + "'");
        EXPECT_TRUE(own.ok());
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_LE(sqlite::translation_cache_bytes(), sqlite::kTranslationCacheBytes);
  EXPECT_LE(sqlite::translation_cache_size(), 4096u);
  sqlite::clear_translation_cache();
  EXPECT_EQ(sqlite::translation_cache_bytes(), 0u);
  EXPECT_EQ(sqlite::translation_cache_size(), 0u);
}

// Each thread's map of recent statements stays within its bounds, and a statement that now
// translates differently (a table function registered since, the cache cleared on another
// thread) is never answered from it.
TEST(TranslationCache, ThreadMapIsBoundedAndNeverStale) {
  sqlite::clear_translation_cache();
  const std::string big = "select '" + std::string(sqlite::kThreadTranslationEntryBytes, 'b') + "'";
  const sqlite::Translation* first = &sqlite::translate_cached(big);
  EXPECT_EQ(sqlite::thread_translation_cache_size(), 0u);  // kept only process-wide
  EXPECT_EQ(first, &sqlite::translate_cached(big));
  const std::string body(2000, 'x');
  for (int i = 0; i < 300; ++i) {
    ASSERT_TRUE(sqlite::translate_cached("select " + std::to_string(i) + ", '" + body + "'").ok());
    ASSERT_LE(sqlite::thread_translation_cache_size(), sqlite::kThreadTranslationEntries);
    ASSERT_LE(sqlite::thread_translation_cache_bytes(), sqlite::kThreadTranslationBytes);
  }

  const std::string uses = "select * from dbo.TranslationCacheProbe(7)";
  EXPECT_FALSE(sqlite::translate_cached(uses).ok());
  sqlite::register_table_function("TranslationCacheProbe", "SELECT ?1 AS x");
  EXPECT_TRUE(sqlite::translate_cached(uses).ok());

  const std::string plain = "select 1";
  EXPECT_EQ(sqlite::translate_cached(plain).sql, "SELECT 1");
  std::thread([] { sqlite::clear_translation_cache(); }).join();
  EXPECT_EQ(sqlite::translation_cache_size(), 0u);
  EXPECT_EQ(sqlite::translate_cached(plain).sql, "SELECT 1");
  EXPECT_EQ(sqlite::translation_cache_size(), 1u);  // asked of the process-wide cache again
  sqlite::clear_translation_cache();
}

}  // namespace
}  // namespace funkcja
