// The text rules that every procedure follows.
//
// 1. Text is code page 1250 bytes.
// 2. Trailing blanks never make two texts differ; a text of blanks equals the empty text.
// 3. A fixed-length field pads with blanks or cuts; a terminated buffer of capacity n keeps
//    n - 1 characters (see TextBuffer).
// 4. To clip is to remove trailing blanks only; leading blanks stay unless a procedure says.
// 5. An int32 spliced into text is plain decimal with a leading "-" when negative.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace funkcja::text {

inline constexpr char kBlank = ' ';

// The text without its trailing blanks.
constexpr std::string_view clip(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && s[n - 1] == kBlank) --n;
  return s.substr(0, n);
}

// The text without its leading and trailing blanks.
constexpr std::string_view trim(std::string_view s) {
  s = clip(s);
  std::size_t i = 0;
  while (i < s.size() && s[i] == kBlank) ++i;
  return s.substr(i);
}

// At most the first `capacity` characters: a working buffer of fixed size.
constexpr std::string_view cut(std::string_view s, std::size_t capacity) {
  return s.substr(0, capacity < s.size() ? capacity : s.size());
}

// Clips, then cuts to a capacity: a clipped argument read into a fixed buffer. The text is cut
// first, as the buffer receives it, and clipped after.
constexpr std::string_view clip_to(std::string_view s, std::size_t capacity) {
  return clip(cut(s, capacity));
}

// Comparison as if the shorter text were padded with blanks.
constexpr bool same(std::string_view a, std::string_view b) {
  return clip(a) == clip(b);
}

// A one-character argument: the first character after clipping, or a blank when empty.
constexpr char one_char(std::string_view s) {
  s = clip(s);
  return s.empty() ? kBlank : s.front();
}

// The text in a fixed-length field: padded with blanks or cut to exactly `length`.
std::string fit_field(std::string_view s, std::size_t length);

// Plain decimal of an int32: "-" for negatives, no padding or grouping.
std::string int_text(std::int32_t value);

// Appends the text of an int32 to a statement or message under construction.
void append_int(std::string& out, std::int32_t value);

}  // namespace funkcja::text
