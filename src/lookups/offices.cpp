// Tax offices. GET_NAZWA_ADRES_URZEDU(1, 1) gives "Urząd Skarbowy Warszawa-Śródmieście  ul.
// Lindleya 14 02-013  Warszawa"; USTAL_URZAD_SKARBOWY finds the company's tax office (through
// the office link, the company's own office, or the newest US office in force on the date) and
// gives its number, upper-cased name and address, or code.
#include "host/sql_text.hpp"
#include "lookups/procedures.hpp"
#include "lookups/session.hpp"
#include "lookups/values.hpp"

namespace funkcja::lookups {
namespace {

constexpr std::size_t kOfficeTextCapacity = 255;
constexpr std::size_t kTaxOfficeCapacity = 200;
constexpr std::size_t kTaxOfficeCodeCapacity = 20;

sql::Statement office_address(std::int32_t office) {
  sql::Statement s(
      "select nazwa+'  '+ulica_lokal+' '+kod_pocztowy+'  '+miejscowosc from URZEDY where "
      "id_urzedu=");
  s.number(office);
  return s;
}

std::int32_t office_of(const sql::Statement& s) {
  return number_of(gateway::FUNCVAY(s));
}

}  // namespace

std::string GET_NAZWA_ADRES_URZEDU(std::uint8_t kind, std::int32_t office) {
  if (kind == 1)
    return std::string(text::cut(gateway::FUNCVAY(office_address(office)), kOfficeTextCapacity));
  if (kind == 0) {
    sql::Statement s("select nazwa from URZEDY where id_urzedu=");
    s.number(office);
    return std::string(text::cut(gateway::FUNCVAY(s), kOfficeTextCapacity));
  }
  return {};
}

std::string USTAL_URZAD_SKARBOWY(std::uint8_t mode, std::int32_t date, std::int32_t office_link) {
  std::int32_t office = 0;
  if (office_link != 0) {
    sql::Statement s("select id_urzedu from URZEDY_FIRMY where id_urzedy_firmy=");
    s.number(office_link);
    office = office_of(s);
  }
  if (office == 0) {
    sql::Statement s(
        "select u.id_urzedu from URZEDY_FIRMY u inner join FIRMA f on (u.id_firmy = f.id_firmy "
        "AND u.id_urzedu = f.id_us) where f.id_firmy=");
    s.number(company());
    office = office_of(s);
  }
  if (office == 0) {
    sql::Statement s("select top 1 id_urzedu from URZEDY_FIRMY where id_firmy=");
    s.number(company()).text(" AND typ_urzedu='US' AND data_od<=").number(date);
    s.text(" order by id_firmy, typ_urzedu, data_od desc");
    office = office_of(s);
  }
  std::string name;
  std::string code;
  if (office != 0 && mode > 0) {
    name = upper(text::cut(gateway::FUNCVAY(office_address(office)), kTaxOfficeCapacity));
    sql::Statement s("select kod_us from URZEDY where id_urzedu=");
    s.number(office);
    code = upper(text::cut(gateway::FUNCVAY(s), kTaxOfficeCodeCapacity));
  }
  switch (mode) {
    case 0:
      return text::int_text(office);
    case 1:
      return name;
    case 2:
      return code;
    default:
      return {};
  }
}

}  // namespace funkcja::lookups
