// The open and close steps that every window of the library performs: its procedure name to
// the error manager, its position and size restored from and saved to the settings file under
// its key, its registration with the tooltip object, and its keyboard navigator.
//
// The settings file holds one section per window key:
//
//   [Msg_Wykonaj]
//   XPos=120
//   YPos=80
//   Width=300
//   Height=120
#include <optional>

#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/lifecycle.hpp"
#include "ui/key_navigator.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

std::optional<std::int32_t> stored_number(const dane::INICLASS& settings, std::string_view section,
                                          std::string_view key) {
  const auto text = settings.FETCH(section, key);
  if (!text) return std::nullopt;
  return text::read_int32(*text).optional();
}

}  // namespace

void Window::open_steps() {
  library().errors().SETPROCEDURENAME(key());
  if (remember_position()) {
    const dane::INICLASS& settings = library().settings();
    Rect r = rect();
    if (const auto x = stored_number(settings, key(), "XPos")) r.x = *x;
    if (const auto y = stored_number(settings, key(), "YPos")) r.y = *y;
    // A stored size is taken only when it is a real one.
    if (const auto w = stored_number(settings, key(), "Width"); w && *w > 0) r.width = *w;
    if (const auto h = stored_number(settings, key(), "Height"); h && *h > 0) r.height = *h;
    set_rect(r);
  }
  dane::data_library().XTOOLTIP().ADDWINDOW(this);
  navigator_ = std::make_unique<KeyNavigator>(*this);
  setup_navigator(*navigator_);
  navigator_->Init(0);
}

void Window::close_steps() {
  if (remember_position()) {
    dane::INICLASS& settings = library().settings();
    const Rect r = rect();
    // One write of the file for all four, so a reader never sees half of them.
    settings.UPDATE(key(), {{"XPos", text::int_text(r.x)},
                            {"YPos", text::int_text(r.y)},
                            {"Width", text::int_text(r.width)},
                            {"Height", text::int_text(r.height)}});
  }
  library().errors().SETPROCEDURENAME("");
  dane::data_library().XTOOLTIP().REMOVEWINDOW(this);
  navigator_.reset();
}

}  // namespace funkcja::ui
