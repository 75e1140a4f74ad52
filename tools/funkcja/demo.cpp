#include "demo.hpp"

#include "window_script.hpp"

#include <string>
#include <vector>

namespace funkcja::cli {
namespace {

struct Step {
  const char* procedure;
  std::vector<std::string> args;
  std::vector<std::string> actions = {};  // what the user does in the windows the call opens
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
      {"Okna (sterowane skryptem; ich zawartość na stderr)",
       {{"MSG_WYKONAJ", {"Zaksięgować 12 dokumentów?", "Księgowanie"}, {"key F10"}},
        {"MSG_WYKONAJ", {"Zaksięgować 12 dokumentów?", "Księgowanie"}, {"key Esc"}},
        {"MSG_ADVINFO",
         {"Nie wszystko zapisano.", "Dokument 12: brak konta 201.", "2"},
         {"click &Szczegóły", "click &Zamknij"}},
        {"KOMUNIKAT_INFO", {"START", "", ""}, {"close"}}}},
      {"Komunikaty systemowe (odpowiedzi na stderr)",
       {{"MSG_INF", {"Zapisano dokument FV 12/2026."}},
        {"MSG_QST", {"Zamknąć okres 11/2026?", "&Tak|&Nie", "2"}}}},
      {"Kalendarz i okresy (okna sterowane skryptem)",
       {{"GET_ZAKRES_DAT_KM", {"0", "0", ""}, {"choose 2", "key F10"}},
        {"KALENDARZ", {"0", "0", "82523"}, {"key Right", "key Enter"}},
        {"INFOKRES", {"82185", "0"}},
        {"INFOKRES", {"82545", "0"}}}},
  };
  return sections;
}

std::string quoted(const std::vector<std::string>& args) {
  std::string line;
  for (size_t i = 0; i < args.size(); ++i) {
    if (i > 0) line += ", ";
    line += Json(args[i]).dump();
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
      if (!step.actions.empty()) out << " [" << quoted(step.actions) << "]";
      out << std::flush;
      start_window_script(host, WindowScript{step.actions, ""});
      const Json outcome = host.call(
          *p, {step.args.begin(), step.args.end()});  // boxes and windows go to stderr here
      if (p->result != FK_NONE) out << " = " << shown(outcome["result"]);
      for (const auto& [name, value] : outcome["out"].items()) {
        out << "; " << name << " = " << shown(value);
      }
      out << '\n';
    }
  }
  out << "\nWszystkie procedury: funkcja list\n";
  return 0;
}

}  // namespace funkcja::cli
