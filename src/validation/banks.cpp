// The bank register (BANKI), read on the calling thread's VAX_FK. On the demo database:
//
//   GETBANKNBP("")       -> 1   (Narodowy Bank Polski, bank number 10100000)
//   GETNAZWABANKU("", 2) -> "Powszechna Kasa Oszczędności Bank Polski S.A."
//   GETNAZWABANKU("", 9) -> ""  (no such bank); a bank whose name is empty gives its symbol
#include <array>
#include <string>

#include "frame/text_rules.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "validation/procedures.hpp"

namespace funkcja::validation {
namespace {

constexpr std::size_t kNameCapacity = 200;

// The National Bank of Poland by its bank number, then by the 101 that begins the numbers of
// all its branches, then by its name or symbol.
constexpr std::array<std::string_view, 3> kFindNbp = {
    "select id_banku from BANKI where numer_banku = '10100000'",
    "select id_banku from BANKI where Substring(numer_banku,1,3)= '101'",
    "select id_banku from BANKI where upper(symbol) like '%NBP%' OR upper(nazwa) like "
    "'%NARODOWY%' OR upper(nazwa) like '%NBP%'",
};

// The first row of a statement on VAX_FK; a failed statement or no row leaves the cleared
// record, whose text fields are empty.
dane::QueryTable& first_row(std::string_view statement) {
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::EXECVAX(statement);
  t.next();
  return t;
}

}  // namespace

std::int32_t GETBANKNBP(std::string_view) {
  std::int32_t id = 0;
  for (const std::string_view statement : kFindNbp) {
    id = first_row(statement).field(1).as_int32();
    if (id != 0) break;
  }
  return id;
}

std::string GETNAZWABANKU(std::string_view, std::int32_t bank) {
  sql::Statement s("select symbol, nazwa from BANKI where id_banku=");
  dane::QueryTable& t = first_row(s.number(bank));
  const std::string& name = t.field(2).text;
  const std::string& chosen = text::clip(name).empty() ? t.field(1).text : name;
  return std::string(text::cut(chosen, kNameCapacity));
}

}  // namespace funkcja::validation
