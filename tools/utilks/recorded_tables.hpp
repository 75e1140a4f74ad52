// Recorded answers of the NBP and ECB services, in the form their public documentation gives,
// for the loopback fixture (rates_fixture, the demo) and the tests. The NBP answers live under
// /nbp (as the API's /api/exchangerates/tables/A), the ECB files under /ecb.
#pragma once

#include <string>

#include "loopback_server.hpp"

namespace utilks::recorded {

inline constexpr const char* kDay = "2026-12-07";  // both tables' day

// NBP table A of Monday 7 December 2026, as GET .../tables/A/?format=json answers.
inline constexpr const char* kNbpLatest =
    R"json([{"table":"A","no":"236/A/NBP/2026","effectiveDate":"2026-12-07","rates":[
{"currency":"bat (Tajlandia)","code":"THB","mid":0.1043},
{"currency":"dolar amerykański","code":"USD","mid":3.6589},
{"currency":"dolar australijski","code":"AUD","mid":2.4075},
{"currency":"dolar kanadyjski","code":"CAD","mid":2.6411},
{"currency":"euro","code":"EUR","mid":4.2312},
{"currency":"forint (Węgry)","code":"HUF","mid":0.011078},
{"currency":"frank szwajcarski","code":"CHF","mid":4.5386},
{"currency":"funt szterling","code":"GBP","mid":4.8521},
{"currency":"jen (Japonia)","code":"JPY","mid":0.023617},
{"currency":"korona czeska","code":"CZK","mid":0.1741},
{"currency":"korona duńska","code":"DKK","mid":0.5671},
{"currency":"korona norweska","code":"NOK","mid":0.3602},
{"currency":"korona szwedzka","code":"SEK","mid":0.3874},
{"currency":"hrywna (Ukraina)","code":"UAH","mid":0.0871},
{"currency":"yuan renminbi (Chiny)","code":"CNY","mid":0.5152}]}])json";

// The ECB's latest file: Monday 7 December 2026.
inline constexpr const char* kEcbDaily = R"(<?xml version="1.0" encoding="UTF-8"?>
<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">
	<gesmes:subject>Reference rates</gesmes:subject>
	<gesmes:Sender>
		<gesmes:name>European Central Bank</gesmes:name>
	</gesmes:Sender>
	<Cube>
		<Cube time='2026-12-07'>
			<Cube currency='USD' rate='1.1564'/>
			<Cube currency='JPY' rate='179.15'/>
			<Cube currency='CZK' rate='24.302'/>
			<Cube currency='DKK' rate='7.4612'/>
			<Cube currency='GBP' rate='0.87205'/>
			<Cube currency='HUF' rate='381.93'/>
			<Cube currency='PLN' rate='4.2312'/>
			<Cube currency='SEK' rate='10.9225'/>
			<Cube currency='CHF' rate='0.9323'/>
			<Cube currency='NOK' rate='11.7465'/>
		</Cube>
	</Cube>
</gesmes:Envelope>
)";

// The ECB's 90-day file, shortened to the two last days.
inline constexpr const char* kEcbRecent = R"(<?xml version="1.0" encoding="UTF-8"?>
<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">
	<gesmes:subject>Reference rates</gesmes:subject>
	<gesmes:Sender><gesmes:name>European Central Bank</gesmes:name></gesmes:Sender>
	<Cube>
		<Cube time="2026-12-07"><Cube currency="USD" rate="1.1564"/><Cube currency="PLN" rate="4.2312"/></Cube>
		<Cube time="2026-12-04"><Cube currency="USD" rate="1.1549"/><Cube currency="PLN" rate="4.2297"/></Cube>
	</Cube>
</gesmes:Envelope>
)";

// What the fixture server answers for a path: the recorded tables above, NBP's "no data"
// (404) for any other day, 404 for anything else.
inline LoopbackReply reply(const std::string& path) {
  if (path == "/nbp/?format=json" || path == "/nbp/2026-12-07/?format=json")
    return {200, kNbpLatest};
  if (path.rfind("/nbp/", 0) == 0)
    return {404, "404 NotFound - Not Found - Brak danych", "text/plain"};
  if (path == "/ecb/eurofxref-daily.xml") return {200, kEcbDaily, "text/xml"};
  if (path == "/ecb/eurofxref-hist-90d.xml" || path == "/ecb/eurofxref-hist.xml")
    return {200, kEcbRecent, "text/xml"};
  return {404, "Not Found", "text/plain"};
}

}  // namespace utilks::recorded
