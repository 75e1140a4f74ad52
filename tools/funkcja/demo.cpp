#include "demo.hpp"

#include <string>
#include <vector>

namespace funkcja::cli {
namespace {

struct Step {
  const char* procedure;
  std::vector<std::string> args;
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
      {"Komunikaty systemowe (odpowiedzi na stderr)",
       {{"MSG_INF", {"Zapisano dokument FV 12/2026."}},
        {"MSG_QST", {"Zamknąć okres 11/2026?", "&Tak|&Nie", "2"}}}},
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
      const Json outcome = host.call(*p, step.args);
      out << "  " << step.procedure << "(" << quoted(step.args) << ")";
      if (p->result != FK_NONE) out << " = " << outcome["result"].dump();
      for (const auto& [name, value] : outcome["out"].items()) {
        out << "; " << name << " = " << value.dump();
      }
      out << '\n';
    }
  }
  out << "\nWszystkie procedury: funkcja list\n";
  return 0;
}

}  // namespace funkcja::cli
