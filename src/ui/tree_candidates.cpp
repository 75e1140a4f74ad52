#include "ui/tree_candidates.hpp"

#include "calendar/procedures.hpp"
#include "frame/cp_literal.hpp"
#include "frame/standard_date.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/process_objects.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"

namespace funkcja::ui::tree {
namespace {

using namespace funkcja::literals;

constexpr std::size_t kDisplayCapacity = 255;
constexpr std::size_t kValueCapacity = 50;

// The statement of a builder with its placeholders filled in; every value spliced is a number
// or a one-letter register type, never typed text.
std::string statement_of(const FieldBuilder& b, std::int32_t browse) {
  std::string out;
  const std::string_view s = b.statement;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '{' && i + 2 < s.size() && s[i + 2] == '}') {
      switch (s[i + 1]) {
        case 'F':
          text::append_int(out, dane::get_int(dane::Global::DANE_ID_FIRMY));
          i += 2;
          continue;
        case 'L':
          text::append_int(out, dane::get_int(dane::Global::DANE_LATA_OBROTOWE));
          i += 2;
          continue;
        case 'T':
          out += vat_register_type(browse);
          i += 2;
          continue;
        case 'D':
          text::append_int(out,
                           browse > kUserDictionaryBrowses ? browse - kUserDictionaryBrowses : 0);
          i += 2;
          continue;
        default:
          break;
      }
    }
    out += s[i];
  }
  return out;
}

// A candidate whose value does not fit the branch's field is left out: a cut literal would
// break the browse's filter.
void offer(std::vector<Candidate>& out, std::string_view display, std::string value) {
  if (value.size() > kValueCapacity) return;
  out.push_back({std::string(text::cut(display, kDisplayCapacity)), 1, std::move(value)});
}

std::vector<Candidate> rows_of(const FieldBuilder& b, std::int32_t browse) {
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, statement_of(b, browse));
  std::vector<Candidate> out;
  while (gateway::next(t)) {
    const std::string key(text::clip(t.field(static_cast<std::size_t>(b.value_column)).as_text()));
    std::string display;
    for (const int column : b.display_columns) {
      const std::string cell = t.field(static_cast<std::size_t>(column)).as_text();
      const std::string_view part = text::clip(cell);
      if (!display.empty() && !part.empty()) display += ' ';
      display += part;
    }
    display += b.suffix;
    if (b.symbols) {
      if (key == "*") continue;
      if (key.empty()) display = "<brak wyróżnika>"_cp;
    }
    offer(out, display, b.value_form == ValueForm::kQuoted ? sql::quoted(key) : key);
  }
  t.close();
  return out;
}

std::vector<Candidate> months_of(std::int32_t year) {
  std::vector<Candidate> out;
  for (std::int32_t m = 1; m <= 12; ++m) {
    const auto second = date::from_civil(year, m, 2);
    if (!second) continue;
    offer(out, calendar::NAZWA_MIESIACA(m, 0), text::int_text(*second));
  }
  return out;
}

// $GGG:VAT_ODLICZENIE: its first field is shown, its second is the value.
std::vector<Candidate> vat_deductions() {
  std::vector<Candidate> out;
  const auto list = dane::hold_queue("$GGG:VAT_ODLICZENIE");
  if (!list) return out;
  for (std::size_t n = 1; n <= list->count(); ++n) {
    offer(out, text::clip(list->get(n, 1)), std::string(text::clip(list->get(n, 2))));
  }
  return out;
}

std::string working_year() {
  const auto day = date::to_civil(dane::get_int(dane::Global::DANE_DATA_BIEZACA));
  return day && dane::get_int(dane::Global::DANE_DATA_BIEZACA) > 0 ? text::int_text(day->year)
                                                                   : std::string();
}

}  // namespace

std::vector<FilterField> filter_fields(std::int32_t browse) {
  sql::Statement s("select id_pola, pole_filtr, pole_display from BROWSER_POLA where id_browsera=");
  s.number(browse).text(" AND kontekst='D' order by id_browsera, kontekst, id_pola");
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, s);
  std::vector<FilterField> out;
  while (gateway::next(t)) {
    out.push_back({t.field(1).as_int32(), std::string(text::clip(t.field(2).as_text())),
                   std::string(text::clip(t.field(3).as_text()))});
  }
  t.close();
  return out;
}

CandidateList build_candidates(std::int32_t browse, std::int32_t id, std::int32_t year) {
  CandidateList out;
  const FieldBuilder* b = field_builder(browse, id);
  if (b == nullptr) return out;
  out.shown = b->source != Source::kNone && b->source != Source::kYear;
  out.enabled = out.shown;
  switch (b->source) {
    case Source::kNone:
      break;
    case Source::kYear:
      out.start_value = working_year();
      break;
    case Source::kMonths:
      out.enabled = year != 0;
      if (out.enabled) out.candidates = months_of(year);
      break;
    case Source::kFixed:
      for (const FixedCandidate& c : b->fixed)
        offer(out.candidates, c.display, std::string(c.value));
      break;
    case Source::kRows:
      out.candidates = rows_of(*b, browse);
      break;
    case Source::kVatDeduction:
      out.candidates = vat_deductions();
      break;
  }
  return out;
}

}  // namespace funkcja::ui::tree
