/* C interface: rewriting the host's record filters for SQL. Included by funkcja/funkcja.h. */
#ifndef FUNKCJA_C_FILTER_REWRITE_H
#define FUNKCJA_C_FILTER_REWRITE_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Table prefixes (ZAP:) removed, SQL( wrappers opened, INSTRING calls written with like. */
FK_API fk_text WYTNIJ_PREFIX(fk_text filter);
/* As WYTNIJ_PREFIX, each table prefix becoming the alias a. */
FK_API fk_text WYTNIJ_PREFIX_WSTAWA(fk_text filter);
/* a.column of the table's columns written table.column; the expression comes back in lower
 * case. Reads the database catalogue the first time a table is met. */
FK_API fk_text STR_REPLACE_PREFIKS_A(fk_text table_name, fk_text expression);
/* Klasyfikacja and Transakcja swapped in the budget edition. */
FK_API fk_text ZAMIEN_KLASYFIKACJA_TRANSAKCJA(fk_text caption);

#ifdef __cplusplus
}
#endif

#endif
