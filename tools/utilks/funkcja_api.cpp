#include "funkcja_api.hpp"

#include <dlfcn.h>

namespace utilks {
namespace {

void* find(void* library, const char* name) {
  if (void* f = ::dlsym(RTLD_DEFAULT, name)) return f;
  return library != nullptr ? ::dlsym(library, name) : nullptr;
}

template <class F>
bool take(F& slot, void* library, const char* name) {
  slot = reinterpret_cast<F>(find(library, name));
  return slot != nullptr;
}

bool resolve(FunkcjaApi& api, void* library) {
  return take(api.window_new, library, "fk_window_new") &&
         take(api.window_free, library, "fk_window_free") &&
         take(api.window_add, library, "fk_window_add") &&
         take(api.window_set_text, library, "fk_window_set_text") &&
         take(api.window_text, library, "fk_window_text") &&
         take(api.window_value, library, "fk_window_value") &&
         take(api.window_set_value, library, "fk_window_set_value") &&
         take(api.window_set_columns, library, "fk_window_set_columns") &&
         take(api.window_clear_rows, library, "fk_window_clear_rows") &&
         take(api.window_add_row, library, "fk_window_add_row") &&
         take(api.window_bind_key, library, "fk_window_bind_key") &&
         take(api.window_focus, library, "fk_window_focus") &&
         take(api.window_set_handler, library, "fk_window_set_handler") &&
         take(api.window_run, library, "fk_window_run") && take(api.msg_ost, library, "MSG_OST") &&
         take(api.spr_nip, library, "SPR_NIP") && take(api.oczysc_nip, library, "OCZYSC_NIP");
}

}  // namespace

const FunkcjaApi* funkcja_api() {
  FunkcjaApi api{};
  // Only a library already in the process: RTLD_NOLOAD never loads one. The reference it takes
  // is given back at once; the host's own reference keeps the library and its functions.
  void* library = ::dlopen(FUNKCJA_SONAME, RTLD_NOW | RTLD_NOLOAD);
  const bool found = resolve(api, library);
  if (library != nullptr) ::dlclose(library);
  if (!found) return nullptr;
  thread_local FunkcjaApi resolved;
  resolved = api;
  return &resolved;
}

}  // namespace utilks
