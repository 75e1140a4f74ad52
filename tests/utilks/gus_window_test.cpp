// PODAJDANEGUS end to end: the built utility library's search window, driven by the headless
// script, asking recorded register answers on a loopback server, and the host's contractor
// group filled with the repaired values.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "exchange/gus_import.hpp"
#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/group.hpp"
#include "host/platform/message_box.hpp"
#include "ui/headless_driver.hpp"
#include "utilks/recorded_register.hpp"
#include "utilks_test_support.hpp"

namespace funkcja::testing {
namespace {

using namespace funkcja::literals;
using dane::FieldType;
using dane::Group;
namespace rec = utilks::recorded_register;

// The contractor group in the order of the README's layout.
Group contractor() {
  std::vector<dane::FieldSpec> fields;
  for (const char* name : {"NAZWA", "NAZWA_SKROCONA", "NIP", "REGON", "KRS", "KOD_POCZTOWY",
                           "MIEJSCOWOSC", "ULICA", "NR_DOMU", "NR_LOKALU", "POCZTA", "GMINA",
                           "POWIAT", "WOJEWODZTWO", "KRAJ", "TELEFON", "EMAIL", "WWW"}) {
    fields.push_back({std::string("KON:") + name, FieldType::kText, 120});
  }
  return Group(std::move(fields));
}

class RegisterScope {
 public:
  explicit RegisterScope(const std::string& key)
      : server_([](const utilks::LoopbackRequest& r) { return rec::reply(r); }) {
    setenv("FUNKCJA_GUS_URL", (server_.url() + "/wsBIR/UslugaBIRzewnPubl.svc").c_str(), 1);
    setenv("FUNKCJA_GUS_KEY", key.c_str(), 1);
    setenv("FUNKCJA_RATES_TIMEOUT_MS", "2000", 1);
  }
  ~RegisterScope() {
    unsetenv("FUNKCJA_GUS_URL");
    unsetenv("FUNKCJA_GUS_KEY");
    unsetenv("FUNKCJA_RATES_TIMEOUT_MS");
  }
  std::size_t requests() const { return server_.requests().size(); }

 private:
  utilks::LoopbackServer server_;
};

TEST(GusWindow, FillsTheContractorGroupFromTheChosenEntity) {
  const std::vector<std::string_view> company = {
      "PRZEDSIĘBIORSTWO \"ŻURAW\" O`NEIL & SYN SPÓŁKA Z OGRANICZONĄ ODPOWIEDZIALNOŚCIĄ"_cp,
      "ŻURAW O`NEIL & SYN SP. Z O.O."_cp,
      "1234563218",
      "012345675",
      "0000123456",
      "00-950",
      "Warszawa",
      "ul. Test-Krucza",
      "12",
      "3A",
      "Warszawa",
      "Śródmieście"_cp,
      "m. st. Warszawa",
      "MAZOWIECKIE",
      "POLSKA",
      "226000000",
      "BIURO@ZURAW.TEST",
      "WWW.ZURAW.TEST"};
  const std::vector<std::string_view> trader = {"JAN KOWALSKI USŁUGI KSIĘGOWE"_cp,
                                                "JAN KOWALSKI USŁUGI KSIĘGOWE"_cp,
                                                "7791011327",
                                                "300001237",
                                                "",
                                                "60-001",
                                                "Poznań"_cp,
                                                "ul. Test-Polna",
                                                "5",
                                                "",
                                                "Poznań"_cp,
                                                "Poznań"_cp,
                                                "Poznań"_cp,
                                                "WIELKOPOLSKIE",
                                                "POLSKA",
                                                "618000000",
                                                "",
                                                ""};
  struct Case {
    const char* name;
    std::string key;
    std::vector<std::string> script;
    std::uint8_t result;
    std::vector<std::string_view> fields;  // empty: untouched
    std::vector<std::string_view> messages;
    bool asked;  // whether the register was asked at all
  };
  const std::vector<Case> cases = {
      {"NIP, Szukaj, Wybierz",
       rec::kKey,
       {"type PL 123-456-32-18", "click Szukaj", "click Wybierz"},
       1,
       company,
       {},
       true},
      {"KRS of up to ten digits, F10",
       rec::kKey,
       {"click KRS", "select 6", "type 123456", "click Szukaj", "key F10"},
       1,
       company,
       {},
       true},
      {"REGON of a sole trader, double click on the row",
       rec::kKey,
       {"click REGON", "select 6", "type 300001237", "click Szukaj", "select 8", "double 1"},
       1,
       trader,
       {},
       true},
      {"a NIP failing its check is refused before any request",
       rec::kKey,
       {"type 1234563219", "click Szukaj", "key Esc"},
       0,
       {},
       {"Nieprawidłowy numer NIP."_cp},
       false},
      {"a REGON failing its check is refused before any request",
       rec::kKey,
       {"click REGON", "select 6", "type 012345678", "click Szukaj", "click Anuluj"},
       0,
       {},
       {"Nieprawidłowy numer REGON."_cp},
       false},
      {"not found: the register's text, the window stays open",
       rec::kKey,
       {"type 7740001454", "click Szukaj", "click Wybierz", "click Anuluj"},
       0,
       {},
       {"Nie znaleziono podmiotu dla podanych kryteriów wyszukiwania."_cp,
        "Wybierz podmiot z listy."_cp},
       true},
      {"a refused key",
       "zlyklucz",
       {"type 1234563218", "click Szukaj", "key Esc"},
       0,
       {},
       {"Rejestr GUS nie przyjął klucza użytkownika."_cp},
       true},
      {"cancelled at once", rec::kKey, {"key Esc"}, 0, {}, {}, false},
  };
  dane::reset_all();
  dane::set_text(dane::Global::GLO_LOCALPATH, utility_library_folder());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RegisterScope server(c.key);
    ui::headless_driver().clear();
    platform::headless_message_box().clear();
    for (const auto& line : c.script) ASSERT_TRUE(ui::headless_driver().push_line(line)) << line;
    Group group = contractor();
    for (std::size_t n = 1; n <= group.field_count(); ++n) group.set(n, "x");
    EXPECT_EQ(exchange::PODAJDANEGUS(group), c.result);
    std::vector<std::string> got;
    for (std::size_t n = 1; n <= group.field_count(); ++n) got.push_back(group.get(n));
    std::vector<std::string> want(c.fields.begin(), c.fields.end());
    if (want.empty()) want.assign(group.field_count(), "x");
    EXPECT_EQ(got, want);
    std::vector<std::string> shown;
    for (const auto& box : platform::headless_message_box().shown()) shown.push_back(box.text);
    EXPECT_EQ(shown, std::vector<std::string>(c.messages.begin(), c.messages.end()));
    EXPECT_EQ(server.requests() > 0, c.asked);
    EXPECT_EQ(ui::headless_driver().pending_actions(), 0u) << "the script was used up";
  }
  ui::headless_driver().clear();
  dane::reset_all();
}

}  // namespace
}  // namespace funkcja::testing
