#include "frame/text_rules.hpp"

#include <charconv>

namespace funkcja::text {

std::string fit_field(std::string_view s, std::size_t length) {
  std::string field(cut(s, length));
  field.resize(length, kBlank);
  return field;
}

void append_int(std::string& out, std::int32_t value) {
  char digits[16];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  (void)ec;  // 16 characters always hold an int32
  out.append(digits, end);
}

std::string int_text(std::int32_t value) {
  std::string out;
  append_int(out, value);
  return out;
}

}  // namespace funkcja::text
