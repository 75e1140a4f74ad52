/* C interface: the user's configuration of a browse's columns and of its window. Included by
 * funkcja/funkcja.h. */
#ifndef FUNKCJA_C_BROWSE_CONFIG_H
#define FUNKCJA_C_BROWSE_CONFIG_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* action 1: the configuration window, taking the widths of current_format; 2: the format of
 * the visible columns, no window; 3: the widths of current_format stored, no window; any
 * other: the window without taking widths. Result: the browse's format (at most 3000
 * characters), empty after "Anuluj" and for action 3. */
FK_API fk_text KONFIGURACJA_OKNA(uint8_t action, int32_t browse, fk_text current_format);
/* action 1: sort, splitters, general values and footer of the browse's window loaded into the
 * $GGG: globals; 2: stored from them. */
FK_API void KONFIGURACJA_OKNA_PUNKTY(int32_t action, int32_t browse, int32_t width, int32_t height);

#ifdef __cplusplus
}
#endif

#endif
