/* C interface: words procedures. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_WORDS_H
#define FUNKCJA_C_WORDS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The amount in Polish words (złoty and grosze), blank-padded to 600 characters. */
FK_API fk_text SLOWNIE(double amount);
/* The amount in Polish words with a currency code as unit (PLN, empty or blank: złoty). */
FK_API fk_text SLOWNIEWALUTA(double amount, fk_text currency);

#ifdef __cplusplus
}
#endif

#endif
