/* C interface: window helpers, the host's control of the window layer, and the pop-up objects
 * that the helpers take (their queues are in funkcja/c/objects.h). Included by
 * funkcja/funkcja.h. */
#ifndef FUNKCJA_C_WINDOWS_H
#define FUNKCJA_C_WINDOWS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A window of the library's window layer, for procedures that take a window; passed as an
 * object. */
typedef struct fk_window fk_window;
/* A browse's pop-up menu (POPUPCLASS). */
typedef struct fk_popupclass fk_popupclass;

FK_API void SELECT_MOUSELEFT(fk_text picture);
FK_API void SELECT_KEYBOARD(fk_text picture);
FK_API uint8_t THREAD_INS(fk_text window_name);
FK_API void THREAD_DEL(fk_text window_name);
FK_API uint8_t MAKSYMALIZUJ(void);
FK_API void MAKSYMALIZACJAOFF(void);
FK_API void STRSTYLTOOLBAR(int32_t control, uint8_t size, uint8_t second, uint8_t keep_position);
FK_API void STRSTYLOPIS(int32_t control, uint8_t size, uint8_t second);
FK_API void STRSTYLNAGLOWEK(int32_t control, uint8_t size, uint8_t second);
FK_API void USTAW4IKONYBROWSERA(fk_popupclass* popup, uint8_t mode);
/* rows: a queue (funkcja/c/objects.h) whose entries hold the icon and the level in fields 2
 * and 3, or 6 and 7 for a tree list (a queue of texts, or of the tree list's layout);
 * leaf_icon 0 (omitted) means 2. */
FK_API void USTAWIKONYDRZEWA(int32_t list, fk_queue* rows, int32_t leaf_icon);
FK_API void FILEDIALOGBOX_WATEK(fk_text title, fk_text start_folder, fk_text notify_thread);
FK_API void AUTOUZUPELNIANIE(fk_text kind, int32_t field, uint8_t* armed, fk_text extra);
FK_API void INFO_ZESTAWIENIE(uint8_t kind);
FK_API void INFO_KONTRAHENT(int32_t document, uint8_t flag1, uint8_t flag2, uint8_t flag3,
                            uint8_t flag4, uint8_t no_window);
FK_API fk_text INFO_AKTUALIZACJA_VAT(fk_text register_kind, int32_t record);
FK_API void WOLAJ_POMOC(fk_text topic_code, fk_text mode);

/* ---- Pop-up menus ---------------------------------------------------------------------- */

FK_API fk_popupclass* fk_popupclass_new(void);
FK_API void fk_popupclass_free(fk_popupclass* popup);
FK_API void fk_popupclass_add_item(fk_popupclass* popup, fk_text name, fk_text text);
FK_API fk_text fk_popupclass_text(const fk_popupclass* popup, fk_text name);
FK_API fk_text fk_popupclass_icon(const fk_popupclass* popup, fk_text name);

/* ---- The window layer, for hosts ------------------------------------------------------- */

/* The calling thread's number in the window layer (1 for the first thread that asks). */
FK_API int32_t fk_ui_thread_number(void);
/* The calling thread's oldest posted event, waiting up to wait_ms for one; 0 when none came. */
FK_API int32_t fk_ui_take_posted_event(int32_t wait_ms);
/* Waits until every folder dialog started by FILEDIALOGBOX_WATEK has finished. */
FK_API void fk_ui_join_threads(void);

#ifdef __cplusplus
}
#endif

#endif
