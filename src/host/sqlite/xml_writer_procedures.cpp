#include "host/sqlite/xml_writer_procedures.hpp"

#include <algorithm>
#include <string>

#include "frame/cp_literal.hpp"

namespace funkcja::sqlite {
namespace {

using namespace funkcja::literals;

constexpr std::int64_t kMostRows = 10'000'000;

// The row is built in place: an initializer list would copy each of its texts once more.
dane::Row line(std::string_view kind, std::string_view name, std::string_view value) {
  dane::Row row(3);
  row[0].emplace(kind);
  row[1].emplace(name);
  row[2].emplace(value);
  return row;
}

std::int64_t int_arg(const std::vector<CallArg>& a, std::size_t i) {
  return i < a.size() ? a[i].as_integer() : 0;
}

}  // namespace

bool xml_document_procedure(std::string_view name) {
  const auto same = [name](std::string_view known) {
    return std::equal(name.begin(), name.end(), known.begin(), known.end(), [](char a, char b) {
      return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == b;
    });
  };
  return same("TG_XML_DEKLARACJA") || same("TG_XML_WIERSZE");
}

Rows xml_deklaracja(Session& s, const std::vector<CallArg>& a) {
  const std::int64_t company = int_arg(a, 0);
  const Rows firm = s.query("SELECT nip, nazwa_pelna FROM FIRMA WHERE id_firmy = ?1", {company});
  if (firm.empty()) {
    throw ProcedureError(std::string("Nie znaleziono firmy "_cp) + std::to_string(company) + ".");
  }
  const std::string year =
      s.value("SELECT rok_obrotowy FROM LATA_OBROTOWE WHERE id_lata_obrot = ?1", {int_arg(a, 1)})
          .value_or("");
  Rows out;
  out.push_back(line("start-tag", "Deklaracja", ""));
  out.push_back(line("start-tag", "Naglowek", ""));
  out.push_back(line("element", "KodFormularza", "VAT-7"));
  out.push_back(line("element", "WariantFormularza", "22"));
  out.push_back(line("element", "Rok", year));
  out.push_back(line("element", "Miesiac", "12"));
  out.push_back(line("end-tag", "Naglowek", ""));
  out.push_back(line("start-tag", "Podmiot1", ""));
  out.push_back(line("element", "NIP", firm[0][0].value_or("")));
  out.push_back(line("element", "PelnaNazwa", firm[0][1].value_or("")));
  out.push_back(line("end-tag", "Podmiot1", ""));
  out.push_back(line("start-tag", "PozycjeSzczegolowe", ""));
  out.push_back(line("element", "P_19", "12.50"));
  out.push_back(line("element", "P_20", "2.88"));
  out.push_back(line("end-tag", "PozycjeSzczegolowe", ""));
  out.push_back(line("xml", "", "<Pouczenia>1</Pouczenia>"));
  out.push_back(line("end-tag", "Deklaracja", ""));
  return out;
}

Rows xml_wiersze(Session& /*s*/, const std::vector<CallArg>& a) {
  const std::int64_t count = std::min(std::max<std::int64_t>(int_arg(a, 0), 0), kMostRows);
  Rows out;
  out.reserve(static_cast<std::size_t>(count) + 2);
  out.push_back(line("start-tag", "Wiersze", ""));
  for (std::int64_t n = 1; n <= count; ++n) {
    out.push_back(line("element", "Wiersz", std::to_string(n)));
  }
  out.push_back(line("end-tag", "Wiersze", ""));
  return out;
}

}  // namespace funkcja::sqlite
