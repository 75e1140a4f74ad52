// NAZWA_WARIANTU: asks for the name under which a print variant is saved. The entry starts
// with the current name, selected, so typing replaces it. For example, with the current name
// "Zestawienie roczne" the user may type "Zestawienie kwartalne" and press F10 to get that
// name back; keeping "Zestawienie roczne" asks first whether to overwrite the stored variant.
#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/system_messages.hpp"
#include "ui/lookup_windows.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
namespace ct = control_type;

constexpr std::size_t kNameCapacity = 100;

class VariantNameWindow : public Window {
 public:
  explicit VariantNameWindow(std::string_view current_name)
      : Window(options()), current_(text::clip(text::cut(current_name, kNameCapacity))) {
    add(ct::kPrompt, "&Nazwa wariantu:"_cp, {8, 10, 100, 12});
    entry_ = add(ct::kEntry, current_, {110, 8, 220, 14});
    save_ = add(ct::kButton, "&Zapisz"_cp, {196, 36, 64, 18});
    cancel_ = add(ct::kButton, "&Anuluj"_cp, {266, 36, 64, 18});
    bind_key(key::kF10, save_);
  }

  // Empty when the user cancelled.
  const std::string& result() const { return result_; }

 protected:
  void on_open() override {
    Control& e = control(entry_);
    if (!e.text.empty()) {
      e.sel_start = 1;
      e.sel_end = static_cast<std::int32_t>(e.text.size());
    }
    select(entry_);
  }

  void on_event() override {
    if (event() != event::kAccepted) return;
    if (field() == save_) confirm();
    if (field() == cancel_) close();
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Nazwa_wariantu", std::string("Nazwa wariantu wydruku"_cp));
    o.rect = {0, 0, 340, 62};
    return o;
  }

  void confirm() {
    const std::string name(text::clip(text::cut(control(entry_).text, kNameCapacity)));
    if (name.empty()) {
      system_messages::information("Proszę podać nazwę wariantu wydruku."_cp);
      select(entry_);
      return;
    }
    if (name == current_ &&
        system_messages::warning_question("Czy chcesz nadpisać istniejący wariant wydruku?"_cp,
                                          "&Tak|&Nie"_cp, 1) != 1) {
      select(entry_);
      return;
    }
    result_ = name;
    close();
  }

  std::string current_;
  std::string result_;
  std::int32_t entry_ = 0;
  std::int32_t save_ = 0;
  std::int32_t cancel_ = 0;
};

}  // namespace

std::string NAZWA_WARIANTU(std::string_view current_name) {
  VariantNameWindow window(current_name);
  window.run();
  return window.result();
}

}  // namespace funkcja::ui
