#include "host/sqlite/functions.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <vector>

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/standard_date.hpp"
#include "host/platform/env.hpp"
#include "host/sqlite/decimal.hpp"
#include "host/sqlite/polish.hpp"
#include "host/sqlite/server_functions.hpp"

namespace funkcja::sqlite {
namespace {

using namespace funkcja::literals;

constexpr std::int64_t kDayMillis = 86'400'000;
// The server's longest char and varchar; what replicate, replace and space build from such a
// text is cut there, as on the server.
constexpr std::int64_t kServerTextLimit = 8000;
// The most any function builds: a varchar(max) may be longer on the server, but no result of
// more than 64 MB is made here.
constexpr std::size_t kLongestText = 64u << 20;

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

void fail(sqlite3_context* ctx, const std::string& message_utf8) {
  sqlite3_result_error(ctx, message_utf8.c_str(), static_cast<int>(message_utf8.size()));
}

void fail_too_long(sqlite3_context* ctx) {
  fail(ctx, cp_to_utf8("Wynik funkcji jest dłuższy niż 64 MB."_cp));
}

void set_text(sqlite3_context* ctx, std::string_view utf8) {
  sqlite3_result_text(ctx, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// No result is longer than 64 MB: counted in characters for a code page 1250 text, in bytes for
// one kept in UTF-8.
void result_utf8(sqlite3_context* ctx, std::string_view utf8) {
  if (utf8.size() > kLongestText) return fail_too_long(ctx);
  set_text(ctx, utf8);
}

void result_cp(sqlite3_context* ctx, std::string_view cp1250) {
  if (cp1250.size() > kLongestText) return fail_too_long(ctx);
  set_text(ctx, cp_to_utf8(cp1250));
}

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Texts read as numbers by the server's conversion rules: blanks and tabs around, one sign,
// and an empty text reads as 0.
text::NumberRead<std::int64_t> parse_int(std::string_view s) {
  return text::read_whole(s, text::kServerNumbers);
}

text::NumberRead<double> parse_real(std::string_view s) {
  return text::read_real(s, text::kServerNumbers);
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
  const std::string_view a(static_cast<const char*>(p1), static_cast<std::size_t>(n1));
  const std::string_view b(static_cast<const char*>(p2), static_cast<std::size_t>(n2));
  try {
    return compare_utf8(a, b);
  } catch (...) {
    // A collation cannot report a failure: nothing may unwind through the database, so the
    // texts are ordered by their bytes.
    return a.compare(b);
  }
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

// tsql_varchar(value, size, style, pad): convert(varchar(size), value[, style]); pad: char(n);
// size 0: varchar(max).
void fn_varchar(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  const std::int64_t size = int_arg(argv[1]);
  if (size < 0 || size > kServerTextLimit) {
    return fail(ctx, "The size (" + std::to_string(size) + ") given to the type '" +
                         (int_arg(argv[3]) != 0 ? "char" : "varchar") +
                         "' exceeds the maximum allowed for any data type (8000).");
  }
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

// The server's whole-number types, by the bits the translator passes for each.
struct IntegerType {
  const char* name;
  std::int64_t lowest, highest;
};

std::optional<IntegerType> integer_type(std::int64_t bits) {
  switch (bits) {
    case 1:
      return IntegerType{"bit", 0, 1};
    case 8:
      return IntegerType{"tinyint", 0, 255};
    case 16:
      return IntegerType{"smallint", INT16_MIN, INT16_MAX};
    case 32:
      return IntegerType{"int", INT32_MIN, INT32_MAX};
    case 64:
      return IntegerType{"bigint", INT64_MIN, INT64_MAX};
    default:
      return std::nullopt;
  }
}

// tsql_int(value, bits): convert(int, value) and the other whole-number types; a fraction is
// cut toward zero, a value outside the type's range is an overflow error, any number other
// than 0 is bit 1.
void fn_int(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const auto type = integer_type(int_arg(argv[1]));
  if (!type) return fail(ctx, "tsql_int: unknown type.");
  const std::string overflow =
      std::string("Arithmetic overflow error converting expression to data type ") + type->name +
      ".";
  const bool bit = type->highest == 1;
  std::int64_t v = 0;
  switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
      return sqlite3_result_null(ctx);
    case SQLITE_INTEGER:
      v = sqlite3_value_int64(argv[0]);
      break;
    case SQLITE_FLOAT: {
      if (bit) return sqlite3_result_int(ctx, sqlite3_value_double(argv[0]) != 0 ? 1 : 0);
      const double d = std::trunc(sqlite3_value_double(argv[0]));
      // Both bounds as doubles are exact powers of two (or lie inside the type's range).
      if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0)) return fail(ctx, overflow);
      v = static_cast<std::int64_t>(d);
      break;
    }
    default: {
      std::string_view text = trim_blanks(utf8_view(argv[0]));
      if (bit && (text == "TRUE" || text == "true")) return sqlite3_result_int(ctx, 1);
      if (bit && (text == "FALSE" || text == "false")) return sqlite3_result_int(ctx, 0);
      const auto parsed = parse_int(text);
      if (!parsed && !parsed.overflow()) return fail(ctx, conversion_message(argv[0], type->name));
      if (!parsed || *parsed < type->lowest || (*parsed > type->highest && !bit)) {
        return fail(ctx, "The conversion of the varchar value '" + std::string(utf8_view(argv[0])) +
                             "' overflowed an " + type->name + " column.");
      }
      v = *parsed;
    }
  }
  if (bit) return sqlite3_result_int(ctx, v != 0 ? 1 : 0);
  if (v < type->lowest || v > type->highest) return fail(ctx, overflow);
  sqlite3_result_int64(ctx, v);
}

// tsql_decimal(value, precision, scale): convert(decimal(precision, scale), value), rounded
// half away from zero in base 10; a number read from its decimal spelling, never through a
// binary double. Whole numbers come back as integers, others as the nearest double.
void fn_decimal(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const std::int64_t precision = int_arg(argv[1]);
  const std::int64_t scale = int_arg(argv[2]);
  if (precision < 1 || precision > Decimal::kMaxDigits || scale < 0 || scale > precision) {
    return fail(ctx, "tsql_decimal: invalid precision or scale.");
  }
  std::optional<Decimal> d;
  const char* from = "numeric";
  switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
      return sqlite3_result_null(ctx);
    case SQLITE_INTEGER:
      d = Decimal::from_integer(sqlite3_value_int64(argv[0]));
      from = "int";
      break;
    case SQLITE_FLOAT:
      d = Decimal::from_double(sqlite3_value_double(argv[0]));
      break;
    default:
      d = Decimal::parse(utf8_view(argv[0]));
      if (!d) return fail(ctx, "Error converting data type varchar to numeric.");
      from = "varchar";
  }
  if (d) d = d->rounded(static_cast<int>(scale));
  if (!d || d->integer_digits() > precision - scale) {
    return fail(ctx, std::string("Arithmetic overflow error converting ") + from +
                         " to data type numeric.");
  }
  if (scale == 0) {
    if (const auto whole = d->as_integer()) return sqlite3_result_int64(ctx, *whole);
  }
  sqlite3_result_double(ctx, d->as_double());
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

// Characters [from, from + count) of s, both clamped to s (1-based from; count >= 0).
std::string_view part_of(std::string_view s, std::int64_t from, std::int64_t count) {
  std::int64_t end = 0;  // exclusive, 1-based; a sum past the range is past any text
  if (__builtin_add_overflow(from, count, &end)) end = INT64_MAX;
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
  if (count > size - (start - 1)) count = size - (start - 1);  // deletes up to the end
  std::string out = s.substr(0, static_cast<std::size_t>(start - 1));
  if (argc == 4 && !is_null(argv[3])) out += cp_text(argv[3]);
  out += s.substr(static_cast<std::size_t>(start - 1 + count));
  result_cp(ctx, out);
}

// The most a function may build from a text of `source` characters: up to the server's 8000
// from a char or varchar (the server cuts there), up to the overall limit from a longer one,
// which only a varchar(max) can be.
std::size_t result_limit(std::size_t source) {
  return source <= static_cast<std::size_t>(kServerTextLimit)
             ? static_cast<std::size_t>(kServerTextLimit)
             : kLongestText;
}

void fn_replace(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const std::string s = cp_text(argv[0]);
  const std::string find = cp_text(argv[1]);
  const std::string with = cp_text(argv[2]);
  if (find.empty()) return result_cp(ctx, s);
  const std::string hay = folded(s), needle = folded(find);
  const std::size_t limit = result_limit(s.size());
  std::string out;
  std::size_t from = 0;
  while (out.size() <= limit) {
    const auto at = hay.find(needle, from);
    if (at == std::string::npos) break;
    out.append(s, from, at - from);
    out += with;
    from = at + needle.size();
  }
  if (out.size() <= limit) out.append(s, from, std::string::npos);
  if (out.size() > limit) {
    if (limit == kLongestText) return fail_too_long(ctx);
    out.resize(limit);
  }
  result_cp(ctx, out);
}

void fn_replicate(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const std::string s = cp_text(argv[0]);
  const std::int64_t n = int_arg(argv[1]);
  if (n < 0) return sqlite3_result_null(ctx);
  if (s.empty() || n == 0) return result_utf8(ctx, "");
  const std::size_t limit = result_limit(s.size());
  const std::uint64_t wanted = static_cast<std::uint64_t>(n) > limit / s.size() + 1
                                   ? static_cast<std::uint64_t>(limit) + 1
                                   : static_cast<std::uint64_t>(n) * s.size();
  if (wanted > limit && limit == kLongestText) return fail_too_long(ctx);
  std::string out;
  out.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(wanted, limit)));
  while (out.size() < limit && out.size() < wanted) out += s;
  if (out.size() > limit) out.resize(limit);
  result_cp(ctx, out);
}

void fn_space(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (is_null(argv[0])) return sqlite3_result_null(ctx);
  const std::int64_t n = int_arg(argv[0]);
  if (n < 0) return sqlite3_result_null(ctx);
  result_utf8(ctx, std::string(static_cast<std::size_t>(std::min(n, kServerTextLimit)), ' '));
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

// round(value, places): half away from zero in base 10, on the number's decimal spelling (so
// round(1.005, 2) is 1.01); negative places round to tens, hundreds ...
void fn_round(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(ctx);
  const int places = static_cast<int>(std::clamp<std::int64_t>(int_arg(argv[1]), -100, 100));
  const int type = sqlite3_value_type(argv[0]);
  std::optional<Decimal> d;
  if (type == SQLITE_INTEGER) {
    if (places >= 0) return sqlite3_result_value(ctx, argv[0]);
    d = Decimal::from_integer(sqlite3_value_int64(argv[0]));
  } else if (type == SQLITE_FLOAT) {
    d = Decimal::from_double(sqlite3_value_double(argv[0]));
    // Beyond 38 digits a double has no decimals left to round.
    if (!d || places >= d->scale()) return sqlite3_result_value(ctx, argv[0]);
  } else {
    d = Decimal::parse(utf8_view(argv[0]));
    if (!d)
      return fail(ctx, "Argument data type varchar is invalid for argument 1 of round function.");
  }
  const auto r = places >= d->scale() ? d : d->rounded(places);
  if (!r) return fail(ctx, "Arithmetic overflow error converting expression to data type numeric.");
  if (type == SQLITE_INTEGER || (type != SQLITE_FLOAT && r->scale() == 0)) {
    const auto whole = r->as_integer();
    if (!whole)
      return fail(ctx, "Arithmetic overflow error converting expression to data type bigint.");
    return sqlite3_result_int64(ctx, *whole);
  }
  sqlite3_result_double(ctx, r->as_double());
}

// ---- division ----

// An operand of / and %: a whole number, or a real one; texts must read as numbers.
struct Operand {
  bool whole = true;
  std::int64_t integer = 0;
  double real = 0;
};

std::optional<Operand> operand(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
      return Operand{true, sqlite3_value_int64(v), 0};
    case SQLITE_FLOAT:
      return Operand{false, 0, sqlite3_value_double(v)};
    default: {
      const std::string_view s = utf8_view(v);
      if (const auto n = parse_int(s)) return Operand{true, *n, 0};
      if (const auto r = parse_real(s)) return Operand{false, 0, *r};
      return std::nullopt;
    }
  }
}

constexpr const char* kDivideByZero = "Divide by zero error encountered.";

// tsql_divide(a, b), tsql_modulo(a, b): a / b and a % b as on the server: whole numbers give a
// whole quotient cut toward zero and a remainder with the sign of a; a real operand makes the
// division real; a zero divisor fails the statement.
void divide(sqlite3_context* ctx, sqlite3_value** argv, bool remainder) {
  if (any_null(2, argv)) return sqlite3_result_null(ctx);
  const auto a = operand(argv[0]);
  if (!a) return fail(ctx, conversion_message(argv[0], "int"));
  const auto b = operand(argv[1]);
  if (!b) return fail(ctx, conversion_message(argv[1], "int"));
  if (a->whole && b->whole) {
    if (b->integer == 0) return fail(ctx, kDivideByZero);
    if (b->integer == -1) {  // INT64_MIN / -1 does not fit
      if (remainder) return sqlite3_result_int64(ctx, 0);
      if (a->integer == INT64_MIN) {
        return fail(ctx, "Arithmetic overflow error converting expression to data type bigint.");
      }
      return sqlite3_result_int64(ctx, -a->integer);
    }
    return sqlite3_result_int64(ctx, remainder ? a->integer % b->integer : a->integer / b->integer);
  }
  const double x = a->whole ? static_cast<double>(a->integer) : a->real;
  const double y = b->whole ? static_cast<double>(b->integer) : b->real;
  if (y == 0) return fail(ctx, kDivideByZero);
  sqlite3_result_double(ctx, remainder ? std::fmod(x, y) : x / y);
}

void fn_divide(sqlite3_context* ctx, int, sqlite3_value** argv) {
  divide(ctx, argv, false);
}

void fn_modulo(sqlite3_context* ctx, int, sqlite3_value** argv) {
  divide(ctx, argv, true);
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

// The error of a function that threw; reporting must not throw in turn.
void report_thrown(sqlite3_context* ctx, std::string_view name, std::string_view what) noexcept {
  try {
    if (name.starts_with("tsql_")) name.remove_prefix(5);
    fail(ctx,
         cp_to_utf8(std::string("Błąd funkcji "_cp) + upper_text(name) + ": " + std::string(what)));
  } catch (...) {
    sqlite3_result_error_nomem(ctx);  // "out of memory"
  }
}

// Every function runs through here: nothing may unwind through the database's own frames
// (the statement would be left running, holding its snapshot), so whatever a function throws
// becomes the statement's error, with a message.
void guarded(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  const auto* f = static_cast<const ServerFunction*>(sqlite3_user_data(ctx));
  try {
    f->body(ctx, argc, argv);
  } catch (const std::bad_alloc&) {
    report_thrown(ctx, f->name, "za mało pamięci."_cp);
  } catch (const std::exception& e) {
    report_thrown(ctx, f->name, e.what());
  } catch (...) {
    report_thrown(ctx, f->name, "nieznany błąd."_cp);
  }
}

// Every function of a connection. The helpers (no server name) come first: the translator
// writes them for LIKE, "+", "/", "%", conversions and date parts.
constexpr ServerFunction kServerFunctions[] = {
    {"", "like", 2, 3, ValueType::kUnknown, fn_like, true},
    {"", "tsql_add", 2, 2, ValueType::kUnknown, fn_add, true},
    {"", "tsql_divide", 2, 2, ValueType::kUnknown, fn_divide, true},
    {"", "tsql_modulo", 2, 2, ValueType::kUnknown, fn_modulo, true},
    {"", "tsql_datetime", 1, 1, ValueType::kUnknown, fn_datetime, true},
    {"", "tsql_varchar", 4, 4, ValueType::kUnknown, fn_varchar, true},
    {"", "tsql_int", 2, 2, ValueType::kUnknown, fn_int, true},
    {"", "tsql_decimal", 3, 3, ValueType::kUnknown, fn_decimal, true},
    {"", "tsql_number", 1, 1, ValueType::kUnknown, fn_number, true},
    {"", "tsql_datepart", 2, 2, ValueType::kUnknown, fn_datepart, true},
    {"SUBSTRING", "tsql_substring", 3, 3, ValueType::kText, fn_substring, true},
    {"LEFT", "tsql_left", 2, 2, ValueType::kText, fn_left, true},
    {"RIGHT", "tsql_right", 2, 2, ValueType::kText, fn_right, true},
    {"LEN", "tsql_len", 1, 1, ValueType::kNumber, fn_len, true},
    {"REVERSE", "tsql_reverse", 1, 1, ValueType::kText, fn_reverse, true},
    {"CHARINDEX", "tsql_charindex", 2, 3, ValueType::kNumber, fn_charindex, true},
    {"STUFF", "tsql_stuff", 4, 4, ValueType::kText, fn_stuff, true},
    {"REPLACE", "tsql_replace", 3, 3, ValueType::kText, fn_replace, true},
    {"REPLICATE", "tsql_replicate", 2, 2, ValueType::kText, fn_replicate, true},
    {"SPACE", "tsql_space", 1, 1, ValueType::kText, fn_space, true},
    {"UPPER", "tsql_upper", 1, 1, ValueType::kText, fn_upper, true},
    {"LOWER", "tsql_lower", 1, 1, ValueType::kText, fn_lower, true},
    {"LTRIM", "tsql_ltrim", 1, 1, ValueType::kText, fn_ltrim, true},
    {"RTRIM", "tsql_rtrim", 1, 1, ValueType::kText, fn_rtrim, true},
    {"ISNULL", "ifnull", 2, 2, ValueType::kUnknown, nullptr, true},
    {"COALESCE", "coalesce", 2, 16, ValueType::kUnknown, nullptr, true},
    {"NULLIF", "nullif", 2, 2, ValueType::kUnknown, nullptr, true},
    {"ABS", "abs", 1, 1, ValueType::kNumber, nullptr, true},
    {"ROUND", "tsql_round", 2, 2, ValueType::kNumber, fn_round, true},
    {"FLOOR", "tsql_floor", 1, 1, ValueType::kNumber, fn_floor, true},
    {"CEILING", "tsql_ceiling", 1, 1, ValueType::kNumber, fn_ceiling, true},
    {"SIGN", "sign", 1, 1, ValueType::kNumber, nullptr, true},
    {"GETDATE", "tsql_getdate", 0, 0, ValueType::kText, fn_getdate, false},
    {"YEAR", "tsql_year", 1, 1, ValueType::kNumber, fn_year, true},
    {"MONTH", "tsql_month", 1, 1, ValueType::kNumber, fn_month, true},
    {"DAY", "tsql_day", 1, 1, ValueType::kNumber, fn_day, true},
    {"ASCII", "tsql_ascii", 1, 1, ValueType::kNumber, fn_ascii, true},
    {"CHAR", "tsql_char", 1, 1, ValueType::kText, fn_char, true},
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
  const platform::LocalTime now = platform::Env::current().now();
  return {now.day, now.millis};
}

bool register_functions(sqlite3* db) {
  if (sqlite3_create_collation_v2(db, "PL", SQLITE_UTF8, nullptr, collate_pl, nullptr) !=
      SQLITE_OK) {
    return false;
  }
  for (const ServerFunction& f : kServerFunctions) {
    if (f.body == nullptr) continue;  // the database's own
    const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
    auto* data = const_cast<ServerFunction*>(&f);  // read only, by guarded()
    for (int args = f.min_args; args <= f.max_args; ++args) {
      if (sqlite3_create_function_v2(db, f.name, args, flags, data, guarded, nullptr, nullptr,
                                     nullptr) != SQLITE_OK) {
        return false;
      }
    }
  }
  return true;
}

std::span<const ServerFunction> server_functions() {
  return kServerFunctions;
}

}  // namespace funkcja::sqlite
