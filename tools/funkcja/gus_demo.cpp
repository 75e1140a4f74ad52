#include "gus_demo.hpp"

#include <cstdlib>
#include <string>

#include "../utilks/recorded_register.hpp"
#include "demo_local_path.hpp"
#include "window_script.hpp"

namespace funkcja::cli {

// As the rate download: the utility library lies beside libfunkcja, whose folder becomes
// $GLO:LOCALPATH; the register's address is pointed at the loopback server, and the search
// window is answered by a script (search by NIP, choose the row found).
void demo_gus(const Host& host, std::ostream& out) {
  if (!point_local_path_at_library(host, "PODAJDANEGUS")) return;
  utilks::LoopbackServer server(
      [](const utilks::LoopbackRequest& r) { return utilks::recorded_register::reply(r); });
  setenv("FUNKCJA_GUS_URL", (server.url() + "/wsBIR/UslugaBIRzewnPubl.svc").c_str(), 1);
  setenv("FUNKCJA_GUS_KEY", utilks::recorded_register::kKey, 1);
  out << "\n== Dane kontrahenta z rejestru GUS (nagrana odpowiedź z serwera " << server.url()
      << ") ==\n";
  const std::vector<std::string> actions = {"type 1234563218", "click Szukaj", "click Wybierz"};
  out << "  PODAJDANEGUS(kontrahent) [\"type 1234563218\", \"click Szukaj\", \"click Wybierz\"]"
      << std::flush;
  Json fields = Json::array();
  for (const char* name : {"NAZWA", "NAZWA_SKROCONA", "NIP", "REGON", "KRS", "KOD_POCZTOWY",
                           "MIEJSCOWOSC", "ULICA", "NR_DOMU", "NR_LOKALU", "POCZTA", "GMINA",
                           "POWIAT", "WOJEWODZTWO", "KRAJ", "TELEFON", "EMAIL", "WWW"}) {
    fields.push_back({{"name", std::string("KON:") + name}, {"type", "text"}, {"size", 120u}});
  }
  start_window_script(host, WindowScript{actions, ""});
  const Json outcome = host.call(host.procedure("PODAJDANEGUS"), {Json{{"group", fields}}});
  out << " = " << plain(outcome["result"]) << '\n';
  for (const auto& [param, state] : outcome["out"].items()) {
    if (!state.contains("group")) continue;
    for (const Json& field : state["group"]) {
      out << "    " << field.value("name", "") << " = " << field.value("value", Json("")).dump()
          << '\n';
    }
  }
  unsetenv("FUNKCJA_GUS_URL");
  unsetenv("FUNKCJA_GUS_KEY");
}

}  // namespace funkcja::cli
