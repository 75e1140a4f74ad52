#include "exchange/export_cells.hpp"

#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "text/picture.hpp"

namespace funkcja::exchange {
namespace {

char ascii_upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// The decimals of a comma picture: a grave accent followed by 8, 4, 3 or 2, looked for in that
// order; 0 when there is none.
int comma_places(std::string_view picture) {
  for (const char places : {'8', '4', '3', '2'}) {
    const char piece[] = {'`', places};
    if (picture.find(std::string_view(piece, 2)) != std::string_view::npos) return places - '0';
  }
  return 0;
}

std::int32_t as_day(const text::DecimalDigits& number) {
  const auto units = text::to_units(number, 0);
  if (!units || *units < INT32_MIN || *units > INT32_MAX) return 0;
  return static_cast<std::int32_t>(*units);
}

std::string without_blanks(std::string_view s) {
  std::string out;
  for (const char c : s) {
    if (c != ' ') out += c;
  }
  return out;
}

}  // namespace

bool contains_nocase(std::string_view text, std::string_view piece) {
  if (piece.size() > text.size()) return false;
  for (std::size_t i = 0; i + piece.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < piece.size() && ascii_upper(text[i + k]) == ascii_upper(piece[k])) ++k;
    if (k == piece.size()) return true;
  }
  return false;
}

std::string list_cell(std::string_view value, std::string_view picture,
                      std::string_view date_format) {
  const std::string_view clipped = text::clip(value);
  if (const auto number = text::read_decimal(clipped)) {
    std::string out = text::picture_whole(*number);
    if (contains_nocase(picture, "D17") || contains_nocase(picture, "D6-")) {
      out = text::picture_date(as_day(*number), date_format);
    }
    if (const int places = comma_places(picture); places > 0) {
      out = text::picture_grouped(*number, places, text::DecimalMark::kComma);
    }
    if (contains_nocase(picture, "@S")) out.assign(value);
    return out;
  }
  const auto comma = clipped.find(',');
  if (clipped.size() < 2 || !is_digit(clipped[1]) || comma == std::string_view::npos) {
    return std::string(value);
  }
  const std::size_t decimals = clipped.size() - comma - 1;
  std::string out(clipped);
  if (decimals == 2 || decimals == 4) {
    if (const auto plus = out.find('+'); plus != std::string::npos) out.erase(plus, 1);
    out = without_blanks(out);
    out[out.find(',')] = '.';
    // A text that still is no number (12,5x) is kept as it is rather than turned into 0.
    const auto number = text::read_decimal(out);
    if (!number) return std::string(value);
    return text::picture_grouped(*number, static_cast<int>(decimals), text::DecimalMark::kComma);
  }
  out[comma] = '.';
  return out;
}

std::string queue_cell(std::string_view field, std::string_view picture, QueueStyle style,
                       std::string_view date_format) {
  const std::string_view text = text::clip(field);
  const text::DecimalDigits number = text::picture_number(text);
  std::string out(text);
  if (contains_nocase(picture, "@D")) {
    out = text.empty() || text == "0" ? std::string()
                                      : text::picture_date(as_day(number), date_format);
  }
  if (contains_nocase(picture, "@N") && text == "x") return {};
  if (picture.find("@N") != std::string_view::npos) out = text::picture_whole(number);
  if (const int places = comma_places(picture); places > 0) {
    if (style == QueueStyle::kSpecial) {
      out = text::picture_grouped(number, places, text::DecimalMark::kPeriod);
      if (places == 2) out = without_blanks(out);
    } else {
      out = text::picture_grouped(number, places, text::DecimalMark::kComma);
    }
  }
  if (picture.find("@S") != std::string_view::npos) out.assign(text);
  if (contains_nocase(picture, "@NB") && text::to_units(number, 8).optional().value_or(1) == 0)
    out.clear();
  return out;
}

std::string quoted_cell(std::string_view text, char quote) {
  const std::string_view clipped = text::clip(text);
  std::string out;
  out.reserve(clipped.size() + 2);
  if (quote != ' ') out += quote;
  for (const char c : clipped) out += (c == quote && quote != ' ') ? kQuoteStandIn : c;
  if (quote != ' ') out += quote;
  return out;
}

}  // namespace funkcja::exchange
