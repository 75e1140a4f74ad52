/* C interface: the library's once-only entry points. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_LIFECYCLE_H
#define FUNKCJA_C_LIFECYCLE_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* FUNKCJA:INIT. errors and settings may be NULL: the library keeps its own managers. */
FK_API void FUNKCJA_INIT(fk_errorclass* errors, fk_iniclass* settings);
/* FUNKCJA:KILL. */
FK_API void FUNKCJA_KILL(void);

#ifdef __cplusplus
}
#endif

#endif
