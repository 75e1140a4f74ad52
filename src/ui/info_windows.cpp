// The read-only information windows: the statements whose positions a declaration or statement
// used (INFO_ZESTAWIENIE), the contractor and document behind a register entry
// (INFO_KONTRAHENT), and the text telling when and by whom a VAT-register record was last
// updated (INFO_AKTUALIZACJA_VAT). For example
//
//   INFO_AKTUALIZACJA_VAT("Z", 82488) -> "3-12-2026  09:05:41,  użytkownik: JNOWAK"
#include <vector>

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "text/procedures.hpp"
#include "ui/info_windows.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
namespace ct = control_type;

constexpr std::size_t kInformationCapacity = 7000;
constexpr std::size_t kDocumentLineCapacity = 100;
constexpr std::size_t kUpdateCapacity = 255;

// A standard date held as text, as day-month-year with "-".
std::string date_text(std::string_view day_number) {
  return text::FORMATDATA(text::clip(day_number));
}

// The frame the information windows share: a header line styled as a toolbar caption, the
// content the window adds, and a "Zamknij" button that Esc also presses.
class InformationWindow : public Window {
 public:
  InformationWindow(WindowOptions options, std::string_view header) : Window(std::move(options)) {
    header_ = add(ct::kString, header, {12, 5, 480, 14});
  }

 protected:
  void add_close_button() {
    close_ = add(ct::kButton, "&Zamknij"_cp, {420, 232, 64, 18});
    add(ct::kString, "Esc", {490, 236, 24, 12});
  }
  void on_open() override {
    STRSTYLTOOLBAR(header_, 9);
    if (close_ != 0) select(close_);
  }
  void on_event() override {
    if (event() == event::kAccepted && field() == close_) close();
  }

 private:
  std::int32_t header_ = 0;
  std::int32_t close_ = 0;
};

WindowOptions options_of(std::string_view key, std::string_view caption) {
  WindowOptions o{std::string(key), std::string(caption)};
  o.rect = {0, 0, 520, 256};
  o.resizable = true;
  return o;
}

std::vector<ListRow> statement_rows() {
  sql::Statement s("select tekst1, tekst4, tekst5, tekst6 from KOMUNIKAT where id_uzytkownika=");
  s.number(dane::get_int(dane::Global::DANE_ID_UZYTKOWNIKA_NR)).text(" AND kontekst='ZESTAW'");
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, s);
  std::vector<ListRow> rows;
  while (gateway::next(t)) {
    const std::string from = t.field(2).as_text();
    const std::string to = t.field(3).as_text();
    const bool single_day = text::read_int32(text::clip(from)).optional().value_or(0) == 0;
    std::string range = single_day ? std::string("na dzień "_cp) + date_text(to)
                                   : "od " + date_text(from) + " do " + date_text(to);
    ListRow row;
    row.cells = {std::string(text::cut(t.field(1).as_text(), 200)),
                 std::string(text::cut(date_text(t.field(4).as_text()), 20)),
                 std::string(text::cut(range, 50))};
    rows.push_back(std::move(row));
  }
  t.close();
  return rows;
}

class StatementsWindow : public InformationWindow {
 public:
  StatementsWindow(bool declaration, std::vector<ListRow> rows)
      : InformationWindow(
            options_of("Info_Zestawienie", declaration
                                               ? "Obliczanie pozycji deklaracji / Informacja"_cp
                                               : "Generowanie zestawienia / Informacja"_cp),
            declaration
                ? "Lista zestawień, których pozycje zostały wykorzystane w bieżącej deklaracji"_cp
                : "Lista zestawień, których pozycje zostały wykorzystane w bieżącym zestawieniu"_cp) {
    const std::int32_t list = add(ct::kList, {}, {8, 26, 504, 200});
    control(list).columns = {"Nazwa zestawienia", "Wykonano", "Zakres"};
    control(list).rows = std::move(rows);
    control(list).selected = 1;
    add_close_button();
  }
};

std::string document_line(std::int32_t document) {
  if (document == 0) return std::string("Brak informacji o dokumencie"_cp);
  sql::Statement s(
      "select nr_dok_org, data_dok_org, nr_ewid_dok, data_biezaca from NAG_DOK with (NOLOCK) "
      "where id_nag_dok=");
  s.number(document);
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, s);
  gateway::next(t);  // no row leaves the cleared record: empty numbers and dates
  std::string line = "Dokument: " + std::string(text::clip(t.field(1).as_text())) + " z dn. " +
                     date_text(t.field(2).as_text()) + " (" +
                     std::string(text::clip(t.field(3).as_text())) +
                     std::string(" zaksięgowany dn. "_cp) + date_text(t.field(4).as_text()) + ")";
  t.close();
  return std::string(text::cut(line, kDocumentLineCapacity));
}

class ContractorWindow : public InformationWindow {
 public:
  ContractorWindow(const std::string& document, const std::string& information)
      : InformationWindow(options_of("Info_kontrahent", "Informacja o kontrahencie"_cp), document) {
    const std::int32_t icon = add(ct::kImage, {}, {8, 26, 32, 32});
    control(icon).icon = "~kontrahent.ico";
    const std::int32_t text = add(ct::kText, information, {48, 26, 464, 200});
    control(text).read_only = true;
    add_close_button();
  }
};

}  // namespace

void INFO_ZESTAWIENIE(std::uint8_t kind) {
  std::vector<ListRow> rows = statement_rows();
  if (rows.empty()) return;
  StatementsWindow window(kind == 1, std::move(rows));
  window.run();
}

void INFO_KONTRAHENT(std::int32_t document, std::uint8_t flag1, std::uint8_t flag2,
                     std::uint8_t flag3, std::uint8_t flag4, std::uint8_t no_window) {
  std::string information;
  if (document != 0) {
    sql::Statement s("select dbo.TG_GetKontrahentDokument(");
    s.number(document).text(",").number(flag1).text(",").number(flag2).text(",");
    s.number(flag3).text(",").number(flag4).text(")");
    dane::QueryTable& t = dane::thread_tables().VAZ_FK;
    gateway::run(t, s, gateway::Errors::kReport);
    if (gateway::next(t)) information = text::cut(t.field(1).as_text(), kInformationCapacity);
    t.close();
  }
  if (no_window == 1) return;
  ContractorWindow window(document_line(document), information);
  window.run();
}

std::string INFO_AKTUALIZACJA_VAT(std::string_view register_kind, std::int32_t record) {
  const std::string_view kind = text::clip(register_kind);
  const std::string none("brak informacji o aktualizacji dla wybranego okresu"_cp);
  if (kind != "S" && kind != "Z") return none;
  sql::Statement s(
      "select top 1 convert(varchar(20),datepart(dd,l.dataczas))+'-'+Right('0'+convert("
      "varchar(20),datepart(mm,l.dataczas)),2)+'-'+convert(varchar(20),datepart(yy,l.dataczas))"
      "+'  '+Left(convert(varchar(20),l.dataczas,114),8)+',  ");
  s.text("użytkownik: '+ u.identyfikator from UZYTKOWNIK_FK_LOG l left outer join "_cp);
  s.text("UZYTKOWNIK_FK u on l.id_uzytkownika = u.id_uzytkownika where l.id_zapisu = ");
  s.number(record).text(" AND l.id_firmy = ").number(dane::get_int(dane::Global::DANE_ID_FIRMY));
  s.text(" AND l.modul_operacji = 'VAT' AND Substring(szczegoly_operacji,1,27)='Aktualizacja ");
  s.text(kind == "S" ? "rejestru VAT s'" : "rejestru VAT z'").text(" order by l.dataczas desc");
  const std::string value(text::cut(gateway::FUNCVAY(s), kUpdateCapacity));
  return text::clip(value).empty() ? none : value;
}

}  // namespace funkcja::ui
