// The company-register lookup: the utility library shows its own search window
// (PobierzGUSokno), then hands back the chosen company's data as XML (PobierzGUSwartosc), one
// child of the root element per field of the caller's group, in the group's order. The text is
// repaired and filled into the group by position. For example
//
//   <dane><nazwa>Kowalski & Syn</nazwa><nip>1234563218</nip></dane>
//
// reaches XMLDOGRUPY as <dane><nazwa>Kowalski &amp; Syn</nazwa>...: field 1 receives
// "Kowalski & Syn", field 2 "1234563218".
#include "exchange/gus_import.hpp"

#include <cstring>
#include <memory>

#include "exchange/xml_to_group.hpp"
#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "host/platform/env.hpp"
#include "host/system_messages.hpp"
#include "text/procedures.hpp"

namespace funkcja::exchange {
namespace {

using namespace funkcja::literals;

// The data text is held in 50,000 bytes: at most 49,999 characters.
constexpr std::size_t kDataCapacity = 49999;

using Window = void (*)();
using Value = const char* (*)();

}  // namespace

std::string repair_register_text(std::string_view text) {
  std::string s(text);
  s = text::REPLACEPROC2(s, "&#046;", ".");
  s = text::REPLACEPROC2(s, "&#045;", "-");
  s = text::REPLACEPROC2(s, "&#044;", ",");
  s = text::REPLACEPROC2(s, "&#041;", ")");
  s = text::REPLACEPROC2(s, "'", "`");
  s = text::REPLACEPROC2(s, "&", "&amp;");
  s = text::REPLACEPROC2(s, "&quot;", "\"");
  return s;
}

std::uint8_t PODAJDANEGUS(dane::Group& group) {
  const auto path = platform::utility_library_path(dane::get_text(dane::Global::GLO_LOCALPATH));
  std::unique_ptr<platform::SharedLibrary> library;
  if (path) library = platform::Env::current().load_library(*path);
  if (!library) {
    system_messages::warning("Wystąpił błąd podczas ładowania biblioteki TEMIXutilKS.dll"_cp);
    return 0;
  }
  const std::string_view missing =
      "Wystąpił błąd podczas uruchamiania funkcji importu danych z GUS."_cp;
  auto window = reinterpret_cast<Window>(library->symbol("PobierzGUSokno"));
  if (window == nullptr) {
    system_messages::warning(missing);
    return 0;
  }
  window();
  auto value = reinterpret_cast<Value>(library->symbol("PobierzGUSwartosc"));
  if (value == nullptr) {
    system_messages::warning(missing);
    return 0;
  }
  const char* answer = value();
  const std::string data =
      answer != nullptr ? std::string(answer, ::strnlen(answer, kDataCapacity)) : std::string();
  const std::string repaired = repair_register_text(data);
  if (repaired.find_first_not_of(' ') == std::string::npos) return 0;  // nothing was chosen
  XMLDOGRUPY(repaired, group, 1);
  return 1;
}

}  // namespace funkcja::exchange
