/* C interface: the program's information desktop. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_DESKTOP_H
#define FUNKCJA_C_DESKTOP_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Events the desktop posts to the application frame's thread ($GGG:WATEKAPP) when the user
 * chooses the tile "Kluczowe wskaźniki" or "Moje skróty": the host opens its own view. */
#define FK_DESKTOP_EVENT_INDICATORS 0x4D1
#define FK_DESKTOP_EVENT_SHORTCUTS 0x4D2

/* Opens the information desktop, modal on the calling thread; page_code chooses the first
 * page (a service code: akt, wpr, wab, zbr, wib, zde, ihd, sms; empty or unknown: the news).
 * The maker's service address is the environment variable FUNKCJA_DESKTOP_URL. */
FK_API void PULPITPROGRAMU(fk_text page_code);

#ifdef __cplusplus
}
#endif

#endif
