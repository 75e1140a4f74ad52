// The ECB's euro foreign exchange reference rates, in the XML files it publishes under BASE:
//   eurofxref-daily.xml     the latest day
//   eurofxref-hist-90d.xml  the last 90 days
//   eurofxref-hist.xml      every day since 1999
// Each holds, inside its envelope, a Cube per day with a Cube per currency:
//   <Cube><Cube time="2026-12-04"><Cube currency="USD" rate="1.0565"/>...</Cube></Cube>
// A day the files do not list (a weekend, a TARGET closing day) has no table.
#pragma once

#include <string>
#include <string_view>

namespace utilks {

// The rate text of the latest table, or "01".
std::string ecb_latest();
// The rate text of the table of a day given as YYYY-MM-DD, or "01", or "02".
std::string ecb_on_day(std::string_view day);

}  // namespace utilks
