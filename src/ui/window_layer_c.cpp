// The host's control of the window layer through the C interface: thread numbers and posted
// events, the headless driver's script and record, the headless dialogs' answers, the
// clipboard, the record of what was shown, and the reset of all of it between a host's jobs.
#include <chrono>

#include "frame/export.hpp"
#include "host/platform/clipboard.hpp"
#include "host/platform/env.hpp"
#include "host/platform/folder_dialog.hpp"
#include "host/platform/message_box.hpp"
#include "host/platform/shown_record.hpp"
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

extern "C" FK_API void fk_ui_save_push_answer(fk_text path, int confirmed) {
  abi::guarded_void([&] {
    platform::headless_folder_dialog().push_save_answer(
        confirmed != 0 ? std::optional<std::string>(abi::in(path)) : std::nullopt);
  });
}

extern "C" FK_API void fk_clipboard_set(fk_text text) {
  abi::guarded_void([&] { platform::Env::current().set_clipboard_text(abi::in(text)); });
}

extern "C" FK_API fk_text fk_clipboard_get(void) {
  return abi::text_result([] { return platform::Env::current().clipboard_text(); });
}

extern "C" FK_API fk_text fk_shown_json(void) {
  return abi::text_result([] { return platform::shown_record().json(); });
}

extern "C" FK_API void fk_shown_clear(void) {
  abi::guarded_void([] { platform::shown_record().clear(); });
}

extern "C" FK_API void fk_headless_reset(void) {
  abi::guarded_void([] {
    // The folder dialogs' threads first: what they answer or post belongs to the job before.
    ui::join_folder_threads();
    while (ui::take_posted_event(std::chrono::milliseconds(0))) {
    }
    platform::headless_message_box().clear();
    ui::headless_driver().clear();
    platform::headless_folder_dialog().clear();
    platform::headless_clipboard().set_text({});
    platform::shown_record().clear();
  });
}
