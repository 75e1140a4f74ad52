// The server's functions and arithmetic on the embedded database at the edges: huge and
// negative lengths, division by zero, the declared scale of decimals, range checks of the
// integer types and size limits of the text types.
#include <gtest/gtest.h>

#include <chrono>

#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

struct Value {
  std::string_view expression, value;
};

struct Failure {
  std::string_view statement, message;  // message: a part of the error it must contain
};

class ServerFunctions : public testing::DemoDatabase {
 protected:
  static void expect_values(std::initializer_list<Value> cases) {
    for (const Value& c : cases) {
      EXPECT_EQ(rows("select " + std::string(c.expression)),
                std::vector<std::string>{std::string(c.value)})
          << c.expression;
    }
  }

  static void expect_failures(std::initializer_list<Failure> cases) {
    for (const Failure& c : cases) {
      const std::string error = error_of(c.statement);
      EXPECT_NE(error, "") << c.statement;
      EXPECT_NE(error.find(c.message), std::string::npos) << c.statement << "\n  gave: " << error;
    }
  }
};

TEST_F(ServerFunctions, LengthsAndPositionsPastTheTextAreClampedWithoutOverflow) {
  expect_values({
      {"Left('abc',9223372036854775807)", "abc"},
      {"Right('abc',9223372036854775807)", "abc"},
      {"Substring('abc',2,9223372036854775807)", "bc"},
      {"Substring('abc',9223372036854775807,9223372036854775807)", ""},
      {"Substring('abc',-9223372036854775807,9223372036854775807)", ""},
      {"Substring('abc',-5,9223372036854775807)", "abc"},
      {"Substring('abc',-1,3)", "a"},
      {"Substring('abc',-9223372036854775807,2)", ""},
      {"Stuff('abc',2,9223372036854775807,'x')", "ax"},
      {"Stuff('abc',9223372036854775807,1,'x')", "NULL"},
      {"Stuff('abc',-9223372036854775807,1,'x')", "NULL"},
      {"Stuff('abc',3,1,'xy')", "abxy"},
      {"Charindex('c','abc',9223372036854775807)", "0"},
      {"Charindex('c','abc',-9223372036854775807)", "3"},
      {"Replicate('',2147483647)", ""},
      {"Len(Replicate('ab',9223372036854775807))", "8000"},
      {"Len(Replicate('ab',5000))", "8000"},
      {"Len(Space(9223372036854775807)+'x')", "8001"},
      {"Replicate('ab',-1)", "NULL"},
  });
}

TEST_F(ServerFunctions, DivisionByZeroFailsTheStatement) {
  expect_failures({
      {"select 1/0", "Divide by zero error encountered."},
      {"select 1.5/0.0", "Divide by zero error encountered."},
      {"select 7%0", "Divide by zero error encountered."},
      {"select kwota/0 from DUP_POZ_DOK", "Divide by zero error encountered."},
      {"select 'abc'/2", "Conversion failed"},
  });
  const std::string before = rows("select sum(kwota) from DUP_POZ_DOK")[0];
  EXPECT_NE(error_of("update DUP_POZ_DOK set kwota = kwota/0 where id_nag_dok=1001"), "");
  EXPECT_EQ(rows("select sum(kwota) from DUP_POZ_DOK"), std::vector<std::string>{before});
  EXPECT_EQ(rows("select count(*) from DUP_POZ_DOK where kwota is null"),
            std::vector<std::string>{"0"});
}

TEST_F(ServerFunctions, DivisionKeepsTheServersIntegerAndDecimalMeaning) {
  expect_values({
      {"-7/2", "-3"},
      {"7/-2", "-3"},
      {"-7%3", "-1"},
      {"7.0/2", "3.5"},
      {"7/2.0", "3.5"},
      {"5.5%2", "1.5"},
      {"'10'/4", "2"},
      {"NULL/0", "NULL"},
      {"1/NULL", "NULL"},
      {"2*3/4", "1"},
      {"(1+2)*10/4%3", "1"},
  });
}

TEST_F(ServerFunctions, DecimalsTakeTheDeclaredScaleRoundingHalfAwayFromZero) {
  expect_values({
      {"cast(10.0/3 as decimal(10,2))", "3.33"},
      {"convert(numeric(15,2), 19.999)", "20.0"},
      {"convert(varchar(20), convert(numeric(15,2), 19.994))", "19.99"},
      {"cast(-2.675 as decimal(10,2))", "-2.68"},
      {"cast('19.995' as numeric(10,2))", "20.0"},
      {"cast(' -0.125 ' as numeric(10,2))", "-0.13"},
      {"cast(2.5 as decimal)", "3"},
      {"cast(-2.5 as numeric(5))", "-3"},
      {"cast(7 as decimal(5,2))", "7.0"},
      {"cast(99.994 as decimal(4,2))", "99.99"},
      {"convert(money, 1.23456)", "1.2346"},
      {"cast(NULL as decimal(10,2))", "NULL"},
      {"round(1.005, 2)", "1.01"},
      {"round(-1.005, 2)", "-1.01"},
      {"round(2.5, 0)", "3.0"},
      {"round(1234.5678, -2)", "1200.0"},
      {"round(155, -1)", "160"},
      {"round(-155, -1)", "-160"},
      {"round(42, 2)", "42"},
  });
}

TEST_F(ServerFunctions, ValuesOutsideTheTypeAreAnOverflowError) {
  const std::string_view numeric =
      "Arithmetic overflow error converting numeric to data type numeric.";
  expect_failures({
      {"select cast(123.45 as decimal(4,2))", numeric},
      {"select cast(99.995 as decimal(4,2))", numeric},
      {"select cast(100 as decimal(4,2))",
       "Arithmetic overflow error converting int to data type numeric."},
      {"select cast('1000' as numeric(3))",
       "Arithmetic overflow error converting varchar to data type numeric."},
      {"select cast('1.2.3' as numeric(10,2))", "Error converting data type varchar to numeric."},
      {"select cast(1 as decimal(39,2))", "38"},
      {"select cast(1 as decimal(5,6))", "(6)"},
      {"select cast(2147483648 as int)",
       "Arithmetic overflow error converting expression to data type int."},
      {"select cast(-2147483649 as int)",
       "Arithmetic overflow error converting expression to data type int."},
      {"select cast(2147483648.5 as int)",
       "Arithmetic overflow error converting expression to data type int."},
      {"select cast(40000 as smallint)", "data type smallint"},
      {"select cast(256 as tinyint)", "data type tinyint"},
      {"select cast(-1 as tinyint)", "data type tinyint"},
      {"select cast('2147483648' as int)", "int"},
  });
  expect_values({
      {"cast(2147483647 as int)", "2147483647"},
      {"cast(-2147483648 as int)", "-2147483648"},
      {"cast(-2.9 as int)", "-2"},
      {"cast(2147483648 as bigint)", "2147483648"},
      {"cast(255 as tinyint)", "255"},
      {"cast(5 as bit)", "1"},
      {"cast(0.5 as bit)", "1"},
      {"cast(0 as bit)", "0"},
  });
}

TEST_F(ServerFunctions, TextsReadAsNumbersTakeOneSignAndNoInfinities) {
  expect_values({
      {"convert(int,' 42 ')", "42"},
      {"convert(int,'')", "0"},
      {"convert(int,'+7')", "7"},
      {"convert(float,' 1e3 ')", "1000.0"},
      {"convert(float,'')", "0.0"},
      {"'-5'/2", "-2"},
      {"1+' 2 '", "3"},
  });
  expect_failures({
      {"select convert(int,'+-5')", "Conversion failed"},
      {"select convert(int,'- 5')", "Conversion failed"},
      {"select '+-5'/1", "Conversion failed"},
      {"select 1+'+-5'", "Conversion failed"},
      {"select convert(float,'nan')", "Conversion failed"},
      {"select convert(float,'inf')", "Conversion failed"},
      {"select 'infinity'/2", "Conversion failed"},
      {"select convert(int,'99999999999999999999')", "overflowed an int column"},
  });
}

TEST_F(ServerFunctions, TextTypesAreLimitedToTheServersSizes) {
  // Materialising the sizes asked for took gigabytes and many seconds; refusing them is instant,
  // with room for a loaded machine and the sanitizer builds.
  const auto start = std::chrono::steady_clock::now();
  expect_failures({
      {"select convert(char(1500000000),'x')",
       "The size (1500000000) given to the type 'char' exceeds the maximum allowed for any data "
       "type (8000)."},
      {"select cast('x' as varchar(8001))",
       "The size (8001) given to the type 'varchar' exceeds the maximum allowed for any data type "
       "(8000)."},
      {"select convert(nvarchar(4001),'x')", "(4000)"},
      {"select convert(char(99999999999999999999),'x')", "(8000)"},
      {"select convert(varchar(0),'x')", "0"},
      // A varchar(max) may grow past 8000, but no function builds more than 64 MB.
      {"select Len(Replicate(Replicate('x',8000)+'y',10000))", "64 MB"},
      {"select Len(Replace(Replicate('x',8000)+'y','x',Replicate('z',8000)+Replicate('z',1000)))",
       "64 MB"},
  });
  expect_values({
      {"Len(Replicate('',2147483647))", "0"},
      {"Len(convert(char(8000),'x')+'y')", "8001"},
      {"Len(convert(varchar(max),Replicate('ab',4000))+Replicate('c',10))", "8010"},
      {"convert(varchar(max),'abc')+'|'", "abc|"},
      {"Len(Replicate(Replicate('x',8000)+'y',100))", "800100"},
      {"Len(Replace(Replicate('x',8000),'x','ab'))", "8000"},
      {"convert(text,'abcdefghijklmnopqrstuvwxyz0123456789')",
       "abcdefghijklmnopqrstuvwxyz0123456789"},
  });
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(ServerFunctions, TurnoversAreSummedAsExactDecimals) {
  ASSERT_EQ(error_of("insert into OBROTY_I_SALDA (id_firmy, id_lata_obrot, nr_konta, sym_waluty, "
                     "data_okresu, bo_wn, bo_ma, obroty_wn, obroty_ma) values "
                     "(1, 3, '149-01', 'PLN', 82184, 1.005, 0, 0.1, 2.675), "
                     "(1, 3, '149-01-1', 'PLN', 82184, 0, 0, 0.2, 0), "
                     "(1, 3, '149-01-2', 'PLN', 82184, 0, 0.1, 12345678901.455, 0)"),
            "");
  EXPECT_EQ(rows("CALL OBLICZ_OBROTY_DLA_KONTA (1,3,82242,'PLN','149-01',0, 0)"),
            std::vector<std::string>{"12345678901.76|2.68|149-01|1.01|0.10|12345678899.99|0.00"});
}

// Every function and operator with the extremes of each number it takes: a value or an error
// with a message, never a crash, an overflow (under the sanitizers) or a silent stall.
TEST_F(ServerFunctions, ExtremeArgumentsGiveAValueOrAnError) {
  const std::string_view numbers[] = {"0",
                                      "1",
                                      "-1",
                                      "2147483647",
                                      "-2147483648",
                                      "9223372036854775807",
                                      "(-9223372036854775807-1)",
                                      "1e308",
                                      "-1e308",
                                      "0.5",
                                      "NULL",
                                      "'12'",
                                      "'x'"};
  const std::string_view forms[] = {
      "Substring('abc',A,B)",
      "Left('abc',A)",
      "Right('abc',A)",
      "Stuff('abc',A,B,'xy')",
      "Charindex('b','abc',A)",
      "Replicate('ab',A)",
      "Space(A)",
      "round(A,B)",
      "round(1.005,A)",
      "A/B",
      "A%B",
      "cast(A as decimal(10,2))",
      "cast(A as decimal(38,0))",
      "cast(A as money)",
      "cast(A as int)",
      "cast(A as smallint)",
      "cast(A as tinyint)",
      "cast(A as bigint)",
      "cast(A as bit)",
      "convert(varchar(10),A)",
      "convert(char(8000),A)",
      "A+B",
      "Replicate(Space(A),B)",
      "Substring(Replicate('x',8001),A,B)",
  };
  const auto start = std::chrono::steady_clock::now();
  for (const auto form : forms) {
    for (const auto a : numbers) {
      for (const auto b : numbers) {
        std::string expression(form);
        const auto at_a = expression.find('A');
        expression.replace(at_a, 1, a);
        const auto at_b = expression.find('B', at_a + a.size());
        if (at_b != std::string::npos) expression.replace(at_b, 1, b);
        std::string error;
        auto cursor = dane::thread_connection()->execute("select " + expression, error);
        EXPECT_TRUE(cursor || !error.empty()) << expression;
        if (form.find('B') == std::string_view::npos) break;
      }
    }
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

}  // namespace
}  // namespace funkcja
