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

#ifdef __cplusplus
}
#endif

#endif
