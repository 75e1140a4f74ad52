// What the add-branch window offers: the filterable fields of a browse (BROWSER_POLA) and, for
// each field, the candidates of the browse's builder. The builders are data: one table per
// browse (tree_candidate_tables.cpp) saying, for each field number, where its candidates come
// from: a statement, a fixed list, the months of a year, the quarters, a year typed by the
// user, or a process-wide list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/tree_branches.hpp"

namespace funkcja::ui::tree {

struct FilterField {
  std::int32_t id = 0;  // id_pola
  std::string filter;   // pole_filtr: the browse field the branch filters
  std::string display;  // pole_display: the name the window shows
};

// The browse's filterable fields in order of their numbers.
std::vector<FilterField> filter_fields(std::int32_t browse);

// ---- The builders' tables ----

enum class Source {
  kNone,          // nothing to offer: the value is typed
  kRows,          // the rows of a statement
  kFixed,         // a fixed list
  kMonths,        // the twelve months of the year parameter
  kYear,          // no list: the value entry starts at the working date's year
  kVatDeduction,  // the entries of $GGG:VAT_ODLICZENIE
};

// How a statement's value column becomes a branch value.
enum class ValueForm {
  kNumber,  // as it is: 12
  kQuoted,  // a text literal: 'PLN'
};

struct FixedCandidate {
  std::string_view display;  // code page 1250
  std::string_view value;
};

struct FieldBuilder {
  std::int32_t id = 0;
  Source source = Source::kNone;
  // kRows: the statement, with {F} for the company, {L} for the fiscal year, {T} for the type
  // of a VAT register and {D} for the dictionary of a user-dictionary browse; the value
  // column and the display columns (joined by a blank), a suffix after the display.
  const char* statement = "";
  int value_column = 1;
  std::vector<int> display_columns = {2};
  const char* suffix = "";
  ValueForm value_form = ValueForm::kNumber;
  bool symbols = false;  // VAT marks: "*" left out, an empty symbol shown as "<brak wyróżnika>"
  std::vector<FixedCandidate> fixed = {};
};

// The builder of a field of a browse; a field without one offers nothing.
const FieldBuilder* field_builder(std::int32_t browse, std::int32_t id);
// The register type of a VAT register browse (20 to 24: S, Z, D, N, U); empty for others.
std::string_view vat_register_type(std::int32_t browse);
// Browses from 2001 on show the positions of user dictionary browse - 2000.
inline constexpr std::int32_t kUserDictionaryBrowses = 2000;

// The candidate list of a field: whether the window shows a list, whether it is enabled (the
// months need a year), the candidates, and where the value entry starts.
struct CandidateList {
  bool shown = false;
  bool enabled = false;
  std::vector<Candidate> candidates;
  std::string start_value;
};

CandidateList build_candidates(std::int32_t browse, std::int32_t id, std::int32_t year);

}  // namespace funkcja::ui::tree
