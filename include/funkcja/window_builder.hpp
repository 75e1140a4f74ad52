// C++ interface: a window built on the library's window layer (funkcja/c/window_builder.h),
// owned by this object. The handler may be any callable; it returns true to close the window.
//
//   funkcja::BuiltWindow w("Szukaj", "Szukaj firmy", 300, 200);
//   const auto ok = w.add(FK_CONTROL_BUTTON, "Wybierz", {8, 30, 50, 18});
//   w.on_press([&](std::int32_t control, std::int32_t key) { return control == ok; });
//   const auto closed_by = w.run();
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"

namespace funkcja {

// Where a control lies in its window.
struct Place {
  std::int32_t x = 0, y = 0, width = 0, height = 0;
};

class BuiltWindow {
 public:
  using Handler = std::function<bool(std::int32_t control, std::int32_t key)>;

  BuiltWindow(std::string_view key, std::string_view caption, std::int32_t width,
              std::int32_t height)
      : window_(::fk_window_new(c_api::text(key), c_api::text(caption), width, height)) {}
  ~BuiltWindow() { ::fk_window_free(window_); }
  BuiltWindow(const BuiltWindow&) = delete;
  BuiltWindow& operator=(const BuiltWindow&) = delete;

  std::int32_t add(std::int32_t type, std::string_view text, Place p = {}) {
    return ::fk_window_add(window_, type, c_api::text(text), p.x, p.y, p.width, p.height);
  }
  void set_text(std::int32_t control, std::string_view text) {
    ::fk_window_set_text(window_, control, c_api::text(text));
  }
  std::string text(std::int32_t control) const {
    return c_api::string(::fk_window_text(window_, control));
  }
  std::int32_t value(std::int32_t control) const { return ::fk_window_value(window_, control); }
  void set_value(std::int32_t control, std::int32_t value) {
    ::fk_window_set_value(window_, control, value);
  }
  void enable(std::int32_t control, bool on) { ::fk_window_enable(window_, control, on ? 1 : 0); }
  void set_columns(std::int32_t list, std::string_view headers) {
    ::fk_window_set_columns(window_, list, c_api::text(headers));
  }
  void clear_rows(std::int32_t list) { ::fk_window_clear_rows(window_, list); }
  std::int32_t add_row(std::int32_t list, std::string_view cells) {
    return ::fk_window_add_row(window_, list, c_api::text(cells));
  }
  std::int32_t row_count(std::int32_t list) const { return ::fk_window_row_count(window_, list); }
  void bind_key(std::int32_t key, std::int32_t button) {
    ::fk_window_bind_key(window_, key, button);
  }
  void focus(std::int32_t control) { ::fk_window_focus(window_, control); }
  void on_press(Handler handler) {
    handler_ = std::move(handler);
    ::fk_window_set_handler(window_, &BuiltWindow::call, this);
  }
  // The control whose press closed the window (0: Esc, the close box), and the key.
  std::int32_t run(std::int32_t* key = nullptr) { return ::fk_window_run(window_, key); }

 private:
  static int call(fk_window*, std::int32_t control, std::int32_t key, void* user) {
    auto* self = static_cast<BuiltWindow*>(user);
    try {
      return self->handler_ && self->handler_(control, key) ? 1 : 0;
    } catch (...) {
      return 0;  // nothing may unwind through the library
    }
  }

  fk_window* window_;
  Handler handler_;
};

}  // namespace funkcja
