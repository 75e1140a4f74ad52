// Where the utility library fetches the rate tables from and how long it waits. Each value has
// the public service's default and may be overridden by an environment variable, read at each
// call, so a test or a demo can point the clients at a server of its own.
//
//   FUNKCJA_NBP_URL         NBP table A        https://api.nbp.pl/api/exchangerates/tables/A
//   FUNKCJA_ECB_URL         ECB reference rates https://www.ecb.europa.eu/stats/eurofxref
//   FUNKCJA_RATES_TIMEOUT_MS whole request, ms  30000
//   FUNKCJA_RATES_CONNECT_MS connecting, ms     10000
#pragma once

#include <string>

namespace utilks {

struct Settings {
  std::string nbp_url;  // without a trailing slash
  std::string ecb_url;  // without a trailing slash
  long timeout_ms = 0;
  long connect_ms = 0;
};

Settings current_settings();

}  // namespace utilks
