// C exports of the operation logs, options and parameters and the posting-account check.
#include "frame/export.hpp"
#include "lookups/procedures.hpp"

using namespace funkcja;

extern "C" FK_API void LOG_DODAJ(int32_t operation_key, fk_text rodzaj_operacji,
                                 fk_text miejsce_wywolania, fk_text tekst_1, fk_text tekst_2,
                                 fk_text tekst_3, fk_text tekst_4) {
  abi::guarded_void([&] {
    funkcja::lookups::LOG_DODAJ(operation_key, abi::in(rodzaj_operacji), abi::in(miejsce_wywolania),
                                abi::in(tekst_1), abi::in(tekst_2), abi::in(tekst_3),
                                abi::in(tekst_4));
  });
}
FK_REGISTER(
    LOG_DODAJ,
    "operation_key, rodzaj_operacji, miejsce_wywolania, tekst_1, tekst_2, tekst_3, tekst_4");

extern "C" FK_API void LOG_ADD(int32_t id_zapisu, fk_text rodzaj_operacji, fk_text modul_operacji,
                               fk_text szczegoly_operacji) {
  abi::guarded_void([&] {
    funkcja::lookups::LOG_ADD(id_zapisu, abi::in(rodzaj_operacji), abi::in(modul_operacji),
                              abi::in(szczegoly_operacji));
  });
}
FK_REGISTER(LOG_ADD, "id_zapisu, rodzaj_operacji, modul_operacji, szczegoly_operacji");

extern "C" FK_API fk_text LOG_DISPLAY(fk_text kind, fk_text code) {
  return abi::text_result(
      [&] { return funkcja::lookups::LOG_DISPLAY(abi::in(kind), abi::in(code)); });
}
FK_REGISTER(LOG_DISPLAY, "kind, code");

extern "C" FK_API fk_text GETPARAMETRU(int32_t option) {
  return abi::text_result([&] { return funkcja::lookups::GETPARAMETRU(option); });
}
FK_REGISTER(GETPARAMETRU, "option");

extern "C" FK_API uint8_t PUTPARAMETRU(int32_t option, fk_text value,
                                       uint8_t current_company_only) {
  return abi::guarded(
      [&] { return funkcja::lookups::PUTPARAMETRU(option, abi::in(value), current_company_only); },
      uint8_t{1});
}
FK_REGISTER(PUTPARAMETRU, "option, value, current_company_only");

extern "C" FK_API fk_text GETPARAMETRF(int32_t option) {
  return abi::text_result([&] { return funkcja::lookups::GETPARAMETRF(option); });
}
FK_REGISTER(GETPARAMETRF, "option");

extern "C" FK_API fk_text WERSJABAZYPROGRAMUVAY(int32_t program, fk_text unused) {
  return abi::text_result(
      [&] { return funkcja::lookups::WERSJABAZYPROGRAMUVAY(program, abi::in(unused)); });
}
FK_REGISTER(WERSJABAZYPROGRAMUVAY, "program, unused?");

extern "C" FK_API uint8_t SPR_KONTA(int32_t fiscal_year, int32_t document, uint8_t unused) {
  return abi::guarded([&] { return funkcja::lookups::SPR_KONTA(fiscal_year, document, unused); },
                      uint8_t{0});
}
FK_REGISTER(SPR_KONTA, "fiscal_year, document, unused?");
