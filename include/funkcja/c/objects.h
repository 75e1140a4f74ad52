/* C interface: the data library's objects that procedures take from the host, and the
 * process-wide lists and groups of the data library. Included by funkcja/funkcja.h.
 *
 *   fk_group   a record group: named, typed fields (text of a capacity, int32, byte, decimal,
 *              standard date). A field's name may carry a prefix before ":" (KP:NAZWA); a
 *              procedure that finds fields by name looks at the part after the first ":", in
 *              upper case.
 *   fk_queue   a queue of entries of one layout, with a record buffer (a group of that layout)
 *              through which entries are added, read and updated, as the runtime's queues work.
 *   fk_browse  a browse object over one statement, run through the gateway on the calling
 *              thread's connection.
 *   TXT        the calling thread's text table: a file of lines written through its file
 *              manager (close, open, prepare for adding, add a line, close). What a procedure
 *              adds between an open and the next close replaces the file at that close,
 *              through a temporary file and a rename; a close without adds, or after a failed
 *              add, leaves the file as it was.
 *
 * Values cross as text (code page 1250), converted to and from each field's type by the
 * runtime's rules:
 *   text     cut to its capacity;
 *   int32    a whole number or a decimal (the fraction dropped toward zero); anything else 0;
 *            a value beyond int32 saturates;
 *   byte     as int32, then its low 8 bits (300 -> 44, -1 -> 255);
 *   decimal  a decimal rounded half away from zero to the field's places; anything else 0;
 *            a value beyond the field's digits saturates (999.99 for 5 digits, 2 places);
 *   date     a standard date as its day number (as int32).
 * Read back: texts as held, numbers in decimal, decimals with all their places ("12.50").
 *
 * Threads: an object the host creates belongs to the host; it may be used from any thread,
 * but not from two threads at once. The process-wide lists and groups (fk_global_queue,
 * fk_global_group) are shared by every thread: each call on them is atomic, and the library's
 * procedures hold a list's lock for the whole of their work on it. */
#ifndef FUNKCJA_C_OBJECTS_H
#define FUNKCJA_C_OBJECTS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct fk_group fk_group;
typedef struct fk_queue fk_queue;
typedef struct fk_browse fk_browse;

typedef enum fk_field_type {
  FK_FIELD_NONE = 0, /* answer for a field that does not exist */
  FK_FIELD_TEXT = 1,
  FK_FIELD_INT32 = 2,
  FK_FIELD_BYTE = 3,
  FK_FIELD_DECIMAL = 4,
  FK_FIELD_DATE = 5
} fk_field_type;

/* ---- Record groups --------------------------------------------------------------------- */

FK_API fk_group* fk_group_new(void);
/* Does nothing for a group the library owns (a queue's buffer, a process-wide group). */
FK_API void fk_group_free(fk_group* group);
/* Adds a field at the end and returns its number (1 = first), or 0 when refused: a text needs
 * a size (capacity) of 1 to 1,000,000; a decimal takes size = total digits (1 to 18) and
 * places (0 to size); other types ignore both. Refused, too, on a group that
 * already serves as a queue's buffer or a process-wide group (their layout is fixed). */
FK_API size_t fk_group_add_field(fk_group* group, fk_text name, fk_field_type type, uint32_t size,
                                 uint32_t places);
FK_API size_t fk_group_field_count(const fk_group* group);
/* Empty text / FK_FIELD_NONE / 0 for a field that does not exist. */
FK_API fk_text fk_group_field_name(const fk_group* group, size_t field);
FK_API fk_field_type fk_group_field_type(const fk_group* group, size_t field);
FK_API uint32_t fk_group_field_size(const fk_group* group, size_t field);
FK_API uint32_t fk_group_field_places(const fk_group* group, size_t field);
/* The number of the first field whose name after its prefix equals name (case-insensitive,
 * trailing blanks ignored; name may itself carry a prefix, which is dropped); 0 when none. */
FK_API size_t fk_group_find(const fk_group* group, fk_text name);
/* Sets a field from text by the rules above; 0 when the field does not exist, else 1. */
FK_API int fk_group_set(fk_group* group, size_t field, fk_text value);
/* The field's value as text; empty text for a field that does not exist. */
FK_API fk_text fk_group_get(const fk_group* group, size_t field);
/* Every field to its empty or zero value. */
FK_API void fk_group_clear(fk_group* group);

/* ---- Queues ---------------------------------------------------------------------------- */

/* A queue whose entries take layout's fields (names, types, sizes; copied, values not). With
 * layout NULL the queue is of texts: its buffer has no fields, and an entry grows a text
 * field, without a capacity, for every field written with fk_queue_set. */
FK_API fk_queue* fk_queue_new_of(const fk_group* layout);
/* Same as fk_queue_new_of(NULL). */
FK_API fk_queue* fk_queue_new(void);
/* Does nothing for a process-wide list. */
FK_API void fk_queue_free(fk_queue* queue);
FK_API size_t fk_queue_count(const fk_queue* queue);
/* The queue's record buffer, owned by the queue. */
FK_API fk_group* fk_queue_buffer(fk_queue* queue);
/* Appends the buffer as a new last entry; returns its number. */
FK_API size_t fk_queue_append(fk_queue* queue);
/* Entry n (1 = first) into the buffer; 0 when there is no such entry (buffer unchanged). */
FK_API int fk_queue_read(fk_queue* queue, size_t entry);
/* The buffer into entry n; 0 when there is no such entry. */
FK_API int fk_queue_update(fk_queue* queue, size_t entry);
/* Removes entry n (the later ones move up); 0 when there is no such entry. */
FK_API int fk_queue_delete(fk_queue* queue, size_t entry);
/* Removes every entry and clears the buffer. */
FK_API void fk_queue_clear(fk_queue* queue);
/* Adds an empty entry; returns its number (1 = first). */
FK_API size_t fk_queue_add(fk_queue* queue);
/* Field f of entry n directly, by the rules above. A queue of texts grows the entry to the
 * field written; a queue with a layout ignores a field it does not have. */
FK_API void fk_queue_set(fk_queue* queue, size_t entry, size_t field, fk_text value);
/* Empty text for an entry or field that does not exist. */
FK_API fk_text fk_queue_get(const fk_queue* queue, size_t entry, size_t field);

/* ---- Browse objects -------------------------------------------------------------------- */

/* A browse over statement (code page 1250, the server's dialect); nothing runs yet. */
FK_API fk_browse* fk_browse_new(fk_text statement);
FK_API void fk_browse_free(fk_browse* browse);
FK_API fk_text fk_browse_statement(const fk_browse* browse);
/* Back to the start: runs the statement again on the calling thread's connection. 1, or 0
 * when the statement failed (fk_browse_error says why; next then finds no record). */
FK_API int fk_browse_reset(fk_browse* browse);
/* The next record: 0 when one was fetched, 33 at the end (or before any reset), 90 when the
 * database failed while reading. */
FK_API int32_t fk_browse_next(fk_browse* browse);
/* The database's message of the last failure; empty when none. */
FK_API fk_text fk_browse_error(const fk_browse* browse);
/* Records fetched since the last reset. */
FK_API size_t fk_browse_position(const fk_browse* browse);
/* The fetched record into the queue's buffer: column i into field i (a queue of texts grows
 * its buffer to the columns; NULL becomes an empty or zero value). 0 when no record is
 * fetched. */
FK_API int fk_browse_copy(const fk_browse* browse, fk_queue* queue);

/* ---- The text table TXT (the calling thread's) ----------------------------------------- */

/* The file TXT writes; each thread has its own. */
FK_API void fk_txt_set_file_name(fk_text path);
FK_API fk_text fk_txt_file_name(void);
/* The outcome of TXT's last file operation: 0, or the error code (3 the folder is missing, 5
 * access denied: a read-only folder or a folder of the file's name, 37 the table is not open,
 * 90 any other failure of the file) with the system's error text. */
FK_API int32_t fk_txt_error_code(void);
FK_API fk_text fk_txt_error_message(void);

/* ---- The calling thread's request objects ----------------------------------------------- */

/* $GLOBALRESPONSE of the calling thread: 1 request completed, 2 cancelled, 0 none. A
 * procedure that ends a request sets it; the host reads it after the call. */
FK_API int32_t fk_global_response(void);
FK_API void fk_set_global_response(int32_t response);
/* The key code waiting for the calling thread's next window event; a procedure that consumes
 * the request clears it to 0. */
FK_API int32_t fk_pending_keycode(void);
FK_API void fk_set_pending_keycode(int32_t key_code);

/* ---- Process-wide lists and groups of the data library --------------------------------- */

/* A process-wide list by name ("$GGG:FILTR_DRZEWO_UNI", "$DANE_OPIS_PRN", "$GGG:XML_Q", or by
 * the name rule: "GGG_XML_Q"); NULL for an unknown name. Owned by the library. */
FK_API fk_queue* fk_global_queue(fk_text name);
/* A process-wide group by name ("$GGG:SPEC_EKSPORT"); NULL for an unknown name. */
FK_API fk_group* fk_global_group(fk_text name);
/* The names of the process-wide lists and groups, one per line, by the name rule. */
FK_API fk_text fk_global_object_names(void);

#ifdef __cplusplus
}
#endif

#endif
