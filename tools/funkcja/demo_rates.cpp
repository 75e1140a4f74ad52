#include "demo_rates.hpp"

#include <cstdlib>
#include <string>

#include "../utilks/recorded_tables.hpp"
#include "demo_local_path.hpp"

namespace funkcja::cli {

// The utility library TEMIXutilKS.so lies beside libfunkcja in the build (and the install):
// that folder becomes $GLO:LOCALPATH, and the clients are pointed at a loopback server that
// answers with the recorded tables. Flag 1 replaces a table that an earlier run stored.
void demo_rates(const Host& host, std::ostream& out) {
  for (const char* name : {"POBIERZKURSYNBP", "POBIERZKURSYECB"}) {
    if (!host.exported(name)) return;
  }
  if (!point_local_path_at_library(host, "POBIERZKURSYNBP")) return;
  utilks::LoopbackServer server(&utilks::recorded::reply);
  setenv("FUNKCJA_NBP_URL", (server.url() + "/nbp").c_str(), 1);
  setenv("FUNKCJA_ECB_URL", (server.url() + "/ecb").c_str(), 1);
  out << "\n== Kursy walut (nagrane tabele NBP i ECB z serwera " << server.url() << ") ==\n";
  for (const char* name : {"POBIERZKURSYNBP", "POBIERZKURSYECB"}) {
    out << "  " << name << "(\"1\", \"0\")" << std::flush;
    const Json outcome = host.call(host.procedure(name), {"1", "0"});
    out << " = " << plain(outcome["result"]);
    for (const auto& [param, value] : outcome["out"].items())
      out << "; " << param << " = " << plain(value);
    out << '\n';
  }
  unsetenv("FUNKCJA_NBP_URL");
  unsetenv("FUNKCJA_ECB_URL");
}

}  // namespace funkcja::cli
