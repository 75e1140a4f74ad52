/* C interface: strings procedures. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_STRINGS_H
#define FUNKCJA_C_STRINGS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Replacing. */
FK_API fk_text STR_REPLACE(fk_text text, fk_text find, fk_text replacement);
FK_API fk_text STR_REPLACEUPPER(fk_text text, fk_text find, fk_text replacement);
FK_API fk_text TG_REPLACE(fk_text text, fk_text find, fk_text replacement);
FK_API fk_text ZAMIEN_WYRAZENIE(fk_text text, fk_text find, fk_text replacement);
FK_API fk_text REPLACEPROC(fk_text text, fk_text find, fk_text replacement);
FK_API fk_text REPLACEPROC2(fk_text text, fk_text find, fk_text replacement);
FK_API fk_text ZAMIEN_ZNAK(fk_text text, fk_text character, fk_text replacement);
FK_API fk_text ZAMIEN_ZNAKI(fk_text mask);
FK_API fk_text ZAMIEN_SKOBKI(fk_text text, fk_text replacement);

/* Counting and locating. */
FK_API int32_t LICZBA_WYSTAPIEN(fk_text substring, fk_text text);
FK_API int32_t STR_POZYCJA_WYSTAPIENIA(fk_text substring, fk_text text, int32_t n);
FK_API int32_t STR_WYSTAPIENIE_ZNAKU(fk_text text, fk_text character);

/* Cutting, grouping, reversing, repeating. */
FK_API fk_text WYTNIJ_STR(fk_text text, fk_text field);
FK_API fk_text STRING_WYTNIJ_DO(fk_text text, fk_text character, int32_t n);
FK_API fk_text STRING_CUT(fk_text text, int32_t width, fk_text delimiter);
FK_API fk_text STRING_GRUPUJ(fk_text text, int32_t size, fk_text separator);
FK_API fk_text STRING_ODWROC(fk_text text);
FK_API fk_text STR_REPLICATE(fk_text text, int32_t count);

#ifdef __cplusplus
}
#endif

#endif
