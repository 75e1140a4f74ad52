// GET_DATE: one date, typed or picked from the calendar that its button opens at the button's
// lower-right corner. "Wybierz" (F10) returns the date shown; "Anuluj", Esc or the close box
// return 0.
#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "ui/calendar_windows.hpp"
#include "ui/date_fields.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
namespace ct = control_type;

constexpr std::size_t kNameCapacity = 255;
constexpr std::size_t kInformationCapacity = 1000;

class DateDialog : public Window {
 public:
  DateDialog(std::int32_t date, std::string_view name, std::string_view information)
      : Window(options()), value_(dates::in_calendar(date) ? date : 0) {
    add(ct::kString, "Ustaw datę"_cp, {8, 4, 200, 12});
    const std::int32_t name_text =
        add(ct::kString, text::cut(name, kNameCapacity), {8, 20, 208, 12});
    control(name_text).skip = true;
    date_field_ = add(ct::kEntry, dates::text_of(value_), {8, 36, 60, 14});
    calendar_ = add(ct::kButton, "Kalendarz", {70, 36, 16, 14});
    control(calendar_).icon = "~kalendarz.ico";
    const std::int32_t info =
        add(ct::kText, text::cut(information, kInformationCapacity), {8, 56, 208, 60});
    control(info).read_only = true;
    control(info).skip = true;
    choose_ = add(ct::kButton, "Wybierz", {100, 122, 50, 16});
    add(ct::kPrompt, "F10", {152, 126, 16, 10});
    cancel_ = add(ct::kButton, "Anuluj", {170, 122, 50, 16});
    add(ct::kPrompt, "Esc", {222, 126, 16, 10});
    bind_key(key::kF10, choose_);
  }

  std::int32_t result = 0;

 protected:
  void on_open() override { select(date_field_); }

  void on_event() override {
    if (event() != event::kAccepted) return;
    if (field() == date_field_) read_field();
    if (field() == calendar_) open_calendar();
    if (field() == choose_) {
      if (find(date_field_)->dirty) read_field();
      result = value_;
      close();
    }
    if (field() == cancel_) close();
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Get_Date", std::string("Ustaw datę"_cp));
    o.rect = {0, 0, 240, 144};
    return o;
  }

  void show() {
    Control& c = control(date_field_);
    c.text = dates::text_of(value_);
    c.dirty = false;
  }

  // A typed date replaces the shown one; anything that is no date puts the shown one back.
  void read_field() {
    if (const auto typed = dates::read(find(date_field_)->text)) value_ = *typed;
    show();
  }

  void open_calendar() {
    if (find(date_field_)->dirty) read_field();
    const Rect w = rect();
    const Rect b = find(calendar_)->rect;
    const std::string chosen =
        KALENDARZ(screen_position(std::int64_t{w.x} + b.x + b.width),
                  screen_position(std::int64_t{w.y} + b.y + b.height), std::to_string(value_));
    const auto day = text::read_int32(chosen).optional();
    if (day && dates::in_calendar(*day)) value_ = *day;
    show();
  }

  std::int32_t value_;
  std::int32_t date_field_ = 0, calendar_ = 0, choose_ = 0, cancel_ = 0;
};

}  // namespace

std::int32_t GET_DATE(std::int32_t date, std::string_view name, std::string_view information) {
  DateDialog dialog(date, name, information);
  dialog.run();
  return dialog.result;
}

}  // namespace funkcja::ui
