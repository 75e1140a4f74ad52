// The server's functions and comparison rules inside the embedded database: the PL collation
// (Polish, case-insensitive, trailing blanks ignored), LIKE with the server's patterns
// (% _ [a-z] [^x], case-insensitive), and the tsql_* functions that the translator maps the
// server's functions, conversions and "/" and "%" to. Dates are held as text
// "YYYY-MM-DD HH:MM:SS.mmm"; a number used as a date counts days from 1 January 1900, as on the
// server. A function that cannot give the server's result fails the statement with the
// server's message ("Divide by zero error encountered.", "Arithmetic overflow error ...");
// none lets an exception out into the database.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace funkcja::sqlite {

// Registers the collation and every function on a connection; false on failure.
bool register_functions(sqlite3* db);

// A server date and time: a standard date and the milliseconds of the day.
struct DateTime {
  std::int32_t day = 0;
  std::int64_t millis = 0;
};

// "YYYY-MM-DD[ HH:MM[:SS[.mmm]]]", "YYYYMMDD" or "YYYY-MM-DDTHH:MM:SS"; nothing otherwise.
std::optional<DateTime> parse_datetime(std::string_view text);
// Days (with a fraction for the time) from 1 January 1900.
std::optional<DateTime> datetime_from_days(double days);
std::string format_datetime(const DateTime& value);
DateTime now_datetime();

// T-SQL LIKE on code page 1250 texts, case-insensitive.
bool like_match(std::string_view pattern, std::string_view value, int escape = -1);

}  // namespace funkcja::sqlite
