// The company's own data. USTAL_DANE_FIRMY("S", ...) gives the name (the full name when the
// user's option 69 says "tak"), the street line ("ul. Długa 5/3") and the town line
// ("00-238 Warszawa") of the company's newest address of that type; GETFORMAPLATNOSCI names a
// payment form through the server function that knows the forms.
#include "host/sql_text.hpp"
#include "lookups/procedures.hpp"
#include "lookups/session.hpp"
#include "lookups/values.hpp"

namespace funkcja::lookups {
namespace {

constexpr std::int32_t kFullNameOption = 69;
constexpr std::size_t kPaymentFormCapacity = 50;

bool full_name_wanted() {
  sql::Statement s("select nazwa_wartosci from OPCJE_UZYTKOWNIKA where id_opcje = ");
  s.number(kFullNameOption).text(" AND id_firmy=").number(company());
  s.text(" AND id_uzyt = ").quoted(user_login());
  return lower(text::clip(gateway::FUNCVAY(s))) == "tak";
}

// ULICA [NR_DOMU][/NR_LOKALU], with "ul. " before a street whose name does not say it is one;
// with no street, the town and the house number.
std::string street_line(std::string_view street, std::string_view house, std::string_view flat,
                        std::string_view town) {
  std::string line;
  if (street.empty()) {
    if (!town.empty()) line.append(town).append(" ").append(house);
    return line;
  }
  if (upper(street).find("UL") == std::string::npos) line = "ul. ";
  line += street;
  if (!house.empty()) line.append(" ").append(house);
  if (!flat.empty()) line.append("/").append(flat);
  return line;
}

}  // namespace

void USTAL_DANE_FIRMY(std::string_view address_type, TextBuffer name, TextBuffer street,
                      TextBuffer town) {
  name.assign({});
  street.assign({});
  town.assign({});
  std::string_view type = text::clip(address_type);
  if (type.empty()) type = "S";

  const bool full = full_name_wanted();
  dane::QueryTable& t = dane::thread_tables().VAY_FK;
  sql::Statement firm("select nazwa, nazwa_pelna from FIRMA where id_firmy=");
  firm.number(company());
  one_row(t, firm);
  name.assign(full && !clipped(t, 2).empty() ? clipped(t, 2) : clipped(t, 1));

  sql::Statement address(
      "select ULICA, NR_DOMU, NR_LOKALU, KOD_POCZTOWY, MIEJSCOWOSC, POCZTA from ADRESY_FIRMY "
      "where id_firmy=");
  address.number(company()).text(" AND typ_adresu=").quoted(type);
  address.text(" order by id_firmy asc, data_od desc");
  one_row(t, address);
  street.assign(street_line(clipped(t, 1), clipped(t, 2), clipped(t, 3), clipped(t, 5)));
  const std::string_view postcode = clipped(t, 4);
  const std::string_view post = clipped(t, 6);
  town.assign(postcode.empty() ? std::string(post)
                               : std::string(postcode) + " " + std::string(post));
}

std::string GETFORMAPLATNOSCI(std::uint8_t kind, std::int32_t first_number,
                              std::int32_t second_number, std::string_view first_text,
                              std::string_view second_text) {
  sql::Statement s("select dbo.TG_GetFormaPlatnosci(");
  s.number(company()).text(",").number(kind).text(",").number(first_number).text(",");
  s.number(second_number).text(",").quoted(text::clip(first_text)).text(",");
  s.quoted(text::clip(second_text)).text(")");
  return std::string(text::cut(gateway::FUNCVAY(s), kPaymentFormCapacity));
}

}  // namespace funkcja::lookups
