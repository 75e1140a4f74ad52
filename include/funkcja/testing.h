/* Answering the library's dialogs without a screen: for tests and for hosts that run the
 * library headless (the command-line host, batch jobs). Without queued answers a message box
 * answers with its default button and a window as if Esc were pressed. */
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

#ifdef __cplusplus
}
#endif

#endif
