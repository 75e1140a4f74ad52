/* C interface: bank account numbers, the accounts of contractors, employees and other owners,
 * and the bank register. Included by funkcja/funkcja.h.
 *
 * Owner types: "K" contractor, "P" employee, "U" the third kind; compared case-sensitively,
 * trailing blanks ignored; any other text owns no accounts. The lookups run on the calling
 * thread's query tables. */
#ifndef FUNKCJA_C_BANKS_H
#define FUNKCJA_C_BANKS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A 26-digit account number in display form ("12 3456 7890 1234 5678 9012 3456"); any other
 * text unchanged. At most 100 characters. */
FK_API fk_text GRUPUJ_RACH_BANK(fk_text account);
/* Pastes a 26-digit account number from the clipboard: its check digits into check_digits and
 * the other 24 digits into rest. 1 when the fields were replaced; 0 when the clipboard holds
 * no 26-digit number or the fields already hold it (fields unchanged). */
FK_API uint8_t NUMER_KONTA_WKLEJ(fk_buffer check_digits, fk_buffer rest);
/* The account id when that account belongs to that owner, else 0. */
FK_API int32_t RACHUNEK_BANKOWY_CHECK(int32_t account, int32_t owner, fk_text type);
/* The owner's account number as stored, in display form when grouped and it is 26 digits;
 * "<domyślny>" for account 0; empty when the owner has no such account. */
FK_API fk_text RACHUNEK_BANKOWY_GET(int32_t account, int32_t owner, fk_text type, uint8_t grouped);
/* The default account of a contractor (K) or employee (P): its id in decimal ("0" when there
 * is none, and always for U), or with number_wanted its number as stored. */
FK_API fk_text RACHUNEK_BANKOWY_DEFAULT(int32_t owner, fk_text type, uint8_t number_wanted);
/* id_banku of the National Bank of Poland, or 0. The text is not used. */
FK_API int32_t GETBANKNBP(fk_text unused);
/* The bank's name, or its symbol when it has no name; empty for an unknown bank. At most
 * 200 characters. The text is not used. */
FK_API fk_text GETNAZWABANKU(fk_text unused, int32_t bank);

#ifdef __cplusplus
}
#endif

#endif
