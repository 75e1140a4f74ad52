// The configuration window of KONFIGURACJA_OKNA: the browse's columns with a visibility icon
// each, moved up and down, shown and hidden, set back to the built-in default, and saved. For
// example, on the contractors' browse (5) the user selects "NIP", presses Ctrl+U to hide it and
// F10 to save: the window returns the format without NIP and the user's rows are stored.
#include <algorithm>

#include "frame/cp_literal.hpp"
#include "host/system_messages.hpp"
#include "ui/browse_config.hpp"
#include "ui/browse_defaults.hpp"
#include "ui/list_colours.hpp"
#include "ui/window.hpp"

namespace funkcja::ui::browse_config {
namespace {

using namespace funkcja::literals;
namespace ct = control_type;

constexpr std::int32_t kVisibleIcon = 1;
constexpr std::int32_t kHiddenIcon = 2;
// The list traps Space at this position of its alert keys, so Space toggles the row.
constexpr std::int32_t kSpaceAlertPosition = 1;
constexpr std::int32_t kBlinkHundredths = 50;

// The settlements' browses whose columns are fixed: only "Domyślna", "Zapisz" and "Anuluj".
bool fixed_columns(std::int32_t browse) {
  return browse == 1030 || browse == 1130;
}

class ConfigurationWindow : public Window {
 public:
  ConfigurationWindow(std::int32_t browse, Config rows, bool notice)
      : Window(options(browse)), browse_(browse), rows_(std::move(rows)) {
    add(ct::kGroup, "Kolumny kartoteki", {6, 4, 232, 232});
    list_ = add(ct::kList, {}, {12, 16, 220, 214});
    Control& list = control(list_);
    list.columns = {"", "Nazwa kolumny"};
    list.icons = {{kVisibleIcon, "~zaznacz.ico"}, {kHiddenIcon, "~odznacz.ico"}};
    list.alerts[kSpaceAlertPosition] = key::kSpace;
    up_ = add(ct::kButton, {}, {244, 16, 20, 18});
    control(up_).icon = "~gora.ico";
    control(up_).tooltip = "Przesuń w górę /Ctrl+Up/"_cp;
    down_ = add(ct::kButton, {}, {244, 38, 20, 18});
    control(down_).icon = "~dol.ico";
    control(down_).tooltip = "Przesuń w dół /Ctrl+Down/"_cp;
    show_ = add_button("Pokaż"_cp, "Ctrl+P", 70);
    hide_ = add_button("Ukryj", "Ctrl+U", 92);
    default_ = add_button("Domyślna"_cp, "Ctrl+D", 114);
    save_ = add_button("Zapisz", "F10", 190);
    cancel_ = add_button("Anuluj", "Esc", 212);
    const std::int32_t shown = add(ct::kCheck, "kolumna widoczna w kartotece", {12, 240, 150, 10});
    control(shown).value = 1;
    control(shown).enabled = false;
    const std::int32_t hidden =
        add(ct::kCheck, "kolumna niewidoczna w kartotece", {12, 252, 150, 10});
    control(hidden).enabled = false;

    bind_key(key::kCtrl | key::kUp, up_);
    bind_key(key::kCtrl | key::kDown, down_);
    bind_key(key::kCtrl | 'P', show_);
    bind_key(key::kCtrl | 'U', hide_);
    bind_key(key::kCtrl | 'D', default_);
    bind_key(key::kF10, save_);

    if (fixed_columns(browse)) {
      for (const std::int32_t c : {list_, up_, down_, show_, hide_}) control(c).enabled = false;
    }
    if (notice) {
      notice_ = true;
      control(default_).tooltip = "Istnieją nowe kolumny dla wybranej kartoteki."_cp;
      set_timer(kBlinkHundredths);
    }
    show_rows(1);
  }

  // The new format after "Zapisz"; empty after "Anuluj".
  const std::string& result() const { return result_; }

 protected:
  void on_event() override {
    apply_selection_colours(*this, list_);
    const std::int32_t selected = control(list_).selected;
    switch (event()) {
      case event::kTimer:
        if (notice_) blink();
        return;
      case event::kAlertKey:
        if (field() == list_ && keycode() == key::kSpace) toggle(selected);
        return;
      case event::kNewSelection:
        // A left click in the icon column toggles the row it chose.
        if (field() == list_ && control(list_).value == 1 && !is_key(keycode())) {
          control(list_).value = 0;
          toggle(selected);
        }
        return;
      case event::kAccepted:
        break;
      default:
        return;
    }
    if (field() == up_) move(selected, -1);
    if (field() == down_) move(selected, +1);
    if (field() == show_) set_visibility(selected, kVisible);
    if (field() == hide_) set_visibility(selected, kHidden);
    if (field() == default_) restore_default();
    if (field() == save_) confirm();
    if (field() == cancel_) close();
  }

 private:
  static WindowOptions options(std::int32_t browse) {
    WindowOptions o("Konfiguracja_okna",
                    std::string("Konfiguracja kolumn/"_cp) + std::string(browse_name(browse)));
    o.rect = {0, 0, 320, 268};
    return o;
  }

  std::int32_t add_button(std::string_view text, std::string_view hint, std::int32_t y) {
    const std::int32_t button = add(ct::kButton, text, {244, y, 64, 18});
    add(ct::kPrompt, hint, {244, y + 19, 64, 8});
    return button;
  }

  static bool is_key(std::int32_t code) {
    return code != 0 && code != key::kMouseLeft && code != key::kMouseRight;
  }

  // The list from the rows, with the given row selected.
  void show_rows(std::int32_t selected) {
    Control& list = control(list_);
    list.rows.clear();
    for (const ConfigRow& r : rows_) {
      list.rows.push_back({{"", r.name}, r.visibility == kVisible ? kVisibleIcon : kHiddenIcon, 0});
    }
    const auto count = static_cast<std::int32_t>(rows_.size());
    list.selected = count == 0 ? 0 : std::clamp(selected, 1, count);
  }

  ConfigRow* row(std::int32_t selected) {
    if (selected < 1 || selected > static_cast<std::int32_t>(rows_.size())) return nullptr;
    return &rows_[static_cast<std::size_t>(selected - 1)];
  }

  void toggle(std::int32_t selected) {
    if (ConfigRow* r = row(selected)) {
      set_visibility(selected, r->visibility == kVisible ? kHidden : kVisible);
    }
  }

  void set_visibility(std::int32_t selected, std::uint8_t visibility) {
    if (ConfigRow* r = row(selected)) {
      r->visibility = visibility;
      show_rows(selected);
    }
  }

  // Swaps the selected row with its neighbour; the first row up and the last row down stay.
  void move(std::int32_t selected, std::int32_t by) {
    ConfigRow* r = row(selected);
    ConfigRow* other = row(selected + by);
    if (r == nullptr || other == nullptr) return;
    std::swap(r->position, other->position);
    std::swap(*r, *other);
    show_rows(selected + by);
    select(list_);
  }

  void restore_default() {
    if (notice_) {
      notice_ = false;
      control(default_).font.color = kColorNone;
      control(default_).tooltip.clear();
      set_timer(0);
    }
    rows_ = build_rows(browse_, default_format(browse_), {});
    show_rows(1);
  }

  void blink() {
    Control& button = control(default_);
    button.font.color = button.font.color == kColorRed ? kColorNone : kColorRed;
  }

  void confirm() {
    const bool any_visible = std::any_of(
        rows_.begin(), rows_.end(), [](const ConfigRow& r) { return r.visibility == kVisible; });
    if (!any_visible) {
      system_messages::information("Proszę zaznaczyć przynajmniej jedną kolumnę."_cp);
      return;
    }
    save(browse_, rows_);
    result_ = browse_form(rows_);
    close();
  }

  std::int32_t browse_;
  Config rows_;
  bool notice_ = false;
  std::string result_;
  std::int32_t list_ = 0;
  std::int32_t up_ = 0;
  std::int32_t down_ = 0;
  std::int32_t show_ = 0;
  std::int32_t hide_ = 0;
  std::int32_t default_ = 0;
  std::int32_t save_ = 0;
  std::int32_t cancel_ = 0;
};

}  // namespace

std::string edit(std::int32_t browse, Config rows, bool new_columns_notice) {
  ConfigurationWindow window(browse, std::move(rows), new_columns_notice);
  window.run();
  return window.result();
}

}  // namespace funkcja::ui::browse_config
