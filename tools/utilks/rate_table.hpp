// A rate table as the utility library hands it to the host: its number, its day and one rate
// per currency, written as the rate text that the database's import procedures read:
//
//   TABELA|235/A/NBP/2026|2026-12-04
//   EUR|1|4.2312
//   USD|1|3.6589
//
// One item per line, ended by LF; fields separated by "|". The first line names the table and
// its day (YYYY-MM-DD); each further line is a currency's ISO code (three capital letters), the
// number of units the rate is for, and the rate with a full stop as the decimal point. The text
// never holds an apostrophe, a "|" inside a field or a control character: every value is
// checked before it is written, and a table with a value outside these forms is refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace utilks {

struct Rate {
  std::string code;   // ISO 4217, three capital letters
  int units = 1;      // the rate is for this many units of the currency
  std::string value;  // decimal digits with at most one full stop, greater than zero
};

struct RateTable {
  std::string number;  // the table's number ("235/A/NBP/2026"); may be empty
  std::string day;     // YYYY-MM-DD
  std::vector<Rate> rates;
};

// The status texts of the exports.
inline constexpr const char* kFailed = "01";   // transport or format failure
inline constexpr const char* kNoTable = "02";  // no table for the requested day

bool valid_day(std::string_view day);  // YYYY-MM-DD of a real date
bool valid_code(std::string_view code);
bool valid_value(std::string_view value);
bool valid_number(std::string_view number);  // the table number: printable, no ' or |

// The rate text of a table; nothing when a value is outside its form or there is no rate.
std::optional<std::string> rate_text(const RateTable& table);

}  // namespace utilks
