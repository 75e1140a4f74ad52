/* C interface: operation logs, options and parameters, the posting-account check. */
#ifndef FUNKCJA_C_LOOKUPS_H
#define FUNKCJA_C_LOOKUPS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

FK_API void LOG_DODAJ(int32_t operation_key, fk_text rodzaj_operacji, fk_text miejsce_wywolania,
                      fk_text tekst_1, fk_text tekst_2, fk_text tekst_3, fk_text tekst_4);
FK_API void LOG_ADD(int32_t id_zapisu, fk_text rodzaj_operacji, fk_text modul_operacji,
                    fk_text szczegoly_operacji);
FK_API fk_text LOG_DISPLAY(fk_text kind, fk_text code);

FK_API fk_text GETPARAMETRU(int32_t option);
FK_API uint8_t PUTPARAMETRU(int32_t option, fk_text value, uint8_t current_company_only);
FK_API fk_text GETPARAMETRF(int32_t option);
FK_API fk_text WERSJABAZYPROGRAMUVAY(int32_t program, fk_text unused);

FK_API uint8_t SPR_KONTA(int32_t fiscal_year, int32_t document, uint8_t unused);

#ifdef __cplusplus
}
#endif

#endif
