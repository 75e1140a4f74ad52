/* The library's version. The macros give the version a host was compiled against,
 * funkcja_version() the version of the library it runs with. */
#ifndef FUNKCJA_VERSION_H
#define FUNKCJA_VERSION_H

#include "funkcja/export.h"

#define FUNKCJA_VERSION_MAJOR 0
#define FUNKCJA_VERSION_MINOR 1
#define FUNKCJA_VERSION_PATCH 0
#define FUNKCJA_VERSION_STRING "0.1.0"

#ifdef __cplusplus
extern "C" {
#endif

/* The running library's version as "MAJOR.MINOR.PATCH". */
FK_API const char* funkcja_version(void);

#ifdef __cplusplus
}
#endif

#endif
