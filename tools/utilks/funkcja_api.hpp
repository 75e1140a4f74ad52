// The procedures of libfunkcja that the register's search window uses: its window builder, its
// message boxes and its NIP check. The utility library is loaded into a process that already
// holds libfunkcja, so it takes them from there at run time instead of linking against it:
// linking would load a second copy (with windows, scripts and message records of its own)
// into a process that holds the library under another name, and would tie this file to one
// version of it.
#pragma once

#include "funkcja/c/messages.h"
#include "funkcja/c/validation.h"
#include "funkcja/c/window_builder.h"

namespace utilks {

struct FunkcjaApi {
  decltype(&::fk_window_new) window_new;
  decltype(&::fk_window_free) window_free;
  decltype(&::fk_window_add) window_add;
  decltype(&::fk_window_set_text) window_set_text;
  decltype(&::fk_window_text) window_text;
  decltype(&::fk_window_value) window_value;
  decltype(&::fk_window_set_value) window_set_value;
  decltype(&::fk_window_set_columns) window_set_columns;
  decltype(&::fk_window_clear_rows) window_clear_rows;
  decltype(&::fk_window_add_row) window_add_row;
  decltype(&::fk_window_bind_key) window_bind_key;
  decltype(&::fk_window_focus) window_focus;
  decltype(&::fk_window_set_handler) window_set_handler;
  decltype(&::fk_window_run) window_run;
  decltype(&::MSG_OST) msg_ost;
  decltype(&::SPR_NIP) spr_nip;
  decltype(&::OCZYSC_NIP) oczysc_nip;
};

// The procedures as the process holds them (the global scope first, then the loaded
// libfunkcja by its soname); nullptr when any is missing.
const FunkcjaApi* funkcja_api();

}  // namespace utilks
