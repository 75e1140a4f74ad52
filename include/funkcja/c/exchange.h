/* C interface: exchange of data with outside sources. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_EXCHANGE_H
#define FUNKCJA_C_EXCHANGE_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

struct fk_group; /* a record group: funkcja/c/objects.h */

/* The children of the XML document's root element into the group's fields: by position when
 * positional is 1, else by name. See funkcja/exchange.hpp. */
FK_API void XMLDOGRUPY(fk_text xml, struct fk_group* group, uint8_t positional);

/* The day's exchange rates of NBP (table A) or of the ECB through the utility library
 * TEMIXutilKS, imported by the database: 1 imported (*date = the table's day), 2 already
 * imported and the user asked to fetch them again, 0 nothing imported. *date 0 asks for the
 * latest table. See funkcja/exchange.hpp. */
FK_API uint8_t POBIERZKURSYNBP(uint8_t flag, int32_t* date);
FK_API uint8_t POBIERZKURSYECB(uint8_t flag, int32_t* date);

/* A company's data from the company register through the utility library TEMIXutilKS into
 * the group, by position: 1 when data came back, else 0. See funkcja/exchange.hpp. */
FK_API uint8_t PODAJDANEGUS(struct fk_group* group);

#ifdef __cplusplus
}
#endif

#endif
