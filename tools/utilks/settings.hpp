// Where the utility library fetches the rate tables from and how long it waits. Each value has
// the public service's default and may be overridden by an environment variable, read at each
// call, so a test or a demo can point the clients at a server of its own.
//
//   FUNKCJA_NBP_URL         NBP table A        https://api.nbp.pl/api/exchangerates/tables/A
//   FUNKCJA_ECB_URL         ECB reference rates https://www.ecb.europa.eu/stats/eurofxref
//   FUNKCJA_RATES_TIMEOUT_MS whole request, ms  30000
//   FUNKCJA_RATES_CONNECT_MS connecting, ms     10000
//   FUNKCJA_GUS_URL         GUS register (BIR 1.1), the public test service:
//                             https://wyszukiwarkaregontest.stat.gov.pl/wsBIR/UslugaBIRzewnPubl.svc
//   FUNKCJA_GUS_KEY         the user key of that service  abcde12345abcde12345 (the test key)
// The register uses the same time-outs as the rate tables.
#pragma once

#include <string>

namespace utilks {

struct Settings {
  std::string nbp_url;  // without a trailing slash
  std::string ecb_url;  // without a trailing slash
  std::string gus_url;  // the service's address, without a trailing slash
  std::string gus_key;
  long timeout_ms = 0;
  long connect_ms = 0;
};

Settings current_settings();

}  // namespace utilks
