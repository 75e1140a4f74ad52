// The posting-account check. SPR_KONTA(3, 1003) looks at every debit account of document 1003,
// then every credit account: an account missing from the chart ("Konto: 404-01 nie występuje w
// planie kont."), one the user may not post to, or one locked against posting is shown as a
// warning and gives 1; when every account passes the result is 0. The document's accounts are
// read on ZAPYTANIESQL while the stored procedures answer on ZAPYTANIESQL1.
#include "frame/cp_literal.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "host/system_messages.hpp"
#include "lookups/procedures.hpp"
#include "lookups/session.hpp"

namespace funkcja::lookups {
namespace {

using namespace funkcja::literals;

constexpr std::int64_t kRightNone = 0;
constexpr std::int64_t kRightLocked = 2;

// Whole units of a decimal field: the stored procedures answer with whole numbers.
bool field_is(const dane::Field& f, std::int64_t value) {
  return f.units == value * 100;  // ZAP2:RECORD field 1 has 2 decimal places
}

// One pass over the document's accounts on one side; true when a problem was shown.
bool check_side(std::string_view column, std::int32_t fiscal_year, std::int32_t document) {
  dane::ThreadTables& tables = dane::thread_tables();
  dane::QueryTable& accounts = tables.ZAPYTANIESQL;
  dane::QueryTable& answer = tables.ZAPYTANIESQL1;
  sql::Statement list("select 1, ");
  list.text(column).text(" from DUP_POZ_DOK where id_nag_dok=").number(document);
  list.text(" AND ").text(column).text("<>'' group by ").text(column);
  gateway::send(accounts, list);
  while (gateway::next(accounts)) {
    const std::string account(text::trim(accounts.field(2).text));

    sql::Statement find("CALL SZUKAJ_KONTA(");
    find.number(lookups::company()).text(",").number(fiscal_year).text(",").quoted(account);
    find.text(",1)");
    gateway::send(answer, find);
    if (gateway::next(answer) && !field_is(answer.field(1), 0)) {
      system_messages::warning(std::string("Konto: "_cp) + account +
                               std::string(" nie występuje w planie kont."_cp));
      return true;
    }

    sql::Statement right("CALL USTAL_PRAWO_DOSTEPU_ZASOB (");
    right.number(lookups::company()).text(",").number(fiscal_year).text(",");
    right.quoted(lookups::user_login()).text(",'K',").quoted(text::cut(account, 3)).text(")");
    gateway::send(answer, right);
    if (!gateway::next(answer)) continue;
    if (field_is(answer.field(1), kRightNone)) {
      system_messages::warning(std::string("Nie posiadasz uprawnień do zapisu na konto: "_cp) +
                               account);
      return true;
    }
    if (field_is(answer.field(1), kRightLocked)) {
      system_messages::warning(std::string("Konto: "_cp) + account +
                               std::string(" posiada blokadę przed zapisem."_cp));
      return true;
    }
  }
  return false;
}

}  // namespace

std::uint8_t SPR_KONTA(std::int32_t fiscal_year, std::int32_t document, std::uint8_t) {
  if (check_side("konto_wn", fiscal_year, document)) return 1;
  if (check_side("konto_ma", fiscal_year, document)) return 1;
  return 0;
}

}  // namespace funkcja::lookups
