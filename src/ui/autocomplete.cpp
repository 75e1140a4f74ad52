// AUTOUZUPELNIANIE: inline completion of an entry field of the calling thread's window. While
// the user types "Maz" into a voivodeship field, the host calls
//
//   AUTOUZUPELNIANIE("WOJEWODZTWO", field, armed, "")
//
// and the field becomes "mazowieckie" with "owieckie" selected, so the next keystroke either
// keeps the completion or types over it. A lookup that finds nothing disarms the field until
// the user edits or moves the cursor, so typing on after a miss costs no further lookups.
#include <array>
#include <optional>

#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "text/procedures.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

using dane::Global;

constexpr std::size_t kValueCapacity = 200;

// Keys and clicks after which the user is editing or moving again: completion may run anew.
constexpr std::array<std::int32_t, 13> kRearmingKeys = {key::kBackspace,
                                                        key::kDelete,
                                                        key::kLeft,
                                                        key::kRight,
                                                        key::kHome,
                                                        key::kEnd,
                                                        key::kShift | key::kLeft,
                                                        key::kShift | key::kRight,
                                                        key::kShift | key::kHome,
                                                        key::kShift | key::kEnd,
                                                        key::kSpace,
                                                        key::kMouseLeft,
                                                        key::kMouseRight};

enum class Kind {
  kNone,
  kVoivodeship,
  kNipOrPesel,
  kAuxiliaryNip,
  kShortName,
  kShortNameAnywhere,
  kFullName,
  kAccount,
  kDescription
};

struct KindRule {
  std::string_view name;
  Kind kind;
  std::optional<Global> switch_global;  // none: always on
  std::size_t minimum;
};

constexpr std::array<KindRule, 8> kRules = {{
    {"WOJEWODZTWO", Kind::kVoivodeship, std::nullopt, 1},
    {"NIPKH", Kind::kNipOrPesel, Global::GGG_AUTOUZUPELNIANIE_KONTRAHENTA, 3},
    {"NIPKP", Kind::kAuxiliaryNip, Global::GGG_AUTOUZUPELNIANIE_KONTRAHENTA, 3},
    {"NZKKH", Kind::kShortName, Global::GGG_AUTOUZUPELNIANIE_KONTRAHENTA, 3},
    {"xxxxxNZKKH", Kind::kShortNameAnywhere, Global::GGG_AUTOUZUPELNIANIE_KONTRAHENTA, 3},
    {"NZPKH", Kind::kFullName, Global::GGG_AUTOUZUPELNIANIE_KONTRAHENTA, 4},
    {"PLANK", Kind::kAccount, Global::GGG_AUTOUZUPELNIANIE_KONTA, 3},
    {"OPIS", Kind::kDescription, Global::GGG_AUTOUZUPELNIANIE_OPISU, 3},
}};

const KindRule* rule_of(std::string_view kind) {
  kind = text::clip(kind);
  for (const KindRule& r : kRules) {
    if (r.name == kind) return &r;
  }
  return nullptr;  // "KODPOCZT" and every unknown kind: nothing to do
}

bool rearms(std::int32_t key_code) {
  for (const std::int32_t k : kRearmingKeys) {
    if (k == key_code) return true;
  }
  return false;
}

std::int32_t company() {
  return dane::get_int(Global::DANE_ID_FIRMY);
}

// "Substring(column,1,n) = 'typed'", the typed text quoted.
void starts_with(sql::Statement& s, std::string_view column, std::size_t n, std::string_view typed,
                 std::string_view equals = " = ") {
  s.text("Substring(").text(column).text(",1,").number(static_cast<std::int32_t>(n)).text(")");
  s.text(equals).quoted(typed);
}

std::string lookup(const sql::Statement& s) {
  return std::string(text::cut(gateway::FUNCVAY(s), kValueCapacity));
}

std::string contractor_value(std::string_view column, std::string_view table, bool nolock,
                             std::size_t n, std::string_view typed,
                             std::string_view condition = {}) {
  sql::Statement s("select top 1 ");
  s.text(column).text(" from ").text(table).text(nolock ? " with (NOLOCK)" : "");
  s.text(" where id_firmy=").number(company()).text(" AND ");
  starts_with(s, column, n, typed);
  s.text(condition).text(" order by ").text(column);
  return lookup(s);
}

std::string find_value(Kind kind, std::string_view typed, std::string_view extra) {
  const std::size_t n = typed.size();
  switch (kind) {
    case Kind::kVoivodeship: {
      sql::Statement s("select top 1 wojewodztwo from WOJEWODZTWO with (NOLOCK) where ");
      starts_with(s, "wojewodztwo", n, typed);
      s.text(" order by wojewodztwo");
      return lookup(s);
    }
    case Kind::kNipOrPesel: {
      std::string nip = contractor_value("nip", "KONTRAHENT", true, n, typed);
      if (!nip.empty()) return nip;
      return contractor_value("pesel", "KONTRAHENT", true, n, typed, " AND platnik_vat=0");
    }
    case Kind::kAuxiliaryNip:
      return contractor_value("nip", "KONTRAHENT_POMOCNICZY", true, n, typed);
    case Kind::kShortName:
      return contractor_value("nazwa", "KONTRAHENT", false, n, typed);
    case Kind::kShortNameAnywhere: {
      // The typed text inside a LIKE pattern: its apostrophes doubled, its own wildcards kept.
      std::string pattern = "%";
      pattern.append(typed).append("%");
      sql::Statement s("select top 1 nazwa from KONTRAHENT where id_firmy=");
      s.number(company()).text(" AND nazwa like ").quoted(pattern).text(" order by nazwa");
      return lookup(s);
    }
    case Kind::kFullName:
      return contractor_value("nazwa_pelna", "KONTRAHENT", true, n, typed);
    case Kind::kAccount: {
      sql::Statement s("select top 1 nr_konta from WARTOSCI_KONT with (NOLOCK) where id_firmy=");
      s.number(company()).text(" AND id_lata_obrot=");
      s.number(dane::get_int(Global::DANE_LATA_OBROTOWE)).text(" AND ");
      starts_with(s, "nr_konta", n, typed, "=");
      s.text(" AND Len(nr_konta)>Len(").quoted(typed).text(")");
      s.text(" order by id_firmy, id_lata_obrot, nr_konta");
      return lookup(s);
    }
    case Kind::kDescription: {
      sql::Statement s("select top 1 opis_dok from OPISY with (NOLOCK) where ");
      starts_with(s, "opis_dok", n, typed);
      if (!extra.empty()) s.text(" AND typ=").quoted(extra.substr(0, 1));
      s.text(" order by opis_dok asc");
      return lookup(s);
    }
    case Kind::kNone:
      break;
  }
  return {};
}

void select_range(Control& field, std::size_t from) {
  const std::size_t end = field.text.size();
  if (from > end) {  // nothing left to select: the cursor stands at the end
    field.sel_start = field.sel_end = 0;
    return;
  }
  field.sel_start = static_cast<std::int32_t>(from);
  field.sel_end = static_cast<std::int32_t>(end);
}

// An account whose number ends in "x" takes its last segment from a dictionary: the field
// gets the typed part and "-", followed by the extra text when that is a number other than 0.
void complete_account(Control& field, std::string_view typed, const std::string& found,
                      std::string_view extra) {
  if (found.back() == 'x') {
    std::string text(typed);
    text += '-';
    if (text::read_int32(text::clip(extra)).optional().value_or(0) != 0) {
      text += text::clip(extra);
    }
    field.text = std::move(text);
  } else {
    field.text = found;
  }
  const std::size_t n = typed.size();
  select_range(field, found.size() > n && found[n] == '-' ? n + 2 : n + 1);
}

}  // namespace

void AUTOUZUPELNIANIE(std::string_view kind, std::int32_t field_number, std::uint8_t& armed,
                      std::string_view extra) {
  Window* window = active_window();
  if (window == nullptr || window->find(field_number) == nullptr) return;
  if (rearms(window->keycode())) {
    armed = 1;
    return;
  }
  Control& field = window->control(field_number);
  const std::string typed = field.text;
  if (armed != 1) return;
  const KindRule* rule = rule_of(kind);
  if (rule == nullptr) return;
  if (rule->switch_global && dane::get_int(*rule->switch_global) == 0) return;
  if (typed.size() < rule->minimum) return;

  const std::string found = find_value(rule->kind, typed, extra);
  if (found.empty()) {
    armed = 0;
    return;
  }
  field.dirty = true;
  if (rule->kind == Kind::kAccount) {
    complete_account(field, typed, found, extra);
    return;
  }
  const bool clean = rule->kind == Kind::kFullName || rule->kind == Kind::kDescription;
  field.text = clean ? text::USUN_ZNAKI_STERUJACE(found) : found;
  select_range(field, typed.size() + 1);
}

}  // namespace funkcja::ui
