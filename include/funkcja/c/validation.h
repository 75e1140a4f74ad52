/* C interface: validation procedures. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_VALIDATION_H
#define FUNKCJA_C_VALIDATION_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* IBAN check digits: 0 when valid, 1 when not. */
FK_API uint8_t IBANSPR(fk_text account);
/* NIP check digit: 1 when accepted, 0 when rejected. */
FK_API uint8_t SPR_NIP(fk_text nip);
/* The NIP reduced to digits and Polish upper-case letters (at most 254 characters). */
FK_API fk_text OCZYSC_NIP(fk_text nip);

#ifdef __cplusplus
}
#endif

#endif
