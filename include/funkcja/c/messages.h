/* C interface: message boxes. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_MESSAGES_H
#define FUNKCJA_C_MESSAGES_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

FK_API void MSG_INF(fk_text text);
FK_API void MSG_OST(fk_text text);
FK_API int32_t MSG_QST(fk_text text, fk_text buttons, int32_t default_button);

#ifdef __cplusplus
}
#endif

#endif
