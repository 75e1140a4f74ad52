// C exports of the system message boxes and the host's control of the headless box.
#include "frame/export.hpp"
#include "host/platform/message_box.hpp"
#include "ui/procedures.hpp"

using namespace funkcja;

extern "C" FK_API void MSG_INF(fk_text text) {
  abi::guarded_void([&] { funkcja::ui::MSG_INF(abi::in(text)); });
}
FK_REGISTER(MSG_INF, "text");

extern "C" FK_API void MSG_OST(fk_text text) {
  abi::guarded_void([&] { funkcja::ui::MSG_OST(abi::in(text)); });
}
FK_REGISTER(MSG_OST, "text");

extern "C" FK_API int32_t MSG_QST(fk_text text, fk_text buttons, int32_t default_button) {
  return abi::guarded(
      [&] { return funkcja::ui::MSG_QST(abi::in(text), abi::in(buttons), default_button); },
      int32_t{0});
}
FK_REGISTER(MSG_QST, "text, buttons, default_button");

extern "C" FK_API void fk_msgbox_push_answer(int32_t button) {
  abi::guarded_void([&] { platform::headless_message_box().push_answer(button); });
}

extern "C" FK_API void fk_msgbox_set_echo(int on) {
  platform::headless_message_box().set_echo(on != 0);
}
