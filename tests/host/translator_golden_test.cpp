// The translator's output for each statement form and construct of the server's dialect: the
// statement in, the embedded database's statement out, word for word; the refusals with their
// messages; and stored-procedure calls with their literal arguments.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "frame/cp_literal.hpp"
#include "host/sqlite/translator.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

struct Golden {
  std::string_view in;   // the server's dialect, code page 1250
  std::string_view out;  // the embedded database's statement (UTF-8), or the refusal (CP1250)
};

const Golden kStatements[] =
    {
        {"select top 1 nazwa from KONTRAHENT with (NOLOCK) where id_firmy=1 order by nazwa",
         R"sql(SELECT "nazwa" FROM "KONTRAHENT" WHERE ("id_firmy" = 1) ORDER BY "nazwa" COLLATE PL LIMIT 1)sql"},
        {"select top (5) a from T", R"sql(SELECT "a" FROM "T" LIMIT 5)sql"},
        {"select distinct a, b as x, c y, z = d, 'lit' napis, e as 'tekst' from T",
         R"sql(SELECT DISTINCT "a", "b" AS "x", "c" AS "y", "d" AS "z", 'lit' AS "napis", "e" AS "tekst" FROM "T")sql"},
        {"select all * from T", R"sql(SELECT * FROM "T")sql"},
        {"select t.* from dbo.T t (nolock)", R"sql(SELECT "t".* FROM "T" AS "t")sql"},
        {"select a from BAZA.dbo.[Tabela z spacją] as t with (nolock, rowlock)"_cp,
         R"sql(SELECT "a" FROM "Tabela z spacją" AS "t")sql"},
        {R"sql(select "kolumna" from T)sql", R"sql(SELECT "kolumna" FROM "T")sql"},
        {"select count(*), count(distinct a), sum(b), avg(c), min(d), max(e) from T group by f, g "
         "having count(*) > 1",
         R"sql(SELECT count(*), count(DISTINCT "a"), sum("b"), avg("c"), min("d"), max("e") FROM "T" GROUP BY "f" COLLATE PL, "g" COLLATE PL HAVING (count(*) > 1))sql"},
        {"select a.x from A a inner join B b on a.id = b.id left outer join C c on c.id = a.id "
         "cross join D",
         R"sql(SELECT "a"."x" FROM "A" AS "a" INNER JOIN "B" AS "b" ON ("a"."id" = ("b"."id") COLLATE PL) LEFT OUTER JOIN "C" AS "c" ON ("c"."id" = ("a"."id") COLLATE PL) CROSS JOIN "D")sql"},
        {"select a.x from A a join B b on a.id = b.id left join C on C.id = a.id, E",
         R"sql(SELECT "a"."x" FROM "A" AS "a" INNER JOIN "B" AS "b" ON ("a"."id" = ("b"."id") COLLATE PL) LEFT OUTER JOIN "C" ON ("C"."id" = ("a"."id") COLLATE PL), "E")sql"},
        {"select x.a from (select a from T) x",
         R"sql(SELECT "x"."a" FROM (SELECT "a" FROM "T") AS "x")sql"},
        {"select a from T order by 1 desc, b asc, c",
         R"sql(SELECT "a" FROM "T" ORDER BY 1 DESC, "b" COLLATE PL ASC, "c" COLLATE PL)sql"},
        {"select 1 + 2 * 3 - 4 / 2 % 3",
         "SELECT ((1 + (2 * 3)) - tsql_modulo(tsql_divide(4, 2), 3))"},
        {"select 'a' + 'b' + 'c'", "SELECT (('a' || 'b') || 'c')"},
        {"select a + b, a + 'x', 1 + a from T",
         R"sql(SELECT tsql_add("a", "b"), tsql_add("a", 'x'), tsql_add(1, "a") FROM "T")sql"},
        {"select -a, +b, -(1) from T", R"sql(SELECT (-"a"), "b", (-(1)) FROM "T")sql"},
        {"select a from T where a like 'x%' and b not like '%y' escape '!'",
         R"sql(SELECT "a" FROM "T" WHERE (("a" LIKE 'x%') AND ("b" NOT LIKE '%y' ESCAPE '!')))sql"},
        {"select a from T where a in (1, 2) or b not in (select b from U)",
         R"sql(SELECT "a" FROM "T" WHERE ((("a") COLLATE PL IN (1, 2)) OR (("b") COLLATE PL NOT IN (SELECT "b" FROM "U"))))sql"},
        {"select a from T where a between 1 and 2 and b not between 'a' and 'b'",
         R"sql(SELECT "a" FROM "T" WHERE ((("a") COLLATE PL BETWEEN 1 AND 2) AND (("b") COLLATE PL NOT BETWEEN 'a' AND 'b')))sql"},
        {"select a from T where a is null and b is not null",
         R"sql(SELECT "a" FROM "T" WHERE (("a" IS NULL) AND ("b" IS NOT NULL)))sql"},
        {"select a from T where exists (select 1 from U where U.id = T.id)",
         R"sql(SELECT "a" FROM "T" WHERE EXISTS (SELECT 1 FROM "U" WHERE ("U"."id" = ("T"."id") COLLATE PL)))sql"},
        {"select a from T where a <> 1 and b != 2 and c < 3 and d > 4 and e <= 5 and f >= 6",
         R"sql(SELECT "a" FROM "T" WHERE (("a" <> 1) AND ("b" <> 2) AND ("c" < 3) AND ("d" > 4) AND ("e" <= 5) AND ("f" >= 6)))sql"},
        {"select a from T where not (a = 1 or b = 2) and not c = 3",
         R"sql(SELECT "a" FROM "T" WHERE ((NOT ((("a" = 1) OR ("b" = 2)))) AND (NOT ("c" = 3))))sql"},
        {"select case a when 1 then 'jeden' when 2 then 'dwa' else 'inne' end from T",
         R"sql(SELECT CASE ("a") COLLATE PL WHEN 1 THEN 'jeden' WHEN 2 THEN 'dwa' ELSE 'inne' END FROM "T")sql"},
        {"select case when a > 1 then 1 else NULL end from T",
         R"sql(SELECT CASE WHEN ("a" > 1) THEN 1 ELSE NULL END FROM "T")sql"},
        {"select convert(datetime, '20260315'), cast(a as date), convert(smalldatetime, b) from T",
         R"sql(SELECT tsql_datetime('20260315'), tsql_datetime("a"), tsql_datetime("b") FROM "T")sql"},
        {"select convert(varchar(10), a), convert(varchar(10), b, 121), convert(varchar, c) from T",
         R"sql(SELECT tsql_varchar("a", 10, NULL, 0), tsql_varchar("b", 10, 121, 0), tsql_varchar("c", 30, NULL, 0) FROM "T")sql"},
        {"select convert(char(5), a), convert(nvarchar(max), b), cast(c as text), cast(d as "
         "nchar(2)) from T",
         R"sql(SELECT tsql_varchar("a", 5, NULL, 1), tsql_varchar("b", 0, NULL, 0), tsql_varchar("c", 0, NULL, 0), tsql_varchar("d", 2, NULL, 1) FROM "T")sql"},
        {"select convert(int, a), cast(b as bit), convert(tinyint, c), convert(smallint, d), "
         "cast(e as bigint) from T",
         R"sql(SELECT tsql_int("a", 32), tsql_int("b", 1), tsql_int("c", 8), tsql_int("d", 16), tsql_int("e", 64) FROM "T")sql"},
        {"select convert(decimal(10,2), a), cast(b as numeric), convert(money, c), "
         "convert(smallmoney, d), convert(decimal(5), e) from T",
         R"sql(SELECT tsql_decimal("a", 10, 2), tsql_decimal("b", 18, 0), tsql_decimal("c", 19, 4), tsql_decimal("d", 10, 4), tsql_decimal("e", 5, 0) FROM "T")sql"},
        {"select convert(float, a), cast(b as real), convert(float(53), c) from T",
         R"sql(SELECT tsql_number("a"), tsql_number("b"), tsql_number("c") FROM "T")sql"},
        {"select datepart(yy, a), datepart(quarter, a), datepart(m, a), datepart(dy, a), "
         "datepart(d, a), datepart(dw, a), datepart(hh, a), datepart(mi, a), datepart(ss, a), "
         "datepart(ms, a) from T",
         R"sql(SELECT tsql_datepart('YY', "a"), tsql_datepart('QQ', "a"), tsql_datepart('MM', "a"), tsql_datepart('DY', "a"), tsql_datepart('DD', "a"), tsql_datepart('DW', "a"), tsql_datepart('HH', "a"), tsql_datepart('MI', "a"), tsql_datepart('SS', "a"), tsql_datepart('MS', "a") FROM "T")sql"},
        {"select datepart(wk, a) from T",
         R"sql(SELECT ((tsql_datepart('DY', "a") - tsql_datepart('DW', "a") + 6) / 7 + 1) FROM "T")sql"},
        {"select dbo.TG_GetFormaPlatnosci(1, 'x', NULL)",
         "SELECT TG_GetFormaPlatnosci(1, 'x', NULL)"},
        {"select Substring(a, 1, 2), Left(a, 1), Right(a, 1), Len(a), Charindex('x', a), "
         "Charindex('x', a, 2) from T",
         R"sql(SELECT tsql_substring("a", 1, 2), tsql_left("a", 1), tsql_right("a", 1), tsql_len("a"), tsql_charindex('x', "a"), tsql_charindex('x', "a", 2) FROM "T")sql"},
        {"select isnull(a, 0), coalesce(a, b, 'c'), nullif(a, 1), abs(a), round(a, 2), floor(a), "
         "ceiling(a), sign(a) from T",
         R"sql(SELECT ifnull("a", 0), coalesce("a", "b", 'c'), nullif(("a") COLLATE PL, 1), abs("a"), tsql_round("a", 2), tsql_floor("a"), tsql_ceiling("a"), sign("a") FROM "T")sql"},
        {"select getdate(), year(a), month(a), day(a), ascii(a), char(65), space(2), "
         "replicate('x', 3) from T",
         R"sql(SELECT tsql_getdate(), tsql_year("a"), tsql_month("a"), tsql_day("a"), tsql_ascii("a"), tsql_char(65), tsql_space(2), tsql_replicate('x', 3) FROM "T")sql"},
        {"select upper(a), lower(a), ltrim(a), rtrim(a), reverse(a), stuff(a, 1, 1, 'x'), "
         "replace(a, 'x', 'y') from T",
         R"sql(SELECT tsql_upper("a"), tsql_lower("a"), tsql_ltrim("a"), tsql_rtrim("a"), tsql_reverse("a"), tsql_stuff("a", 1, 1, 'x'), tsql_replace("a", 'x', 'y') FROM "T")sql"},
        {"select 'O''Brien', N'Łódź', ''"_cp, "SELECT 'O''Brien', 'Łódź', ''"},
        {"select 1 -- komentarz", "SELECT 1"},
        {"select /* a */ 1 ;", "SELECT 1"},
        {"select a from (select a from T) as x where x.a in (select a from U)",
         R"sql(SELECT "a" FROM (SELECT "a" FROM "T") AS "x" WHERE (("x"."a") COLLATE PL IN (SELECT "a" FROM "U")))sql"},
        {"insert into T (a, b) values (1, 'x'), (2, N'y')",
         R"sql(INSERT INTO "T" ("a", "b") VALUES (1, 'x'), (2, 'y'))sql"},
        {"insert T select a from U where a > 1",
         R"sql(INSERT INTO "T" SELECT "a" FROM "U" WHERE ("a" > 1))sql"},
        {"insert into dbo.T with (rowlock) values (1)", R"sql(INSERT INTO "T" VALUES (1))sql"},
        {"update T set a = 1, b = 'x' where c = 2",
         R"sql(UPDATE "T" SET "a" = 1, "b" = 'x' WHERE ("c" = 2))sql"},
        {"update T with (rowlock) set T.a = a + 1",
         R"sql(UPDATE "T" SET "a" = tsql_add("a", 1))sql"},
        {"update KONTRAHENT set nazwa = 'B' from KONTRAHENT k where k.id_kontrahenta = 1",
         R"sql(UPDATE "KONTRAHENT" AS "cel$" SET "nazwa" = "zrodlo$"."wartosc$1" FROM (SELECT "k".rowid AS "wiersz$", 'B' AS "wartosc$1" FROM "KONTRAHENT" AS "k" WHERE ("k"."id_kontrahenta" = 1)) AS "zrodlo$" WHERE "zrodlo$"."wiersz$" = "cel$".rowid)sql"},
        {"update k set k.nazwa = f.nazwa from KONTRAHENT k join FIRMA f on f.id_firmy = k.id_firmy", R"sql(UPDATE "KONTRAHENT" AS "cel$" SET "nazwa" = "zrodlo$"."wartosc$1" FROM (SELECT "k".rowid AS "wiersz$", "f"."nazwa" AS "wartosc$1" FROM "KONTRAHENT" AS "k" INNER JOIN "FIRMA" AS "f" ON ("f"."id_firmy" = ("k"."id_firmy") COLLATE PL)) AS "zrodlo$" WHERE "zrodlo$"."wiersz$" = "cel$".rowid)sql"},
        {"update T set a = U.b from U where U.id = T.id",
         R"sql(UPDATE "T" SET "a" = "U"."b" FROM "U" WHERE ("U"."id" = ("T"."id") COLLATE PL))sql"},
        {"delete from T where a = 1", R"sql(DELETE FROM "T" WHERE ("a" = 1))sql"},
        {"delete T", R"sql(DELETE FROM "T")sql"},
        {"delete from dbo.T with (rowlock) where not exists (select 1 from U where U.id = T.id)",
         R"sql(DELETE FROM "T" WHERE (NOT EXISTS (SELECT 1 FROM "U" WHERE ("U"."id" = ("T"."id") COLLATE PL))))sql"},
        {"select * from dbo.TEST_Fn(1, 'x') f",
         R"sql(SELECT * FROM (SELECT (1) AS a, ('x') AS b) AS "f")sql"},
        {"select a from dbo.TEST_Fn(2, 'y')",
         R"sql(SELECT "a" FROM (SELECT (2) AS a, ('y') AS b) AS "TEST_Fn")sql"},
};

const Golden kRefusals[] = {
    {"select @x", "Nieobsługiwana konstrukcja SQL: zmienne (@)"_cp},
    {"select * from A right join B on 1 = 1", "Nieobsługiwana konstrukcja SQL: RIGHT JOIN"_cp},
    {"select * from A full join B on 1 = 1", "Nieobsługiwana konstrukcja SQL: FULL JOIN"_cp},
    {"select * from A cross apply B", "Nieobsługiwana konstrukcja SQL: CROSS APPLY"_cp},
    {"select a from T union select b from U", "Nieobsługiwana konstrukcja SQL: UNION"_cp},
    {"select top 10 percent a from T", "Nieobsługiwana konstrukcja SQL: TOP PERCENT"_cp},
    {"select top 5 with ties a from T order by a",
     "Nieobsługiwana konstrukcja SQL: TOP WITH TIES"_cp},
    {"select top (a) a from T", "Nieobsługiwana konstrukcja SQL: TOP z wyrażeniem"_cp},
    {"select a into X from T", "Nieobsługiwana konstrukcja SQL: SELECT INTO"_cp},
    {"select datename(mm, a) from T", "Nieobsługiwana konstrukcja SQL: DATENAME"_cp},
    {"select round(a, 1, 1) from T", "Nieobsługiwana konstrukcja SQL: ROUND z obcinaniem"_cp},
    {"select substring('a') from T", "Zła liczba argumentów funkcji SUBSTRING"_cp},
    {"select nie_ma(a) from T", "Nieobsługiwana konstrukcja SQL: funkcja nie_ma"_cp},
    {"select datepart(xx, a) from T", "Nieobsługiwana konstrukcja SQL: część daty XX"_cp},
    {"select convert(varchar(9000), a) from T",
     "The size (9000) given to the type 'varchar' exceeds the maximum allowed for any data type "
     "(8000)."},
    {"select convert(nvarchar(0), a) from T", "Nieprawidłowy rozmiar (0) typu 'nvarchar'."_cp},
    {"select convert(decimal(40), a) from T",
     "Specified column precision 40 is greater than the maximum precision of 38."},
    {"select convert(decimal(5, 6), a) from T", "The scale (6) must be within the range 0 to 5."},
    {"select convert(varchar(5, 2), a) from T",
     "Nieobsługiwana konstrukcja SQL: skala typu VARCHAR"_cp},
    {"select convert(int(4), a) from T", "Nieobsługiwana konstrukcja SQL: rozmiar typu INT"_cp},
    {"select convert(xml, a) from T", "Nieobsługiwana konstrukcja SQL: konwersja na typ XML"_cp},
    {"select convert(varchar, a, b) from T",
     "Nieobsługiwana konstrukcja SQL: styl konwersji, który nie jest liczbą"_cp},
    {"select 1 1", "Błąd składni SQL w pobliżu '1'"_cp},
    {"select 1; select 2", "Nieobsługiwana konstrukcja SQL: kilka poleceń w jednym"_cp},
    {"select * from X.Y.Z", "Nieobsługiwana konstrukcja SQL: schemat X"_cp},
    {"select * from T with (foo)", "Nieobsługiwana konstrukcja SQL: wskazówka tabeli FOO"_cp},
    {"select * from dbo.NIE_MA(1)",
     "Nieobsługiwana konstrukcja SQL: funkcja tabelaryczna NIE_MA"_cp},
    {"select a from T option (recompile)", "Nieobsługiwana konstrukcja SQL: OPTION"_cp},
    {"select a from T for xml auto", "Nieobsługiwana konstrukcja SQL: FOR XML/BROWSE"_cp},
    {"select 'abc", "Niezamknięty tekst w poleceniu SQL."_cp},
    {"select [abc", "Nieobsługiwana konstrukcja SQL: niezamknięty nawias [ ]"_cp},
    {R"sql(select "abc)sql", "Nieobsługiwana konstrukcja SQL: niezamknięty cudzysłów"_cp},
    {"select 1 /* otwarty", "Nieobsługiwana konstrukcja SQL: niezamknięty komentarz"_cp},
    {"select a !< b from T", "Nieobsługiwana konstrukcja SQL: operator !<"_cp},
    {"select a || b from T", "Nieobsługiwana konstrukcja SQL: operator ||"_cp},
    {"select 1x", "Błąd składni SQL w pobliżu '1x'"_cp},
    {"select a from T where a = all (select 1)", "Nieobsługiwana konstrukcja SQL: ALL"_cp},
    {"drop table T", "Nieobsługiwana konstrukcja SQL: polecenie DROP"_cp},
    {"update top (1) T set a = 1", "Nieobsługiwana konstrukcja SQL: UPDATE TOP"_cp},
    {"update T set U.a = 1 from T join U on 1 = 1",
     "Nieobsługiwana konstrukcja SQL: UPDATE kolumny innej tabeli niż zmieniana: U"_cp},
    {"delete top (1) from T", "Nieobsługiwana konstrukcja SQL: DELETE TOP"_cp},
    {"delete from T from T join U on 1 = 1",
     "Nieobsługiwana konstrukcja SQL: DELETE ... FROM ... JOIN"_cp},
    {"insert into T default values", "Nieobsługiwana konstrukcja SQL: DEFAULT VALUES"_cp},
    {"call X(a)", "Nieobsługiwana konstrukcja SQL: argument procedury, który nie jest stałą"_cp},
    {"call X(-'a')", "Nieobsługiwana konstrukcja SQL: argument procedury, który nie jest stałą"_cp},
    {"select a.* + 1 from T a", "Błąd składni SQL w pobliżu '+'"_cp},
};
class TranslatorGolden : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sqlite::register_table_function("TEST_Fn", "SELECT ?1 AS a, ?2 AS b");
  }
};

TEST_F(TranslatorGolden, EachStatementFormAndConstruct) {
  for (const Golden& g : kStatements) {
    const auto t = sqlite::translate(g.in);
    EXPECT_EQ(t.error, "") << g.in;
    EXPECT_FALSE(t.call) << g.in;
    EXPECT_EQ(t.sql, g.out) << g.in;
  }
}

TEST_F(TranslatorGolden, RefusalsNameWhatIsNotTranslated) {
  for (const Golden& g : kRefusals) {
    const auto t = sqlite::translate(g.in);
    EXPECT_EQ(t.error, g.out) << g.in;
    EXPECT_EQ(t.sql, "") << g.in;
  }
}

// A call as the procedure's name and its arguments, each with its kind.
std::string described(const sqlite::CallStatement& call) {
  std::string out = call.name + "(";
  for (std::size_t i = 0; i < call.args.size(); ++i) {
    const sqlite::CallArg& a = call.args[i];
    if (i > 0) out += ", ";
    switch (a.kind) {
      case sqlite::CallArg::Kind::kNull:
        out += "null";
        break;
      case sqlite::CallArg::Kind::kInteger:
        out += "integer " + std::to_string(a.integer);
        break;
      case sqlite::CallArg::Kind::kReal:
        out += "real " + a.text;
        break;
      case sqlite::CallArg::Kind::kText:
        out += "text '" + a.text + "'";
        break;
    }
  }
  return out + ")";
}

TEST_F(TranslatorGolden, CallsBecomeAProcedureWithLiteralArguments) {
  const Golden kCalls[] = {
      {"CALL OBSLUGA_KONFIG_BROW(1, 'AKOWALSKA', -2, 2.5, NULL, +3)",
       "OBSLUGA_KONFIG_BROW(integer 1, text 'AKOWALSKA', integer -2, real 2.5, null, integer 3)"},
      {"exec dbo.SZUKAJ_KONTA 'x', 1", "SZUKAJ_KONTA(text 'x', integer 1)"},
      {"EXECUTE TG_Bez", "TG_Bez()"},
      {"Call dbo.TG_Pusta();", "TG_Pusta()"},
      {"call TG_Tekst(N'Łódź', 'O''Brien', 99999999999)"_cp,
       "TG_Tekst(text 'Łódź', text 'O'Brien', integer 99999999999)"_cp},
  };
  for (const Golden& g : kCalls) {
    const auto t = sqlite::translate(g.in);
    ASSERT_EQ(t.error, "") << g.in;
    ASSERT_TRUE(t.call) << g.in;
    EXPECT_EQ(described(*t.call), g.out) << g.in;
    EXPECT_EQ(t.sql, "") << g.in;
  }
}

TEST_F(TranslatorGolden, TextsHoldingNulAreWrittenAsTheirUtf8Bytes) {
  const std::string nul(1, '\0');
  const std::pair<std::string, std::string_view> kTexts[] = {
      {"select 'a" + nul + "b'", "SELECT CAST(X'610062' AS TEXT)"},
      {std::string("select 'Ł"_cp) + nul + "'''", "SELECT CAST(X'C5810027' AS TEXT)"},
      {"select '" + nul + "'", "SELECT CAST(X'00' AS TEXT)"},
  };
  for (const auto& [in, out] : kTexts) {
    const auto t = sqlite::translate(in);
    EXPECT_EQ(t.error, "");
    EXPECT_EQ(t.sql, out);
  }
}

}  // namespace
}  // namespace funkcja
