#include "demo.hpp"

#include "demo_rates.hpp"
#include "gus_demo.hpp"
#include "window_script.hpp"

#include <string>
#include <vector>

namespace funkcja::cli {
namespace {

struct Step {
  const char* procedure;
  std::vector<Json> args;                 // texts and numbers, or an object's JSON form
  std::vector<std::string> actions = {};  // what the user does in the windows the call opens
  std::string save = {};                  // the save dialog's answer
};

struct Section {
  const char* title;
  std::vector<Step> steps;
};

// Each step is a real call; steps whose procedure this build lacks are left out.
const std::vector<Section>& tour() {
  static const std::vector<Section> sections = {
      {"Tekst: szukanie, cięcie i zamiana",
       {{"STR_REPLACE", {"aXbXc", "X", "YY"}},
        {"ZAMIEN_WYRAZENIE", {"aXbXc", "X", "YY"}},
        {"STR_REPLACEUPPER", {"Ala ma kota", "A", "o"}},
        {"REPLACEPROC2", {"a.b.c", ".", ".."}},
        {"LICZBA_WYSTAPIEN", {"aa", "aaaa"}},
        {"STR_POZYCJA_WYSTAPIENIA", {"ab", "xabyab", "2"}},
        {"WYTNIJ_STR", {"Kowalski, Jan, Warszawa", "3"}},
        {"STRING_WYTNIJ_DO", {"12-34-56", "-", "2"}},
        {"STRING_CUT", {"Przedsiębiorstwo Handlowo-Usługowe Żuraw", "20", ""}},
        {"STRING_GRUPUJ", {"61109010140000071219812874", "4", " "}},
        {"STRING_ODWROC", {"Łódź"}},
        {"STR_REPLICATE", {"=-", "10"}},
        {"ZAMIEN_ZNAKI", {"Kow*ski?"}}}},
      {"Filtry znaków i formatowanie",
       {{"TYLKO_CYFRY", {"PL 123-456-32-18"}},
        {"TYLKO_KWOTY", {"kwota: -1 234,50 zł"}},
        {"BEZPL", {"Zażółć gęślą jaźń"}},
        {"CLEARFORFILENAME", {"FV 12/2026: Żuraw?.xml"}},
        {"FORMATKWOTA", {"1234567.891"}},
        {"FORMATDATA", {"82522"}}}},
      {"Strony kodowe i maski",
       {{"WINTOLATIN_TG", {"Łódź"}},
        {"LATINTOWIN_TG", {"ť˘d«"}},
        {"WINTOMAZOVIA_TG", {"Żółć"}},
        {"SPR_MASKA", {"abcd", "abc"}},
        {"SPR_MASKA", {"FV/12/2026", "FV/*/2026"}}}},
      {"Kwoty słownie",
       {{"SLOWNIE", {"1234.56"}},
        {"SLOWNIE", {"-5"}},
        {"SLOWNIEWALUTA", {"1234.56", "eur"}},
        {"SLOWNIEWALUTA", {"0.05", "CHF"}}}},
      {"IBAN i NIP",
       {{"IBANSPR", {"PL30123412341234123412341234"}},
        {"IBANSPR", {"PL31123412341234123412341234"}},
        {"SPR_NIP", {"123-456-32-18"}},
        {"OCZYSC_NIP", {"PL 123-456-32-18"}}}},
      {"Kalendarz: Wielkanoc, święta, dni robocze",
       {{"PODAJDATEWIELKANOCY", {"2026"}},
        {"ISDZIENROBOCZY", {"82541"}},
        {"ISDZIENROBOCZY", {"81811"}},
        {"PODAJOSTATNIDZIENROBOCZY", {"82545"}},
        {"NAZWA_MIESIACA", {"10", "2026"}}}},
      {"Baza danych: zapytania, opcje, dziennik, kontrola dekretu",
       {{"FUNCVAY", {"select top 1 nazwa from KONTRAHENT with (NOLOCK) order by nazwa"}},
        {"FUNCVAY", {"select dbo.TG_GetFormaPlatnosci(1,1,2,0,'','')"}},
        {"GETPARAMETRU", {"30"}},
        {"GETPARAMETRF", {"21"}},
        {"WERSJABAZYPROGRAMUVAY", {"1"}},
        {"LOG_DISPLAY", {"M", "KSI"}},
        {"SPR_KONTA", {"3", "1001", "0"}},
        {"SPR_KONTA", {"3", "1003", "0"}}}},
      {"Filtry przeglądarek, rachunki bankowe, kontrahenci i urzędy",
       {{"WYTNIJ_PREFIX", {"ZAP:KOD = 5 AND INSTRING('Ab',ZAP:NAZWA,1,1) <> 0"}},
        {"WYTNIJ_PREFIX_WSTAWA", {"ZAP:KOD = 5 AND INSTRING('Ab',ZAP:NAZWA,1,1) <> 0"}},
        {"STR_REPLACE_PREFIKS_A", {"KONTRAHENT", "a.NAZWA like 'Ż%' AND a.NIP <> ''"}},
        {"GRUPUJ_RACH_BANK", {"61109010140000071219812874"}},
        {"GETBANKNBP", {""}},
        {"GETNAZWABANKU", {"", "1"}},
        {"RACHUNEK_BANKOWY_DEFAULT", {"6", "K", "0"}},
        {"RACHUNEK_BANKOWY_GET", {"21", "6", "K", "1"}},
        {"USTAL_DANE_FIRMY", {"K", "", "", ""}},
        {"USTAL_URZAD_SKARBOWY", {"1", "82521", "0"}},
        {"GET_NIP_PESEL_KONTRAHENTA_VAX", {"K", "1", "", ""}},
        {"GET_ADRES_KONTRAHENTA_VAX", {"K", "1", "0", "", ""}},
        {"GETFORMAPLATNOSCI", {"1", "1", "2", "", ""}},
        {"SPR_ZAMKNIETY_OKRES", {"3", "82200"}},
        {"SPR_UPRAWNIENIA", {"ZAMKNIECIE_ROKU"}},
        {"SPR_KLASYFIKACJA_BUDZETOWA", {"W", "750", "75023", "401", ""}},
        {"MPK_NAZWA_DRZEWKO", {"1-3-"}},
        {"VAT_VIEW_USTAL_NAZWE", {"0", "W"}},
        {"STAN_KONTA_KARTOTEKOWEGO", {"1", "PROJEKTY", "Budowa magazynu"}, {"key Esc"}}}},
      {"Okna (sterowane skryptem; ich zawartość na stderr)",
       {{"MSG_WYKONAJ", {"Zaksięgować 12 dokumentów?", "Księgowanie"}, {"key F10"}},
        {"MSG_WYKONAJ", {"Zaksięgować 12 dokumentów?", "Księgowanie"}, {"key Esc"}},
        {"MSG_ADVINFO",
         {"Nie wszystko zapisano.", "Dokument 12: brak konta 201.", "2"},
         {"click &Szczegóły", "click &Zamknij"}},
        {"KOMUNIKAT_INFO", {"START", "", ""}, {"close"}}}},
      {"Informacje i podpowiedzi",
       {{"INFO_AKTUALIZACJA_VAT", {"Z", "82488"}},
        {"INFO_ZESTAWIENIE", {"1"}, {"key Esc"}},
        {"INFO_KONTRAHENT", {"1001", "1", "1", "1", "1", "0"}, {"key Esc"}},
        {"NAZWA_WARIANTU", {"Zestawienie roczne"}, {"type Zestawienie kwartalne", "key F10"}}}},
      {"Komunikaty systemowe (odpowiedzi na stderr)",
       {{"MSG_INF", {"Zapisano dokument FV 12/2026."}},
        {"MSG_QST", {"Zamknąć okres 11/2026?", "&Tak|&Nie", "2"}}}},
      {"Wymiana danych: deklaracja XML i eksport listy do CSV",
       {{"SQL2XMLWRITER_WATEK", {"TG_XML_DEKLARACJA(1,3)", "/tmp/funkcja-demo-deklaracja.xml"}},
        {"EXPORT2EXCEL",
         {Json::object({{"browse",
                         "select nazwa, nip, miejscowosc from KONTRAHENT where id_firmy=1 "
                         "order by nazwa"}}),
          Json::parse(R"({"queue": {"layout": [{"name": "K:NAZWA", "type": "text", "size": 100},
              {"name": "K:NIP", "type": "text", "size": 13},
              {"name": "K:MIEJSCOWOSC", "type": "text", "size": 50}], "entries": [[""]]}})"),
          "1"},
         {},
         "/tmp/funkcja-demo-kontrahenci.csv"}}},
      {"Kalendarz i okresy (okna sterowane skryptem)",
       {{"GET_ZAKRES_DAT_KM", {"0", "0", ""}, {"choose 2", "key F10"}},
        {"KALENDARZ", {"0", "0", "82523"}, {"key Right", "key Enter"}},
        {"INFOKRES", {"82185", "0"}},
        {"INFOKRES", {"82545", "0"}}}},
      {"Pulpit informacyjny (okno sterowane skryptem; strony przeglądarki na stderr)",
       {{"PULPITPROGRAMU",
         {""},
         {"click Sklep internetowy", "click Zgłoszenia serwisowe", "key Ctrl+Left",
          "key Ctrl+Right", "click Zamknij pulpit informacyjny"}}}},
      {"Drzewo filtrów przeglądarki (okna sterowane skryptem)",
       {{"TREE_WYBIERZ_KONFIG", {"30", "1"}},
        {"TREE_WYBIERZ_KONFIG", {"9", "1"}},
        {"TREE_DODAJ_GALAZ", {"24", "2026"}, {"choose 2", "mouse 14", "key F10"}},
        {"TREE_DODAJ_KONFIG", {"24", "Stawki VAT"}, {"key F10"}},
        {"TREE_WYBIERZ_KONFIG", {"24", "0"}, {"choose 1", "key F10"}},
        {"FILTR_INFO", {"36", "BT_KLASYFIKACJA like '750%' AND ID_PACZKA=1 AND DATA_OKRESU=82184"}},
        {"BTZ_LADUJ_STRUKTURE_KONTA", {"3"}},
        {"BTZ_LADUJ_SLOWNIKI_GLO", {}}}},
      {"Konfiguracja kolumn przeglądarek (okno sterowane skryptem)",
       {{"KONFIGURACJA_OKNA", {"2", "7", ""}},
        {"KONFIGURACJA_OKNA", {"1", "5", ""}, {"choose 3", "key Ctrl+U", "key F10"}},
        {"KONFIGURACJA_OKNA", {"2", "5", ""}},
        {"KONFIGURACJA_OKNA_PUNKTY", {"1", "21", "800", "600"}}}},
  };
  return sections;
}

std::string quoted(const std::vector<Json>& args) {
  std::string line;
  for (size_t i = 0; i < args.size(); ++i) {
    if (i > 0) line += ", ";
    line += args[i].dump();
  }
  return line;
}

// A result for the eye: a text padded with blanks shows its words and how many blanks follow.
std::string shown(const Json& value) {
  if (!value.is_string()) return value.dump();
  std::string text = value.get<std::string>();
  const size_t end = text.find_last_not_of(' ');
  const size_t blanks = end == std::string::npos ? text.size() : text.size() - end - 1;
  if (blanks < 2) return value.dump();
  text.resize(text.size() - blanks);
  return Json(text).dump() + " + " + std::to_string(blanks) + " blanks";
}

}  // namespace

int demo(const Host& host, std::ostream& out) {
  out << "funkcja — biblioteka funkcji wspólnych programu finansowo-księgowego\n";
  for (const Section& section : tour()) {
    bool header = false;
    for (const Step& step : section.steps) {
      const fk_procedure* p = nullptr;
      try {
        p = &host.procedure(step.procedure);
      } catch (const UsageError&) {
        continue;  // not in this build
      }
      if (!header) {
        out << "\n== " << section.title << " ==\n";
        header = true;
      }
      out << "  " << step.procedure << "(" << quoted(step.args) << ")";
      if (!step.actions.empty())
        out << " [" << quoted({step.actions.begin(), step.actions.end()}) << "]";
      out << std::flush;
      start_window_script(host, WindowScript{step.actions, ""});
      if (!step.save.empty()) {
        reinterpret_cast<void (*)(fk_text, int)>(host.function("fk_ui_save_push_answer"))(
            fk_text{step.save.data(), step.save.size()}, 1);
      }
      const Json outcome = host.call(
          *p, {step.args.begin(), step.args.end()});  // boxes and windows go to stderr here
      if (p->result != FK_NONE) out << " = " << shown(outcome["result"]);
      for (const auto& [name, value] : outcome["out"].items()) {
        out << "; " << name << " = " << shown(value);
      }
      out << '\n';
    }
  }
  demo_rates(host, out);
  demo_gus(host, out);
  out << "\nWszystkie procedury: funkcja list\n";
  return 0;
}

}  // namespace funkcja::cli
