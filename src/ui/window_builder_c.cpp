// Windows built through the C interface (funkcja/c/window_builder.h): a Window whose controls
// the caller adds and whose presses go to the caller's handler, which decides whether the
// window closes.
#include <new>

#include "frame/export.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

namespace ct = control_type;

bool buildable(std::int32_t type) {
  switch (type) {
    case ct::kString:
    case ct::kEntry:
    case ct::kButton:
    case ct::kPrompt:
    case ct::kList:
    case ct::kRadio:
      return true;
    default:
      return false;
  }
}

std::vector<std::string> cells_of(std::string_view text) {
  std::vector<std::string> cells;
  std::size_t from = 0;
  while (true) {
    const std::size_t tab = text.find('\t', from);
    cells.emplace_back(text.substr(from, tab == std::string_view::npos ? tab : tab - from));
    if (tab == std::string_view::npos) return cells;
    from = tab + 1;
  }
}

class BuiltWindow : public Window {
 public:
  BuiltWindow(std::string_view key, std::string_view caption, std::int32_t width,
              std::int32_t height)
      : Window(options(key, caption, width, height)) {}

  fk_window_handler handler = nullptr;
  void* user = nullptr;
  fk_window* self = nullptr;
  std::int32_t first_focus = 0;
  std::int32_t closed_by = 0;
  std::int32_t closing_key = 0;

  // A control the window has, or nullptr: a wrong number from the caller changes nothing.
  Control* existing(std::int32_t number) {
    return find(number) != nullptr ? &control(number) : nullptr;
  }

 protected:
  void on_open() override {
    if (existing(first_focus) != nullptr) select(first_focus);
  }

  void on_event() override {
    if (event() == event::kCloseWindow) {
      closing_key = keycode();
      if (handler != nullptr && handler(self, 0, keycode(), user) == 0) keep_open();
      return;
    }
    if (event() != event::kAccepted) return;
    const Control* c = find(field());
    if (c == nullptr) return;
    if (c->type == ct::kRadio) turn_off_other_radios(field());
    if (c->type != ct::kButton && c->type != ct::kRadio && c->type != ct::kList) return;
    if (handler != nullptr && handler(self, field(), keycode(), user) != 0) {
      closed_by = field();
      closing_key = keycode();
      close();
    }
  }

 private:
  static WindowOptions options(std::string_view key, std::string_view caption, std::int32_t width,
                               std::int32_t height) {
    WindowOptions o{std::string(key), std::string(caption)};
    o.rect = {0, 0, std::max(0, width), std::max(0, height)};
    o.remember_position = !key.empty();
    return o;
  }

  void turn_off_other_radios(std::int32_t on) {
    for (std::int32_t n = first_control(); n <= last_control(); ++n) {
      if (n != on && control(n).type == ct::kRadio) control(n).value = 0;
    }
  }
};

}  // namespace
}  // namespace funkcja::ui

struct fk_window {
  funkcja::ui::BuiltWindow window;
};

using funkcja::abi::guarded;
using funkcja::abi::guarded_void;
using funkcja::abi::in;
using funkcja::ui::Control;

namespace {

Control* control_of(fk_window* w, std::int32_t number) {
  return w != nullptr ? w->window.existing(number) : nullptr;
}

}  // namespace

extern "C" FK_API fk_window* fk_window_new(fk_text key, fk_text caption, int32_t width,
                                           int32_t height) {
  return guarded(
      [&]() -> fk_window* {
        auto* w = new fk_window{{in(key), in(caption), width, height}};
        w->window.self = w;
        return w;
      },
      static_cast<fk_window*>(nullptr));
}

extern "C" FK_API void fk_window_free(fk_window* window) {
  delete window;
}

extern "C" FK_API int32_t fk_window_add(fk_window* window, int32_t type, fk_text text, int32_t x,
                                        int32_t y, int32_t width, int32_t height) {
  return guarded(
      [&]() -> int32_t {
        if (window == nullptr || !funkcja::ui::buildable(type)) return 0;
        return window->window.add(type, in(text), {x, y, width, height});
      },
      int32_t{0});
}

extern "C" FK_API void fk_window_set_text(fk_window* window, int32_t control, fk_text text) {
  guarded_void([&] {
    if (Control* c = control_of(window, control)) {
      c->text = in(text);
      c->dirty = false;
    }
  });
}

extern "C" FK_API fk_text fk_window_text(fk_window* window, int32_t control) {
  return funkcja::abi::text_result([&] {
    const Control* c = control_of(window, control);
    return c != nullptr ? c->text : std::string();
  });
}

extern "C" FK_API int32_t fk_window_value(fk_window* window, int32_t control) {
  const Control* c = control_of(window, control);
  if (c == nullptr) return 0;
  return funkcja::ui::control_type::has_rows(c->type) ? c->selected : c->value;
}

extern "C" FK_API void fk_window_set_value(fk_window* window, int32_t control, int32_t value) {
  Control* c = control_of(window, control);
  if (c == nullptr) return;
  if (funkcja::ui::control_type::has_rows(c->type)) {
    const auto rows = static_cast<int32_t>(c->rows.size());
    c->selected = value >= 1 && value <= rows ? value : 0;
  } else {
    c->value = value;
  }
}

extern "C" FK_API void fk_window_enable(fk_window* window, int32_t control, int enabled) {
  if (Control* c = control_of(window, control)) c->enabled = enabled != 0;
}

extern "C" FK_API void fk_window_set_columns(fk_window* window, int32_t list, fk_text headers) {
  guarded_void([&] {
    if (Control* c = control_of(window, list)) c->columns = funkcja::ui::cells_of(in(headers));
  });
}

extern "C" FK_API void fk_window_clear_rows(fk_window* window, int32_t list) {
  if (Control* c = control_of(window, list)) {
    c->rows.clear();
    c->selected = 0;
  }
}

extern "C" FK_API int32_t fk_window_add_row(fk_window* window, int32_t list, fk_text cells) {
  return guarded(
      [&]() -> int32_t {
        Control* c = control_of(window, list);
        if (c == nullptr || !funkcja::ui::control_type::has_rows(c->type)) return 0;
        c->rows.push_back({funkcja::ui::cells_of(in(cells))});
        return static_cast<int32_t>(c->rows.size());
      },
      int32_t{0});
}

extern "C" FK_API int32_t fk_window_row_count(fk_window* window, int32_t list) {
  const Control* c = control_of(window, list);
  return c != nullptr ? static_cast<int32_t>(c->rows.size()) : 0;
}

extern "C" FK_API void fk_window_bind_key(fk_window* window, int32_t key, int32_t button) {
  guarded_void([&] {
    if (control_of(window, button) != nullptr) window->window.bind_key(key, button);
  });
}

extern "C" FK_API void fk_window_focus(fk_window* window, int32_t control) {
  if (window != nullptr) window->window.first_focus = control;
}

extern "C" FK_API void fk_window_set_handler(fk_window* window, fk_window_handler handler,
                                             void* user) {
  if (window == nullptr) return;
  window->window.handler = handler;
  window->window.user = user;
}

extern "C" FK_API int32_t fk_window_run(fk_window* window, int32_t* key) {
  return guarded(
      [&]() -> int32_t {
        if (window == nullptr || window->window.opened()) return -1;
        window->window.run();
        if (key != nullptr) *key = window->window.closing_key;
        return window->window.closed_by;
      },
      int32_t{-1});
}
