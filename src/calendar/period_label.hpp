// The label of an accounting period code: a standard date whose day of the month tells the kind
// of period (1 opening balance, 2 the month, 28 closing balance of the year).
#pragma once

#include <cstdint>
#include <string>

namespace funkcja::calendar {

// "BO 2017", "Marzec 2017" (or "3 - 2017" with numeric_month 1), "BZ 2017"; any other day gives
// a blank before the year; 0 and days outside the calendar give the empty text.
std::string INFOKRES(std::int32_t code, std::uint8_t numeric_month);

}  // namespace funkcja::calendar
