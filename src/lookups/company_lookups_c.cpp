// C exports of the company, office and contractor lookups.
#include "frame/export.hpp"
#include "lookups/procedures.hpp"

using namespace funkcja;

extern "C" FK_API void USTAL_DANE_FIRMY(fk_text address_type, fk_buffer name, fk_buffer street_line,
                                        fk_buffer town_line) {
  abi::guarded_void([&] {
    funkcja::lookups::USTAL_DANE_FIRMY(abi::in(address_type), abi::in(name), abi::in(street_line),
                                       abi::in(town_line));
  });
}
FK_REGISTER(USTAL_DANE_FIRMY, "address_type, name[256], street_line[256], town_line[256]");

extern "C" FK_API fk_text GETFORMAPLATNOSCI(uint8_t kind, int32_t first_number,
                                            int32_t second_number, fk_text first_text,
                                            fk_text second_text) {
  return abi::text_result([&] {
    return funkcja::lookups::GETFORMAPLATNOSCI(kind, first_number, second_number,
                                               abi::in(first_text), abi::in(second_text));
  });
}
FK_REGISTER(GETFORMAPLATNOSCI, "kind, first_number, second_number, first_text, second_text");

extern "C" FK_API fk_text GET_NAZWA_ADRES_URZEDU(uint8_t kind, int32_t office) {
  return abi::text_result([&] { return funkcja::lookups::GET_NAZWA_ADRES_URZEDU(kind, office); });
}
FK_REGISTER(GET_NAZWA_ADRES_URZEDU, "kind, office");

extern "C" FK_API fk_text USTAL_URZAD_SKARBOWY(uint8_t mode, int32_t date, int32_t office_link) {
  return abi::text_result(
      [&] { return funkcja::lookups::USTAL_URZAD_SKARBOWY(mode, date, office_link); });
}
FK_REGISTER(USTAL_URZAD_SKARBOWY, "mode, date, office_link");

extern "C" FK_API void GET_NIP_PESEL_KONTRAHENTA_VAX(fk_text kind, int32_t id, fk_buffer nip,
                                                     fk_buffer pesel) {
  abi::guarded_void([&] {
    funkcja::lookups::GET_NIP_PESEL_KONTRAHENTA_VAX(abi::in(kind), id, abi::in(nip),
                                                    abi::in(pesel));
  });
}
FK_REGISTER(GET_NIP_PESEL_KONTRAHENTA_VAX, "kind, id, nip[256], pesel[256]");

extern "C" FK_API void GET_ADRES_KONTRAHENTA_VAX(fk_text kind, int32_t id, int32_t unused,
                                                 fk_buffer town_line, fk_buffer street_line) {
  abi::guarded_void([&] {
    funkcja::lookups::GET_ADRES_KONTRAHENTA_VAX(abi::in(kind), id, unused, abi::in(town_line),
                                                abi::in(street_line));
  });
}
FK_REGISTER(GET_ADRES_KONTRAHENTA_VAX, "kind, id, unused?, town_line[256], street_line[256]");

extern "C" FK_API uint8_t SPR_ZAMKNIETY_OKRES(int32_t fiscal_year, int32_t date) {
  return abi::guarded([&] { return funkcja::lookups::SPR_ZAMKNIETY_OKRES(fiscal_year, date); },
                      uint8_t{0});
}
FK_REGISTER(SPR_ZAMKNIETY_OKRES, "fiscal_year, date");

extern "C" FK_API uint8_t SPR_ZAMKNIETY_OKRES_VAT(int32_t date, uint8_t reload) {
  return abi::guarded([&] { return funkcja::lookups::SPR_ZAMKNIETY_OKRES_VAT(date, reload); },
                      uint8_t{1});
}
FK_REGISTER(SPR_ZAMKNIETY_OKRES_VAT, "date, reload");

extern "C" FK_API uint8_t SPR_UPRAWNIENIA(fk_text function) {
  return abi::guarded([&] { return funkcja::lookups::SPR_UPRAWNIENIA(abi::in(function)); },
                      uint8_t{1});
}
FK_REGISTER(SPR_UPRAWNIENIA, "function");

extern "C" FK_API uint8_t UPRAWNIENIA_MENU_SPR(fk_text function, uint8_t show_message) {
  return abi::guarded(
      [&] { return funkcja::lookups::UPRAWNIENIA_MENU_SPR(abi::in(function), show_message); },
      uint8_t{0});
}
FK_REGISTER(UPRAWNIENIA_MENU_SPR, "function, show_message");

extern "C" FK_API uint8_t SPR_UKRYJ_ROZRACHUNEK_VAY(int32_t fiscal_year, int32_t document_type,
                                                    fk_text account) {
  return abi::guarded(
      [&] {
        return funkcja::lookups::SPR_UKRYJ_ROZRACHUNEK_VAY(fiscal_year, document_type,
                                                           abi::in(account));
      },
      uint8_t{0});
}
FK_REGISTER(SPR_UKRYJ_ROZRACHUNEK_VAY, "fiscal_year, document_type, account");

extern "C" FK_API fk_text VAT_VIEW_USTAL_NAZWE(uint8_t flag, fk_text register_type) {
  return abi::text_result(
      [&] { return funkcja::lookups::VAT_VIEW_USTAL_NAZWE(flag, abi::in(register_type)); });
}
FK_REGISTER(VAT_VIEW_USTAL_NAZWE, "flag, register_type");

extern "C" FK_API uint8_t VATGRUPAODWROTNEOBCIAZENIE(int32_t vat_group) {
  return abi::guarded([&] { return funkcja::lookups::VATGRUPAODWROTNEOBCIAZENIE(vat_group); },
                      uint8_t{0});
}
FK_REGISTER(VATGRUPAODWROTNEOBCIAZENIE, "vat_group");

extern "C" FK_API fk_text SPR_KLASYFIKACJA_BUDZETOWA(fk_text type, fk_text section, fk_text chapter,
                                                     fk_text paragraph, fk_text position) {
  return abi::text_result([&] {
    return funkcja::lookups::SPR_KLASYFIKACJA_BUDZETOWA(
        abi::in(type), abi::in(section), abi::in(chapter), abi::in(paragraph), abi::in(position));
  });
}
FK_REGISTER(SPR_KLASYFIKACJA_BUDZETOWA, "type, section, chapter, paragraph, position");

extern "C" FK_API fk_text MPK_NAZWA_DRZEWKO(fk_text path) {
  return abi::text_result([&] { return funkcja::lookups::MPK_NAZWA_DRZEWKO(abi::in(path)); });
}
FK_REGISTER(MPK_NAZWA_DRZEWKO, "path");
