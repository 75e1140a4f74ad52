// TREE_WYBIERZ_KONFIG loads a saved filter tree into $GGG:FILTR_DRZEWO_UNI: the user's
// default tree without a window, or the tree the user picks from the list of his saved trees.
// TREE_DODAJ_KONFIG saves the tree under a new name or over the current tree. For example,
// with the tree "Według typu dokumentu" loaded, saving it as "Faktury" and loading "Faktury"
// gives back the same branches.
#include <vector>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/process_objects.hpp"
#include "host/system_messages.hpp"
#include "ui/procedures.hpp"
#include "ui/tree_filters.hpp"
#include "ui/tree_store.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
namespace ct = control_type;

constexpr std::size_t kTreeNameCapacity = 30;
constexpr std::int32_t kModeNewOrLoad = 1;
constexpr std::int32_t kModeOverwrite = 2;
constexpr std::int32_t kModeLoaded = 3;

// Replaces the process-wide tree with the root and the given branches, under its lock.
void replace_tree(const std::vector<tree::Branch>& branches) {
  auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
  tree::reset_to_root(*list);
  for (const tree::Branch& b : branches) tree::append_branch(*list, b);
}

class ChooseTreeWindow : public Window {
 public:
  explicit ChooseTreeWindow(const std::vector<std::string>& names) : Window(options()) {
    header_ = add(ct::kString, "Zapisane konfiguracje drzewa"_cp, {12, 5, 260, 14});
    list_ = add(ct::kList, {}, {8, 24, 264, 140});
    Control& l = control(list_);
    l.columns = {"Nazwa konfiguracji"};
    for (const auto& n : names) l.rows.push_back({{n}});
    l.selected = l.rows.empty() ? 0 : 1;
    load_ = add(ct::kButton, "&Wczytaj"_cp, {140, 172, 64, 18});
    add(ct::kString, "F10", {140, 192, 24, 12});
    cancel_ = add(ct::kButton, "&Anuluj"_cp, {208, 172, 64, 18});
    add(ct::kString, "Esc", {208, 192, 24, 12});
    bind_key(key::kF10, load_);
  }

  // Empty when the user cancelled.
  const std::string& chosen() const { return chosen_; }

 protected:
  void on_open() override {
    STRSTYLTOOLBAR(header_, 9);
    select(list_);
  }
  void on_event() override {
    if (event() != event::kAccepted) return;
    if (field() == load_ || field() == list_) confirm();
    if (field() == cancel_) close();
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Tree_Wybierz_Konfig", std::string("Wczytaj konfigurację drzewa"_cp));
    o.rect = {0, 0, 280, 210};
    return o;
  }
  void confirm() {
    const Control& l = control(list_);
    if (l.selected < 1 || l.selected > static_cast<std::int32_t>(l.rows.size())) return;
    chosen_ = l.rows[static_cast<std::size_t>(l.selected - 1)].cells.front();
    close();
  }

  std::string chosen_;
  std::int32_t header_ = 0;
  std::int32_t list_ = 0;
  std::int32_t load_ = 0;
  std::int32_t cancel_ = 0;
};

// The save window. The overwrite choice replaces the current tree and keeps its name; it is
// offered only when the user has saved trees and a tree is loaded. A new name must be free.
class SaveTreeWindow : public Window {
 public:
  SaveTreeWindow(tree::Owner owner, std::string_view current_name, bool overwrite_possible)
      : Window(options()),
        owner_(std::move(owner)),
        current_(text::clip(text::cut(text::clip(current_name), kTreeNameCapacity))) {
    header_ = add(ct::kString, "Zapisz konfigurację drzewa"_cp, {12, 5, 300, 14});
    new_ = add(ct::kRadio, "Zapisz jako &nową konfigurację"_cp, {12, 26, 300, 12});
    overwrite_ = add(ct::kRadio, "&Zastąp bieżącą konfigurację"_cp, {12, 42, 300, 12});
    add(ct::kPrompt, "Na&zwa:", {12, 62, 50, 12});
    name_ = add(ct::kEntry, {}, {64, 60, 248, 14});
    save_ = add(ct::kButton, "Za&pisz", {180, 86, 64, 18});
    add(ct::kString, "F10", {180, 106, 24, 12});
    cancel_ = add(ct::kButton, "&Anuluj"_cp, {248, 86, 64, 18});
    add(ct::kString, "Esc", {248, 106, 24, 12});
    bind_key(key::kF10, save_);
    control(overwrite_).enabled = overwrite_possible && !current_.empty();
    choose(control(overwrite_).enabled ? overwrite_ : new_);
  }

  // Empty when the user cancelled.
  const std::string& saved_as() const { return saved_as_; }

 protected:
  void on_open() override {
    STRSTYLTOOLBAR(header_, 9);
    select(control(new_).value != 0 ? name_ : save_);
  }
  void on_event() override {
    if (event() != event::kAccepted) return;
    if (field() == new_ || field() == overwrite_) choose(field());
    if (field() == save_) confirm();
    if (field() == cancel_) close();
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Tree_Dodaj_Konfig", std::string("Zapisz konfigurację drzewa"_cp));
    o.rect = {0, 0, 320, 124};
    return o;
  }

  void choose(std::int32_t radio) {
    const bool overwrite = radio == overwrite_;
    control(new_).value = overwrite ? 0 : 1;
    control(overwrite_).value = overwrite ? 1 : 0;
    Control& name = control(name_);
    name.read_only = overwrite;
    if (overwrite) {
      name.text = current_;
      name.sel_start = name.sel_end = 0;
    } else {
      // The entry offers the current name; typing a new one replaces it.
      if (name.text.empty()) name.text = current_;
      name.sel_start = name.text.empty() ? 0 : 1;
      name.sel_end = static_cast<std::int32_t>(name.text.size());
    }
  }

  void confirm() {
    const bool overwrite = control(overwrite_).value != 0;
    const std::string name(
        overwrite ? current_ : text::clip(text::cut(control(name_).text, kTreeNameCapacity)));
    if (name.empty()) {
      system_messages::information("Proszę podać nazwę konfiguracji."_cp);
      select(name_);
      return;
    }
    if (!overwrite && tree::tree_exists(owner_, name)) {
      system_messages::information(
          "Konfiguracja o podanej nazwie już istnieje.|Proszę podać inną nazwę."_cp);
      select(name_);
      return;
    }
    std::vector<tree::Branch> branches;
    {
      const auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
      branches = tree::read_branches(*list);
    }
    tree::maintain(owner_, overwrite ? kModeOverwrite : kModeNewOrLoad, current_);
    tree::write_tree(owner_, name, branches);
    saved_as_ = name;
    close();
  }

  tree::Owner owner_;
  std::string current_;
  std::string saved_as_;
  std::int32_t header_ = 0;
  std::int32_t new_ = 0;
  std::int32_t overwrite_ = 0;
  std::int32_t name_ = 0;
  std::int32_t save_ = 0;
  std::int32_t cancel_ = 0;
};

}  // namespace

std::string TREE_WYBIERZ_KONFIG(std::int32_t browse, std::uint8_t load_default) {
  const tree::Owner owner = tree::session_owner(browse);
  if (load_default == 1) {
    const tree::Loaded loaded = tree::load_default(owner);
    replace_tree(loaded.branches);
    return loaded.name;
  }
  ChooseTreeWindow window(tree::saved_names(owner));
  window.run();
  const std::string& name = window.chosen();
  if (name.empty()) return {};
  tree::maintain(owner, kModeNewOrLoad, name);
  replace_tree(tree::load_named(owner, name));
  tree::maintain(owner, kModeLoaded, name);
  return name;
}

std::string TREE_DODAJ_KONFIG(std::int32_t browse, std::string_view current_name) {
  const tree::Owner owner = tree::session_owner(browse);
  SaveTreeWindow window(owner, current_name, tree::has_saved_trees(owner));
  window.run();
  return window.saved_as();
}

}  // namespace funkcja::ui
