// The character filters on texts of growing length, each beside a plain standard-library loop
// that does the same filtering character by character (push_back, a search in the set of
// characters). Bytes per second staying flat as the length grows shows the walk is linear.
//
// WYTNIJ_PREFIX on record filters of growing length up to its 3000-character buffer, beside
// the same three steps written plainly with std::string (reverse, walk, reverse; find and erase
// on an upper-case copy; find and replace from the start for every INSTRING).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "funkcja/filter_rewrite.hpp"
#include "funkcja/filters.hpp"

namespace {

using namespace funkcja::literals;

// Invoice-like text with digits, blanks, punctuation, line breaks and Polish letters.
std::string sample(std::size_t length) {
  constexpr std::string_view line =
      "Poz. 12: Usługa księgowa za 05/2026, netto 1 234,50 zł; VAT 23% = 283,94 zł.\r\n"
      "\tKonto: PL 61 1090 1014 0000 0712 1981 2874 * Zażółć gęślą jaźń? \"ŁÓDŹ\" <a|b>\r\n"_cp;
  std::string s;
  while (s.size() < length) s.append(line);
  s.resize(length);
  return s;
}

using Filter = std::string (*)(std::string_view);

struct Peer {
  bool clip;
  std::size_t capacity;
  std::string_view keep_only;  // when not empty: only these characters stay
  std::string_view drop;       // these characters go
  std::string_view from, to;   // each character of `from` becomes the one in `to`
};

// The filtering as one would first write it with the standard library.
std::string peer_filter(const Peer& p, std::string_view text) {
  if (p.clip) text = funkcja::text::clip(text);
  std::string out;
  for (const char c : text) {
    if (!p.keep_only.empty() && p.keep_only.find(c) == std::string_view::npos) continue;
    if (p.drop.find(c) != std::string_view::npos) continue;
    const auto at = p.from.find(c);
    out.push_back(at == std::string_view::npos ? c : p.to[at]);
    if (out.size() == p.capacity) break;
  }
  return out;
}

constexpr std::string_view kDigits = "0123456789";

void run_filter(benchmark::State& state, Filter filter) {
  const std::string text = sample(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::string out = filter(text);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(state.range(0));
}

void run_peer(benchmark::State& state, Peer peer) {
  const std::string text = sample(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::string out = peer_filter(peer, text);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(state.range(0));
}

void register_pair(const char* name, Filter filter, const Peer& peer, std::int64_t longest) {
  benchmark::RegisterBenchmark(name, run_filter, filter)
      ->RangeMultiplier(8)
      ->Range(64, longest)
      ->Complexity(benchmark::oN);
  benchmark::RegisterBenchmark((std::string(name) + "/std_loop").c_str(), run_peer, peer)
      ->RangeMultiplier(8)
      ->Range(64, longest)
      ->Complexity(benchmark::oN);
}

// A record filter of whole clauses with table prefixes, a time, SQL( wrappers and INSTRING
// calls, padded to the length with a field name.
std::string record_filter(std::size_t length) {
  constexpr std::string_view clause =
      "ZAP:KOD = 5 AND (ZAP:DATA > 10:30) AND INSTRING('AB',UPPER(ZAP:NAZWA),1,1) <> 0 AND "
      "sql(ZAP:ID in (1,2)) OR ";
  std::string s;
  while (s.size() + clause.size() <= length) s.append(clause);
  s.append(length - s.size(), 'x');
  return s;
}

std::string plain_wytnij_prefix(std::string_view filter) {
  std::string text(funkcja::text::trim(filter).substr(0, 3000));
  const std::string reversed(text.rbegin(), text.rend());
  std::string walked;
  bool in_prefix = false;
  for (std::size_t i = 0; i < reversed.size(); ++i) {
    const char c = reversed[i];
    if (c == ':' && !(i >= 2 && std::isdigit(static_cast<unsigned char>(reversed[i - 1])) &&
                      std::isdigit(static_cast<unsigned char>(reversed[i - 2])))) {
      in_prefix = true;
      continue;
    }
    if (c == ' ' || c == '(' || c == ')' || c == ',') in_prefix = false;
    if (!in_prefix) walked.push_back(c);
  }
  text.assign(walked.rbegin(), walked.rend());
  for (int n = 0; n < 10; ++n) {
    std::string upper = text;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::size_t at = upper.find("SQL(");
    if (at == std::string::npos) break;
    text.erase(at, 3);
  }
  for (;;) {
    const std::size_t p = text.find("INSTRING");
    if (p == std::string::npos) break;
    const std::size_t quote = text.find('\'', p + 10);
    const std::size_t comma = text.find(',', quote + 1);
    const std::size_t q = text.find(',', comma + 1);
    if (quote == std::string::npos || comma == std::string::npos || q == std::string::npos) break;
    const std::string first = text.substr(p + 10, quote - p - 10);
    const std::string second = text.substr(comma + 1, q - comma - 1);
    text.replace(p, q + 10 - p, second + " like '%'+'" + first + "'+'%'");
  }
  return text;
}

void run_rewrite(benchmark::State& state, Filter rewrite) {
  const std::string filter = record_filter(static_cast<std::size_t>(state.range(0)));
  if (rewrite(filter) != funkcja::WYTNIJ_PREFIX(filter)) state.SkipWithError("results differ");
  for (auto _ : state) {
    std::string out = rewrite(filter);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * filter.size()));
  state.SetComplexityN(state.range(0));
}

void register_rewrite(const char* name, Filter rewrite) {
  benchmark::RegisterBenchmark(name, run_rewrite, rewrite)
      ->RangeMultiplier(2)
      ->Range(64, 3000)
      ->Complexity(benchmark::oN);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view polish = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_cp;
  // Filters that drop most characters walk the whole text; those that keep most stop when
  // their result is full, so they are measured up to about their capacity.
  register_pair("TYLKO_CYFRY", funkcja::TYLKO_CYFRY, {true, 2000, kDigits, {}, {}, {}}, 1 << 15);
  register_pair("OPUSC_ALFANUMERYCZNE", funkcja::OPUSC_ALFANUMERYCZNE,
                {true, 254, kDigits, {}, {}, {}}, 1 << 12);
  register_pair("OPUSC_ALFANUMERYCZNE_SOFT", funkcja::OPUSC_ALFANUMERYCZNE_SOFT,
                {true, 254, "0123456789-.,", {}, {}, {}}, 1 << 12);
  register_pair("TYLKO_KWOTY", funkcja::TYLKO_KWOTY, {true, 2000, "0123456789 ,.-+", {}, {}, {}},
                1 << 12);
  register_pair("OPUSC_SPACE", funkcja::OPUSC_SPACE, {true, 1000, {}, " ", {}, {}}, 1 << 9);
  register_pair("CLEARFORFILENAME", funkcja::CLEARFORFILENAME,
                {false, 200, {}, "*/\\:?\"<>|", {}, {}}, 1 << 9);
  register_pair("USUN_ZNAKI_STERUJACE", funkcja::USUN_ZNAKI_STERUJACE,
                {false, 4000, {}, "\r\n", {}, {}}, 1 << 12);
  static const std::string controls = [] {
    std::string s;
    for (int b = 0; b < 0x20; ++b) {
      if (b != '\r' && b != '\n') s.push_back(static_cast<char>(b));
    }
    return s + "\x7F\x81";
  }();
  static const std::string blanks(controls.size(), ' ');
  register_pair("USUN_ZNAKI_NIEDRUKOWALNE", funkcja::USUN_ZNAKI_NIEDRUKOWALNE,
                {false, 4000, {}, {}, controls, blanks}, 1 << 12);
  register_pair("BEZPL", funkcja::BEZPL, {true, 500, {}, {}, polish, "acelnoszzACELNOSZZ"}, 1 << 9);
  register_pair("USUN_POLSKIE_ZNAKI", funkcja::USUN_POLSKIE_ZNAKI,
                {true, 3999, {}, {}, polish, "acelnoszzacelnoszz"}, 1 << 12);
  register_rewrite("WYTNIJ_PREFIX", funkcja::WYTNIJ_PREFIX);
  register_rewrite("WYTNIJ_PREFIX/std_string", plain_wytnij_prefix);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
