// The budget edition's process-wide dictionaries: BTZ_LADUJ_SLOWNIKI_GLO fills
// $GGG:KARTOTEKA_U with the positions of the user dictionaries meant for the budget, and
// BTZ_LADUJ_STRUKTURE_KONTA fills $GGG:STRUKTURA_KONTA with the structure of the budget
// accounts of a fiscal year. Each reloads only when its refresh flag is 1 or the company (the
// year) differs from the last load; the remembered company and year live beside the list and
// are read and written under the list's lock, so concurrent calls load once.
#include <optional>
#include <string>
#include <vector>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/process_objects.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "host/system_messages.hpp"
#include "ui/tree_filters.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

constexpr std::string_view kKartotekaU = "$GGG:KARTOTEKA_U";
constexpr std::string_view kStrukturaKonta = "$GGG:STRUKTURA_KONTA";
constexpr std::size_t kPredefinedField = 11;  // PRZEZNACZENIE_PREDEF
constexpr std::size_t kStatusField = 12;      // PRZEZNACZENIE_STATUS

// What each list was last loaded for; guarded by that list's lock.
std::optional<std::int32_t> loaded_company;
std::optional<std::int32_t> loaded_year;

// Runs the statement and puts every row into the list, column n into field n. The database's
// message when the statement failed, to be shown once the list's lock is let go.
std::string fill(dane::Queue& list, std::string_view statement) {
  list.clear();
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::send(t, statement);
  const std::string error = t.error_code() != dane::kNoError ? t.error_message() : std::string();
  const std::size_t fields = list.buffer().field_count();
  while (gateway::next(t)) {
    list.buffer().clear();
    for (std::size_t n = 1; n <= fields && n <= t.field_count(); ++n) {
      list.buffer().set(n, text::clip(t.field(n).as_text()));
    }
    list.append();
  }
  t.close();
  return error;
}

// Whether a load is due, and if so the flag reset and the key remembered.
bool due(dane::Global flag, std::optional<std::int32_t>& remembered, std::int32_t key) {
  if (dane::get_number(flag) != 1 && remembered == key) return false;
  remembered = key;
  dane::set_number(flag, 0);
  return true;
}

struct Purpose {
  std::string_view predefined;
  std::string_view label;
};
constexpr Purpose kPurposes[] = {{"FUNKCJA", "Funkcje"},
                                 {"ZADANIE", "Zadania"},
                                 {"PODZADANIE", "Podzadania"},
                                 {"DZIALANIE", "Działania"_cp}};

// The messages about the dictionaries a task budget needs that the list lacks.
std::vector<std::string> missing_purposes(const dane::Queue& list) {
  std::vector<std::string> messages;
  bool posting = false;
  for (const Purpose& p : kPurposes) {
    bool found = false;
    for (std::size_t n = 1; n <= list.count(); ++n) {
      if (!text::same(list.get(n, kPredefinedField), p.predefined)) continue;
      found = true;
      if (list.get_number(n, kStatusField) == 1) posting = true;
    }
    if (!found) {
      messages.push_back(std::string("Brakuje pozycji słownika użytkownika oznaczonego jako "_cp) +
                         "\"" + std::string(p.label) + "\".");
    }
  }
  if (!posting) {
    std::string labels;
    for (const Purpose& p : kPurposes) {
      labels += (labels.empty() ? "\"" : ",\"") + std::string(p.label) + "\"";
    }
    messages.push_back(
        std::string("Brakuje co najmniej jednego słownika użytkownika oznaczonego jako: "_cp) +
        labels + std::string(", który jest przeznaczony do dekretacji dokumentu."_cp));
  }
  return messages;
}

}  // namespace

std::uint8_t BTZ_LADUJ_SLOWNIKI_GLO() {
  const std::int32_t company = dane::get_int(dane::Global::DANE_ID_FIRMY);
  std::string error;
  std::vector<std::string> messages;
  {
    auto list = dane::hold_queue(kKartotekaU);
    if (due(dane::Global::GGG_KARTOTEKA_U_ODSWIEZ_FLAGA, loaded_company, company)) {
      sql::Statement s(
          "select a.ID_KARTOTEKI_POZ,a.ID_KARTOTEKI,a.KOD_KARTOTEKI,a.POLE1,a.POLE2N,"
          "b.ID_KARTOTEKI_P2,a.AKTYWNOSC,a.AKTYWNOSC_OD,a.AKTYWNOSC_DO,b.LP,"
          "b.PRZEZNACZENIE_PREDEF,b.PRZEZNACZENIE_STATUS,b.SYMBOL_KARTOTEKI from "
          "KARTOTEKA_UZYTKOWNIKA_POZ a inner join KARTOTEKA_UZYTKOWNIKA b on (a.id_kartoteki = "
          "b.id_kartoteki) where b.przeznaczenie = 3 AND b.id_firmy =");
      s.number(company).text(" AND isnull(b.lp,0)>0");
      s.text(" order by b.lp,b.id_kartoteki,a.kod_kartoteki,a.id_kartoteki_poz");
      error = fill(*list, s);
    }
    if (dane::get_number(dane::Global::GGG_BT_BUDZET_ZADANIOWY) == 1) {
      messages = missing_purposes(*list);
    }
  }
  if (!error.empty()) system_messages::warning(error);
  for (const auto& m : messages) system_messages::information(m);
  return messages.empty() ? 0 : 1;
}

void BTZ_LADUJ_STRUKTURE_KONTA(std::int32_t year) {
  std::string error;
  {
    auto list = dane::hold_queue(kStrukturaKonta);
    if (!due(dane::Global::GGG_STRUKTURA_KONTA_ODSWIEZ_FLAGA, loaded_year, year)) return;
    sql::Statement s(
        "select isnull(a.ID_KARTOTEKI,0),case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP "
        "when 'D' then 'Dział' when 'R' then 'Rozdział' when 'P' then 'Paragraf' when 'S' then "
        "'Subanalityka' end) else a.SYMBOL_KARTOTEKI end,"_cp);
    s.text(
        "case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when 'D' then 'Dział klasyfikacji "
        "budżetowej tradycyjnej' when 'R' then 'Rozdział klasyfikacji budżetowej tradycyjnej' "
        "when 'P' then 'Paragraf klasyfikacji budżetowej tradycyjnej' when 'S' then "
        "'Subanalityka klasyfikacji budżetowej tradycyjnej' end) else a.NAZWA_KARTOTEKI end,"_cp);
    s.text(
        "case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when 'D' then 0 when 'R' then 0 "
        "when 'P' then 0 when 'S' then 1 end) else a.ANALITYKA_TYP end,");
    s.text(
        "case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when 'D' then 3 when 'R' then 5 "
        "when 'P' then 4 when 'S' then 5 end) else a.ANALITYKA_DLUGOSC end,");
    s.text("b.TYP,b.NR_KONTA,b.LP ");
    s.text(
        "from SLOW_PLAN_KONT b left outer join KARTOTEKA_UZYTKOWNIKA a on a.id_kartoteki = "
        "b.id_kartoteki where b.id_lata_obrot = ");
    s.number(year).text(" order by b.nr_konta, b.lp");
    error = fill(*list, s);
  }
  if (!error.empty()) system_messages::warning(error);
}

}  // namespace funkcja::ui
