// PULPITPROGRAMU: the information desktop. The tile list "Pulpit informacyjny" on the left, a
// toolbar above it (collapse or expand the list, hide the list after a choice, back, forward,
// refresh), the web browser on the right and the check box "Uruchom pulpit informacyjny na
// starcie" below. A tile opens its page in the browser, or asks the host's frame for its own
// view; the two settings are read as user options when the desktop opens and saved when it
// closes, however it closes.
#include <vector>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "ui/desktop.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using dane::Global;
namespace ct = control_type;

constexpr std::string_view kTitleFont = "Segoe UI Semibold";
constexpr std::string_view kCollapseIcon = "~pulpit_zwin.ico";
constexpr std::string_view kExpandIcon = "~pulpit_rozwin.ico";
constexpr std::int32_t kListWidth = 200;
constexpr Rect kBrowserRect{kListWidth + 4, 28, 592, 470};
constexpr Rect kWideBrowserRect{4, 28, kListWidth + 592, 470};

class DesktopWindow : public Window {
 public:
  DesktopWindow(const desktop::Settings& settings, std::string_view page_code)
      : Window(options()), page_code_(text::clip(page_code)) {
    collapse_ =
        add_tool("", kCollapseIcon, "Zwiń/rozwiń listę opcji pulpitu informacyjnego."_cp, 4);
    pin_ = add(ct::kCheck, {}, {30, 4, 22, 20});
    control(pin_).icon = "~pulpit_pinezka.ico";
    control(pin_).tooltip = "Ukryj listę pulpitu informacyjnego po wybraniu opcji."_cp;
    control(pin_).value = settings.hide_after_choice ? 1 : 0;
    back_ = add_tool("", "~pulpit_wstecz.ico",
                     "Cofnij do poprzedniej strony <Ctrl+Strzałka w lewo>."_cp, 60);
    forward_ = add_tool("", "~pulpit_dalej.ico",
                        "Idź do następnej strony <Ctrl+Strzałka w prawo>."_cp, 86);
    refresh_ = add_tool("", "~pulpit_odswiez.ico", "Odśwież stronę <F5>."_cp, 112);

    title_ = add(ct::kString, "Pulpit informacyjny", {4, 30, kListWidth - 8, 18});
    control(title_).font = {std::string(kTitleFont), 12, kColorNone, 238, 400};
    std::int32_t y = 54;
    for (const desktop::Tile& tile : desktop::tiles()) {
      const std::int32_t b = add(ct::kButton, tile.title, {4, y, kListWidth - 8, 30});
      control(b).icon = tile.icon;
      control(b).tooltip = tile.tooltip;
      control(b).font = {std::string(kTitleFont), 10, kColorNone, 238, 400};
      tile_buttons_.push_back(b);
      y += 34;
    }

    browser_ = add(ct::kBrowser, {}, kBrowserRect);
    control(browser_).browser.silent = true;

    start_ = add(ct::kCheck, "Uruchom pulpit informacyjny na starcie", {4, 504, 300, 14});
    control(start_).value = settings.start_after_login ? 1 : 0;
    add(ct::kString, "Panel może być uruchamiany automatycznie po"_cp, {24, 520, 300, 12});
    add(ct::kString, "zalogowaniu się do programu."_cp, {24, 532, 300, 12});

    alert(key::kCtrl | key::kLeft);
    alert(key::kCtrl | key::kRight);
    alert(key::kF5);
  }

  desktop::Settings settings() const { return {find(pin_)->value != 0, find(start_)->value != 0}; }

 protected:
  void on_open() override {
    const std::string changes(text::clip(dane::get_text(Global::GLO_HTM_AKTUALNEZMIANY)));
    // The first start after an update shows what changed, unless the host asked for a page.
    if (page_code_.empty() && dane::get_int(Global::GLO_STARTPOAKTUALIZACJI) == 1 &&
        !changes.empty()) {
      browser_navigate(browser_, changes);
      return;
    }
    open_tile(desktop::first_tile(page_code_));
  }

  void on_event() override {
    if (event() == event::kAlertKey) {
      if (keycode() == (key::kCtrl | key::kLeft)) browser_back(browser_);
      if (keycode() == (key::kCtrl | key::kRight)) browser_forward(browser_);
      if (keycode() == key::kF5) refresh();
      return;
    }
    if (event() != event::kAccepted) return;
    const std::int32_t f = field();
    if (f == collapse_) {
      show_list(!list_shown_);
    } else if (f == back_) {
      browser_back(browser_);
    } else if (f == forward_) {
      browser_forward(browser_);
    } else if (f == refresh_) {
      refresh();
    } else {
      for (std::size_t i = 0; i < tile_buttons_.size(); ++i) {
        if (tile_buttons_[i] == f) choose(desktop::tiles()[i]);
      }
    }
  }

 private:
  static WindowOptions options() {
    WindowOptions o{std::string(desktop::kKey), "Pulpit informacyjny"};
    o.rect = {0, 0, kListWidth + 600, 548};
    o.resizable = true;
    return o;
  }

  std::int32_t add_tool(std::string_view text, std::string_view icon, std::string_view tooltip,
                        std::int32_t x) {
    const std::int32_t b = add(ct::kButton, text, {x, 4, 22, 20});
    control(b).icon = icon;
    control(b).tooltip = tooltip;
    return b;
  }

  void show_list(bool shown) {
    list_shown_ = shown;
    control(collapse_).icon = shown ? kCollapseIcon : kExpandIcon;
    control(title_).hidden = !shown;
    for (const std::int32_t b : tile_buttons_) control(b).hidden = !shown;
    control(browser_).rect = shown ? kBrowserRect : kWideBrowserRect;
  }

  // A tile chosen by the user: its page or view, then the list hides itself when the user
  // asked for that.
  void choose(const desktop::Tile& tile) {
    switch (tile.kind) {
      case desktop::TileKind::kClose:
        close();
        return;
      case desktop::TileKind::kIndicators:
      case desktop::TileKind::kShortcuts:
        post_event(dane::get_int(Global::GGG_WATEKAPP), tile.kind == desktop::TileKind::kIndicators
                                                            ? desktop::kIndicatorsEvent
                                                            : desktop::kShortcutsEvent);
        break;
      case desktop::TileKind::kService:
        open_tile(tile);
        break;
    }
    if (find(pin_)->value != 0) show_list(false);
  }

  void open_tile(const desktop::Tile& tile) {
    current_ = &tile;
    const desktop::Page page = desktop::service_page(tile);
    if (!page.missing_file.empty()) {
      MSG_OST("Nie znaleziono pliku|" + page.missing_file);
      return;
    }
    browser_navigate(browser_, page.address);
  }

  // Refresh opens the page of the tile last chosen again; before any tile (the page of what
  // changed in an update) it loads the page shown again.
  void refresh() {
    if (current_ != nullptr) {
      open_tile(*current_);
    } else {
      browser_refresh(browser_);
    }
  }

  std::string page_code_;
  std::int32_t collapse_ = 0;
  std::int32_t pin_ = 0;
  std::int32_t back_ = 0;
  std::int32_t forward_ = 0;
  std::int32_t refresh_ = 0;
  std::int32_t title_ = 0;
  std::vector<std::int32_t> tile_buttons_;
  std::int32_t browser_ = 0;
  std::int32_t start_ = 0;
  bool list_shown_ = true;
  const desktop::Tile* current_ = nullptr;
};

}  // namespace

void PULPITPROGRAMU(std::string_view page_code) {
  DesktopWindow window(desktop::read_settings(), page_code);
  dane::set_number(Global::GLO_PANELWYSTARTOWANY, 1);
  window.run();
  desktop::save_settings(window.settings());
}

}  // namespace funkcja::ui
