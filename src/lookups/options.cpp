// Options and parameters. GETPARAMETRU(30) gives the current user's value of option 30 in the
// current company (";" for the demo user); PUTPARAMETRU(30, "|", 1) changes it in the current
// company only; GETPARAMETRF(12) reads a system option of the company and fiscal year;
// WERSJABAZYPROGRAMUVAY(1) gives the database version recorded for program 1.
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "lookups/procedures.hpp"
#include "lookups/session.hpp"

namespace funkcja::lookups {
namespace {

constexpr std::size_t kOptionCapacity = 100;
constexpr std::size_t kVersionCapacity = 19;

// One row on VAX_FK, read without looking at the error code: field 1, cut.
std::string first_field(std::string_view statement, std::size_t capacity) {
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::send(t, statement);
  t.next();
  return std::string(text::cut(t.field(1).text, capacity));
}

}  // namespace

std::string GETPARAMETRU(std::int32_t option) {
  sql::Statement s("select nazwa_wartosci from OPCJE_UZYTKOWNIKA with (NOLOCK) where id_firmy=");
  s.number(lookups::company()).text(" AND id_uzyt=").quoted(lookups::user_login());
  s.text(" AND id_opcje=").number(option);
  return first_field(s, kOptionCapacity);
}

std::uint8_t PUTPARAMETRU(std::int32_t option, std::string_view value,
                          std::uint8_t current_company_only) {
  sql::Statement s("update OPCJE_UZYTKOWNIKA set nazwa_wartosci = ");
  s.quoted(text::clip(value)).text(" where ");
  if (current_company_only != 0) s.text("id_firmy=").number(lookups::company()).text(" AND ");
  s.text("id_uzyt=").quoted(lookups::user_login()).text(" AND id_opcje=").number(option);
  gateway::EXECVAX(s);
  return dane::thread_tables().VAX_FK.error_code() != dane::kNoError ? 1 : 0;
}

std::string GETPARAMETRF(std::int32_t option) {
  sql::Statement s("select NAZWA_WARTOSCI from OPCJE_SYSTEMOWE where ID_FIRMY =");
  s.number(lookups::company()).text(" and ID_LATA_OBROT > 0 and ID_LATA_OBROT =");
  s.number(lookups::fiscal_year()).text(" and ID_OPCJE =").number(option);
  return first_field(s, kOptionCapacity);
}

std::string WERSJABAZYPROGRAMUVAY(std::int32_t program, std::string_view) {
  sql::Statement s("select DBWER from TEMIXDBSTATE where PRGKOD = ");
  s.number(program);
  return std::string(text::cut(gateway::FUNCVAY(s), kVersionCapacity));
}

}  // namespace funkcja::lookups
