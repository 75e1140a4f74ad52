/* C interface: exchange of data with outside sources. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_EXCHANGE_H
#define FUNKCJA_C_EXCHANGE_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

struct fk_group;  /* a record group: funkcja/c/objects.h */
struct fk_queue;  /* a queue: funkcja/c/objects.h */
struct fk_browse; /* a browse object: funkcja/c/objects.h */

/* The children of the XML document's root element into the group's fields: by position when
 * positional is 1, else by name. See funkcja/exchange.hpp. */
FK_API void XMLDOGRUPY(fk_text xml, struct fk_group* group, uint8_t positional);

/* ---- SQL-to-XML writer and CSV export ---------------------------------------------------- */

/* Runs "call " + call and writes its rows as XML lines to file_name. See funkcja/exchange.hpp. */
FK_API void SQL2XMLWRITER_WATEK(fk_text call, fk_text file_name);
/* The same rows into the calling thread's text table TXT; file_name is not used. */
FK_API void SQL2XMLWRITER_TG(fk_text call, fk_text file_name);
/* A list to a CSV file: list is the number of a list control of the calling thread's current
 * window (its columns described with fk_export_list_columns; without them every field of the
 * queue's record, headed by its name), -1 the shared queue $GGG:XML_Q,
 * -2 the special export. browse may be NULL. */
FK_API void EXPORT2EXCEL(struct fk_browse* browse, struct fk_queue* queue, int32_t list);
/* The columns of list control `list` of the calling thread's current window, one a line:
 * "heading<TAB>picture<TAB>field number" (the queue field the column shows). Empty text
 * forgets the list. */
FK_API void fk_export_list_columns(int32_t list, fk_text columns);

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
