/* C interface: words procedures. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_WORDS_H
#define FUNKCJA_C_WORDS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif

#endif
