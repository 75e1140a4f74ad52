// The library's own message windows: MSG_INFO (information with one "Zamknij" button),
// MSG_WYKONAJ (confirm with "Wykonaj", F10, or cancel) and MSG_ADVINFO (information with a
// details area that "&Szczegóły" shows and hides). For example
//
//   MSG_WYKONAJ("Zaksięgować 12 dokumentów?", "Księgowanie", 1)
//
// opens a window titled with the program's name, showing the information icon, the bold title
// "Księgowanie" and the question; it returns 1 when the user presses "Wykonaj" or F10 and 0
// for "Anuluj", Esc or the close box.
#include "frame/cp_literal.hpp"
#include "ui/message_window_parts.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using namespace funkcja::ui;
namespace ct = control_type;

constexpr std::size_t kInfoCapacity = 3000;
constexpr std::size_t kAdvancedCapacity = 4000;

Font bold(std::int32_t size) {
  Font f;
  f.weight = 700;
  f.size = size;
  return f;
}

// ---- MSG_INFO ----

class InfoWindow : public Window {
 public:
  InfoWindow(std::string_view message, std::uint8_t type) : Window(options()) {
    const messages::Kind kind = messages::kind_of(type);
    add(ct::kImage, {}, {0, 0, 300, 24});
    control(1).icon = "~msg_pasek.png";
    icon_ = add(ct::kImage, {}, {8, 32, 32, 32});
    control(icon_).icon = messages::icon_of(kind);
    title_ = add(ct::kString, messages::title_of(kind), {48, 32, 244, 16});
    control(title_).font = bold(12);
    text_ = add(ct::kText, text::cut(message, kInfoCapacity));
    control(text_).read_only = true;
    control(text_).skip = true;
    control(text_).font.name = "Segoe UI";
    control(text_).font.size = 10;
    close_ = add(ct::kButton, "Zamknij");
    lay_out();
  }

 protected:
  void on_open() override { select(close_); }
  void on_event() override {
    if (event() == event::kSized) lay_out();
    if (event() == event::kAccepted && field() == close_) close();
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Msg_info", messages::program_name());
    o.rect = {0, 0, 300, 150};
    o.resizable = true;
    return o;
  }
  // The text area takes what the window leaves beside the icon and above the button.
  void lay_out() {
    const Rect w = rect();
    control(text_).rect = {48, 52, std::max(0, w.width - 56), std::max(0, w.height - 52 - 30)};
    control(close_).rect = {std::max(0, w.width - 68), std::max(0, w.height - 24), 60, 18};
  }

  std::int32_t icon_ = 0;
  std::int32_t title_ = 0;
  std::int32_t text_ = 0;
  std::int32_t close_ = 0;
};

// ---- MSG_WYKONAJ ----

class ConfirmWindow : public Window {
 public:
  ConfirmWindow(std::string_view message, std::string_view title, std::uint8_t type)
      : Window(options()) {
    const messages::Kind kind = messages::kind_of(type);
    const std::int32_t icon = add(ct::kImage, {}, {8, 8, 32, 32});
    control(icon).icon = messages::icon_of(kind);
    const std::int32_t heading =
        add(ct::kString, text::clip_to(title, messages::kTitleCapacity), {48, 8, 244, 14});
    control(heading).font = bold(0);
    const std::int32_t body = add(ct::kText, text::cut(message, kInfoCapacity), {48, 26, 244, 60});
    control(body).read_only = true;
    control(body).skip = true;
    cancel_ = add(ct::kButton, "Anuluj", {150, 94, 50, 18});
    add(ct::kPrompt, "Esc", {202, 98, 20, 10});
    confirm_ = add(ct::kButton, "Wykonaj", {226, 94, 50, 18});
    add(ct::kPrompt, "F10", {278, 98, 20, 10});
    bind_key(key::kF10, confirm_);
  }

  std::uint8_t result = 0;

 protected:
  void on_event() override {
    if (event() != event::kAccepted) return;
    if (field() == confirm_) {
      result = 1;
      close();
    } else if (field() == cancel_) {
      close();
    }
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Msg_Wykonaj", messages::program_name());
    o.rect = {0, 0, 300, 120};
    return o;
  }
  std::int32_t cancel_ = 0;
  std::int32_t confirm_ = 0;
};

// ---- MSG_ADVINFO ----

class DetailsWindow : public Window {
 public:
  static constexpr std::int32_t kWidth = 342;
  static constexpr std::int32_t kCollapsedHeight = 79;
  static constexpr std::int32_t kExpandedHeight = 162;

  DetailsWindow(std::string_view message, std::string_view details, std::uint8_t type)
      : Window(options()) {
    const messages::Kind kind = messages::kind_of(type);
    const std::int32_t icon = add(ct::kImage, {}, {8, 8, 32, 32});
    control(icon).icon = messages::icon_of(kind);
    const std::int32_t title = add(ct::kString, messages::title_of(kind), {48, 6, 286, 12});
    control(title).font = bold(0);
    if (kind == messages::Kind::kInformation) control(title).font.color = kColorBlue;
    if (kind == messages::Kind::kWarning) control(title).font.color = kColorRed;
    const std::int32_t body =
        add(ct::kText, text::cut(message, kAdvancedCapacity), {48, 20, 286, 36});
    control(body).read_only = true;
    control(body).skip = true;
    frame_ = add(ct::kBox, {}, {4, 59, 334, 1});
    details_button_ = add(ct::kButton, "&Szczegóły"_cp, {212, 62, 60, 14});
    close_ = add(ct::kButton, "&Zamknij", {276, 62, 60, 14});
    details_ = add(ct::kText, text::cut(details, kAdvancedCapacity), {8, 80, 326, 60});
    control(details_).read_only = true;
    control(details_).skip = true;
    control(details_).hidden = true;
  }

 protected:
  void on_event() override {
    if (event() != event::kAccepted) return;
    if (field() == close_) close();
    if (field() == details_button_) toggle();
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Msg_AdvInfo", messages::program_name());
    o.rect = {0, 0, kWidth, kCollapsedHeight};
    o.remember_position = false;  // always opens at its defined place
    return o;
  }

  void toggle() {
    Rect w = rect();
    const bool collapse = w.height == kExpandedHeight;
    w.height = collapse ? kCollapsedHeight : kExpandedHeight;
    set_rect(w);
    const std::int32_t buttons_y = collapse ? 62 : 145;
    control(details_button_).rect.y = buttons_y;
    control(close_).rect.y = buttons_y;
    control(frame_).rect.y = collapse ? 59 : 143;
    control(details_).hidden = collapse;
  }

  std::int32_t frame_ = 0;
  std::int32_t details_button_ = 0;
  std::int32_t close_ = 0;
  std::int32_t details_ = 0;
};

}  // namespace

void MSG_INFO(std::string_view message, std::uint8_t type) {
  InfoWindow w(message, type);
  w.run();
}

std::uint8_t MSG_WYKONAJ(std::string_view message, std::string_view title, std::uint8_t type) {
  ConfirmWindow w(message, title, type);
  w.run();
  return w.result;
}

void MSG_ADVINFO(std::string_view message, std::string_view details, std::uint8_t type) {
  DetailsWindow w(message, details, type);
  w.run();
}

}  // namespace funkcja::ui
