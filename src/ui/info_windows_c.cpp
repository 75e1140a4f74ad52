// C exports of the information windows and texts.
#include "frame/export.hpp"
#include "ui/info_windows.hpp"

using namespace funkcja;

extern "C" FK_API void INFO_ZESTAWIENIE(uint8_t kind) {
  abi::guarded_void([&] { ui::INFO_ZESTAWIENIE(kind); });
}
FK_REGISTER(INFO_ZESTAWIENIE, "kind");

extern "C" FK_API void INFO_KONTRAHENT(int32_t document, uint8_t flag1, uint8_t flag2,
                                       uint8_t flag3, uint8_t flag4, uint8_t no_window) {
  abi::guarded_void([&] { ui::INFO_KONTRAHENT(document, flag1, flag2, flag3, flag4, no_window); });
}
FK_REGISTER(INFO_KONTRAHENT, "document, flag1, flag2, flag3, flag4, no_window");

extern "C" FK_API fk_text INFO_AKTUALIZACJA_VAT(fk_text register_kind, int32_t record) {
  return abi::text_result(
      [&] { return ui::INFO_AKTUALIZACJA_VAT(abi::in(register_kind), record); });
}
FK_REGISTER(INFO_AKTUALIZACJA_VAT, "register_kind, record");

extern "C" FK_API void WOLAJ_POMOC(fk_text topic_code, fk_text mode) {
  abi::guarded_void([&] { ui::WOLAJ_POMOC(abi::in(topic_code), abi::in(mode)); });
}
FK_REGISTER(WOLAJ_POMOC, "topic_code, mode");
