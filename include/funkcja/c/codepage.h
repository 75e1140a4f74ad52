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

#ifdef __cplusplus
}
#endif

#endif
