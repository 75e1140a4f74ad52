/* C interface: calendar procedures. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_CALENDAR_H
#define FUNKCJA_C_CALENDAR_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif

#endif
