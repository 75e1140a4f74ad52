#include "host/sqlite/functions.hpp"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

#include "calendar/standard_date.hpp"
#include "host/sqlite/polish.hpp"

namespace funkcja::sqlite {
namespace {

constexpr std::int64_t kDayMillis = 86'400'000;
constexpr std::size_t kLongestText = 1'000'000;  // cap for texts that functions build

// ---- value access ----

bool is_null(sqlite3_value* v) {
  return sqlite3_value_type(v) == SQLITE_NULL;
}

bool any_null(int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i) {
    if (is_null(argv[i])) return true;
  }
  return false;
}

// A value as code page 1250 text (numbers in their text form).
std::string cp_text(sqlite3_value* v) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  const int n = sqlite3_value_bytes(v);
  return p != nullptr ? utf8_to_cp(std::string_view(p, static_cast<std::size_t>(n)))
                      : std::string();
}

std::string_view utf8_view(sqlite3_value* v) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  const int n = sqlite3_value_bytes(v);
  return p != nullptr ? std::string_view(p, static_cast<std::size_t>(n)) : std::string_view();
}

void result_cp(sqlite3_context* ctx, std::string_view cp1250) {
  const std::string utf8 = cp_to_utf8(cp1250);
  sqlite3_result_text(ctx, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void result_utf8(sqlite3_context* ctx, std::string_view utf8) {
  sqlite3_result_text(ctx, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void fail(sqlite3_context* ctx, const std::string& message_utf8) {
  sqlite3_result_error(ctx, message_utf8.c_str(), static_cast<int>(message_utf8.size()));
}

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::optional<std::int64_t> parse_int(std::string_view s) {
  s = trim_blanks(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return 0;  // the server reads an empty text as 0
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<double> parse_real(std::string_view s) {
  s = trim_blanks(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return 0.0;
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::string conversion_message(sqlite3_value* v, const char* type) {
  return std::string("Conversion failed when converting the value '") + std::string(utf8_view(v)) +
         "' to data type " + type + ".";
}

std::int64_t int_arg(sqlite3_value* v) {
  return sqlite3_value_int64(v);
}

// ---- dates ----

std::optional<DateTime> value_datetime(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      return datetime_from_days(sqlite3_value_double(v));
    case SQLITE_TEXT:
      return parse_datetime(utf8_view(v));
    default:
      return std::nullopt;
  }
}

// ---- collation and LIKE ----

int collate_pl(void*, int n1, const void* p1, int n2, const void* p2) {
  return compare_utf8(std::string_view(static_cast<const char*>(p1), static_cast<std::size_t>(n1)),
                      std::string_view(static_cast<const char*>(p2), static_cast<std::size_t>(n2)));
}

void fn_like(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  int escape = -1;
  if (argc == 3) {
    const std::string e = cp_text(argv[2]);
    if (e.size() != 1) return fail(ctx, "The escape character must be one character.");
    escape = static_cast<unsigned char>(e[0]);
  }
  sqlite3_result_int(ctx, like_match(cp_text(argv[0]), cp_text(argv[1]), escape) ? 1 : 0);
}

// ---- functions ----

void fn_add(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (any_null(2, argv)) return sqlite3_result_null(ctx);
  const int ta = sqlite3_value_type(argv[0]);
  const int tb = sqlite3_value_type(argv[1]);
  const bool text_a = ta == SQLITE_TEXT || ta == SQLITE_BLOB;
  const bool text_b = tb == SQLITE_TEXT || tb == SQLITE_BLOB;
  if (text_a && text_b) {
    std::string joined(utf8_view(argv[0]));
    joined += utf8_view(argv[1]);
    return result_utf8(ctx, joined);
  }
  // A number meets a text: the text must read as a number, as on the server.
  double values[2];
  bool whole = true;
  for (int i = 0; i < 2; ++i) {
    const int t = sqlite3_value_type(argv[i]);
    if (t == SQLITE_INTEGER) {
      values[i] = static_cast<double>(sqlite3_value_int64(argv[i]));
    } else if (t == SQLITE_FLOAT) {
      values[i] = sqlite3_value_double(argv[i]);
      whole = false;
    } else {
      const std::string_view s = utf8_view(argv[i]);
      if (const auto n = parse_int(s)) {
        values[i] = static_cast<double>(*n);
      } else if (const auto r = parse_real(s)) {
        values[i] = *r;
        whole = false;
      } else {
        return fail(ctx, conversion_message(argv[i], "int"));
      }
    }
  }
  const double sum = values[0] + values[1];
  if (whole && std::fabs(sum) < 9e15)
    return sqlite3_result_int64(ctx, static_cast<std::int64_t>(sum));
  sqlite3_result_double(ctx, sum);
}

void fn_datetime(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  const auto dt = value_datetime(argv[0]);
  if (!dt)
    return fail(ctx, "Conversion failed when converting date and/or time from character string.");
  result_utf8(ctx, format_datetime(*dt));
}

std::string two(std::int64_t v) {
  char b[24];
  std::snprintf(b, sizeof b, "%02lld", static_cast<long long>(v));
  return b;
}

// The server's date styles that the library uses.
std::optional<std::string> styled(const DateTime& dt, std::int64_t style) {
  const auto c = date::to_civil(dt.day);
  if (!c) return std::nullopt;
  char ymd[24];
  std::snprintf(ymd, sizeof ymd, "%04d", c->year);
  const std::string y = ymd, m = two(c->month), d = two(c->day);
  const std::int64_t ms = dt.millis;
  const std::string hh = two(ms / 3'600'000), mi = two(ms / 60'000 % 60), ss = two(ms / 1000 % 60);
  char mmm[8];
  std::snprintf(mmm, sizeof mmm, "%03lld", static_cast<long long>(ms % 1000));
  switch (style) {
    case 102:
      return y + "." + m + "." + d;
    case 103:
      return d + "/" + m + "/" + y;
    case 104:
      return d + "." + m + "." + y;
    case 105:
      return d + "-" + m + "-" + y;
    case 108:
    case 8:
      return hh + ":" + mi + ":" + ss;
    case 112:
      return y + m + d;
    case 114:
    case 14:
      return hh + ":" + mi + ":" + ss + ":" + mmm;
    case 120:
    case 20:
      return y + "-" + m + "-" + d + " " + hh + ":" + mi + ":" + ss;
    case 121:
    case 21:
      return format_datetime(dt);
    case 23:
      return y + "-" + m + "-" + d;
    default:
      return std::nullopt;
  }
}

// tsql_varchar(value, size, style, pad): convert(varchar(size), value[, style]); pad: char(n).
void fn_varchar(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  const std::int64_t size = int_arg(argv[1]);
  std::string text;
  if (!is_null(argv[2])) {
    const std::int64_t style = int_arg(argv[2]);
    const auto dt = value_datetime(argv[0]);
    std::optional<std::string> s;
    if (dt) s = styled(*dt, style);
    if (!s && style != 0) {
      if (dt) return fail(ctx, "The style " + std::to_string(style) + " is not supported.");
      text = cp_text(argv[0]);
    } else if (s) {
      text = *s;
    } else {
      text = cp_text(argv[0]);
    }
  } else {
    text = cp_text(argv[0]);
  }
  if (size > 0) {
    const auto n = static_cast<std::size_t>(size);
    if (text.size() > n) text.resize(n);
    if (int_arg(argv[3]) != 0 && text.size() < n) text.append(n - text.size(), ' ');
  }
  result_cp(ctx, text);
}

void fn_int(sqlite3_context* ctx, int, sqlite3_value** argv) {
  switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
      return sqlite3_result_null(ctx);
    case SQLITE_INTEGER:
      return sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
    case SQLITE_FLOAT:
      return sqlite3_result_int64(
          ctx, static_cast<std::int64_t>(std::trunc(sqlite3_value_double(argv[0]))));
    default:
      if (const auto v = parse_int(utf8_view(argv[0]))) return sqlite3_result_int64(ctx, *v);
      return fail(ctx, conversion_message(argv[0], "int"));
  }
}

void fn_number(sqlite3_context* ctx, int, sqlite3_value** argv) {
  switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
      return sqlite3_result_null(ctx);
    case SQLITE_INTEGER:
      return sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
    case SQLITE_FLOAT:
      return sqlite3_result_double(ctx, sqlite3_value_double(argv[0]));
    default:
      if (const auto v = parse_real(utf8_view(argv[0]))) return sqlite3_result_double(ctx, *v);
      return fail(ctx, conversion_message(argv[0], "numeric"));
  }
}

void fn_datepart(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[1])) return sqlite3_result_null(ctx);
  const std::string_view part = utf8_view(argv[0]);
  const auto dt = value_datetime(argv[1]);
  if (!dt)
    return fail(ctx, "Conversion failed when converting date and/or time from character string.");
  const auto c = date::to_civil(dt->day);
  if (!c) return fail(ctx, "The date is out of range.");
  const auto is = [&](std::initializer_list<std::string_view> names) {
    for (const auto n : names) {
      if (part == n) return true;
    }
    return false;
  };
  std::int64_t v = 0;
  if (is({"YY", "YYYY", "YEAR"})) {
    v = c->year;
  } else if (is({"MM", "M", "MONTH"})) {
    v = c->month;
  } else if (is({"DD", "D", "DAY"})) {
    v = c->day;
  } else if (is({"DW", "WEEKDAY"})) {
    // The first day of the week is Monday, as on a server set up for Poland.
    const std::int32_t w = date::weekday(dt->day);
    v = w == 0 ? 7 : w;
  } else if (is({"DY", "Y", "DAYOFYEAR"})) {
    v = dt->day - *date::from_civil(c->year, 1, 1) + 1;
  } else if (is({"QQ", "Q", "QUARTER"})) {
    v = (c->month - 1) / 3 + 1;
  } else if (is({"HH", "HOUR"})) {
    v = dt->millis / 3'600'000;
  } else if (is({"MI", "N", "MINUTE"})) {
    v = dt->millis / 60'000 % 60;
  } else if (is({"SS", "S", "SECOND"})) {
    v = dt->millis / 1000 % 60;
  } else if (is({"MS", "MILLISECOND"})) {
    v = dt->millis % 1000;
  } else {
    return fail(ctx, "datepart " + std::string(part) + " is not supported.");
  }
  sqlite3_result_int64(ctx, v);
}

void fn_date_field(sqlite3_context* ctx, sqlite3_value* v, int field) {
  if (is_null(v)) return sqlite3_result_null(ctx);
  const auto dt = value_datetime(v);
  const auto c = dt ? date::to_civil(dt->day) : std::nullopt;
  if (!c)
    return fail(ctx, "Conversion failed when converting date and/or time from character string.");
  sqlite3_result_int(ctx, field == 0 ? c->year : (field == 1 ? c->month : c->day));
}

void fn_year(sqlite3_context* ctx, int, sqlite3_value** argv) {
  fn_date_field(ctx, argv[0], 0);
}
void fn_month(sqlite3_context* ctx, int, sqlite3_value** argv) {
  fn_date_field(ctx, argv[0], 1);
}
void fn_day(sqlite3_context* ctx, int, sqlite3_value** argv) {
  fn_date_field(ctx, argv[0], 2);
}

void fn_getdate(sqlite3_context* ctx, int, sqlite3_value**) {
  result_utf8(ctx, format_datetime(now_datetime()));
}

std::string_view clip(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

void fn_len(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  sqlite3_result_int64(ctx, static_cast<std::int64_t>(clip(cp_text(argv[0])).size()));
}

// Characters [from, from + count) of s, both clamped to s (1-based from).
std::string_view part_of(std::string_view s, std::int64_t from, std::int64_t count) {
  std::int64_t end = from + count;  // exclusive, 1-based
  if (from < 1) from = 1;
  const auto size = static_cast<std::int64_t>(s.size());
  if (end > size + 1) end = size + 1;
  if (end <= from) return {};
  return s.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(end - from));
}

void fn_substring(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const std::int64_t count = int_arg(argv[2]);
  if (count < 0) return fail(ctx, "Invalid length parameter passed to the substring function.");
  const std::string s = cp_text(argv[0]);
  result_cp(ctx, part_of(s, int_arg(argv[1]), count));
}

void fn_left(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const std::int64_t n = int_arg(argv[1]);
  if (n < 0) return fail(ctx, "Invalid length parameter passed to the left function.");
  const std::string s = cp_text(argv[0]);
  result_cp(ctx, part_of(s, 1, n));
}

void fn_right(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const std::int64_t n = int_arg(argv[1]);
  if (n < 0) return fail(ctx, "Invalid length parameter passed to the right function.");
  const std::string s = cp_text(argv[0]);
  const auto size = static_cast<std::int64_t>(s.size());
  result_cp(ctx, n >= size ? std::string_view(s)
                           : std::string_view(s).substr(static_cast<std::size_t>(size - n)));
}

void fn_reverse(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  std::string s = cp_text(argv[0]);
  std::string r(s.rbegin(), s.rend());
  result_cp(ctx, r);
}

std::string folded(std::string_view s) {
  return lower_text(s);
}

void fn_charindex(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const std::string find = folded(cp_text(argv[0]));
  const std::string in = folded(cp_text(argv[1]));
  std::int64_t start = argc == 3 ? int_arg(argv[2]) : 1;
  if (start < 1) start = 1;
  if (find.empty() || static_cast<std::size_t>(start - 1) > in.size())
    return sqlite3_result_int(ctx, 0);
  const auto at = in.find(find, static_cast<std::size_t>(start - 1));
  sqlite3_result_int64(ctx, at == std::string::npos ? 0 : static_cast<std::int64_t>(at) + 1);
}

void fn_stuff(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (is_null(argv[0]) || is_null(argv[1]) || is_null(argv[2])) return sqlite3_result_null(ctx);
  const std::string s = cp_text(argv[0]);
  const std::int64_t start = int_arg(argv[1]);
  std::int64_t count = int_arg(argv[2]);
  const auto size = static_cast<std::int64_t>(s.size());
  if (start < 1 || start > size || count < 0) return sqlite3_result_null(ctx);
  if (start - 1 + count > size) count = size - start + 1;
  std::string out = s.substr(0, static_cast<std::size_t>(start - 1));
  if (argc == 4 && !is_null(argv[3])) out += cp_text(argv[3]);
  out += s.substr(static_cast<std::size_t>(start - 1 + count));
  result_cp(ctx, out);
}

void fn_replace(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const std::string s = cp_text(argv[0]);
  const std::string find = cp_text(argv[1]);
  const std::string with = cp_text(argv[2]);
  if (find.empty()) return result_cp(ctx, s);
  const std::string hay = folded(s), needle = folded(find);
  std::string out;
  std::size_t from = 0;
  while (true) {
    const auto at = hay.find(needle, from);
    if (at == std::string::npos) break;
    out.append(s, from, at - from);
    out += with;
    from = at + needle.size();
    if (out.size() > kLongestText) return fail(ctx, "The result of replace is too long.");
  }
  out.append(s, from, std::string::npos);
  result_cp(ctx, out);
}

void fn_replicate(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const std::string s = cp_text(argv[0]);
  const std::int64_t n = int_arg(argv[1]);
  if (n < 0) return sqlite3_result_null(ctx);
  if (!s.empty() && static_cast<std::uint64_t>(n) > kLongestText / s.size()) {
    return fail(ctx, "The result of replicate is too long.");
  }
  std::string out;
  for (std::int64_t i = 0; i < n; ++i) out += s;
  result_cp(ctx, out);
}

void fn_space(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  const std::int64_t n = int_arg(argv[0]);
  if (n < 0) return sqlite3_result_null(ctx);
  if (static_cast<std::uint64_t>(n) > kLongestText)
    return fail(ctx, "The result of space is too long.");
  result_utf8(ctx, std::string(static_cast<std::size_t>(n), ' '));
}

void fn_upper(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  result_cp(ctx, upper_text(cp_text(argv[0])));
}

void fn_lower(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  result_cp(ctx, lower_text(cp_text(argv[0])));
}

void fn_ltrim(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  std::string_view s = utf8_view(argv[0]);
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  result_utf8(ctx, s);
}

void fn_rtrim(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  result_utf8(ctx, clip(utf8_view(argv[0])));
}

void fn_round(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const std::int64_t places = int_arg(argv[1]);
  if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER && places >= 0) {
    return sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
  }
  const double scale = std::pow(10.0, static_cast<double>(places));
  sqlite3_result_double(ctx, std::round(sqlite3_value_double(argv[0]) * scale) / scale);
}

void fn_floor(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER)
    return sqlite3_result_value(ctx, argv[0]);
  sqlite3_result_double(ctx, std::floor(sqlite3_value_double(argv[0])));
}

void fn_ceiling(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER)
    return sqlite3_result_value(ctx, argv[0]);
  sqlite3_result_double(ctx, std::ceil(sqlite3_value_double(argv[0])));
}

void fn_ascii(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  const std::string s = cp_text(argv[0]);
  if (s.empty()) return sqlite3_result_null(ctx);
  sqlite3_result_int(ctx, static_cast<unsigned char>(s[0]));
}

void fn_char(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  const std::int64_t n = int_arg(argv[0]);
  if (n < 0 || n > 255) return sqlite3_result_null(ctx);
  result_cp(ctx, std::string(1, static_cast<char>(n)));
}

struct Function {
  const char* name;
  int args;
  void (*fn)(sqlite3_context*, int, sqlite3_value**);
  bool deterministic;
};

constexpr Function kFunctions[] = {
    {"like", 2, fn_like, true},
    {"like", 3, fn_like, true},
    {"tsql_add", 2, fn_add, true},
    {"tsql_datetime", 1, fn_datetime, true},
    {"tsql_varchar", 4, fn_varchar, true},
    {"tsql_int", 1, fn_int, true},
    {"tsql_number", 1, fn_number, true},
    {"tsql_datepart", 2, fn_datepart, true},
    {"tsql_year", 1, fn_year, true},
    {"tsql_month", 1, fn_month, true},
    {"tsql_day", 1, fn_day, true},
    {"tsql_getdate", 0, fn_getdate, false},
    {"tsql_len", 1, fn_len, true},
    {"tsql_substring", 3, fn_substring, true},
    {"tsql_left", 2, fn_left, true},
    {"tsql_right", 2, fn_right, true},
    {"tsql_reverse", 1, fn_reverse, true},
    {"tsql_charindex", 2, fn_charindex, true},
    {"tsql_charindex", 3, fn_charindex, true},
    {"tsql_stuff", 4, fn_stuff, true},
    {"tsql_replace", 3, fn_replace, true},
    {"tsql_replicate", 2, fn_replicate, true},
    {"tsql_space", 1, fn_space, true},
    {"tsql_upper", 1, fn_upper, true},
    {"tsql_lower", 1, fn_lower, true},
    {"tsql_ltrim", 1, fn_ltrim, true},
    {"tsql_rtrim", 1, fn_rtrim, true},
    {"tsql_round", 2, fn_round, true},
    {"tsql_floor", 1, fn_floor, true},
    {"tsql_ceiling", 1, fn_ceiling, true},
    {"tsql_ascii", 1, fn_ascii, true},
    {"tsql_char", 1, fn_char, true},
};

// One token of a LIKE pattern.
struct PatternItem {
  enum Kind { kAnyRun, kAny, kChar, kSet } kind;
  unsigned char c = 0;
  bool negated = false;
  std::vector<std::pair<std::uint16_t, std::uint16_t>> ranges;  // by collation weight

  bool matches(unsigned char x) const {
    switch (kind) {
      case kAny:
        return true;
      case kChar:
        return lower_cp(x) == c;
      case kSet: {
        const std::uint16_t w = weight_cp(x);
        bool in = false;
        for (const auto& [lo, hi] : ranges) in = in || (w >= lo && w <= hi);
        return in != negated;
      }
      case kAnyRun:
        break;
    }
    return false;
  }
};

std::vector<PatternItem> compile(std::string_view p, int escape) {
  std::vector<PatternItem> items;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const auto c = static_cast<unsigned char>(p[i]);
    if (escape >= 0 && c == escape && i + 1 < p.size()) {
      items.push_back(
          {PatternItem::kChar, lower_cp(static_cast<unsigned char>(p[++i])), false, {}});
    } else if (c == '%') {
      if (items.empty() || items.back().kind != PatternItem::kAnyRun) {
        items.push_back({PatternItem::kAnyRun, 0, false, {}});
      }
    } else if (c == '_') {
      items.push_back({PatternItem::kAny, 0, false, {}});
    } else if (c == '[' && p.find(']', i + 1) != std::string_view::npos) {
      PatternItem set{PatternItem::kSet, 0, false, {}};
      std::size_t j = i + 1;
      if (j < p.size() && p[j] == '^') {
        set.negated = true;
        ++j;
      }
      std::size_t end = p.find(']', j);
      if (end == std::string_view::npos) end = p.size();
      for (std::size_t k = j; k < end; ++k) {
        const std::uint16_t lo = weight_cp(static_cast<unsigned char>(p[k]));
        if (k + 2 < end && p[k + 1] == '-') {
          set.ranges.emplace_back(lo, weight_cp(static_cast<unsigned char>(p[k + 2])));
          k += 2;
        } else {
          set.ranges.emplace_back(lo, lo);
        }
      }
      items.push_back(std::move(set));
      i = end;
    } else {
      items.push_back({PatternItem::kChar, lower_cp(c), false, {}});
    }
  }
  return items;
}

}  // namespace

bool like_match(std::string_view pattern, std::string_view value, int escape) {
  const std::vector<PatternItem> items = compile(pattern, escape);
  // Greedy match with one remembered % to fall back to: every other item takes one character.
  std::size_t p = 0, v = 0;
  std::size_t star = std::string_view::npos, star_v = 0;
  while (v < value.size()) {
    if (p < items.size() && items[p].kind == PatternItem::kAnyRun) {
      star = p++;
      star_v = v;
    } else if (p < items.size() && items[p].matches(static_cast<unsigned char>(value[v]))) {
      ++p;
      ++v;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      v = ++star_v;
    } else {
      return false;
    }
  }
  while (p < items.size() && items[p].kind == PatternItem::kAnyRun) ++p;
  return p == items.size();
}

std::optional<DateTime> parse_datetime(std::string_view s) {
  s = trim_blanks(s);
  const auto num = [&](std::size_t at, std::size_t len) -> std::optional<int> {
    if (at + len > s.size()) return std::nullopt;
    int v = 0;
    for (std::size_t i = at; i < at + len; ++i) {
      if (s[i] < '0' || s[i] > '9') return std::nullopt;
      v = v * 10 + (s[i] - '0');
    }
    return v;
  };
  std::optional<int> y, m, d;
  std::size_t at = 0;
  if (s.size() >= 10 && s[4] == '-' && s[7] == '-') {
    y = num(0, 4), m = num(5, 2), d = num(8, 2);
    at = 10;
  } else if (s.size() == 8) {
    y = num(0, 4), m = num(4, 2), d = num(6, 2);
    at = 8;
  }
  if (!y || !m || !d) return std::nullopt;
  const auto day = date::from_civil(*y, *m, *d);
  if (!day) return std::nullopt;
  DateTime dt{*day, 0};
  if (at == s.size()) return dt;
  if (s[at] != ' ' && s[at] != 'T') return std::nullopt;
  const auto hh = num(at + 1, 2), mi = num(at + 4, 2);
  if (!hh || !mi || s[at + 3] != ':' || *hh > 23 || *mi > 59) return std::nullopt;
  dt.millis = (*hh * 60LL + *mi) * 60'000;
  at += 6;
  if (at < s.size()) {
    const auto ss = num(at + 1, 2);
    if (s[at] != ':' || !ss || *ss > 59) return std::nullopt;
    dt.millis += *ss * 1000LL;
    at += 3;
    if (at < s.size()) {
      if (s[at] != '.' && s[at] != ':') return std::nullopt;
      std::int64_t frac = 0, digits = 0;
      for (std::size_t i = at + 1; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        if (digits < 3) {
          frac = frac * 10 + (s[i] - '0');
          ++digits;
        }
      }
      while (digits++ < 3) frac *= 10;
      dt.millis += frac;
    }
  }
  return dt;
}

std::optional<DateTime> datetime_from_days(double days) {
  if (!std::isfinite(days) || days < -60000 || days > 3'000'000) return std::nullopt;
  const double whole = std::floor(days);
  auto millis = static_cast<std::int64_t>(std::llround((days - whole) * kDayMillis));
  auto day = static_cast<std::int32_t>(whole) + date::kFirstOf1900;
  if (millis >= kDayMillis) {
    millis -= kDayMillis;
    ++day;
  }
  if (!date::to_civil(day)) return std::nullopt;
  return DateTime{day, millis};
}

std::string format_datetime(const DateTime& value) {
  const auto c = date::to_civil(value.day);
  if (!c) return {};
  char out[96];
  const std::int64_t ms = value.millis;
  std::snprintf(out, sizeof out, "%04d-%02d-%02d %02lld:%02lld:%02lld.%03lld", c->year, c->month,
                c->day, static_cast<long long>(ms / 3'600'000),
                static_cast<long long>(ms / 60'000 % 60), static_cast<long long>(ms / 1000 % 60),
                static_cast<long long>(ms % 1000));
  return out;
}

DateTime now_datetime() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  const auto day = date::from_civil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return {day.value_or(0), ((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 + ms};
}

bool register_functions(sqlite3* db) {
  if (sqlite3_create_collation_v2(db, "PL", SQLITE_UTF8, nullptr, collate_pl, nullptr) !=
      SQLITE_OK) {
    return false;
  }
  for (const Function& f : kFunctions) {
    const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
    if (sqlite3_create_function_v2(db, f.name, f.args, flags, nullptr, f.fn, nullptr, nullptr,
                                   nullptr) != SQLITE_OK) {
      return false;
    }
  }
  return true;
}

}  // namespace funkcja::sqlite
