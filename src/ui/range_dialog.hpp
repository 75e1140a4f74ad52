// The one mechanism behind the four period dialogs: a list of named periods, a year field and
// the from and to fields of the chosen period, "Wybierz" (F10) and "Anuluj" (Esc). Each dialog
// is a RangeVariant, a short description of how it differs: its texts, whether it offers the
// current range, day, month and year, whether it names the period, and its extra choice (a
// VAT register or a VAT declaration form).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::ui {

enum class RangeExtra {
  kNone,
  kRegister,  // the "Rejestr" list
  kVatForm,   // the "Formularz" list and the two print options
};

struct RangeVariant {
  std::string_view key;  // settings key and procedure name
  std::string_view caption;
  std::string_view header;
  bool current_entries = false;  // "aktualny zakres", "bieżący dzień", "... miesiąc", "... rok"
  bool names_period = false;     // hands back "1 kwartał 2017"
  RangeExtra extra = RangeExtra::kNone;
  std::int32_t register_kind = 0;  // -1 sales registers, anything else purchase registers
};

struct RangeAnswer {
  bool confirmed = false;
  std::int32_t from = 0;
  std::int32_t to = 0;
  std::string period_name;
  std::string register_name;
  std::int32_t form = 0;
  std::int32_t only_non_zero = 0;
  std::int32_t only_summary = 0;
};

// The registers offered for a register kind, "Brak" first.
std::vector<std::string> register_names(std::int32_t register_kind);

// Runs the dialog. A from or to that is no date (0, or outside 1801..9999) is replaced at once
// by the first or last day of the working date's month, in the caller's variable too, whatever
// the user does next; everything else comes back in the answer, for the caller to write only
// when it is confirmed.
RangeAnswer run_range_dialog(const RangeVariant& variant, std::int32_t& from, std::int32_t& to);

}  // namespace funkcja::ui
