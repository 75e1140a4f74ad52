#include "ui/range_dialog.hpp"

#include <algorithm>

#include "frame/cp_literal.hpp"
#include "frame/standard_date.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"
#include "host/platform/env.hpp"
#include "ui/date_fields.hpp"
#include "ui/key_navigator.hpp"
#include "ui/list_colours.hpp"
#include "ui/period_list.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
namespace ct = control_type;

constexpr std::int32_t kLowestYear = 1900;
constexpr std::size_t kFormNameCapacity = 50;
constexpr std::size_t kFormDescriptionCapacity = 100;

// The session's working date; the operating system's date when the host has set none.
std::int32_t working_date() {
  const std::int32_t w = dane::get_int(dane::Global::DANE_DATA_BIEZACA);
  return dates::in_calendar(w) ? w : platform::today();
}

struct VatForm {
  std::int32_t id = 0;
  std::string name;
  std::string description;
};

// The VAT-7 declaration forms in use, newest first; a failed statement is shown as a warning
// and gives no forms.
std::vector<VatForm> vat_forms() {
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(
      t,
      "select ID_DEKLARACJE_WZORZEC, lr_nazwa, lr_opis from DEKLARACJE_WZORZEC where typ = "
      "'VAT-7' AND lr_onoff = 1 order by ID_DEKLARACJE_WZORZEC desc",
      gateway::Errors::kReport);
  std::vector<VatForm> forms;
  while (gateway::next(t)) {
    const std::string name = t.field(2).as_text();
    const std::string description = t.field(3).as_text();
    forms.push_back({t.field(1).as_int32(), std::string(text::clip_to(name, kFormNameCapacity)),
                     std::string(text::clip_to(description, kFormDescriptionCapacity))});
  }
  t.close();
  return forms;
}

class RangeDialog : public Window {
 public:
  RangeDialog(const RangeVariant& v, std::int32_t from, std::int32_t to)
      : Window(options(v)), variant_(v), given_from_(from), given_to_(to) {
    add(ct::kString, v.header, {8, 4, 200, 12});
    if (v.extra == RangeExtra::kRegister) add(ct::kPrompt, "Okres", {8, 20, 40, 10});
    if (v.extra == RangeExtra::kVatForm) add(ct::kGroup, "Okres", {4, 18, 212, 150});
    periods_ = add(ct::kList, {}, {8, 32, 120, 130});
    year_ = add(ct::kSpin, {}, {136, 32, 40, 14});
    add(ct::kPrompt, "od", {136, 52, 12, 10});
    from_ = add(ct::kEntry, {}, {150, 50, 60, 14});
    add(ct::kPrompt, "do", {136, 70, 12, 10});
    to_ = add(ct::kEntry, {}, {150, 68, 60, 14});
    if (v.extra == RangeExtra::kRegister) {
      add(ct::kPrompt, "Rejestr", {8, 172, 40, 10});
      register_ = add(ct::kList, {}, {8, 184, 208, 60});
      for (std::string& name : register_names(v.register_kind)) {
        control(register_).rows.push_back({{std::move(name)}});
      }
      control(register_).selected = 1;
    }
    if (v.extra == RangeExtra::kVatForm) {
      add(ct::kGroup, "Formularz", {4, 172, 212, 72});
      form_ = add(ct::kList, {}, {8, 184, 204, 40});
      forms_ = vat_forms();
      for (const VatForm& f : forms_) control(form_).rows.push_back({{f.description}});
      if (!forms_.empty()) control(form_).selected = 1;
      summary_ = add(ct::kCheck, "Drukuj tylko podsumowanie pozycji", {8, 228, 200, 10});
      non_zero_ = add(ct::kCheck, "Drukuj tylko niezerowe pozycje", {8, 240, 200, 10});
    }
    const std::int32_t bottom = v.extra == RangeExtra::kNone ? 172 : 256;
    choose_ = add(ct::kButton, "Wybierz", {100, bottom, 50, 16});
    add(ct::kPrompt, "F10", {152, bottom + 4, 16, 10});
    cancel_ = add(ct::kButton, "Anuluj", {170, bottom, 50, 16});
    add(ct::kPrompt, "Esc", {222, bottom + 4, 16, 10});
    bind_key(key::kF10, choose_);
    Rect r = rect();
    r.height = bottom + 22;
    set_rect(r);

    working_ = working_date();
    year_value_ = date::to_civil(from)->year;
    rebuild();
    std::int32_t start = 1;
    if (!v.current_entries) start = std::max(1, find_period(list_, from, to));
    control(periods_).selected = start;
    apply_entry();
  }

  RangeAnswer answer;

 protected:
  void on_open() override { select(periods_); }

  void on_event() override {
    const std::int32_t f = field();
    if (event() == event::kNewSelection && f == periods_) apply_entry();
    if ((event() == event::kNewSelection || event() == event::kAccepted) && f == year_) {
      change_year();
    }
    if (event() == event::kAccepted && (f == from_ || f == to_)) read_date_field(f);
    if (event() == event::kAccepted && f == choose_) confirm();
    if (event() == event::kAccepted && f == cancel_) close();
    for (const std::int32_t list : {periods_, register_, form_}) {
      if (list != 0) apply_selection_colours(*this, list);
    }
  }

 private:
  static WindowOptions options(const RangeVariant& v) {
    WindowOptions o(std::string(v.key), std::string(v.caption));
    o.rect = {0, 0, 224, 194};
    return o;
  }

  void rebuild() {
    list_ = period_list({variant_.current_entries, given_from_, given_to_, working_, year_value_});
    Control& p = control(periods_);
    p.rows.clear();
    for (const PeriodEntry& e : list_) p.rows.push_back({{e.name}});
    Control& y = control(year_);
    y.value = year_value_;
    y.text = std::to_string(year_value_);
    y.dirty = false;
  }

  const PeriodEntry* selected_entry() const {
    const std::int32_t s = find(periods_)->selected;
    if (s < 1 || s > static_cast<std::int32_t>(list_.size())) return nullptr;
    return &list_[static_cast<std::size_t>(s - 1)];
  }

  void set_dates(const PeriodEntry& e) {
    from_value_ = e.from;
    to_value_ = e.to;
    show_date(from_, from_value_);
    show_date(to_, to_value_);
  }

  void show_date(std::int32_t field, std::int32_t value) {
    Control& c = control(field);
    c.text = dates::text_of(value);
    c.dirty = false;
  }

  void apply_entry() {
    const PeriodEntry* e = selected_entry();
    if (e == nullptr) return;
    Control& y = control(year_);
    if (variant_.current_entries && find(periods_)->selected == 1) {
      year_value_ = date::to_civil(given_from_)->year;
      y.hidden = true;
    } else {
      y.hidden = false;
      y.enabled = !e->current;
      year_value_ = date::to_civil(e->to)->year;
    }
    y.value = year_value_;
    y.text = std::to_string(year_value_);
    y.dirty = false;
    set_dates(*e);
  }

  void change_year() {
    year_value_ = dates::repaired_year(find(year_)->text, kLowestYear);
    const std::int32_t position = find(periods_)->selected;
    rebuild();
    control(periods_).selected = position;
    if (const PeriodEntry* e = selected_entry()) set_dates(*e);
  }

  // A typed date replaces the field's date; anything that is no date puts the date back.
  void read_date_field(std::int32_t field) {
    std::int32_t& value = field == from_ ? from_value_ : to_value_;
    if (const auto typed = dates::read(find(field)->text)) value = *typed;
    show_date(field, value);
  }

  void confirm() {
    for (const std::int32_t f : {from_, to_}) {
      if (find(f)->dirty) read_date_field(f);
    }
    if (variant_.extra == RangeExtra::kVatForm) {
      // Nothing is confirmed, and nothing handed back, without a form.
      const std::int32_t s = find(form_)->selected;
      if (s < 1 || s > static_cast<std::int32_t>(forms_.size())) return;
      const VatForm& form = forms_[static_cast<std::size_t>(s - 1)];
      if (form.id == 0) return;
      answer.form = form.id;
      answer.only_non_zero = find(non_zero_)->value != 0 ? 1 : 0;
      answer.only_summary = find(summary_)->value != 0 ? 1 : 0;
    }
    if (variant_.extra == RangeExtra::kRegister) {
      const Control* r = find(register_);
      answer.register_name = r->selected >= 1 && r->selected <= static_cast<int>(r->rows.size())
                                 ? r->rows[static_cast<std::size_t>(r->selected - 1)].cells[0]
                                 : std::string("Brak");
    }
    if (variant_.names_period) {
      const PeriodEntry* e = selected_entry();
      answer.period_name =
          (e != nullptr ? e->name : std::string()) + " " + std::to_string(year_value_);
    }
    answer.from = from_value_;
    answer.to = to_value_;
    answer.confirmed = true;
    close();
  }

  const RangeVariant& variant_;
  std::int32_t given_from_;
  std::int32_t given_to_;
  std::int32_t working_ = 0;
  std::int32_t year_value_ = 0;
  std::int32_t from_value_ = 0;
  std::int32_t to_value_ = 0;
  std::vector<PeriodEntry> list_;
  std::vector<VatForm> forms_;
  std::int32_t periods_ = 0, year_ = 0, from_ = 0, to_ = 0, register_ = 0, form_ = 0, summary_ = 0,
               non_zero_ = 0, choose_ = 0, cancel_ = 0;
};

}  // namespace

std::vector<std::string> register_names(std::int32_t register_kind) {
  if (register_kind == -1) {
    return {"Brak", std::string("Rejestr sprzedaży"_cp),
            std::string("Rejestr sprzedaży - import usług"_cp)};
  }
  return {"Brak", "Rejestr zakupu", std::string("Rejestr zakupu - środki trwałe"_cp),
          std::string("Rejestr zakupu z uwzględnieniem współczynnika"_cp),
          std::string("Rejestr zakupu - import usług"_cp)};
}

RangeAnswer run_range_dialog(const RangeVariant& variant, std::int32_t& from, std::int32_t& to) {
  const std::int32_t w = working_date();
  const date::Civil c = *date::to_civil(w);
  if (!dates::in_calendar(from)) from = *dates::first_of_month(c.year, c.month);
  if (!dates::in_calendar(to)) to = *dates::last_of_month(c.year, c.month);
  RangeDialog dialog(variant, from, to);
  dialog.run();
  return dialog.answer;
}

}  // namespace funkcja::ui
