/* C interface: the filter trees of the host's browses, the description of a budget filter for
 * printing, and the budget edition's process-wide dictionaries. Included by funkcja/funkcja.h.
 *
 * The tree of the open browse is the process-wide list $GGG:FILTR_DRZEWO_UNI
 * (fk_global_queue): line 1 is the root "Wszystko"; each line holds the branch name, icon,
 * level, order number, filter field, field value (a text value carries its own apostrophes:
 * 'K') and operator. Saved trees are rows of BROWSER_KONFIG per company, browse, user and tree
 * name; browse 2 shares the saved trees of browse 1. */
#ifndef FUNKCJA_C_TREE_FILTERS_H
#define FUNKCJA_C_TREE_FILTERS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the add-branch window for the browse; year gives the months a month field offers (0:
 * none). 1 when branches were added to the tree, 0 when the window was closed without. */
FK_API int32_t TREE_DODAJ_GALAZ(int32_t browse, int32_t year);
/* Opens the save window: the tree under a new name, or over the current tree. The name it was
 * saved under; empty when the user cancelled. */
FK_API fk_text TREE_DODAJ_KONFIG(int32_t browse, fk_text current_name);
/* With load_default 1, loads the user's default tree without a window; otherwise the user
 * picks a saved tree from a list. The name of the tree loaded; empty when none (the tree is
 * then the root alone after a default load, and unchanged after a cancelled choice). */
FK_API fk_text TREE_WYBIERZ_KONFIG(int32_t browse, uint8_t load_default);
/* For browse 36, adds up to four lines describing the filter (classifications, journals,
 * document types, periods) to $DANE_OPIS_PRN; any other browse: nothing. */
FK_API void FILTR_INFO(int32_t browse, fk_text filter);
/* Loads the budget's user dictionaries into $GGG:KARTOTEKA_U when its refresh flag is 1 or the
 * company changed; in a task budget, 1 when it told the user a dictionary is missing. */
FK_API uint8_t BTZ_LADUJ_SLOWNIKI_GLO(void);
/* Loads the budget account structure of the fiscal year into $GGG:STRUKTURA_KONTA when its
 * refresh flag is 1 or the year changed. */
FK_API void BTZ_LADUJ_STRUKTURE_KONTA(int32_t year);

#ifdef __cplusplus
}
#endif

#endif
