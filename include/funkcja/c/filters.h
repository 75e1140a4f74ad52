/* C interface: character filters and value formatting. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_FILTERS_H
#define FUNKCJA_C_FILTERS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Character filters: one code page 1250 text in, what stays of it out. */
FK_API fk_text TYLKO_CYFRY(fk_text text);
FK_API fk_text OPUSC_ALFANUMERYCZNE(fk_text text);
FK_API fk_text OPUSC_ALFANUMERYCZNE_SOFT(fk_text text);
FK_API fk_text TYLKO_KWOTY(fk_text text);
FK_API fk_text OPUSC_SPACE(fk_text text);
FK_API fk_text CLEARFORFILENAME(fk_text text);
FK_API fk_text USUN_ZNAKI_STERUJACE(fk_text text);
FK_API fk_text USUN_ZNAKI_NIEDRUKOWALNE(fk_text text);
FK_API fk_text BEZPL(fk_text text);
FK_API fk_text USUN_POLSKIE_ZNAKI(fk_text text);

/* An amount right-aligned in 19 characters; a standard date as DD-MM-YYYY. */
FK_API fk_text FORMATKWOTA(fk_text number);
FK_API fk_text FORMATDATA(fk_text day_number);

#ifdef __cplusplus
}
#endif

#endif
