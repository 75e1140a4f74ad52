/* C interface: windows built by a caller outside the library on the library's own window
 * layer, so that they look and behave like the library's windows, are driven by the headless
 * script (`call --do`, `batch "script"`) and are kept in the record of what was shown.
 * Included by funkcja/funkcja.h.
 *
 *   fk_window* w = fk_window_new(fk_cstr("Szukaj"), fk_cstr("Szukaj firmy"), 300, 200);
 *   int32_t name = fk_window_add(w, FK_CONTROL_ENTRY, fk_cstr(""), 8, 8, 200, 12);
 *   int32_t ok = fk_window_add(w, FK_CONTROL_BUTTON, fk_cstr("Wybierz"), 8, 30, 50, 18);
 *   fk_window_bind_key(w, FK_KEY_F10, ok);
 *   fk_window_set_handler(w, on_press, &state);   // on_press returns 1 to close the window
 *   int32_t key = 0;
 *   int32_t closed_by = fk_window_run(w, &key);   // ok, or 0 after Esc or the close box
 *   fk_window_free(w);
 *
 * Texts are code page 1250. Controls are numbered from 1 in the order they are added; a number
 * the window does not have is ignored (and reads as empty text and 0). The radios of a window
 * form one group: pressing one turns the others off. A window runs once, modally, on the
 * calling thread; it may be built and run on any thread, but used by one thread at a time. */
#ifndef FUNKCJA_C_WINDOW_BUILDER_H
#define FUNKCJA_C_WINDOW_BUILDER_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct fk_window fk_window;

/* Control types. */
#define FK_CONTROL_LABEL 2   /* a line of text */
#define FK_CONTROL_ENTRY 8   /* one line the user types into */
#define FK_CONTROL_BUTTON 9  /* pressed by a click, Enter or Space, or a bound key */
#define FK_CONTROL_PROMPT 10 /* a caption beside another control */
#define FK_CONTROL_LIST 14   /* rows of cells separated by tabs; value: the chosen row */
#define FK_CONTROL_RADIO 21  /* one of a group; value: 1 when on */

/* Key codes as the window layer speaks them (Windows virtual keys; + 0x100 Shift). */
#define FK_KEY_MOUSE 0x01
#define FK_KEY_ENTER 0x0D
#define FK_KEY_ESC 0x1B
#define FK_KEY_F10 0x79

/* Called when a button or radio is pressed or a list row is accepted (Enter or a double
 * click), with the control's number and the key that did it; and with control 0 when the user
 * asks to close the window (Esc or the close box). Returns 1 to close the window, 0 to keep
 * it open. The handler may change the window's controls and show message boxes. */
typedef int (*fk_window_handler)(fk_window* window, int32_t control, int32_t key, void* user);

/* A new window; key names it for its saved position and size (empty: not saved). NULL only
 * when memory runs out. */
FK_API fk_window* fk_window_new(fk_text key, fk_text caption, int32_t width, int32_t height);
FK_API void fk_window_free(fk_window* window);

/* Adds a control of one of the types above; its number, or 0 for an unknown type. */
FK_API int32_t fk_window_add(fk_window* window, int32_t type, fk_text text, int32_t x, int32_t y,
                             int32_t width, int32_t height);
FK_API void fk_window_set_text(fk_window* window, int32_t control, fk_text text);
/* A control's text (an entry: what the user typed), valid until the thread's next call. */
FK_API fk_text fk_window_text(fk_window* window, int32_t control);
/* A radio's state (1 on), a list's chosen row (from 1, 0 for none). */
FK_API int32_t fk_window_value(fk_window* window, int32_t control);
FK_API void fk_window_set_value(fk_window* window, int32_t control, int32_t value);
FK_API void fk_window_enable(fk_window* window, int32_t control, int enabled);

/* A list's column headers, separated by tabs. */
FK_API void fk_window_set_columns(fk_window* window, int32_t list, fk_text headers);
FK_API void fk_window_clear_rows(fk_window* window, int32_t list);
/* Adds a row of cells separated by tabs; the number of rows the list now has. */
FK_API int32_t fk_window_add_row(fk_window* window, int32_t list, fk_text cells);
FK_API int32_t fk_window_row_count(fk_window* window, int32_t list);

/* A key that presses the button wherever the focus is (F10 for the confirm button). */
FK_API void fk_window_bind_key(fk_window* window, int32_t key, int32_t button);
/* The control that has the focus when the window opens. */
FK_API void fk_window_focus(fk_window* window, int32_t control);
FK_API void fk_window_set_handler(fk_window* window, fk_window_handler handler, void* user);

/* Runs the window modally until it closes. Returns the control whose handler closed it (0
 * when it closed on Esc, the close box or with no handler) and writes the key that closed it
 * into *key when key is not NULL. A window that has already run returns -1 at once. */
FK_API int32_t fk_window_run(fk_window* window, int32_t* key);

#ifdef __cplusplus
}
#endif

#endif
