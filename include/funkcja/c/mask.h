/* C interface: mask matching. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_MASK_H
#define FUNKCJA_C_MASK_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* 0 when the value fits the wildcard mask ("*", "?"), 1 when it does not. */
FK_API uint8_t SPR_MASKA(fk_text value, fk_text mask);

#ifdef __cplusplus
}
#endif

#endif
