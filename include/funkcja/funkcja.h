/* The C interface of funkcja, the shared function library.
 *
 * Every exported procedure is a plain C function under its own upper-case name
 * (STR_REPLACE, MSG_QST, ...). Parameter kinds:
 *
 *   text          fk_text      read-only code page 1250 text: pointer and length, not terminated;
 *                              trailing blanks included, exactly as the caller holds it
 *   int32         int32_t
 *   byte          uint8_t      as a flag, 0 is false and anything else true
 *   double        double
 *   in/out text   fk_buffer    the caller's buffer: terminated text, capacity counts the
 *                              terminator; a written value keeps at most capacity - 1 characters
 *   in/out int32  int32_t *
 *   in/out byte   uint8_t *
 *   object        pointer to an object of the data library (fk_errorclass, fk_iniclass, and
 *                 the record groups, queues and browse objects of funkcja/c/objects.h); the
 *                 procedure table names the kind of each (fk_param.object)
 *
 * A text result is an fk_text that stays valid until the next call on the same thread.
 * An omittable parameter is passed as empty text or 0; the procedure cannot tell it was left
 * out. No procedure fails through an exception or a signal: failures come back as empty text,
 * 0 or a flag, and as a message box where the procedure says so.
 *
 * Besides the procedures, the library exports a table that describes each one (name,
 * parameter kinds and names, result kind) and a uniform entry point per procedure, so that a
 * host can call any procedure generically (see funkcja_procedures).
 *
 * Hosts that drive the library without a screen (tests, batch runs) answer its message boxes
 * and windows through funkcja/testing.h.
 */
#ifndef FUNKCJA_FUNKCJA_H
#define FUNKCJA_FUNKCJA_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "funkcja/export.h"
#include "funkcja/version.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct fk_text {
  const char* ptr;
  size_t len;
} fk_text;

typedef struct fk_buffer {
  char* ptr;
  size_t capacity;
} fk_buffer;

/* A terminated C string as a text parameter. */
static inline fk_text fk_cstr(const char* s) {
  fk_text t;
  t.ptr = s;
  t.len = s ? strlen(s) : 0;
  return t;
}

/* Objects of the data library, handed to FUNKCJA_INIT. */
typedef struct fk_errorclass fk_errorclass;
typedef struct fk_iniclass fk_iniclass;

/* ---- Procedure table ------------------------------------------------------------------ */

typedef enum fk_kind {
  FK_NONE = 0, /* result only: the procedure returns nothing */
  FK_TEXT = 1,
  FK_INT32 = 2,
  FK_BYTE = 3,
  FK_DOUBLE = 4,
  FK_TEXT_INOUT = 5,
  FK_INT32_INOUT = 6,
  FK_BYTE_INOUT = 7,
  FK_OBJECT = 8
} fk_kind;

typedef struct fk_value {
  fk_kind kind;
  union {
    fk_text text;
    int32_t i32;
    uint8_t byte;
    double dbl;
    fk_buffer buffer;
    int32_t* i32_ref;
    uint8_t* byte_ref;
    void* object;
  } as;
} fk_value;

typedef struct fk_param {
  const char* name;
  fk_kind kind;
  uint8_t omittable; /* may be left off: arrives as empty text or 0 */
  uint32_t capacity; /* FK_TEXT_INOUT: the capacity of the caller's buffer the procedure expects */
  /* FK_OBJECT: the kind of object the parameter takes: "group", "queue", "browse", "window",
   * "popup", "errorclass" or "iniclass"; NULL for every other parameter. */
  const char* object;
} fk_param;

/* Calls the procedure with args[0..param_count) of the kinds the table gives; writes the result
 * (kind FK_NONE for none). Returns 0, or -1 when an argument's kind does not match. */
typedef int (*fk_invoke_fn)(const fk_value* args, fk_value* result);

typedef struct fk_procedure {
  const char* name;
  fk_kind result;
  size_t param_count;
  const fk_param* params;
  fk_invoke_fn invoke;
} fk_procedure;

/* Every exported procedure, sorted by name; *count receives their number. */
FK_API const fk_procedure* funkcja_procedures(size_t* count);

/* One procedure by name (exact, upper case), or NULL. */
FK_API const fk_procedure* funkcja_find_procedure(const char* name);

/* ---- The data library's globals ------------------------------------------------------- */

/* Sets a session global from text. The name may be written "$GGG:SCIEZKA_SET",
 * "$DANE_ID_FIRMY", "GGG_SCIEZKA_SET" or "DANE_ID_FIRMY". Numbers are decimal text.
 * Returns 1 on success, 0 for an unknown name or a value of the wrong form. */
FK_API int fk_global_set(fk_text name, fk_text value);
/* The global's value as text (numbers in decimal); empty text for an unknown name. */
FK_API fk_text fk_global_get(fk_text name);
/* 1 when the name (in any of the forms above) names a global, else 0. */
FK_API int fk_global_exists(fk_text name);
/* The names of all globals, one per line, in the name rule's form. */
FK_API fk_text fk_global_names(void);

/* ---- Data library objects the host hands to FUNKCJA_INIT ------------------------------ */

FK_API fk_errorclass* fk_errorclass_new(void);
FK_API void fk_errorclass_free(fk_errorclass* errors);
/* The procedure name most recently registered with SETPROCEDURENAME. */
FK_API fk_text fk_errorclass_procedure_name(const fk_errorclass* errors);

/* A settings manager on the INI file at path. */
FK_API fk_iniclass* fk_iniclass_new(fk_text path);
/* Binds a settings manager to another INI file, as its Init does. */
FK_API void fk_iniclass_init(fk_iniclass* settings, fk_text path);
FK_API void fk_iniclass_free(fk_iniclass* settings);

#ifdef __cplusplus
}
#endif

#include "funkcja/c/banks.h"
#include "funkcja/c/browse_config.h"
#include "funkcja/c/calendar.h"
#include "funkcja/c/calendar_windows.h"
#include "funkcja/c/codepage.h"
#include "funkcja/c/database.h"
#include "funkcja/c/desktop.h"
#include "funkcja/c/exchange.h"
#include "funkcja/c/filter_rewrite.h"
#include "funkcja/c/filters.h"
#include "funkcja/c/gateway.h"
#include "funkcja/c/lifecycle.h"
#include "funkcja/c/lookups.h"
#include "funkcja/c/mask.h"
#include "funkcja/c/messages.h"
#include "funkcja/c/objects.h"
#include "funkcja/c/strings.h"
#include "funkcja/c/tree_filters.h"
#include "funkcja/c/validation.h"
#include "funkcja/c/window_builder.h"
#include "funkcja/c/windows.h"
#include "funkcja/c/words.h"

#endif
