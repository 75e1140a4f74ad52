/* C interface: code-page conversion. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_CODEPAGE_H
#define FUNKCJA_C_CODEPAGE_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Code-page conversion of the Polish letters; the result has the argument's length. */
FK_API fk_text WINTOLATIN_TG(fk_text text);   /* 1250 -> 852 */
FK_API fk_text LATINTOWIN_TG(fk_text text);   /* 852 -> 1250 */
FK_API fk_text WINTOMAZOVIA_TG(fk_text text); /* 1250 -> Mazovia */
FK_API fk_text MAZOVIATOWIN_TG(fk_text text); /* Mazovia -> 1250 */
FK_API fk_text WINTOWIN_TG(fk_text text);     /* unchanged */

/* Conversion at a host's edges, between the library's code page 1250 and UTF-8.
 * fk_cp1250_to_utf8: every byte has a UTF-8 form; the five bytes that code page 1250 leaves
 * undefined (0x81, 0x83, 0x88, 0x90, 0x98) travel as U+0081, U+0083, U+0088, U+0090, U+0098.
 * fk_utf8_to_cp1250: the exact inverse. On failure it returns empty text, sets *error to
 * FK_EDGE_INVALID_UTF8 or FK_EDGE_NOT_CP1250 and *error_offset to the byte offset of the
 * offending sequence; on success *error is 0. Either pointer may be NULL. */
enum { FK_EDGE_OK = 0, FK_EDGE_INVALID_UTF8 = 1, FK_EDGE_NOT_CP1250 = 2 };
FK_API fk_text fk_cp1250_to_utf8(fk_text cp1250);
FK_API fk_text fk_utf8_to_cp1250(fk_text utf8, int32_t* error, size_t* error_offset);

#ifdef __cplusplus
}
#endif

#endif
