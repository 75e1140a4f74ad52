#include "gus_record.hpp"

#include <array>

#include "frame/cp1250.hpp"

namespace utilks::gus {
namespace {

namespace cp = funkcja::cp1250;

// A report's element by its name after the report's prefix (praw_, fiz_, lokpraw_ ...).
std::string reported(const Fields& report, std::string_view suffix) {
  for (const auto& [name, value] : report) {
    const std::size_t underscore = name.find('_');
    if (underscore != std::string::npos && std::string_view(name).substr(underscore + 1) == suffix)
      return value;
  }
  return {};
}

bool digits(std::string_view s, std::size_t count) {
  if (s.size() != count) return false;
  for (const char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The report's value, else the search row's.
std::string either(const Fields& report, std::string_view suffix, const Fields& found,
                   std::string_view name) {
  std::string v = reported(report, suffix);
  return v.empty() ? value_of(found, name) : v;
}

std::string postcode(const std::string& code) {
  return digits(code, 5) ? code.substr(0, 2) + "-" + code.substr(2) : code;
}

// A value as element text in the library's form (see the header): its code page 1250 form, with
// "<" as "‹" and control characters other than the tab dropped. Code page 1250 keeps ASCII as it
// is, so these bytes can be looked at after the conversion.
std::string element_text(std::string_view utf8) {
  std::string out;
  for (const char c : to_cp1250(utf8)) {
    if (c == '<') {
      out.push_back('\x8B');  // "‹"
    } else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace

std::string to_cp1250(std::string_view utf8) {
  std::string out;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto code = cp::decode_utf8(utf8, pos);
    if (!code) {
      out.push_back('?');
      ++pos;
      continue;
    }
    out.push_back(static_cast<char>(cp::from_unicode(*code).value_or('?')));
  }
  return out;
}

std::string to_utf8(std::string_view cp1250) {
  return cp::cp1250_to_utf8(cp1250);
}

std::string contractor_xml(const Fields& found, const Fields& report,
                           std::string_view searched_krs) {
  const std::string name = either(report, "nazwa", found, "Nazwa");
  std::string short_name = reported(report, "nazwaSkrocona");
  if (short_name.empty()) short_name = name;
  std::string krs(searched_krs);
  if (krs.empty()) {
    const std::string registered = reported(report, "numerWRejestrzeEwidencji");
    if (digits(registered, 10)) krs = registered;
  }
  const std::array<std::pair<const char*, std::string>, kContractorFields> values = {{
      {"nazwa", name},
      {"nazwa_skrocona", short_name},
      {"nip", either(report, "nip", found, "Nip")},
      {"regon", value_of(found, "Regon")},
      {"krs", krs},
      {"kod_pocztowy", postcode(either(report, "adSiedzKodPocztowy", found, "KodPocztowy"))},
      {"miejscowosc", either(report, "adSiedzMiejscowosc_Nazwa", found, "Miejscowosc")},
      {"ulica", either(report, "adSiedzUlica_Nazwa", found, "Ulica")},
      {"nr_domu", either(report, "adSiedzNumerNieruchomosci", found, "NrNieruchomosci")},
      {"nr_lokalu", either(report, "adSiedzNumerLokalu", found, "NrLokalu")},
      {"poczta", either(report, "adSiedzMiejscowoscPoczty_Nazwa", found, "MiejscowoscPoczty")},
      {"gmina", either(report, "adSiedzGmina_Nazwa", found, "Gmina")},
      {"powiat", either(report, "adSiedzPowiat_Nazwa", found, "Powiat")},
      {"wojewodztwo", either(report, "adSiedzWojewodztwo_Nazwa", found, "Wojewodztwo")},
      {"kraj", reported(report, "adSiedzKraj_Nazwa")},
      {"telefon", reported(report, "numerTelefonu")},
      {"email", reported(report, "adresEmail")},
      {"www", reported(report, "adresStronyinternetowej")},
  }};
  std::string xml = "<kontrahent>";
  for (const auto& [element, value] : values) {
    xml += '<';
    xml += element;
    xml += '>';
    xml += element_text(value);
    xml += "</";
    xml += element;
    xml += '>';
  }
  xml += "</kontrahent>";
  return xml;
}

}  // namespace utilks::gus
