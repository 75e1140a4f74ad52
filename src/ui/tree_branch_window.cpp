// TREE_DODAJ_GALAZ: the window in which the user adds branches to the filter tree of the open
// browse. He picks a field of the browse, an operator and a place in the tree, and then adds
// either one branch per candidate of the field's list or a single branch for the value he
// entered or picked. For example, in the VAT register (browse 24) the field "Stawka VAT" with
// "=" adds the branches "23%", "8%" ... below "Wszystko", with the values 1, 2 ...
//
// Controls, for scripts: 3 the fields, 5 the operators, 7 the value, 9 the candidates, 11 the
// branch name, 13 the place in the tree, 14 and 15 the two ways of adding, 16 "Dodaj".
#include <vector>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/process_objects.hpp"
#include "host/system_messages.hpp"
#include "ui/procedures.hpp"
#include "ui/tree_candidates.hpp"
#include "ui/tree_filters.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
namespace ct = control_type;

constexpr const char* kOperators[] = {"=", "<>", ">", ">=", "<", "<="};
constexpr std::size_t kValueCapacity = 50;
constexpr std::size_t kNameCapacity = 100;

class AddBranchWindow : public Window {
 public:
  AddBranchWindow(std::int32_t browse, std::int32_t year, std::vector<tree::FilterField> fields,
                  const std::vector<tree::Branch>& tree_lines)
      : Window(options()), browse_(browse), year_(year), fields_(std::move(fields)) {
    header_ = add(ct::kString, "Dodaj gałąź drzewa filtrów"_cp, {12, 5, 400, 14});
    add(ct::kPrompt, "&Pole:", {12, 26, 120, 12});
    field_list_ = add(ct::kList, {}, {12, 40, 190, 120});
    control(field_list_).columns = {"Pole"};
    for (const auto& f : fields_) control(field_list_).rows.push_back({{f.display}});
    add(ct::kPrompt, "&Warunek:", {212, 26, 60, 12});
    operator_ = add(ct::kDropList, {}, {212, 40, 60, 14});
    for (const char* op : kOperators) control(operator_).rows.push_back({{op}});
    control(operator_).selected = 1;
    add(ct::kPrompt, "W&artość:"_cp, {280, 26, 60, 12});
    value_ = add(ct::kEntry, {}, {280, 40, 132, 14});
    add(ct::kPrompt, "&Lista wartości:"_cp, {212, 60, 200, 12});
    candidate_list_ = add(ct::kList, {}, {212, 74, 200, 86});
    control(candidate_list_).enabled = false;
    add(ct::kPrompt, "&Nazwa gałęzi:"_cp, {12, 168, 120, 12});
    name_ = add(ct::kEntry, {}, {12, 182, 400, 14});
    add(ct::kPrompt, "&Dodaj pod gałęzią:"_cp, {12, 202, 200, 12});
    place_list_ = add(ct::kList, {}, {12, 216, 400, 90});
    Control& places = control(place_list_);
    places.tree = true;
    for (const auto& b : tree_lines) places.rows.push_back({{b.name}, 0, b.level});
    places.selected = places.rows.empty() ? 0 : 1;
    every_ = add(ct::kRadio, "Dodaj gałąź dla &każdej pozycji listy"_cp, {12, 312, 200, 12});
    single_ = add(ct::kRadio, "Dodaj &jedną gałąź"_cp, {220, 312, 190, 12});
    add_ = add(ct::kButton, "&Dodaj", {280, 332, 64, 18});
    add(ct::kString, "F10", {280, 352, 24, 12});
    cancel_ = add(ct::kButton, "&Anuluj"_cp, {348, 332, 64, 18});
    add(ct::kString, "Esc", {348, 352, 24, 12});
    bind_key(key::kF10, add_);
    choose_way(single_);
  }

  bool added() const { return added_; }

 protected:
  void on_open() override {
    STRSTYLTOOLBAR(header_, 9);
    select(field_list_);
  }

  void on_event() override {
    if (event() == event::kNewSelection && field() == field_list_) field_chosen();
    if (event() == event::kNewSelection && field() == candidate_list_) candidate_chosen();
    if (event() != event::kAccepted) return;
    if (field() == every_ || field() == single_) choose_way(field());
    if (field() == add_) confirm();
    if (field() == cancel_) close();
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Tree_Dodaj_Galaz", std::string("Dodaj gałąź drzewa"_cp));
    o.rect = {0, 0, 424, 372};
    return o;
  }

  const tree::FilterField* chosen_field() const {
    const std::int32_t row = control_at(field_list_).selected;
    if (row < 1 || row > static_cast<std::int32_t>(fields_.size())) return nullptr;
    return &fields_[static_cast<std::size_t>(row - 1)];
  }
  const Control& control_at(std::int32_t number) const { return *find(number); }

  void choose_way(std::int32_t radio) {
    control(every_).value = radio == every_ ? 1 : 0;
    control(single_).value = radio == single_ ? 1 : 0;
  }

  void field_chosen() {
    const tree::FilterField* f = chosen_field();
    if (f == nullptr) return;
    list_ = tree::build_candidates(browse_, f->id, year_);
    Control& c = control(candidate_list_);
    c.rows.clear();
    for (const auto& k : list_.candidates) c.rows.push_back({{k.display}, 0, k.level});
    c.selected = 0;
    c.enabled = list_.enabled;
    control(every_).enabled = list_.enabled && !list_.candidates.empty();
    if (!control(every_).enabled) choose_way(single_);
    control(value_).text = list_.start_value;
  }

  // A picked candidate shows its text in the value entry; the branch takes its value as long
  // as the entry still shows that text.
  void candidate_chosen() {
    const Control& c = control(candidate_list_);
    if (c.selected < 1 || c.selected > static_cast<std::int32_t>(list_.candidates.size())) return;
    control(value_).text = list_.candidates[static_cast<std::size_t>(c.selected - 1)].display;
  }

  const tree::Candidate* picked_candidate() {
    const Control& c = control(candidate_list_);
    if (c.selected < 1 || c.selected > static_cast<std::int32_t>(list_.candidates.size())) {
      return nullptr;
    }
    const tree::Candidate& k = list_.candidates[static_cast<std::size_t>(c.selected - 1)];
    return text::clip(control(value_).text) == text::clip(k.display) ? &k : nullptr;
  }

  void confirm() {
    const tree::FilterField* f = chosen_field();
    if (f == nullptr) {
      system_messages::information("Proszę wybrać pole."_cp);
      select(field_list_);
      return;
    }
    tree::Addition a;
    a.browse = browse_;
    a.field = f->filter;
    const Control& op = control(operator_);
    a.condition = op.selected >= 1 && op.selected <= static_cast<std::int32_t>(op.rows.size())
                      ? op.rows[static_cast<std::size_t>(op.selected - 1)].cells.front()
                      : std::string("=");
    if (control(every_).value != 0) {
      a.candidates = list_.candidates;
    } else {
      const std::string entered(text::clip(control(value_).text));
      if (const tree::Candidate* k = picked_candidate()) {
        a.candidates.push_back(*k);
      } else if (!entered.empty()) {
        a.candidates.push_back({entered, 1, std::string(text::cut(entered, kValueCapacity))});
      } else {
        system_messages::information("Proszę podać wartość."_cp);
        select(value_);
        return;
      }
      const std::string typed(text::clip(text::cut(control(name_).text, kNameCapacity)));
      a.names.push_back(!typed.empty() ? typed : a.condition + " " + f->display + " " + entered);
    }
    if (a.candidates.empty()) {
      system_messages::information("Lista wartości jest pusta."_cp);
      return;
    }
    {
      auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
      std::vector<tree::Branch> lines = tree::read_branches(*list);
      const std::int32_t place = control(place_list_).selected;
      tree::insert_branches(lines, place > 0 ? static_cast<std::size_t>(place) : 1, a);
      tree::write_branches(*list, lines);
    }
    added_ = true;
    close();
  }

  std::int32_t browse_;
  std::int32_t year_;
  std::vector<tree::FilterField> fields_;
  tree::CandidateList list_;
  bool added_ = false;
  std::int32_t header_ = 0;
  std::int32_t field_list_ = 0;
  std::int32_t operator_ = 0;
  std::int32_t value_ = 0;
  std::int32_t candidate_list_ = 0;
  std::int32_t name_ = 0;
  std::int32_t place_list_ = 0;
  std::int32_t every_ = 0;
  std::int32_t single_ = 0;
  std::int32_t add_ = 0;
  std::int32_t cancel_ = 0;
};

}  // namespace

std::int32_t TREE_DODAJ_GALAZ(std::int32_t browse, std::int32_t year) {
  std::vector<tree::Branch> lines;
  {
    auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
    lines = tree::read_branches(*list);
  }
  if (lines.empty()) lines.push_back(tree::root_branch());
  AddBranchWindow window(browse, year, tree::filter_fields(browse), lines);
  window.run();
  return window.added() ? 1 : 0;
}

}  // namespace funkcja::ui
