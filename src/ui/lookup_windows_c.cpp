// C exports of the windows of the company and account lookups.
#include "frame/export.hpp"
#include "ui/lookup_windows.hpp"

using namespace funkcja;

extern "C" FK_API fk_text NAZWA_WARIANTU(fk_text current_name) {
  return abi::text_result([&] { return ui::NAZWA_WARIANTU(abi::in(current_name)); });
}
FK_REGISTER(NAZWA_WARIANTU, "current_name");

extern "C" FK_API void STAN_KONTA_KARTOTEKOWEGO(int32_t position, fk_text dictionary_filter,
                                                fk_text position_name) {
  abi::guarded_void([&] {
    ui::STAN_KONTA_KARTOTEKOWEGO(position, abi::in(dictionary_filter), abi::in(position_name));
  });
}
FK_REGISTER(STAN_KONTA_KARTOTEKOWEGO, "position, dictionary_filter, position_name");
