// The host's control of the window layer through the C interface: thread numbers and posted
// events, the headless driver's script and record, and the headless folder dialog's answers.
#include <chrono>

#include "frame/export.hpp"
#include "host/platform/folder_dialog.hpp"
#include "ui/folder_threads.hpp"
#include "ui/headless_driver.hpp"
#include "ui/window_threads.hpp"

using namespace funkcja;

extern "C" FK_API int32_t fk_ui_thread_number(void) {
  return ui::thread_number();
}

extern "C" FK_API int32_t fk_ui_take_posted_event(int32_t wait_ms) {
  return abi::guarded(
      [&] {
        return ui::take_posted_event(std::chrono::milliseconds(wait_ms > 0 ? wait_ms : 0))
            .value_or(0);
      },
      int32_t{0});
}

extern "C" FK_API void fk_ui_join_threads(void) {
  abi::guarded_void([] { ui::join_folder_threads(); });
}

extern "C" FK_API int fk_ui_script_push(fk_text action) {
  return abi::guarded([&] { return ui::headless_driver().push_line(abi::in(action)) ? 1 : 0; }, 0);
}

extern "C" FK_API void fk_ui_script_clear(void) {
  abi::guarded_void([] { ui::headless_driver().clear(); });
}

extern "C" FK_API fk_text fk_ui_script_output(void) {
  return abi::text_result([] { return ui::headless_driver().transcript(); });
}

extern "C" FK_API void fk_ui_set_echo(int on) {
  abi::guarded_void([&] { ui::headless_driver().set_echo(on != 0); });
}

extern "C" FK_API void fk_ui_folder_push_answer(fk_text folder, int confirmed) {
  abi::guarded_void([&] {
    platform::headless_folder_dialog().push_answer(
        confirmed != 0 ? std::optional<std::string>(abi::in(folder)) : std::nullopt);
  });
}
