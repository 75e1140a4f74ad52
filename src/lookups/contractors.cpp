// Contractors (K), employees (P) and offices (U) by id: their NIP and PESEL, and their address
// as a street line and a town line. An id of 0, an unknown kind or a missing row leaves the
// outputs empty.
#include "host/sql_text.hpp"
#include "lookups/procedures.hpp"
#include "lookups/values.hpp"

namespace funkcja::lookups {
namespace {

std::string joined(std::string_view a, std::string_view b) {
  std::string out(a);
  out.append(" ").append(b);
  return std::string(text::clip(out));
}

}  // namespace

void GET_NIP_PESEL_KONTRAHENTA_VAX(std::string_view kind, std::int32_t id, TextBuffer nip,
                                   TextBuffer pesel) {
  nip.assign({});
  pesel.assign({});
  if (id == 0) return;
  const std::string k = upper(text::clip(kind));
  sql::Statement s;
  if (k == "K") {
    s.text("select NIP,PESEL from KONTRAHENT (nolock) where id_kontrahenta=");
  } else if (k == "P") {
    s.text("select NIP,PESEL from PRACOWNIK (nolock) where id_pracownika=");
  } else {
    return;
  }
  s.number(id);
  dane::QueryTable& t = one_row(dane::thread_tables().VAX_FK, s);
  nip.assign(clipped(t, 1));
  pesel.assign(clipped(t, 2));
}

void GET_ADRES_KONTRAHENTA_VAX(std::string_view kind, std::int32_t id, std::int32_t,
                               TextBuffer town_line, TextBuffer street_line) {
  town_line.assign({});
  street_line.assign({});
  if (id == 0) return;
  const std::string k = upper(text::clip(kind));
  sql::Statement s;
  if (k == "K") {
    s.text(
        "select ulica_lokal,kod_pocztowy,miejscowosc from KONTRAHENT (nolock) where "
        "id_kontrahenta=");
    s.number(id);
  } else if (k == "U") {
    s.text("select ulica_lokal,kod_pocztowy,miejscowosc from URZEDY (nolock) where id_urzedu=");
    s.number(id);
  } else if (k == "P") {
    s.text(
        "select top 1 ulica,kod_pocztowy,miejscowosc,nr_domu,nr_lokalu from ADRESY_PRACOWNIKA "
        "(nolock) where id_pracownika=");
    s.number(id).text(" order by data_od desc");
  } else {
    return;
  }
  dane::QueryTable& t = one_row(dane::thread_tables().VAX_FK, s);
  town_line.assign(joined(clipped(t, 2), clipped(t, 3)));
  if (k != "P") {
    street_line.assign(clipped(t, 1));
    return;
  }
  std::string street = joined(clipped(t, 1), clipped(t, 4));
  if (!clipped(t, 5).empty()) street.append("/").append(clipped(t, 5));
  street_line.assign(street);
}

}  // namespace funkcja::lookups
