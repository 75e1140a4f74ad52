// The fast replace loops against plain references that do literally what the procedures
// describe, over many seeded random inputs.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "funkcja/strings.hpp"
#include "text/case.hpp"
#include "text/rewrite.hpp"

namespace funkcja::text {
namespace {

using namespace funkcja::literals;
using std::string;
using std::string_view;

constexpr string_view kMarker = "@@##@@$$";

// Search from position 1 in every pass, rebuild the whole text, cut it to the capacity. The
// upper-case copy that a case-blind search compares is rebuilt alongside.
string literal_replace(string_view text, string_view find, string_view replacement,
                       std::size_t capacity, std::size_t passes, Match match) {
  const bool blind = match == Match::ignore_case;
  string t(cut(text, capacity));
  string hay = blind ? upper(t) : t;
  const string needle = blind ? upper(find) : string(find);
  const string hay_replacement = blind ? upper(replacement) : string(replacement);
  for (std::size_t i = 0; i < passes; ++i) {
    const std::size_t at = hay.find(needle);
    if (at == string::npos) break;
    t.replace(at, find.size(), replacement);
    hay.replace(at, find.size(), hay_replacement);
    if (t.size() > capacity) {
      t.resize(capacity);
      hay.resize(capacity);
    }
  }
  return t;
}

string literal_str_replace(string_view text, string_view find, string_view replacement,
                           Match match) {
  const string_view t = clip_to(text, 5000);
  const string_view f = clip_to(find, 100);
  const string_view r = clip_to(replacement, 100);
  if (f.empty() || f == r) return string(t);
  return literal_replace(t, f, r, 5000, 1000, match);
}

// Every occurrence of find, or failing that of the marker, replaced once, left to right,
// comparing at every position.
string single_pass_proc2(string_view text, string_view find, string_view replacement) {
  const string_view t = cut(text, 49'999);
  if (find.empty()) return string(t);
  string out;
  for (std::size_t i = 0; i < t.size();) {
    if (t.substr(i, find.size()) == find) {
      out += replacement;
      i += find.size();
    } else if (t.substr(i, kMarker.size()) == kMarker) {
      out += replacement;
      i += kMarker.size();
    } else {
      out += t[i++];
    }
  }
  return string(cut(out, 49'999));
}

class Random {
 public:
  explicit Random(unsigned seed) : engine_(seed) {}

  std::size_t below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_);
  }
  bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }

  string text(std::size_t length, string_view alphabet) {
    string s;
    for (std::size_t i = 0; i < length; ++i) s += alphabet[below(alphabet.size())];
    return s;
  }

  // A replacement that often contains find, so that the loop feeds on itself.
  string replacement(string_view find, std::size_t max_extra, string_view alphabet) {
    if (chance(15)) return {};
    if (chance(40)) {
      return text(below(max_extra / 2 + 1), alphabet) + string(find) +
             text(below(max_extra / 2 + 1), alphabet);
    }
    return text(below(max_extra + 1), alphabet);
  }

 private:
  std::mt19937 engine_;
};

TEST(ReplaceLoop, MatchesTheLiteralLoopAtSmallCapacities) {
  Random rnd(20240611);
  for (int round = 0; round < 30'000; ++round) {
    const std::size_t capacity = 1 + rnd.below(40);
    const std::size_t passes = rnd.below(60);
    const Match match = rnd.chance(50) ? Match::exact : Match::ignore_case;
    const string_view alphabet = match == Match::exact ? "aab" : "aAbąĄ"_cp;
    const string text = rnd.text(rnd.below(capacity + 6), alphabet);
    const string find = rnd.text(1 + rnd.below(4), alphabet);
    const string replacement = rnd.replacement(find, 6, alphabet);
    ASSERT_EQ(replace_first_repeatedly(text, find, replacement, capacity, passes, match),
              literal_replace(text, find, replacement, capacity, passes, match))
        << "text=" << text << " find=" << find << " replacement=" << replacement
        << " capacity=" << capacity << " passes=" << passes;
  }
}

TEST(ReplaceLoop, ProceduresMatchTheLiteralLoop) {
  Random rnd(7);
  for (int round = 0; round < 2000; ++round) {
    const Match match = round % 2 == 0 ? Match::exact : Match::ignore_case;
    const string_view alphabet = match == Match::exact ? "ab " : "aAbłŁżŻ "_cp;
    const string_view filler = match == Match::exact ? "xxxxxxxxxxxxxxab " : "xxxxxxxxxxaAł "_cp;
    // Every 100th text runs across the capacity: mostly filler, a few hits, trailing blanks.
    const string text = round % 100 == 0 ? rnd.text(4990 + rnd.below(20), filler) + "  "
                                         : rnd.text(rnd.below(30), alphabet);
    const string find = rnd.text(1 + rnd.below(3), alphabet);
    const string replacement = rnd.replacement(find, 4, alphabet);
    const string got = match == Match::exact ? STR_REPLACE(text, find, replacement)
                                             : STR_REPLACEUPPER(text, find, replacement);
    ASSERT_EQ(got, literal_str_replace(text, find, replacement, match))
        << "text=" << text << " find=" << find << " replacement=" << replacement;
  }
}

// A text of filler, marker pieces and whole markers.
string proc2_text(Random& rnd, string_view alphabet) {
  string text;
  const std::size_t pieces = rnd.below(8);
  for (std::size_t i = 0; i < pieces; ++i) {
    text += rnd.chance(25) ? string(kMarker) : rnd.text(rnd.below(5), alphabet);
  }
  return text;
}

TEST(ReplaceProc2, ReplacesEachOccurrenceOnceWhateverTheArguments) {
  Random rnd(19);
  for (int round = 0; round < 20'000; ++round) {
    const string text = proc2_text(rnd, "a.@#$");
    // Pieces of the marker from either end, or anything short.
    string find = rnd.text(rnd.below(4), "a.@#$");
    if (rnd.chance(15)) find = kMarker.substr(rnd.below(8));
    if (rnd.chance(15)) find = kMarker.substr(0, 1 + rnd.below(8));
    const string replacement = rnd.text(rnd.below(10), "a.@#$");
    ASSERT_EQ(REPLACEPROC2(text, find, replacement), single_pass_proc2(text, find, replacement))
        << "text=" << text << " find=" << find << " replacement=" << replacement;
  }
}

}  // namespace
}  // namespace funkcja::text
