/* C interface: the calendar window, the period dialogs and period labels. Included by
   funkcja/funkcja.h. Dates are standard dates; the windows are modal on the calling thread. */
#ifndef FUNKCJA_C_CALENDAR_WINDOWS_H
#define FUNKCJA_C_CALENDAR_WINDOWS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The month calendar at x + 2, y (0: the saved position); date is a standard date as decimal
   text. Returns the chosen date as decimal text, the given one when closed. */
FK_API fk_text KALENDARZ(int32_t x, int32_t y, fk_text date);
/* An unfinished entry: reports error 27 "Kalendarz1" to the error manager. */
FK_API void KALENDARZ1(void);

/* The period dialogs: 1 confirmed, 0 cancelled. A from or to of 0 is set at once to the first
   or last day of the working date's month, even when cancelled; every other out parameter is
   written only when confirmed. period_name gets "2 kwartał 2026", register_name the chosen
   register ("Brak" for none). */
FK_API uint8_t GET_ZAKRES_DAT(int32_t* from, int32_t* to);
FK_API uint8_t GET_ZAKRES_DAT_KM(int32_t* from, int32_t* to, fk_buffer period_name);
FK_API uint8_t GET_ZAKRES_DAT_RPT_REJESTRY(int32_t* from, int32_t* to, fk_buffer period_name,
                                           fk_buffer register_name, int32_t register_kind);
FK_API uint8_t GET_PARAMETRY_ZEST_VAT(int32_t* from, int32_t* to, fk_buffer period_name,
                                      int32_t* form, int32_t* only_non_zero, int32_t* only_summary);
/* One date with a calendar button: the chosen date, 0 when cancelled. */
FK_API int32_t GET_DATE(int32_t date, fk_text name, fk_text information);

/* The label of an accounting period code: "BO 2017", "Marzec 2017" ("3 - 2017" with
   numeric_month 1), "BZ 2017"; empty for 0. */
FK_API fk_text INFOKRES(int32_t code, uint8_t numeric_month);

#ifdef __cplusplus
}
#endif

#endif
