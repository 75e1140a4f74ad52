// Closed periods, rights to functions, hidden settlements and the VAT register views.
// SPR_ZAMKNIETY_OKRES(3, d) is 1 when the period of fiscal year 3 is closed up to d or later,
// 2 when the whole year is closed; SPR_UPRAWNIENIA and UPRAWNIENIA_MENU_SPR ask the database
// whether the user may run a function; SPR_ZAMKNIETY_OKRES_VAT keeps the company's closed VAT
// periods in one list for the whole process.
#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "host/sql_text.hpp"
#include "host/system_messages.hpp"
#include "lookups/procedures.hpp"
#include "lookups/session.hpp"
#include "lookups/values.hpp"

namespace funkcja::lookups {
namespace {

using namespace funkcja::literals;

bool is_one(const sql::Statement& s) {
  return number_of(gateway::FUNCVAY(s)) == 1;
}

void no_right_message() {
  system_messages::information("Nie posiadasz uprawnień do wykonania tej operacji."_cp);
}

// The closed VAT periods, shared by every thread: a reload builds the new list aside and swaps
// it in, so a reader never sees a half-filled list.
struct ClosedVatPeriods {
  std::mutex guard;
  std::vector<std::int32_t> dates;
};
ClosedVatPeriods& closed_vat_periods() {
  static ClosedVatPeriods periods;
  return periods;
}

}  // namespace

std::uint8_t SPR_ZAMKNIETY_OKRES(std::int32_t fiscal_year, std::int32_t date) {
  sql::Statement closed("select 1 from LATA_OBROTOWE where id_lata_obrot = ");
  closed.number(fiscal_year).text(" AND zamkniety_okres>=").number(date);
  if (is_one(closed)) return 1;
  sql::Statement year("select 1 from LATA_OBROTOWE where id_lata_obrot = ");
  year.number(fiscal_year).text(" AND status='2'");
  return is_one(year) ? 2 : 0;
}

std::uint8_t SPR_ZAMKNIETY_OKRES_VAT(std::int32_t date, std::uint8_t reload) {
  ClosedVatPeriods& periods = closed_vat_periods();
  if (reload == 1) {
    std::vector<std::int32_t> dates;
    dane::QueryTable& t = dane::thread_tables().VAX_FK;
    sql::Statement s("select data_okresu from ZAMKNIETE_OKRESY_VAT where id_firmy = ");
    s.number(company());
    gateway::run(t, s, gateway::Errors::kReport);
    while (gateway::next(t)) dates.push_back(t.field(1).as_int32());
    const std::lock_guard lock(periods.guard);
    periods.dates.swap(dates);
  }
  if (date <= 0) return 1;
  const std::lock_guard lock(periods.guard);
  const bool closed =
      std::find(periods.dates.begin(), periods.dates.end(), date) != periods.dates.end();
  return closed ? 0 : 1;
}

void forget_closed_vat_periods() {
  ClosedVatPeriods& periods = closed_vat_periods();
  const std::lock_guard lock(periods.guard);
  periods.dates.clear();
}

std::uint8_t SPR_UPRAWNIENIA(std::string_view function) {
  const std::string_view name = text::clip(function);
  if (name.empty() || dane::get_number(dane::Global::DANE_ADMINISTRATOR) != 0) return 0;
  sql::Statement s("call USTAL_PRAWO_DOSTEPU_FUNKCJA (");
  s.number(company()).text(",").quoted(user_login()).text(",").quoted(name).text(")");
  if (is_one(s)) return 0;
  no_right_message();
  return 1;
}

std::uint8_t UPRAWNIENIA_MENU_SPR(std::string_view function, std::uint8_t show_message) {
  if (dane::get_number(dane::Global::DANE_ADMINISTRATOR) == 1) return 1;
  sql::Statement s("CALL USTAL_PRAWO_DOSTEPU_FUNKCJA(");
  s.number(company()).text(",").quoted(user_login()).text(", ").quoted(text::clip(function));
  s.text(")");
  const auto right = static_cast<std::uint8_t>(number_of(gateway::FUNCVAY(s)));
  if (right == 0 && show_message == 1) no_right_message();
  return right;
}

std::uint8_t SPR_UKRYJ_ROZRACHUNEK_VAY(std::int32_t fiscal_year, std::int32_t document_type,
                                       std::string_view account) {
  if (dane::get_number(dane::Global::GGG_ISDURAX) != 1) return 0;
  sql::Statement type("select domyslne_ukrywanie_rozrach from TYP_DOK where id_typ_dok=");
  type.number(document_type);
  if (is_one(type)) return 1;
  if (account.size() < 3) return 0;
  // The synthetic account is text: it goes in quoted, so a typed account can never become
  // part of the statement.
  sql::Statement synthetic("select czy_ukryty_rozrachunek from KONTA_SYNT where id_firmy=");
  synthetic.number(company()).text(" AND id_lata_obrot=").number(fiscal_year);
  synthetic.text(" AND nr_konta_syn=").quoted(account.substr(0, 3));
  return is_one(synthetic) ? 1 : 0;
}

std::string VAT_VIEW_USTAL_NAZWE(std::uint8_t flag, std::string_view register_type) {
  if (flag != 0) return {};
  const std::string_view type = text::clip(register_type);
  if ((type == "S" || type == "Z") && dane::get_number(dane::Global::GGG_METODA_KASOWA_PRN) == 1)
    return "VAT_VIEW_MK";
  if (type == "W") return "VAT_VIEW_MK_ALL";
  return "VAT_VIEW";
}

std::uint8_t VATGRUPAODWROTNEOBCIAZENIE(std::int32_t vat_group) {
  // The VAT groups of reverse-charge supplies.
  constexpr std::array<std::int32_t, 8> kReverseCharge{136, 137, 138, 139, 141, 170, 172, 176};
  return std::find(kReverseCharge.begin(), kReverseCharge.end(), vat_group) != kReverseCharge.end()
             ? 1
             : 0;
}

}  // namespace funkcja::lookups
