#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "support/demo_window_test.hpp"
#include "support/probe_window.hpp"
#include "ui/procedures.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using dane::Global;

// What a field holds after the user's actions, and what completion did.
struct Field {
  std::string text;
  std::int32_t sel_start = 0;
  std::int32_t sel_end = 0;
  int armed = 1;
  int lookups = 0;  // calls that reached the procedure
  bool operator==(const Field&) const = default;
};

void PrintTo(const Field& f, std::ostream* os) {
  *os << "{\"" << f.text << "\", " << f.sel_start << ".." << f.sel_end << ", armed " << f.armed
      << ", " << f.lookups << " calls}";
}

// A window with one entry that calls AUTOUZUPELNIANIE at every change, as a host's field does.
class Autocomplete : public testing::DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    for (const Global g :
         {Global::GGG_AUTOUZUPELNIANIE_KONTRAHENTA, Global::GGG_AUTOUZUPELNIANIE_KONTA,
          Global::GGG_AUTOUZUPELNIANIE_OPISU}) {
      dane::set_number(g, 1);
    }
  }

  static Field type_into(std::string_view kind, const std::vector<std::string>& actions,
                         std::string_view extra = {}) {
    testing::ProbeWindow w({control_type::kEntry});
    w.control(1).immediate = true;
    std::uint8_t armed = 1;
    int lookups = 0;
    w.handler = [&](testing::ProbeWindow& win) {
      if (win.event() != event::kNewSelection) return;
      ++lookups;
      AUTOUZUPELNIANIE(kind, 1, armed, extra);
    };
    std::vector<std::string> script = {"select 1"};
    script.insert(script.end(), actions.begin(), actions.end());
    script.emplace_back("close");
    testing::run_script(w, script);
    const Control& c = w.control(1);
    return {c.text, c.sel_start, c.sel_end, armed, lookups};
  }
};

TEST_F(Autocomplete, CompletesEachKindAndSelectsWhatWasNotTyped) {
  struct Case {
    const char* kind;
    std::vector<std::string> actions;
    const char* extra;
    Field expected;
  };
  const std::string lucznik("Łucznik S.A."_cp);
  const Case cases[] = {
      {"WOJEWODZTWO", {"type Maz"}, "", {"mazowieckie", 4, 11, 1, 1}},
      {"WOJEWODZTWO  ", {"type m"}, "", {std::string("małopolskie"_cp), 2, 11, 1, 1}},
      {"WOJEWODZTWO", {std::string("type ś"_cp)}, "", {std::string("śląskie"_cp), 2, 7, 1, 1}},
      {"NIPKH", {"type 52"}, "", {"52", 0, 0, 1, 1}},  // too short: nothing, still armed
      {"NIPKH", {"type 527"}, "", {"5273021570", 4, 10, 1, 1}},
      {"NIPKH", {"type 720"}, "", {"72030512345", 4, 11, 1, 1}},  // PESEL of a non-VAT payer
      {"NIPKP", {"type 583"}, "", {"5834056087", 4, 10, 1, 1}},
      {"NZKKH", {std::string("type łuc"_cp)}, "", {lucznik, 4, 12, 1, 1}},
      {"NZKKH", {"type luc"}, "", {"luc", 0, 0, 0, 1}},  // Ł is a letter of its own
      {"xxxxxNZKKH", {"type ucz"}, "", {lucznik, 4, 12, 1, 1}},
      {"NZKKH", {"type hur"}, "", {"hur", 0, 0, 0, 1}},  // another company's contractor
      {"NZPKH", {"type lub"}, "", {"lub", 0, 0, 1, 1}},  // full names from 4 characters
      {"PLANK", {"type 501"}, "", {"501-01", 5, 6, 1, 1}},
      {"PLANK", {"type 501-01-1"}, "", {"501-01-1", 0, 0, 0, 1}},  // only longer accounts
      {"OPIS", {"type Zak"}, "ZAKUP", {std::string("Zakup materiałów biurowych"_cp), 4, 26, 1, 1}},
      {"OPIS", {"type Zak"}, "S", {"Zak", 0, 0, 0, 1}},
      {"OPIS", {"type Sprz"}, "", {std::string("Sprzedaż towarów"_cp), 5, 16, 1, 1}},
      {"KODPOCZT", {"type 01-"}, "", {"01-", 0, 0, 1, 1}},
      {"INNY", {"type maz"}, "", {"maz", 0, 0, 1, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(type_into(c.kind, c.actions, c.extra), c.expected)
        << c.kind << " " << ::testing::PrintToString(c.actions);
  }
}

TEST_F(Autocomplete, AMissDisarmsUntilAnEditingKeyAndSwitchesTurnKindsOff) {
  // After the miss, "Q" is not looked up; Backspace re-arms without a lookup; the next letter
  // finds the voivodeship again.
  EXPECT_EQ(type_into("WOJEWODZTWO",
                      {"type mazQ", "type Q", "key Backspace", "key Backspace", "key Backspace"}),
            (Field{"ma", 0, 0, 1, 5}));
  EXPECT_EQ(type_into("WOJEWODZTWO", {"type mQ", "key Backspace", "type az"}),
            (Field{"mazowieckie", 4, 11, 1, 3}));
  dane::set_number(Global::GGG_AUTOUZUPELNIANIE_KONTRAHENTA, 0);
  EXPECT_EQ(type_into("NIPKH", {"type 527"}), (Field{"527", 0, 0, 1, 1}));
  dane::set_number(Global::GGG_AUTOUZUPELNIANIE_KONTA, 0);
  EXPECT_EQ(type_into("PLANK", {"type 501"}), (Field{"501", 0, 0, 1, 1}));
}

TEST_F(Autocomplete, AnAccountEndingInXTakesTheExtraText) {
  rows("INSERT INTO WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta) VALUES (1, 3, '300-x')");
  struct Case {
    const char* extra;
    Field expected;
  };
  const Case cases[] = {
      {"", {"300-", 0, 0, 1, 1}},
      {"0", {"300-", 0, 0, 1, 1}},
      {"12  ", {"300-12", 5, 6, 1, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(type_into("PLANK", {"type 300"}, c.extra), c.expected) << c.extra;
  }
}

TEST_F(Autocomplete, FoundFullNamesHaveTheirLinesJoined) {
  rows(
      "UPDATE KONTRAHENT SET nazwa_pelna = 'Lubawa' + char(9) + 'Spolka' + char(13) + "
      "char(10) + 'Akcyjna' WHERE nip = '5273021570'");
  const Field f = type_into("NZPKH", {"type Luba"});
  EXPECT_EQ(f.text, "Lubawa\tSpolkaAkcyjna");  // lines joined; other characters stay
  EXPECT_EQ(f.sel_start, 5);
}

TEST_F(Autocomplete, HostileTypedTextsFindNothingAndBreakNothing) {
  const std::vector<std::string> hostile = {"x' or '1'='1", "''';--", std::string(5000, '\'')};
  for (const std::string& h : hostile) {
    for (const char* kind : {"NZKKH", "xxxxxNZKKH", "PLANK", "OPIS", "NIPKH"}) {
      const Field f = type_into(kind, {"type " + h});
      EXPECT_EQ(f.text, h) << kind;
      EXPECT_TRUE(warnings().empty()) << kind << " " << h.substr(0, 20);
    }
  }
  // The apostrophe of a real name is found like any other letter.
  EXPECT_EQ(type_into("NZKKH", {"type O'B"}).text, "O'Brien Consulting Ltd");
  EXPECT_EQ(rows("select count(*) from KONTRAHENT"), texts({"10"}));
}

}  // namespace
}  // namespace funkcja::ui
