// Cutting, grouping, reversing and repeating.
//
//   WYTNIJ_STR("a,b,,c", "4")                  == "c"
//   STRING_WYTNIJ_DO("12-34-56", "-", 2)       == "12-34"
//   STRING_CUT("Ala ma kota i psa", 10, " ")   == "Ala ma "
//   STRING_GRUPUJ("ABCDEFGHIJ", 4, "-")        == "ABCD-EFGH-IJ"
//   STR_REPLICATE("abc", 100)                  == 85 x "abc"
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "text/procedures.hpp"

namespace funkcja::text {
namespace {

constexpr auto npos = std::string_view::npos;

constexpr std::size_t kFieldText = 199;
constexpr std::size_t kCutBeforeText = 4000;
constexpr std::size_t kCutText = 500;
constexpr std::size_t kCutBlankReach = 14;
constexpr std::size_t kGroupText = 300;
constexpr std::size_t kGroupSeparator = 19;
constexpr std::size_t kReverseText = 2000;
constexpr std::size_t kReplicateText = 255;

constexpr char kCarriageReturn = '\r';

// A field number written as text: blanks around it, an optional "+", decimal digits and
// optionally a decimal point followed by zeros only ("3", " 03 ", "3.0"). Anything else -
// a sign "-", a fraction, letters, an empty text - gives 0, which selects no field. Values too
// large for any field give 0 as well.
std::int64_t field_number(std::string_view s) {
  const auto read = text::read_decimal(s);
  if (!read || read->negative || read->fraction.find_first_not_of('0') != npos) return 0;
  const auto number = text::to_units(*read, 0);
  return number ? *number : 0;
}

}  // namespace

// Field n is what lies between the (n-1)-th comma (or the start) and the n-th comma (or the end).
std::string WYTNIJ_STR(std::string_view text, std::string_view field) {
  const std::string_view t = text::cut(text::trim(text), kFieldText);
  const std::int64_t wanted = field_number(field);
  if (wanted <= 0) return {};
  std::size_t from = 0;
  for (std::int64_t commas = 1; commas < wanted; ++commas) {
    from = t.find(',', from);
    if (from == npos) return {};
    ++from;
  }
  return std::string(t.substr(from, t.find(',', from) - from));
}

std::string STRING_WYTNIJ_DO(std::string_view text, std::string_view character, int32_t n) {
  const std::string_view t = text::cut(text, kCutBeforeText);
  const char c = character.empty() ? text::kBlank : character.front();
  const int32_t wanted = std::max<int32_t>(n, 1);
  std::size_t at = npos;
  for (int32_t seen = 0; seen < wanted; ++seen) {
    at = t.find(c, at == npos ? 0 : at + 1);
    if (at == npos) return std::string(t);
  }
  return std::string(t.substr(0, at));
}

std::string STRING_CUT(std::string_view text, int32_t width, std::string_view delimiter) {
  const std::string_view t = text::clip_to(text, kCutText);
  const char d = text::one_char(delimiter);
  if (width <= 0) return {};
  const auto n = static_cast<std::size_t>(width);
  // A carriage return as delimiter cuts after the first one from position 2 on.
  const auto first_line = [&]() -> std::size_t {
    if (d != kCarriageReturn) return npos;
    const std::size_t at = t.find(kCarriageReturn, 1);
    return at == npos ? npos : at + 1;
  };

  if (t.size() <= n) {
    const std::size_t line = first_line();
    return std::string(line == npos ? t : t.substr(0, line));
  }
  if (const std::size_t first = t.find(d); first != npos && first < n) {
    if (const std::size_t line = first_line(); line != npos) return std::string(t.substr(0, line));
    return std::string(t.substr(0, t.rfind(d, n - 1) + 1));
  }
  // No delimiter within the width: cut after the last blank when fewer than 14 characters
  // follow it. Without a blank the count is the width itself, so below 14 nothing is kept.
  const std::string_view head = t.substr(0, n);
  const std::size_t blank = head.rfind(text::kBlank);
  const std::size_t keep = blank == npos ? 0 : blank + 1;
  return std::string(n - keep < kCutBlankReach ? head.substr(0, keep) : head);
}

std::string STRING_GRUPUJ(std::string_view text, int32_t size, std::string_view separator) {
  const std::string_view t = text::clip_to(text, kGroupText);
  std::string_view sep = text::clip_to(separator, kGroupSeparator);
  if (sep.empty()) sep = " ";
  if (size <= 0) return std::string(t);
  const auto group = static_cast<std::size_t>(size);
  std::string out;
  out.reserve(kGroupText);
  std::size_t count = 0;
  for (std::size_t i = 0; i < t.size() && out.size() < kGroupText; ++i) {
    out.push_back(t[i]);
    if (++count < group) continue;
    count = 0;
    if (i + 1 == t.size()) break;
    // The result ends with a character of the text, never with a separator that the capacity
    // would leave without a character behind it.
    if (out.size() + sep.size() >= kGroupText) break;
    out.append(sep);
  }
  return out;
}

std::string STRING_ODWROC(std::string_view text) {
  const std::string_view t = text::cut(text, kReverseText);
  return std::string(t.rbegin(), t.rend());
}

std::string STR_REPLICATE(std::string_view text, int32_t count) {
  const std::string_view t = text::clip(text);
  if (t.empty() || count <= 0) return {};
  const std::size_t copies =
      std::min<std::size_t>(static_cast<std::size_t>(count), kReplicateText / t.size());
  std::string out;
  out.reserve(copies * t.size());
  for (std::size_t i = 0; i < copies; ++i) out.append(t);
  return out;
}

}  // namespace funkcja::text
