/* C interface: calendar procedures. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_CALENDAR_H
#define FUNKCJA_C_CALENDAR_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Standard date of Easter Sunday; 0 for years outside 1801..9999. */
FK_API int32_t PODAJDATEWIELKANOCY(int32_t year);
/* 1 = working day, 0 = Saturday, Sunday, holiday or no date. */
FK_API uint8_t ISDZIENROBOCZY(int32_t date);
/* 1 = Sunday or holiday, 0 = any other day. */
FK_API uint8_t ISNIEDZIELALUBSWIETO(int32_t date);
/* The last working day strictly before the date. */
FK_API int32_t PODAJOSTATNIDZIENROBOCZY(int32_t date);
/* Polish month name, followed by a blank and the year when the year is not 0. */
FK_API fk_text NAZWA_MIESIACA(int32_t month, int32_t year);

#ifdef __cplusplus
}
#endif

#endif
