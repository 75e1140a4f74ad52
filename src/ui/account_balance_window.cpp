// STAN_KONTA_KARTOTEKOWEGO: the balances of the accounts that a user dictionary's position
// posts to. For example STAN_KONTA_KARTOTEKOWEGO(1, "PROJEKTY", "Budowa magazynu") finds the
// accounts of fiscal year $DANE_LATA_OBROTOWE whose last segment is 1 and whose leading part
// (the account with "x" in place of its last segment, "501-01-x") belongs to a dictionary of
// the filter PROJEKTY, and lists for each its opening balance, its turnovers and its balance
// at the end of the year in the chosen currency, with a "Razem" and a "Persaldo" line.
#include <array>
#include <optional>
#include <vector>

#include "frame/cp_literal.hpp"
#include "frame/standard_date.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "host/sqlite/decimal.hpp"
#include "ui/lookup_windows.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using sqlite::Decimal;
namespace ct = control_type;

constexpr int kAmountCount = 6;  // BO Wn, BO Ma, obroty Wn, obroty Ma, saldo Wn, saldo Ma
using Amounts = std::array<Decimal, kAmountCount>;

struct Session {
  std::int32_t company = 0;
  std::int32_t year = 0;
  std::int32_t first_day = 0;  // the first day of the fiscal year's first month
  std::int32_t last_day = 0;   // the 28th day of its last month
};

// A day of the month of a standard date; 0 when the date is not one.
std::int32_t day_of_month_of(std::int32_t date_number, std::int32_t day) {
  const auto civil = date::to_civil(date_number);
  if (!civil) return 0;
  return date::from_civil(civil->year, civil->month, day).value_or(0);
}

Session read_session() {
  Session s;
  s.company = dane::get_int(dane::Global::DANE_ID_FIRMY);
  s.year = dane::get_int(dane::Global::DANE_LATA_OBROTOWE);
  s.first_day = day_of_month_of(dane::get_int(dane::Global::DANE_POCZATEK_ROKU), 1);
  s.last_day = day_of_month_of(dane::get_int(dane::Global::DANE_KONIEC_ROKU), 28);
  return s;
}

// An amount read back from the database; a value that is not a number counts as 0, so one bad
// row cannot hide the others.
Decimal amount_of(const dane::Field& field) {
  return Decimal::parse(field.as_text()).value_or(Decimal());
}

std::string shown(const Decimal& amount) {
  const auto cents = amount.rounded(2);
  return cents ? cents->text() : std::string("*");
}

// Sums saturate to nothing rather than wrap; a column that overflows shows "*".
std::optional<Decimal> sum_with(const std::optional<Decimal>& sum, const Decimal& amount) {
  return sum ? sum->plus(amount) : std::nullopt;
}

std::vector<std::string> matching_accounts(const Session& s, std::int32_t position,
                                           std::string_view filter) {
  sql::Statement q("select nr_konta from OBROTY_I_SALDA with (NOLOCK) where id_firmy=");
  q.number(s.company).text(" AND id_lata_obrot=").number(s.year);
  q.text(
      " AND Reverse(Substring(Reverse(nr_konta),1,ABS(Charindex('-',Reverse(nr_konta))-1)))="
      "convert(varchar(20),");
  q.number(position).text(")");
  q.text(
      " AND  Isnull(Reverse(Stuff(Reverse(nr_konta),1,Charindex('-',Reverse(nr_konta))-1,'x')),'')"
      " in (select k.nr_konta from WARTOSCI_KONT k with (NOLOCK) where k.id_firmy=");
  q.number(s.company).text(" AND k.id_lata_obrot=").number(s.year);
  q.text(
      " AND k.symbol_kartoteki in (select u.symbol_kartoteki from KARTOTEKA_UZYTKOWNIKA u  with "
      "(NOLOCK) where u.id_firmy=");
  q.number(s.company).text(" AND u.filtr_kartoteka=").quoted(filter).text(")) group by nr_konta");

  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, q, gateway::Errors::kReport);
  std::vector<std::string> accounts;
  while (gateway::next(t)) accounts.emplace_back(text::clip(t.field(1).as_text()));
  t.close();
  return accounts;
}

// One call of the turnover procedure; the first row's fields, or nothing when it gave none.
std::optional<std::vector<Decimal>> turnovers(const Session& s, std::int32_t date,
                                              std::string_view currency,
                                              const std::string& account) {
  sql::Statement q("CALL OBLICZ_OBROTY_DLA_KONTA (");
  q.number(s.company).text(",").number(s.year).text(",").number(date).text(",");
  q.quoted(text::cut(currency, 3)).text(",").quoted(account).text(",0, 0)");
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, q, gateway::Errors::kReport);
  std::optional<std::vector<Decimal>> row;
  if (gateway::next(t) && t.field_count() >= 7) {
    row.emplace();
    for (std::size_t n = 1; n <= 7; ++n) row->push_back(amount_of(t.field(n)));
  }
  t.close();
  return row;
}

Amounts balances_of(const Session& s, std::string_view currency, const std::string& account) {
  Amounts a{};
  if (const auto opening = turnovers(s, s.first_day, currency, account)) {
    a[0] = (*opening)[3];
    a[1] = (*opening)[4];
  }
  if (const auto closing = turnovers(s, s.last_day, currency, account)) {
    a[2] = (*closing)[0];
    a[3] = (*closing)[1];
    a[4] = (*closing)[5];
    a[5] = (*closing)[6];
  }
  return a;
}

ListRow line(std::string caption, const std::array<std::string, kAmountCount>& amounts) {
  ListRow row;
  row.cells.push_back(std::move(caption));
  row.cells.insert(row.cells.end(), amounts.begin(), amounts.end());
  return row;
}

class AccountBalanceWindow : public Window {
 public:
  AccountBalanceWindow(std::int32_t position, std::string_view filter, std::string_view name)
      : Window(options()), session_(read_session()), position_(position), filter_(filter) {
    sql::Statement year("select rok_obrotowy from LATA_OBROTOWE where id_lata_obrot=");
    year.number(session_.year);
    set_caption(std::string("Stan kont księgowych (Rok obrotowy: "_cp) +
                std::string(text::clip(gateway::FUNCVAY(year))) + ")");

    std::string heading = std::string("Pozycja "_cp) + std::to_string(position);
    if (!text::clip(name).empty()) heading += " - " + std::string(text::clip(name));
    add(ct::kString, heading, {8, 6, 300, 12});
    add(ct::kPrompt, "&Waluta:"_cp, {330, 6, 40, 12});
    currency_ = add(ct::kDropList, {}, {372, 4, 140, 14});
    balances_ = add(ct::kList, {}, {8, 24, 504, 200});
    control(balances_).columns = {"Konto",     "BO Wn",    "BO Ma",   "Obroty Wn",
                                  "Obroty Ma", "Saldo Wn", "Saldo Ma"};
    close_ = add(ct::kButton, "&Zamknij"_cp, {448, 230, 64, 18});
  }

 protected:
  void on_open() override {
    fill_currencies();
    accounts_ = matching_accounts(session_, position_, filter_);
    fill_balances();
    select(balances_);
  }

  void on_event() override {
    if (field() == currency_ && (event() == event::kNewSelection || event() == event::kAccepted)) {
      fill_balances();
    }
    if (event() == event::kAccepted && field() == close_) close();
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Stan_konta_kartotekowego", {});
    o.rect = {0, 0, 520, 256};
    o.resizable = true;
    return o;
  }

  // Name and symbol of every currency; the home currency is chosen first.
  void fill_currencies() {
    dane::QueryTable& t = dane::thread_tables().ZAPYTANIESQL;
    gateway::send(t, "select 1,nazwa,sym_waluty from WALUTY order by sym_waluty");
    Control& list = control(currency_);
    while (gateway::next(t)) {
      ListRow row;
      row.cells = {std::string(text::clip(t.field(3).as_text())),
                   std::string(text::clip(t.field(2).as_text()))};
      list.rows.push_back(std::move(row));
    }
    t.close();
    list.selected = list.rows.empty() ? 0 : 1;
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
      if (list.rows[i].cells[0] == "PLN") list.selected = static_cast<std::int32_t>(i + 1);
    }
    if (list.selected > 0) list.text = list.rows[list.selected - 1].cells[0];
  }

  std::string chosen_currency() {
    const Control& list = control(currency_);
    if (list.selected < 1 || list.selected > static_cast<std::int32_t>(list.rows.size())) {
      return "PLN";
    }
    return list.rows[static_cast<std::size_t>(list.selected - 1)].cells[0];
  }

  void fill_balances() {
    const std::string currency = chosen_currency();
    control(currency_).text = currency;
    std::vector<ListRow> rows;
    std::array<std::optional<Decimal>, kAmountCount> sums;
    sums.fill(Decimal());
    for (const std::string& account : accounts_) {
      const Amounts a = balances_of(session_, currency, account);
      std::array<std::string, kAmountCount> cells;
      for (int i = 0; i < kAmountCount; ++i) {
        cells[i] = shown(a[i]);
        sums[i] = sum_with(sums[i], a[i]);
      }
      rows.push_back(line(account, cells));
    }
    std::array<std::string, kAmountCount> total;
    for (int i = 0; i < kAmountCount; ++i) total[i] = sums[i] ? shown(*sums[i]) : "*";
    rows.push_back(line(std::string("Razem"_cp), total));
    rows.push_back(line(std::string("Persaldo"_cp), net_balances(sums)));
    control(balances_).rows = std::move(rows);
    control(balances_).selected = 1;
  }

  // The opening and the closing balances netted: the difference stands on the side of the
  // larger sum and 0 on the other. Turnovers are not netted, so their columns stay empty.
  static std::array<std::string, kAmountCount> net_balances(
      const std::array<std::optional<Decimal>, kAmountCount>& sums) {
    std::array<std::string, kAmountCount> out;
    for (int debit : {0, 4}) {
      const auto& dr = sums[debit];
      const auto& cr = sums[debit + 1];
      const auto difference = dr && cr ? dr->plus(cr->negated()) : std::nullopt;
      if (!difference) {
        out[debit] = out[debit + 1] = "*";
      } else if (difference->is_negative()) {
        out[debit] = shown(Decimal());
        out[debit + 1] = shown(difference->negated());
      } else {
        out[debit] = shown(*difference);
        out[debit + 1] = shown(Decimal());
      }
    }
    return out;
  }

  Session session_;
  std::int32_t position_ = 0;
  std::string filter_;
  std::vector<std::string> accounts_;
  std::int32_t currency_ = 0;
  std::int32_t balances_ = 0;
  std::int32_t close_ = 0;
};

}  // namespace

void STAN_KONTA_KARTOTEKOWEGO(std::int32_t position, std::string_view dictionary_filter,
                              std::string_view position_name) {
  AccountBalanceWindow window(position, dictionary_filter, position_name);
  window.run();
}

}  // namespace funkcja::ui
