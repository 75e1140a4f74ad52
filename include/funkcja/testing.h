/* Answering the library's dialogs without a screen, and seeing what it showed: for tests and
 * for hosts that run the library headless (the command-line host, batch jobs). Without queued
 * answers a message box answers with its default button, a window as if Esc were pressed and
 * a folder or save dialog as cancelled.
 *
 * The queues, the clipboard and the record are shared by the whole process; every function
 * here may be called from any thread. A host that runs independent jobs one after another
 * calls fk_headless_reset() between them, so that nothing queued for one job answers the
 * next. */
#ifndef FUNKCJA_TESTING_H
#define FUNKCJA_TESTING_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- The system message box ----------------------------------------------------------- */

/* Queues the number of the button that the next system message box answers with
 * (1 = first). With an empty queue a box answers with its default button. */
FK_API void fk_msgbox_push_answer(int32_t button);
/* Whether message boxes are printed to stderr as they are shown (the command-line host). */
FK_API void fk_msgbox_set_echo(int on);

/* ---- The window layer's headless driver ------------------------------------------------ */

/* Queues one action of the headless window driver ("key F10", "type text", "click Wykonaj",
 * "choose 2", "select 3", "mouse 3", "timer", "size 300 200", "close"; text in code page
 * 1250). Returns 1, or 0 for a line that is not an action. Without actions a window is
 * answered as if Esc were pressed. */
FK_API int fk_ui_script_push(fk_text action);
/* Forgets queued actions and the record of shown windows. */
FK_API void fk_ui_script_clear(void);
/* What every window showed and each step did, in UTF-8. */
FK_API fk_text fk_ui_script_output(void);
/* Whether windows are printed to stderr as they are shown. */
FK_API void fk_ui_set_echo(int on);
/* The answer of the next folder-choice dialog: a folder, or cancelled when confirmed is 0. */
FK_API void fk_ui_folder_push_answer(fk_text folder, int confirmed);
/* The answer of the next file-save dialog: a path, or cancelled when confirmed is 0. */
FK_API void fk_ui_save_push_answer(fk_text path, int confirmed);

/* ---- The clipboard --------------------------------------------------------------------- */

/* Puts text (code page 1250) on the clipboard, as the user would before a call. */
FK_API void fk_clipboard_set(fk_text text);
/* The clipboard's text (code page 1250), e.g. what a procedure copied. */
FK_API fk_text fk_clipboard_get(void);

/* ---- What was shown -------------------------------------------------------------------- */

/* Every message box, window and file dialog shown so far, oldest first, as a JSON array in
 * UTF-8 on one line. A message box:
 *   {"box": "question", "caption": "Pytanie", "text": "Zapisać?", "buttons": ["&Tak", "&Nie"],
 *    "answer": 2}
 * "box" is "information", "warning" or "question"; "answer" is the number of the button it
 * was answered with (1 = first), 0 when it was dismissed without one. A window:
 *   {"window": "Msg_Wykonaj", "caption": "...", "controls": ["#1 image", ...,
 *    "#5 button \"Wykonaj\" (focus)"], "closed": "key F10"}
 * "window" is the window's key, "controls" its controls as they stood when it closed, one
 * string each as the window transcript writes them (a list's rows follow on lines of their
 * own), and "closed" the action that closed it ("key F10", "click Wykonaj", "close", ...;
 * "key Esc (no action left)" when the script had run out; "closed by force" for a window that
 * refused every way of closing; null while it is still open). A folder or save dialog:
 *   {"dialog": "save", "title": "...", "answer": "/home/a/lista.csv"}
 * "dialog" is "folder" or "save"; "answer" is what it chose, null when it was cancelled.
 * Texts are UTF-8 (converted from code page 1250), quotes, backslashes and control characters
 * escaped.
 * Only the latest 1,000 items (and about 4 MB) are kept; older ones are dropped. */
FK_API fk_text fk_shown_json(void);
/* Forgets the record of what was shown. */
FK_API void fk_shown_clear(void);

/* Forgets every queued message-box answer, window action and dialog answer, the record of
 * what was shown and the window transcript, empties the clipboard, waits for the folder
 * dialogs' own threads and drops the events posted to the calling thread. Echo settings and
 * the data library's globals stay. Call it when no other thread is inside the library. */
FK_API void fk_headless_reset(void);

#ifdef __cplusplus
}
#endif

#endif
