// Replacing substrings and characters.
//
//   STR_REPLACE("aXbXc", "X", "YY")      == "aYYbYYc"   every occurrence
//   ZAMIEN_WYRAZENIE("aXbXc", "X", "YY") == "aYYbXc"    the first one only
//   STR_REPLACE("a", "a", "ab")          == "a" + 1000 x "b"   replacements are searched again
//   REPLACEPROC2("a.b.c", ".", "..")     == "a..b..c"   replacements are not searched again
//   ZAMIEN_ZNAKI("a*b?")                 == "a%b_"
#include <algorithm>
#include <cstddef>

#include "frame/text_rules.hpp"
#include "text/procedures.hpp"
#include "text/rewrite.hpp"

namespace funkcja::text {
namespace {

constexpr std::size_t kReplaceText = 5000;
constexpr std::size_t kReplaceArgument = 100;
constexpr std::size_t kReplacePasses = 1000;
constexpr std::size_t kExpressionText = 4000;
constexpr std::size_t kReplaceAllText = 49'999;
constexpr std::size_t kCharacterText = 4000;
constexpr std::size_t kCharacterReplacement = 2;
constexpr std::size_t kMaskText = 200;
constexpr std::size_t kApostropheText = 1000;

// Earlier versions of REPLACEPROC2 parked every occurrence of find under this text before
// putting the replacements in, so a copy of it already in the input came out replaced as well.
// Callers may rely on that, so it still does.
constexpr std::string_view kMarker = "@@##@@$$";

// Appends as much of `piece` as fits in `capacity`.
void append_capped(std::string& out, std::string_view piece, std::size_t capacity) {
  out.append(text::cut(piece, capacity - std::min(capacity, out.size())));
}

std::string replace_all(std::string_view text, std::string_view find, std::string_view replacement,
                        text::Match match) {
  const std::string_view t = text::clip_to(text, kReplaceText);
  const std::string_view f = text::clip_to(find, kReplaceArgument);
  const std::string_view r = text::clip_to(replacement, kReplaceArgument);
  if (f.empty() || f == r) return std::string(t);
  return text::replace_first_repeatedly(t, f, r, kReplaceText, kReplacePasses, match);
}

}  // namespace

std::string STR_REPLACE(std::string_view text, std::string_view find,
                        std::string_view replacement) {
  return replace_all(text, find, replacement, text::Match::exact);
}

std::string STR_REPLACEUPPER(std::string_view text, std::string_view find,
                             std::string_view replacement) {
  return replace_all(text, find, replacement, text::Match::ignore_case);
}

std::string TG_REPLACE(std::string_view text, std::string_view find, std::string_view replacement) {
  return STR_REPLACE(text, find, replacement);
}

std::string ZAMIEN_WYRAZENIE(std::string_view text, std::string_view find,
                             std::string_view replacement) {
  const std::string_view t = text::clip_to(text, kExpressionText);
  const std::string_view f = text::clip_to(find, kReplaceArgument);
  const std::string_view r = text::clip_to(replacement, kReplaceArgument);
  const std::size_t at = f.empty() || f == r ? std::string_view::npos : t.find(f);
  if (at == std::string_view::npos) return std::string(t);
  std::string out(t.substr(0, at));
  append_capped(out, r, kExpressionText);
  append_capped(out, t.substr(at + f.size()), kExpressionText);
  return out;
}

std::string REPLACEPROC(std::string_view text, std::string_view find,
                        std::string_view replacement) {
  const std::size_t at = find.empty() ? std::string_view::npos : text.find(find);
  if (at == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size() - find.size() + replacement.size());
  out.append(text.substr(0, at)).append(replacement).append(text.substr(at + find.size()));
  return out;
}

// One pass from left to right: at each position an occurrence of find, or failing that of the
// marker, is replaced and the scan goes on behind it; everything else is copied.
std::string REPLACEPROC2(std::string_view text, std::string_view find,
                         std::string_view replacement) {
  constexpr auto npos = std::string_view::npos;
  text = text::cut(text, kReplaceAllText);
  if (find.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  std::size_t next_find = text.find(find);
  std::size_t next_marker = text.find(kMarker);
  while (out.size() < kReplaceAllText) {
    // A hit that the scan has passed is looked up again from the scan position.
    if (next_find != npos && next_find < from) next_find = text.find(find, from);
    if (next_marker != npos && next_marker < from) next_marker = text.find(kMarker, from);
    const std::size_t at = std::min(next_find, next_marker);
    if (at == npos) {
      append_capped(out, text.substr(from), kReplaceAllText);
      break;
    }
    append_capped(out, text.substr(from, at - from), kReplaceAllText);
    append_capped(out, replacement, kReplaceAllText);
    from = at + (at == next_find ? find.size() : kMarker.size());
  }
  return out;
}

std::string ZAMIEN_ZNAK(std::string_view text, std::string_view character,
                        std::string_view replacement) {
  const std::string_view t = text::clip_to(text, kCharacterText);
  const char c = text::one_char(character);
  const std::string_view r = text::clip_to(replacement, kCharacterReplacement);
  std::string out;
  out.reserve(t.size());
  for (const char x : t) {
    if (out.size() >= kCharacterText) break;
    if (x == c) {
      append_capped(out, r, kCharacterText);
    } else {
      out.push_back(x);
    }
  }
  return out;
}

std::string ZAMIEN_ZNAKI(std::string_view mask) {
  std::string out(text::cut(mask, kMaskText));
  for (char& c : out) {
    if (c == '*')
      c = '%';
    else if (c == '?')
      c = '_';
  }
  return out;
}

std::string ZAMIEN_SKOBKI(std::string_view text, std::string_view replacement) {
  std::string out(text::clip_to(text, kApostropheText));
  const char r = text::one_char(replacement);
  std::replace(out.begin(), out.end(), '\'', r);
  return out;
}

}  // namespace funkcja::text
