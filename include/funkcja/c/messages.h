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
FK_API void MSG_INFO(fk_text text, uint8_t type);
FK_API uint8_t MSG_WYKONAJ(fk_text text, fk_text title, uint8_t type);
FK_API void MSG_ADVINFO(fk_text text, fk_text details, uint8_t type);
FK_API void KOMUNIKAT_INFO(fk_text context, fk_text caption, fk_text header);

#ifdef __cplusplus
}
#endif

#endif
