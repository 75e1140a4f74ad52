// FILTR_INFO: describes the filter of the budget browse (36) for a printout, in up to four
// lines added to $DANE_OPIS_PRN. For example the filter
//
//   BT_KLASYFIKACJA like '750%' AND (ID_PACZKA=1) AND DATA_OKRESU=82184
//
// gives "Klasyfikacja: 750*", "Dziennik: RK," and "Okres obrotowy: BO,". Ids are read as
// numbers and spliced in decimal, so no text of the filter reaches a statement.
#include <optional>
#include <vector>

#include "calendar/procedures.hpp"
#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/standard_date.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/process_objects.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "text/procedures.hpp"
#include "ui/tree_filters.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

constexpr std::int32_t kBudgetBrowse = 36;
constexpr std::size_t kFilterCapacity = 3000;
constexpr std::size_t kLineCapacity = 150;

// Positions just after each occurrence of key in filter.
std::vector<std::size_t> after_each(std::string_view filter, std::string_view key) {
  std::vector<std::size_t> out;
  for (std::size_t at = filter.find(key); at != std::string_view::npos;
       at = filter.find(key, at + key.size())) {
    out.push_back(at + key.size());
  }
  return out;
}

// The number after an equals sign: the text up to the next blank, or, when that is not a
// number, up to the next ")".
std::optional<std::int32_t> number_at(std::string_view filter, std::size_t from) {
  const std::string_view rest = filter.substr(from);
  for (const char end : {' ', ')'}) {
    if (const auto n = text::read_int32(rest.substr(0, rest.find(end)))) return *n;
  }
  return std::nullopt;
}

// " RK," for every journal or document type the filter names.
std::string codes(std::string_view filter, std::string_view key, std::string_view statement) {
  std::string out;
  for (const std::size_t at : after_each(filter, key)) {
    const auto id = number_at(filter, at);
    if (!id) continue;
    sql::Statement s(statement);
    s.number(*id);
    out += ' ';
    out += text::clip(gateway::FUNCVAY(s));
    out += ',';
  }
  return out;
}

std::string classifications(std::string_view filter) {
  std::string out;
  for (const std::size_t at : after_each(filter, "BT_KLASYFIKACJA like ")) {
    const std::size_t open = filter.find('\'', at);
    if (open == std::string_view::npos) continue;
    const std::size_t close = filter.find('\'', open + 1);
    out += ' ';
    out += filter.substr(open + 1, close == std::string_view::npos ? close : close - open - 1);
  }
  return out;
}

std::string periods(std::string_view filter) {
  std::string out;
  for (const std::size_t at : after_each(filter, "DATA_OKRESU=")) {
    const auto day = number_at(filter, at);
    const auto civil = day ? date::to_civil(*day) : std::nullopt;
    if (!civil) continue;
    if (civil->day == 1) {
      out += " BO,";
    } else if (civil->day == 28) {
      out += " BZ,";
    } else {
      out += ' ';
      out +=
          calendar::NAZWA_MIESIACA(civil->month >= 1 && civil->month <= 11 ? civil->month : 12, 0);
      out += ',';
    }
  }
  return out;
}

}  // namespace

void FILTR_INFO(std::int32_t browse, std::string_view filter) {
  if (browse != kBudgetBrowse) return;
  const std::string_view f = text::clip(text::cut(filter, kFilterCapacity));
  struct Line {
    std::string_view label;
    std::string items;
  };
  std::string classification = classifications(f);
  if (!classification.empty()) {
    classification = text::ZAMIEN_ZNAK(text::ZAMIEN_ZNAK(classification, "%", "*"), "_", "?");
  }
  const Line lines[] = {
      {"Klasyfikacja:", classification},
      {"Dziennik:",
       codes(f, "ID_PACZKA=", "select kod_paczki from PACZKA (nolock) where id_paczka=")},
      {"Typ dokumentu:",
       codes(f, "ID_TYP_DOK=", "select sym_typ_dok_uz from TYP_DOK (nolock) where id_typ_dok=")},
      {"Okres obrotowy:", periods(f)},
  };
  auto list = dane::hold_queue(dane::kOpisPrn);
  for (const Line& l : lines) {
    if (l.items.empty()) continue;
    list->buffer().clear();
    list->buffer().set(dane::opis_prn::kOpis,
                       text::cut(std::string(l.label) + l.items, kLineCapacity));
    list->append();
  }
}

}  // namespace funkcja::ui
