// The server's dialect on the embedded database: Polish comparison and ordering, the server's
// functions, and the stored procedures.
#include <gtest/gtest.h>

#include "frame/cp_literal.hpp"
#include "host/sqlite/functions.hpp"
#include "host/sqlite/polish.hpp"
#include "host/sqlite/translator.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using EmbeddedSql = testing::DemoDatabase;

TEST_F(EmbeddedSql, OrderByFollowsThePolishAlphabet) {
  EXPECT_EQ(rows("select nazwa from KONTRAHENT where id_firmy=1 order by nazwa"),
            texts({"Apteka Pod Orłem"_cp, "Celina Nowak Handel", "Ćwikła Usługi Transportowe"_cp,
                   "Lubawa S.A.", "Łucznik S.A."_cp, "O'Brien Consulting Ltd", "Sokół Sp. j."_cp,
                   "Śnieżka S.A."_cp, "Żabka Polska Sp. z o.o."_cp}));
  EXPECT_EQ(rows("select top 3 wojewodztwo from WOJEWODZTWO order by wojewodztwo desc"),
            texts({"zachodniopomorskie", "wielkopolskie", "warmińsko-mazurskie"_cp}));
}

TEST_F(EmbeddedSql, ComparisonIgnoresCaseAndTrailingBlanks) {
  struct Case {
    std::string_view condition, count;
  };
  const Case cases[] = {{"nazwa = 'łUCZNIK s.a.   '"_cp, "1"},
                        {"nazwa = 'Lucznik S.A.'", "0"},  // Ł is a letter of its own
                        {"nazwa > 'Lubawa S.A.' and nazwa < 'M'", "1"},
                        {"upper(nazwa) like '%ŻABKA%'"_cp, "1"},
                        {"nazwa like 'ż%'"_cp, "1"},
                        {"nazwa like '[a-c]%'", "2"},
                        {"nazwa like '_ucznik%'", "1"},
                        {"nazwa like '%''%'", "1"},
                        {"Substring(nazwa,1,3) = 'LUB'", "1"},
                        {"nip in ('5273021570', '7013681939 ')", "2"},
                        {"nazwa between 'L' and 'M'", "2"}};
  for (const Case& c : cases) {
    EXPECT_EQ(
        rows("select count(*) from KONTRAHENT where id_firmy=1 and " + std::string(c.condition)),
        texts({c.count}))
        << c.condition;
  }
}

TEST_F(EmbeddedSql, ServerFunctionsBehaveAsOnTheServer) {
  struct Case {
    std::string_view expression, value;
  };
  const Case cases[] = {
      {"Substring('abcdef',0,2)", "a"},
      {"Substring('abc',5,2)", ""},
      {"Left('Łódź',2)"_cp, "Łó"_cp},
      {"Right('Łódź',2)"_cp, "dź"_cp},
      {"Right('ab',5)", "ab"},
      {"Len('')", "0"},
      {"Reverse('żółw')"_cp, "włóż"_cp},
      {"Charindex('Ó','łódź')"_cp, "2"},
      {"Charindex('x','abc')", "0"},
      {"'a'+'b'", "ab"},
      {"'1'+2", "3"},
      {"convert(varchar(20),5)+'x'", "5x"},
      {"convert(char(4),'ab')+'|'", "ab  |"},
      {"convert(datetime,0)", "1900-01-01 00:00:00.000"},
      {"convert(datetime,82257-36163)", "2026-03-15 00:00:00.000"},
      {"convert(varchar(20),convert(datetime,'2026-03-15 14:05:09.123'),114)", "14:05:09:123"},
      {"Left(convert(varchar(20),convert(datetime,'2026-03-15 08:07:06'),114),8)", "08:07:06"},
      {"convert(varchar(10),convert(datetime,'20260315'),104)", "15.03.2026"},
      {"datepart(dw,convert(datetime,82258-36163))", "1"},  // weeks start on Monday
      {"Right('0'+convert(varchar(20),datepart(mm,'2026-03-15')),2)", "03"},
      {"replace('Ala ma kota','A','o')", "olo mo koto"},
      {"Len(getdate())", "23"}};
  for (const Case& c : cases) {
    EXPECT_EQ(rows("select " + std::string(c.expression)), texts({c.value})) << c.expression;
  }
}

TEST_F(EmbeddedSql, ConversionFailuresAreErrorsNotWrongValues) {
  EXPECT_NE(error_of("select 'a'+1"), "");
  EXPECT_NE(error_of("select convert(datetime,'2026-02-30')"), "");
}

TEST(Translator, CacheReturnsOneTranslationPerStatement) {
  sqlite::clear_translation_cache();
  const sqlite::Translation* a =
      &sqlite::translate_cached("select top 1 nazwa from FIRMA with (NOLOCK)");
  const sqlite::Translation& b =
      sqlite::translate_cached("select top 1 nazwa from FIRMA with (NOLOCK)");
  EXPECT_EQ(a, &b);
  EXPECT_EQ(sqlite::translation_cache_size(), 1u);
  EXPECT_EQ(b.sql, "SELECT \"nazwa\" FROM \"FIRMA\" LIMIT 1");
}

TEST(Polish, CollationOrdersLettersAndIgnoresCase) {
  const std::string_view ordered[] = {"a",    "ą"_cp, "b",    "c",    "ć"_cp, "d", "e",
                                      "ę"_cp, "l",    "ł"_cp, "n",    "ń"_cp, "o", "ó"_cp,
                                      "s",    "ś"_cp, "z",    "ź"_cp, "ż"_cp};
  for (std::size_t i = 0; i + 1 < std::size(ordered); ++i) {
    EXPECT_LT(sqlite::compare_cp(ordered[i], ordered[i + 1]), 0) << i;
    EXPECT_EQ(sqlite::compare_cp(sqlite::upper_text(ordered[i]), ordered[i]), 0) << i;
    EXPECT_LT(
        sqlite::compare_utf8(sqlite::cp_to_utf8(ordered[i]), sqlite::cp_to_utf8(ordered[i + 1])),
        0);
  }
  EXPECT_EQ(sqlite::compare_cp("abc   ", "ABC"), 0);
  EXPECT_EQ(sqlite::compare_cp("   ", ""), 0);
  EXPECT_LT(sqlite::compare_cp("ab", "abc"), 0);
  EXPECT_LT(sqlite::compare_cp("L", "Ł"_cp), 0);
  EXPECT_LT(sqlite::compare_cp("Lz", "Ła"_cp), 0);
}

TEST(Polish, LikePatterns) {
  struct Case {
    std::string_view pattern, value;
    bool match;
  };
  const Case cases[] = {{"%", "", true},          {"a%", "ABC", true},
                        {"%c", "abc", true},      {"a_c", "abc", true},
                        {"a_c", "ac", false},     {"[a-c]x", "bx", true},
                        {"[^a-c]x", "bx", false}, {"%b%b%", "abcb", true},
                        {"%b%b%", "abc", false},  {"ż%"_cp, "Żaba"_cp, true},
                        {"a", "a ", false},       {"50[%]", "50%", true}};
  for (const Case& c : cases) {
    EXPECT_EQ(sqlite::like_match(c.pattern, c.value), c.match) << c.pattern << " ~ " << c.value;
  }
}

TEST_F(EmbeddedSql, RateImportStoresOnceAndRefusesTheSameDayAgain) {
  const std::string table = "TABELA|236/A/NBP/2026|2026-12-07\r\nEUR|1|4,2250\r\nUSD|1|3.6500";
  EXPECT_EQ(rows("call TG_ImportKusowWalutNBP(0,'" + table + "')"),
            std::vector<std::string>{"82524"});
  EXPECT_EQ(
      rows("select sym_waluty, kurs from KURSY_WALUT where data_kursu=82524 order by sym_waluty"),
      (std::vector<std::string>{"EUR|4.225", "USD|3.65"}));
  const std::string again = error_of("call TG_ImportKusowWalutNBP(0,'" + table + "')");
  EXPECT_NE(again.find("uzupełniona"_cp), std::string::npos) << again;
  EXPECT_EQ(rows("call TG_ImportKusowWalutNBP(1,'" + table + "')"),
            std::vector<std::string>{"82524"});
  EXPECT_NE(error_of("call TG_ImportKusowWalutECB(0,'EUR|1|x')"), "");
  // A failed import leaves nothing behind.
  EXPECT_NE(error_of("call TG_ImportKusowWalutECB(0,'TABELA|1|2026-12-07\nEUR|1|4.1\nUSD|x|1')"),
            "");
  // A rate or a unit that is not a plain number refuses the table.
  for (const char* line : {"EUR|1|inf", "EUR|1|nan", "EUR|1|0x1p2", "EUR|1|+-4.1", "EUR|1x|4.1",
                           "EUR|0|4.1", "EUR|1|-4.1"}) {
    EXPECT_NE(
        error_of(std::string("call TG_ImportKusowWalutECB(1,'TABELA|1|2026-12-07\n") + line + "')"),
        "")
        << line;
  }
  EXPECT_EQ(rows("select count(*) from KURSY_WALUT where zrodlo='ECB'"),
            std::vector<std::string>{"0"});
}

// Beyond the calls in the table of statements the library sends.
TEST_F(EmbeddedSql, StoredProceduresAnswerFromTheTables) {
  struct Case {
    std::string_view statement;
    std::vector<std::string_view> rows;
  };
  const Case cases[] = {
      {"CALL SZUKAJ_KONTA(1,3,'201-1',1)", {"0|201-1|Odbiorcy krajowi"}},
      {"CALL SZUKAJ_KONTA(1,3,'404-01',1)", {"1|404-01|"}},
      {"CALL USTAL_PRAWO_DOSTEPU_ZASOB (1,3,'AKOWALSKA','K','851')", {"2"}},
      {"CALL USTAL_PRAWO_DOSTEPU_ZASOB (1,3,'AKOWALSKA','K','234')", {"0"}},
      {"CALL USTAL_PRAWO_DOSTEPU_ZASOB (1,3,'AKOWALSKA','K','700')", {"1"}},
      {"CALL USTAL_PRAWO_DOSTEPU_ZASOB (1,3,'ADMIN','K','234')", {"1"}},
      {"CALL USTAL_PRAWO_DOSTEPU_FUNKCJA(1,'AKOWALSKA', 'KSIEGOWANIE')", {"1"}},
      {"CALL OBLICZ_OBROTY_DLA_KONTA (1,3,82242,'PLN','100-01',0, 0)",
       {"20300.00|20350.50|100-01|1520.00|0.00|1469.50|0.00"}},
      {"CALL OBLICZ_OBROTY_DLA_KONTA (1,3,82184,'PLN','501-01',0, 0)",
       {"25590.00|0.00|501-01|0.00|0.00|25590.00|0.00"}},
      {"CALL USTAL_NAZWE_KONTA(1,3,'130-01')", {"1|130-01|Rachunek bieżący PKO BP"_cp}},
      {"CALL USTAL_NAZWE_KONTA(1,3,'999')", {}},
      {"select dbo.TG_GetFormaPlatnosci(1,0,1,0,'','')", {"gotówka"_cp}},
      {"select dbo.TG_GetFormaPlatnosci(1,0,99,0,'inna ','')", {"inna"}}};
  for (const Case& c : cases) {
    EXPECT_EQ(rows(c.statement), std::vector<std::string>(c.rows.begin(), c.rows.end()))
        << c.statement;
  }
}

TEST_F(EmbeddedSql, BrowseTreeBookkeeping) {
  const std::string defaults =
      "select nazwa_drzewa from BROWSER_KONFIG where id_firmy=1 AND id_browsera=1 AND "
      "id_uzyt='AKOWALSKA' AND domyslny=1 group by nazwa_drzewa";
  EXPECT_EQ(rows(defaults), texts({"Według typu dokumentu"_cp}));
  rows("CALL OBSLUGA_KONFIG_BROW(1,'AKOWALSKA',1,3,'Według dziennika')"_cp);
  EXPECT_EQ(rows(defaults), texts({"Według dziennika"_cp}));
  rows("CALL OBSLUGA_KONFIG_BROW(1,'AKOWALSKA',1,2,'Według dziennika')"_cp);
  EXPECT_EQ(rows(defaults), std::vector<std::string>{});
  EXPECT_EQ(rows("select count(*) from BROWSER_KONFIG where id_browsera=1"),
            std::vector<std::string>{"2"});
  EXPECT_NE(error_of("CALL OBSLUGA_KONFIG_BROW(1,'AKOWALSKA',1,9,'x')"), "");
}

}  // namespace
}  // namespace funkcja
