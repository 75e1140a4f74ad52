/* A C host of the installed library: a few procedures, a dialog answered headless, and the
 * version. Prints "ok", or what went wrong. */
#include <stdio.h>
#include <string.h>

#include "funkcja/funkcja.h"
#include "funkcja/testing.h"

static int same(fk_text t, const char* expected) {
  return t.len == strlen(expected) && memcmp(t.ptr, expected, t.len) == 0;
}

int main(void) {
  const fk_text replaced = STR_REPLACE(fk_cstr("Ala ma kota"), fk_cstr("kota"), fk_cstr("psa"));
  if (!same(replaced, "Ala ma psa")) {
    printf("STR_REPLACE: %.*s\n", (int)replaced.len, replaced.ptr);
    return 1;
  }
  const fk_text words = SLOWNIEWALUTA(3.0, fk_cstr("EUR"));
  if (words.len != 600 || memcmp(words.ptr, " trzy EUR ", 10) != 0) {
    printf("SLOWNIEWALUTA: %.*s\n", (int)words.len, words.ptr);
    return 1;
  }
  fk_msgbox_push_answer(2);
  const int32_t button = MSG_QST(fk_cstr("Usunac?"), fk_cstr("&Tak|&Nie"), 1);
  if (button != 2) {
    printf("MSG_QST: %d\n", (int)button);
    return 1;
  }
  if (strcmp(funkcja_version(), FUNKCJA_VERSION_STRING) != 0) {
    printf("funkcja_version: %s, headers %s\n", funkcja_version(), FUNKCJA_VERSION_STRING);
    return 1;
  }
  size_t count = 0;
  if (funkcja_procedures(&count) == NULL || count == 0 || !funkcja_find_procedure("SLOWNIE")) {
    printf("procedure table: %zu\n", count);
    return 1;
  }
  printf("ok\n");
  return 0;
}
