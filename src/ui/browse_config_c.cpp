// C exports of the browse configuration procedures.
#include "frame/export.hpp"
#include "funkcja/c/browse_config.h"
#include "ui/browse_config.hpp"

using namespace funkcja;

extern "C" FK_API fk_text KONFIGURACJA_OKNA(uint8_t action, int32_t browse,
                                            fk_text current_format) {
  return abi::text_result(
      [&] { return ui::KONFIGURACJA_OKNA(action, browse, abi::in(current_format)); });
}
FK_REGISTER(KONFIGURACJA_OKNA, "action, browse, current_format");

extern "C" FK_API void KONFIGURACJA_OKNA_PUNKTY(int32_t action, int32_t browse, int32_t width,
                                                int32_t height) {
  abi::guarded_void([&] { ui::KONFIGURACJA_OKNA_PUNKTY(action, browse, width, height); });
}
FK_REGISTER(KONFIGURACJA_OKNA_PUNKTY, "action, browse, width, height");
