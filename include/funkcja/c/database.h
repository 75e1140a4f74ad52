/* C interface: choosing the database, and what a host needs to read the query tables.
 *
 * A database is named by a URL: "sqlite:/path/to/file.db" for the embedded database (created
 * with the schema and the demo data when the file is new). An empty URL means the default
 * database, $XDG_DATA_HOME/funkcja/funkcja.db or ~/.local/share/funkcja/funkcja.db. Texts are
 * code page 1250. */
#ifndef FUNKCJA_C_DATABASE_H
#define FUNKCJA_C_DATABASE_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Makes url every thread's database. When the host has set no session (no company, no user),
 * the database's default session is loaded into the globals. Returns 1, or 0 with the reason
 * in fk_database_error(). */
FK_API int fk_database_open(fk_text url);
/* Creates the demo database at url (empty: the default); an existing one only with force,
 * which replaces it. Returns 1, or 0 with the reason in fk_database_error(). */
FK_API int fk_database_init(fk_text url, int32_t force);
/* The URL of the database in use; the calling thread's last database error. */
FK_API fk_text fk_database_url(void);
FK_API fk_text fk_database_error(void);

/* Runs one statement on the calling thread's connection and keeps every row of it: one line
 * per row, columns separated by a tab, NULL written as NULL. Returns 1 and the rows in
 * fk_sql_output(), or 0 and the database's message there. */
FK_API int fk_sql_run(fk_text statement);
FK_API fk_text fk_sql_output(void);

/* Reading a query table after EXECSQL ... EXECVAZ, by its name ("VAX_FK", "ZAPYTANIESQL"):
 * the next row into its record (returns the table's error code: 0 a row came), field n
 * (1-based) of the record as text, and the table's error code and message. */
FK_API int32_t fk_table_next(fk_text table);
FK_API fk_text fk_table_field(fk_text table, int32_t n);
FK_API int32_t fk_table_error_code(fk_text table);
FK_API fk_text fk_table_error_message(fk_text table);

#ifdef __cplusplus
}
#endif

#endif
