// NBP's average rates (table A) from the NBP Web API, in JSON:
//   BASE/?format=json             the latest table
//   BASE/YYYY-MM-DD/?format=json  the table of that day; 404 when none was published
// Each answer is an array holding one table:
//   [{"table":"A","no":"235/A/NBP/2026","effectiveDate":"2026-12-04",
//     "rates":[{"currency":"dolar amerykański","code":"USD","mid":3.6589}, ...]}]
#pragma once

#include <string>
#include <string_view>

namespace utilks {

// The rate text of the latest table, or "01".
std::string nbp_latest();
// The rate text of the table of a day given as YYMMDD (20YY), or "01", or "02".
std::string nbp_on_day(std::string_view yymmdd);

// The rate text of an answer's body, or "01" (exposed for the day check).
std::string nbp_parse(std::string_view body, std::string_view expected_day);

}  // namespace utilks
