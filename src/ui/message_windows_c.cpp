// C exports of the library's own message windows.
#include "frame/export.hpp"
#include "ui/procedures.hpp"

using namespace funkcja;

extern "C" FK_API void MSG_INFO(fk_text text, uint8_t type) {
  abi::guarded_void([&] { funkcja::ui::MSG_INFO(abi::in(text), type); });
}
FK_REGISTER(MSG_INFO, "text, type?");

extern "C" FK_API uint8_t MSG_WYKONAJ(fk_text text, fk_text title, uint8_t type) {
  return abi::guarded([&] { return funkcja::ui::MSG_WYKONAJ(abi::in(text), abi::in(title), type); },
                      uint8_t{0});
}
FK_REGISTER(MSG_WYKONAJ, "text, title, type?");

extern "C" FK_API void MSG_ADVINFO(fk_text text, fk_text details, uint8_t type) {
  abi::guarded_void([&] { funkcja::ui::MSG_ADVINFO(abi::in(text), abi::in(details), type); });
}
FK_REGISTER(MSG_ADVINFO, "text, details, type?");

extern "C" FK_API void KOMUNIKAT_INFO(fk_text context, fk_text caption, fk_text header) {
  abi::guarded_void(
      [&] { funkcja::ui::KOMUNIKAT_INFO(abi::in(context), abi::in(caption), abi::in(header)); });
}
FK_REGISTER(KOMUNIKAT_INFO, "context, caption, header");
