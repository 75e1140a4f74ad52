// SUBSTRING(column, 1, n) = 'text' is also written as a range of the column so that an index
// answers it; the range must never drop a row that the comparison alone would keep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/cp_literal.hpp"
#include "host/sql_text.hpp"
#include "host/sqlite/translator.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using PrefixRange = testing::DemoDatabase;

TEST_F(PrefixRange, KeepsEveryRowTheComparisonKeeps) {
  rows(std::string(
      "INSERT INTO KONTRAHENT (id_firmy, nazwa, nip) VALUES "
      "(1, 'ab', '-12'), (1, 'AB', '+7'), (1, 'ab ', ' 52'), (1, 'abc', '52 '), (1, 'Ab c', ''), "
      "(1, 'łódź', '5'), (1, 'Łódź', '05'), (1, 'lodz', '0.5'), (1, 'żaba', 'ż'), "
      "(1, 'O''Brien', 'O'''), (1, '', NULL), (1, NULL, 'ab'), (1, 'zz', 'Zz')"_cp));
  rows(
      "INSERT INTO OBROTY_I_SALDA (id_firmy, id_lata_obrot, nr_konta, data_okresu, bo_wn) "
      "VALUES (1, 9, '1', 1, -15.5), (1, 9, '2', 1, -1), (1, 9, '3', 1, 0.5), (1, 9, '4', 1, 12), "
      "(1, 9, '5', 1, 120), (1, 9, '6', 1, 1e20)");
  const std::vector<std::string> texts_typed = {"a",
                                                "A",
                                                "ab",
                                                "Ab ",
                                                "ab c",
                                                std::string("ł"_cp),
                                                std::string("Ł"_cp),
                                                std::string("Ż"_cp),
                                                "l",
                                                "5",
                                                "52",
                                                " 5",
                                                "0",
                                                "0.",
                                                "1",
                                                "12",
                                                "-1",
                                                "+7",
                                                "1.",
                                                "zz",
                                                "O'",
                                                " ",
                                                "",
                                                "x",
                                                "1.0e"};
  struct Column {
    const char* table;
    const char* name;
  };
  const Column columns[] = {{"KONTRAHENT", "nazwa"},          {"KONTRAHENT", "nip"},
                            {"KONTRAHENT", "id_kontrahenta"}, {"KONTRAHENT", "platnik_vat"},
                            {"OBROTY_I_SALDA", "bo_wn"},      {"OBROTY_I_SALDA", "data_okresu"}};
  int compared = 0;
  for (const Column& c : columns) {
    for (const std::string& t : texts_typed) {
      for (std::size_t n : {t.size(), t.size() + 1, t.size() > 1 ? t.size() - 1 : 1}) {
        const std::string head = std::string("select count(*) from ") + c.table +
                                 " where Substring(" + c.name + ",1," + std::to_string(n) + ")";
        const std::string ranged = head + " = " + sql::quoted(t);
        const std::string plain = head + " = '' + " + sql::quoted(t);  // not a literal: no range
        EXPECT_EQ(rows(ranged), rows(plain)) << ranged;
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 6 * 25 * 3);
}

TEST_F(PrefixRange, IsWrittenOnlyForAColumnFromItsFirstCharacterAndAnUnsignedText) {
  struct Case {
    const char* statement;
    bool ranged;
  };
  const Case cases[] = {
      {"select 1 from T where Substring(a,1,3) = 'Maz'", true},
      {"select 1 from T where Substring(t.a,1,3)='Maz'", true},
      {"select 1 from T where Substring(a,2,3) = 'Maz'", false},
      {"select 1 from T where Substring(a,1,n) = 'Maz'", false},
      {"select 1 from T where Substring(Upper(a),1,3) = 'MAZ'", false},
      {"select 1 from T where Substring(a,1,3) = '-12'", false},
      {"select 1 from T where Substring(a,1,3) = ''", false},
      {"select 1 from T where Substring(a,1,3) <> 'Maz'", false},
      {"select 1 from T where Substring(a,1,3) = 'M' + 'az'", false},
  };
  for (const Case& c : cases) {
    const sqlite::Translation t = sqlite::translate(c.statement);
    EXPECT_EQ(t.sql.find(" >= ") != std::string::npos, c.ranged) << c.statement << "\n" << t.sql;
  }
}

}  // namespace
}  // namespace funkcja
