// The one table of server functions: every entry is called through the gateway with each of
// its argument counts at the ends of its range, and the translator and the connection agree on
// every name and count the table gives.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "frame/cp_literal.hpp"
#include "funkcja/gateway.hpp"
#include "host/sqlite/server_functions.hpp"
#include "host/sqlite/translator.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using ServerFunctionTable = testing::DemoDatabase;

struct Call {
  std::string_view function;  // as registered in the embedded database
  int args;
  std::string_view expression;  // T-SQL
  std::string_view value;       // what FUNCVAY gives back
};

const Call kCalls[] = {
    {"like", 2, "case when 'Łódź' like 'ł%' then 1 else 0 end"_cp, "1"},
    {"like", 3, "case when '10%' like '10!%' escape '!' then 1 else 0 end", "1"},
    {"tsql_add", 2, "(select min(sym_waluty) from WALUTY) + 'x'", "CHFx"},
    {"tsql_add", 2, "(select 2) + 3", "5"},
    {"tsql_divide", 2, "7 / 2", "3"},
    {"tsql_modulo", 2, "7 % 3", "1"},
    {"tsql_datetime", 1, "convert(datetime, '20260315')", "2026-03-15 00:00:00.000"},
    {"tsql_varchar", 4, "convert(varchar(3), 'abcdef')", "abc"},
    {"tsql_int", 2, "convert(int, ' 42 ')", "42"},
    {"tsql_decimal", 3, "convert(decimal(5,2), 1.005)", "1.01"},
    {"tsql_number", 1, "convert(float, '2.5')", "2.5"},
    {"tsql_datepart", 2, "datepart(mm, '2026-03-15')", "3"},
    {"tsql_substring", 3, "Substring('abcdef', 2, 3)", "bcd"},
    {"tsql_left", 2, "Left('abc', 2)", "ab"},
    {"tsql_right", 2, "Right('abc', 2)", "bc"},
    {"tsql_len", 1, "Len('ab  ')", "2"},
    {"tsql_reverse", 1, "Reverse('abc')", "cba"},
    {"tsql_charindex", 2, "Charindex('c', 'abcabc')", "3"},
    {"tsql_charindex", 3, "Charindex('c', 'abcabc', 4)", "6"},
    {"tsql_stuff", 4, "Stuff('abcdef', 2, 3, 'X')", "aXef"},
    {"tsql_replace", 3, "Replace('abcabc', 'b', '')", "acac"},
    {"tsql_replicate", 2, "Replicate('ab', 3)", "ababab"},
    {"tsql_space", 1, "'[' + Space(3) + ']'", "[   ]"},
    {"tsql_upper", 1, "Upper('łódź')"_cp, "ŁÓDŹ"_cp},
    {"tsql_lower", 1, "Lower('ŻÓŁW')"_cp, "żółw"_cp},
    {"tsql_ltrim", 1, "'[' + Ltrim('  a ') + ']'", "[a ]"},
    {"tsql_rtrim", 1, "'[' + Rtrim('  a  ') + ']'", "[  a]"},
    {"ifnull", 2, "isnull(NULL, 'x')", "x"},
    {"coalesce", 2, "coalesce(NULL, 'b')", "b"},
    {"coalesce", 16,
     "coalesce(NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
     "NULL, NULL, NULL, NULL, 'p')",
     "p"},
    {"nullif", 2, "isnull(nullif('a', 'a'), 'none')", "none"},
    {"nullif", 2, "nullif(1, 2)", "1"},
    {"abs", 1, "abs(-5)", "5"},
    {"tsql_round", 2, "round(2.345, 2)", "2.35"},
    {"tsql_round", 2, "round(1250, -2)", "1300"},
    {"tsql_floor", 1, "convert(int, floor(-2.5))", "-3"},
    {"tsql_ceiling", 1, "convert(int, ceiling(2.1))", "3"},
    {"tsql_ceiling", 1, "convert(int, ceiling(-2.5))", "-2"},
    {"sign", 1, "sign(-7)", "-1"},
    {"sign", 1, "sign(0)", "0"},
    {"tsql_getdate", 0, "case when year(getdate()) >= 2026 then 1 else 0 end", "1"},
    {"tsql_year", 1, "year('2026-03-15')", "2026"},
    {"tsql_month", 1, "month('2026-03-15')", "3"},
    {"tsql_day", 1, "day('2026-03-15')", "15"},
    {"tsql_ascii", 1, "ascii('A')", "65"},
    {"tsql_ascii", 1, "ascii('Łódź')"_cp, "163"},
    {"tsql_char", 1, "char(65)", "A"},
    {"tsql_char", 1, "char(163)", "Ł"_cp},
};

bool calls(std::string_view sql, std::string_view function) {
  // LIKE is the database's operator, which calls the registered like().
  const std::string call = function == "like" ? " LIKE " : std::string(function) + "(";
  return sql.find(call) != std::string_view::npos;
}

TEST_F(ServerFunctionTable, EveryEntryAnswersThroughTheGateway) {
  for (const Call& c : kCalls) {
    const std::string statement = "select " + std::string(c.expression);
    const auto t = sqlite::translate(statement);
    ASSERT_TRUE(t.ok()) << c.expression << ": " << t.error;
    EXPECT_TRUE(calls(t.sql, c.function)) << c.expression << " -> " << t.sql;
    EXPECT_EQ(FUNCVAY(statement), c.value) << c.expression;
  }
}

TEST(ServerFunctionTableEntries, EachEndOfEveryArgumentRangeHasACall) {
  std::set<std::pair<std::string, int>> covered;
  for (const Call& c : kCalls) covered.emplace(c.function, c.args);
  for (const sqlite::ServerFunction& f : sqlite::server_functions()) {
    for (const int n : {f.min_args, f.max_args}) {
      EXPECT_TRUE(covered.count({f.name, n}) > 0) << f.name << " with " << n << " arguments";
    }
  }
}

// A call by the server's name with "1" for each argument.
std::string call_of(std::string_view server_name, int args) {
  std::string out = "select " + std::string(server_name) + "(";
  for (int i = 0; i < args; ++i) out += i == 0 ? "1" : ", 1";
  return out + ")";
}

TEST(ServerFunctionTableEntries, TheTranslatorTakesExactlyTheCountsTheTableGives) {
  std::set<std::string_view> names;
  for (const sqlite::ServerFunction& f : sqlite::server_functions()) {
    if (f.server_name.empty()) continue;
    EXPECT_TRUE(names.insert(f.server_name).second) << f.server_name << " twice";
    EXPECT_EQ(sqlite::server_function(f.server_name), &f);
    for (int n = f.min_args; n <= f.max_args; ++n) {
      const auto t = sqlite::translate(call_of(f.server_name, n));
      EXPECT_TRUE(t.ok()) << call_of(f.server_name, n) << ": " << t.error;
      EXPECT_TRUE(calls(t.sql, f.name)) << t.sql;
    }
    const std::string wrong =
        std::string("Zła liczba argumentów funkcji "_cp) + std::string(f.server_name);
    if (f.min_args > 0) {
      EXPECT_EQ(sqlite::translate(call_of(f.server_name, f.min_args - 1)).error, wrong);
    }
    // ROUND's third argument is the server's truncation, refused by name.
    if (f.server_name != "ROUND") {
      EXPECT_EQ(sqlite::translate(call_of(f.server_name, f.max_args + 1)).error, wrong);
    }
  }
  EXPECT_EQ(sqlite::server_function("substring"), sqlite::server_function("SUBSTRING"));
  EXPECT_EQ(sqlite::server_function("tsql_substring"), nullptr);
  EXPECT_EQ(sqlite::server_function(""), nullptr);
}

}  // namespace
}  // namespace funkcja
