// Search, cut and replace procedures on realistic texts and on their worst cases, each beside a
// plain standard-library peer doing the same work; and what a call through the C interface
// costs on top of the C++ call.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "funkcja/funkcja.h"
#include "funkcja/strings.hpp"
#include "text/case.hpp"

namespace {

using namespace funkcja::literals;
using std::string;
using std::string_view;

const string kAddress("ul. Marszałkowska 142/15, 00-061 Warszawa, woj. mazowieckie, Polska"_cp);

// A 500-character invoice line description.
const string kDescription = [] {
  string s;
  while (s.size() < 500) {
    s += "Usługa księgowa za miesiąc, prowadzenie ksiąg rachunkowych, deklaracje VAT i PIT, "_cp;
  }
  s.resize(500);
  return s;
}();

// Replace every occurrence, scanning on after each replacement: the usual loop.
string std_replace_all(string text, string_view find, string_view replacement) {
  for (std::size_t at = text.find(find); at != string::npos;
       at = text.find(find, at + replacement.size())) {
    text.replace(at, find.size(), replacement);
  }
  return text;
}

// The replace loop as first written: search from the start after every replacement, rebuild.
string std_restart_replace(string text, string_view find, string_view replacement, int passes) {
  for (int i = 0; i < passes; ++i) {
    const std::size_t at = text.find(find);
    if (at == string::npos) break;
    text.replace(at, find.size(), replacement);
    if (text.size() > 5000) text.resize(5000);
  }
  return text;
}

// ---- Realistic texts -----------------------------------------------------------------------

void BM_StrReplace_Address(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::STR_REPLACE(kAddress, ", ", "; "));
}
void BM_Std_ReplaceAll_Address(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(std_replace_all(kAddress, ", ", "; "));
}
BENCHMARK(BM_StrReplace_Address);
BENCHMARK(BM_Std_ReplaceAll_Address);

void BM_StrReplace_Description(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(funkcja::STR_REPLACE(kDescription, "miesiąc"_cp, "kwartał"_cp));
  }
}
void BM_Std_ReplaceAll_Description(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(std_replace_all(kDescription, "miesiąc"_cp, "kwartał"_cp));
  }
}
BENCHMARK(BM_StrReplace_Description);
BENCHMARK(BM_Std_ReplaceAll_Description);

void BM_StrReplaceUpper_Description(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(funkcja::STR_REPLACEUPPER(kDescription, "USŁUGA"_cp, "Praca"));
  }
}
void BM_Std_UpperReplaceAll_Description(benchmark::State& state) {
  for (auto _ : state) {
    // Find in an upper-cased copy, replace in the text itself.
    const string upper = funkcja::text::upper(kDescription);
    const string_view find = "USŁUGA"_cp;
    string out;
    std::size_t from = 0;
    for (std::size_t at = upper.find(find); at != string::npos; at = upper.find(find, from)) {
      out.append(kDescription, from, at - from).append("Praca");
      from = at + find.size();
    }
    out.append(kDescription, from);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_StrReplaceUpper_Description);
BENCHMARK(BM_Std_UpperReplaceAll_Description);

void BM_LiczbaWystapien_Description(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::LICZBA_WYSTAPIEN("ks", kDescription));
}
void BM_Std_Count_Description(benchmark::State& state) {
  for (auto _ : state) {
    int n = 0;
    const string_view t = kDescription;
    for (std::size_t at = t.find("ks"); at != string_view::npos; at = t.find("ks", at + 2)) ++n;
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_LiczbaWystapien_Description);
BENCHMARK(BM_Std_Count_Description);

void BM_WytnijStr_Address(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::WYTNIJ_STR(kAddress, "3"));
}
void BM_Std_Field_Address(benchmark::State& state) {
  for (auto _ : state) {
    const string_view t = kAddress;
    std::size_t from = 0;
    for (int i = 1; i < 3; ++i) from = t.find(',', from) + 1;
    benchmark::DoNotOptimize(string(t.substr(from, t.find(',', from) - from)));
  }
}
BENCHMARK(BM_WytnijStr_Address);
BENCHMARK(BM_Std_Field_Address);

void BM_StringCut_Description(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::STRING_CUT(kDescription, 60, " "));
}
void BM_Std_CutAtBlank_Description(benchmark::State& state) {
  for (auto _ : state) {
    const string_view t = kDescription;
    benchmark::DoNotOptimize(string(t.substr(0, t.rfind(' ', 59) + 1)));
  }
}
BENCHMARK(BM_StringCut_Description);
BENCHMARK(BM_Std_CutAtBlank_Description);

void BM_StringGrupuj_Account(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(funkcja::STRING_GRUPUJ("61109010140000071219812874", 4, " "));
  }
}
void BM_Std_Group_Account(benchmark::State& state) {
  for (auto _ : state) {
    const string_view t = "61109010140000071219812874";
    string out;
    for (std::size_t i = 0; i < t.size(); i += 4) {
      if (i > 0) out += ' ';
      out += t.substr(i, 4);
    }
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_StringGrupuj_Account);
BENCHMARK(BM_Std_Group_Account);

// ---- Worst cases ---------------------------------------------------------------------------

// 2500 dots in 5000 characters: the loop stops at its limit of 1000 replacements.
const string kDots = [] {
  string s;
  while (s.size() < 5000) s += "x.";
  return s;
}();

void BM_StrReplace_LimitOn5000(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::STR_REPLACE(kDots, ".", ","));
}
void BM_Std_RestartReplace_LimitOn5000(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(std_restart_replace(kDots, ".", ",", 1000));
}
BENCHMARK(BM_StrReplace_LimitOn5000);
BENCHMARK(BM_Std_RestartReplace_LimitOn5000);

// A replacement that contains find: all 1000 passes hit the same place near the end of a full
// 5000-character text, and the text is cut at every pass.
const string kFull = string(4990, 'x') + "a" + string(9, 'y');

void BM_StrReplace_SelfFeedingOn5000(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::STR_REPLACE(kFull, "a", "ab"));
}
void BM_Std_RestartReplace_SelfFeedingOn5000(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(std_restart_replace(kFull, "a", "ab", 1000));
}
BENCHMARK(BM_StrReplace_SelfFeedingOn5000);
BENCHMARK(BM_Std_RestartReplace_SelfFeedingOn5000);

const string kLongDots = [] {
  string s;
  while (s.size() < 49'999) s += "a.";
  s.resize(49'999);
  return s;
}();

void BM_ReplaceProc2_On49999(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::REPLACEPROC2(kLongDots, ".", ".."));
}
void BM_Std_ReplaceAll_On49999(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(std_replace_all(kLongDots, ".", ".."));
}
BENCHMARK(BM_ReplaceProc2_On49999);
BENCHMARK(BM_Std_ReplaceAll_On49999);

// ---- Call overhead of a trivial procedure --------------------------------------------------

const string kOneChar = "x";

void BM_Odwroc_Cpp(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(funkcja::STRING_ODWROC(kOneChar));
}
void BM_Odwroc_CFunction(benchmark::State& state) {
  const fk_text text{kOneChar.data(), kOneChar.size()};
  for (auto _ : state) benchmark::DoNotOptimize(::STRING_ODWROC(text));
}
void BM_Odwroc_TableInvoke(benchmark::State& state) {
  const fk_procedure* procedure = funkcja_find_procedure("STRING_ODWROC");
  fk_value arg{};
  arg.kind = FK_TEXT;
  arg.as.text = {kOneChar.data(), kOneChar.size()};
  fk_value result{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(procedure->invoke(&arg, &result));
    benchmark::DoNotOptimize(result);
  }
}
void BM_Std_Reverse_OneChar(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(string(kOneChar.rbegin(), kOneChar.rend()));
}
BENCHMARK(BM_Odwroc_Cpp);
BENCHMARK(BM_Odwroc_CFunction);
BENCHMARK(BM_Odwroc_TableInvoke);
BENCHMARK(BM_Std_Reverse_OneChar);

}  // namespace

BENCHMARK_MAIN();
