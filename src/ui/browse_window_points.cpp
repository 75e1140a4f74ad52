// KONFIGURACJA_OKNA_PUNKTY: the other per-user settings of a browse window (sort column and
// direction, two splitter positions, two general-purpose values, the footer) between the
// host's $GGG: globals and BROWSER_UZYTKOWNIK_OKNO. Loading gives the browse's default sort
// and clears splitter positions that do not fit the window; saving inserts the user's row or
// updates it. For example a first load of the purchase register (21) sets $GGG:SORTOWANIE_LP
// to 17 and $GGG:SORTOWANIE_DIR to 1.
#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "ui/browse_config.hpp"

namespace funkcja::ui {
namespace {

using dane::Global;

// The eight globals, in the order of the table's columns.
constexpr Global kPoints[] = {Global::GGG_SORTOWANIE_LP,   Global::GGG_SORTOWANIE_DIR,
                              Global::GGG_SORTOWANIE_INTU, Global::GGG_VSPLITPOS,
                              Global::GGG_HSPLITPOS,       Global::GGG_UNI_1,
                              Global::GGG_UNI_2,           Global::GGG_STOPKA_BROWSER};
constexpr const char* kColumns[] = {"SORTOWANIE_LP", "SORTOWANIE_DIR", "SORTOWANIE_INTU",
                                    "VSPLITPOS_1",   "HSPLITPOS_1",    "UNI_1",
                                    "UNI_2",         "STOPKA_BROWSER"};

std::int32_t default_sort_column(std::int32_t browse) {
  switch (browse) {
    case 30:
      return 5;
    case 21:
    case 23:
    case 24:
      return 17;
    case 19:
    case 20:
    case 22:
      return 6;
    case 36:
    case 38:
      return 8;
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
      return 2;
    case 102:
    case 103:
      return 3;
    default:
      return 1;  // 1, -1, -10, 101, 104 and every other browse
  }
}

bool footer_by_default(std::int32_t browse) {
  return browse == 44 || browse == 45;
}

// Browses whose footer and second general value are kept when saving.
bool keeps_footer(std::int32_t browse) {
  return browse == 44 || browse == 45 || browse == 19 || browse == 1001 || browse == 2;
}

std::int32_t get(Global g) {
  return dane::get_int(g);
}

void set(Global g, std::int32_t value) {
  dane::set_number(g, value);
}

// A splitter position other than 0 outside [low, high] becomes 0.
void fit_splitter(Global g, std::int64_t low, std::int64_t high) {
  const std::int32_t pos = get(g);
  if (pos != 0 && (pos > high || pos < low)) set(g, 0);
}

void load(std::int32_t browse, std::int32_t width, std::int32_t height) {
  const std::int32_t user = get(Global::DANE_ID_UZYTKOWNIKA_NR);
  sql::Statement s("select ");
  for (std::size_t i = 0; i < std::size(kColumns); ++i) s.text(i > 0 ? "," : "").text(kColumns[i]);
  s.text(" from BROWSER_UZYTKOWNIK_OKNO with (NOLOCK) where ID_BROWSERA=").number(browse);
  s.text(" AND ID_UZYTKOWNIKA=").number(user);
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, s, gateway::Errors::kReport);
  const bool found = gateway::next(t);  // no row leaves the cleared record: every value 0
  for (std::size_t i = 0; i < std::size(kPoints); ++i) {
    set(kPoints[i], t.field(i + 1).as_int32());
  }
  t.close();
  if (get(Global::GGG_SORTOWANIE_LP) == 0) {
    set(Global::GGG_SORTOWANIE_LP, default_sort_column(browse));
    set(Global::GGG_SORTOWANIE_DIR, 1);
  }
  if (get(Global::GGG_STOPKA_BROWSER) == 0 && footer_by_default(browse)) {
    set(Global::GGG_STOPKA_BROWSER, 1);
  }
  fit_splitter(Global::GGG_VSPLITPOS, 15, std::int64_t{width} - 15);
  fit_splitter(Global::GGG_HSPLITPOS, 25, std::int64_t{height} - 36);
  if (!found && browse == 1001) {
    set(Global::GGG_UNI_1, 1);
    set(Global::GGG_UNI_2, 0);
  }
}

void save(std::int32_t browse) {
  const std::int32_t user = get(Global::DANE_ID_UZYTKOWNIKA_NR);
  if (!keeps_footer(browse)) {
    set(Global::GGG_STOPKA_BROWSER, 0);
    set(Global::GGG_UNI_2, 0);
  }
  sql::Statement find(
      "select ID_BROWSER_UZYTKOWNIK_OKNO from BROWSER_UZYTKOWNIK_OKNO with (NOLOCK) where "
      "ID_BROWSERA=");
  find.number(browse).text(" AND ID_UZYTKOWNIKA=").number(user);
  const std::int32_t row =
      text::read_int32(text::trim(gateway::FUNCVAY(find))).optional().value_or(0);
  sql::Statement s;
  if (row == 0) {
    s.text("insert into BROWSER_UZYTKOWNIK_OKNO (ID_BROWSERA,ID_UZYTKOWNIKA");
    for (const char* c : kColumns) s.text(",").text(c);
    s.text(") values (").number(browse).text(",").number(user);
    for (const Global g : kPoints) s.text(",").number(get(g));
    s.text(")");
  } else {
    s.text("update BROWSER_UZYTKOWNIK_OKNO set ");
    for (std::size_t i = 0; i < std::size(kColumns); ++i) {
      s.text(i > 0 ? "," : "").text(kColumns[i]).text("=").number(get(kPoints[i]));
    }
    s.text(" where  ID_BROWSER_UZYTKOWNIK_OKNO=").number(row);
  }
  dane::QueryTable& t = dane::thread_tables().VAY_FK;
  gateway::run(t, s, gateway::Errors::kReport);
  t.close();
}

}  // namespace

void KONFIGURACJA_OKNA_PUNKTY(std::int32_t action, std::int32_t browse, std::int32_t width,
                              std::int32_t height) {
  if (action == 1) load(browse, width, height);
  if (action == 2) save(browse);
}

}  // namespace funkcja::ui
