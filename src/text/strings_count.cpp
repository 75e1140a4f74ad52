// Counting and locating occurrences.
//
//   LICZBA_WYSTAPIEN("aa", "aaaa")               == 2   occurrences do not overlap
//   STR_POZYCJA_WYSTAPIENIA("ab", "xabyab", 2)   == 5
//   STR_WYSTAPIENIE_ZNAKU("a b c  ", "")         == 2   the inner blanks
#include <algorithm>
#include <cstddef>

#include "frame/text_rules.hpp"
#include "text/procedures.hpp"

namespace funkcja::text {
namespace {

constexpr std::size_t kSubstring = 100;
constexpr std::size_t kSearchedText = 500;
constexpr std::size_t kCharacterText = 3000;

// Walks the non-overlapping occurrences of the clipped substring in the clipped text: after a
// hit at p the search goes on at p + the substring's length. Calls visit(position) with the
// 0-based position of each hit until it returns false.
template <class Visit>
void each_occurrence(std::string_view substring, std::string_view text, Visit visit) {
  const std::string_view s = text::clip_to(substring, kSubstring);
  const std::string_view t = text::clip_to(text, kSearchedText);
  if (s.empty() || t.empty()) return;
  for (std::size_t at = t.find(s); at != std::string_view::npos; at = t.find(s, at + s.size())) {
    if (!visit(at)) return;
  }
}

}  // namespace

int32_t LICZBA_WYSTAPIEN(std::string_view substring, std::string_view text) {
  int32_t count = 0;
  each_occurrence(substring, text, [&](std::size_t) {
    ++count;
    return true;
  });
  return count;
}

int32_t STR_POZYCJA_WYSTAPIENIA(std::string_view substring, std::string_view text, int32_t n) {
  if (n <= 0) return 0;
  int32_t seen = 0;
  int32_t position = 0;
  each_occurrence(substring, text, [&](std::size_t at) {
    if (++seen < n) return true;
    position = static_cast<int32_t>(at) + 1;
    return false;
  });
  return position;
}

int32_t STR_WYSTAPIENIE_ZNAKU(std::string_view text, std::string_view character) {
  const std::string_view t = text::clip_to(text, kCharacterText);
  return static_cast<int32_t>(std::count(t.begin(), t.end(), text::one_char(character)));
}

}  // namespace funkcja::text
