#include <stdlib.h>

#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "host/platform/open_file.hpp"
#include "support/demo_window_test.hpp"
#include "ui/info_windows.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

class InfoWindows : public testing::DemoWindowTest {
 protected:
  static std::vector<WindowSnapshot> shown() { return headless_driver().history(); }
};

TEST_F(InfoWindows, LastVatUpdateOfARecordByRegister) {
  const std::string none("brak informacji o aktualizacji dla wybranego okresu"_cp);
  struct Case {
    const char* register_kind;
    std::int32_t record;
    std::string expected;
  };
  const Case cases[] = {
      {"Z", 82488, std::string("3-12-2026  09:05:41,  użytkownik: JNOWAK"_cp)},
      {"Z  ", 82488, std::string("3-12-2026  09:05:41,  użytkownik: JNOWAK"_cp)},
      {"S", 82488, std::string("2-12-2026  14:35:12,  użytkownik: AKOWALSKA"_cp)},
      {"Z", 1, none},
      {"X", 82488, none},
      {"", 82488, none},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(INFO_AKTUALIZACJA_VAT(c.register_kind, c.record), c.expected) << c.register_kind;
  }
  // Another company sees nothing of company 1's log.
  dane::set_number(dane::Global::DANE_ID_FIRMY, 2);
  EXPECT_EQ(INFO_AKTUALIZACJA_VAT("Z", 82488), none);
}

TEST_F(InfoWindows, StatementsOfTheUserWithTheirRanges) {
  INFO_ZESTAWIENIE(1);
  INFO_ZESTAWIENIE(0);
  const auto h = shown();
  ASSERT_GE(h.size(), 2u);
  EXPECT_EQ(h.front().key, "Info_Zestawienie");
  EXPECT_EQ(h.front().caption, "Obliczanie pozycji deklaracji / Informacja");
  EXPECT_EQ(h.back().caption, "Generowanie zestawienia / Informacja");
  EXPECT_EQ(h.back().control(1)->text,
            "Lista zestawień, których pozycje zostały wykorzystane w bieżącym zestawieniu"_cp);
  EXPECT_EQ(h.back().control(1)->font.size, 9);
  EXPECT_EQ(list_rows(h.back()),
            (std::vector<std::string>{
                std::string("Zestawienie obrotów i sald|06-12-2026|od 01-01-2026 do 01-12-2026"_cp),
                std::string("Bilans otwarcia|07-01-2026|na dzień 01-01-2026"_cp)}));
  // A user without statements sees no window at all.
  headless_driver().clear();
  dane::set_number(dane::Global::DANE_ID_UZYTKOWNIKA_NR, 3);
  INFO_ZESTAWIENIE(1);
  EXPECT_TRUE(shown().empty());
}

TEST_F(InfoWindows, ContractorOfADocument) {
  struct Case {
    std::int32_t document;
    std::uint8_t no_window;
    std::string line;         // the header; empty: no window
    std::string information;  // its first line
  };
  const Case cases[] = {
      {1001, 0,
       std::string("Dokument: FS/2026/12/001 z dn. 01-12-2026 (FS/12/001 zaksięgowany dn. "
                   "03-12-2026)"_cp),
       std::string("Lubawa Spółka Akcyjna"_cp)},
      {0, 0, "Brak informacji o dokumencie", ""},
      {1001, 1, "", ""},
  };
  for (const Case& c : cases) {
    headless_driver().clear();
    INFO_KONTRAHENT(c.document, 1, 1, 1, 1, c.no_window);
    const auto h = shown();
    if (c.line.empty()) {
      EXPECT_TRUE(h.empty());
      continue;
    }
    ASSERT_FALSE(h.empty());
    EXPECT_EQ(h.back().key, "Info_kontrahent");
    EXPECT_EQ(h.back().control(1)->text, c.line);
    EXPECT_EQ(h.back().control(3)->text.substr(0, c.information.size()), c.information);
    if (c.information.empty()) {
      EXPECT_EQ(h.back().control(3)->text, "");
    }
  }
  EXPECT_TRUE(warnings().empty());
}

TEST(HelpHook, OpensTheTopicsKeywordAtTheConfiguredAddressInModeIOnly) {
  struct Case {
    const char* address;  // nullptr: unset
    const char* topic;
    const char* mode;
    std::vector<std::string> opened;
  };
  const char* search = "https://pomoc.example.pl/szukaj?q=%s&t=%s";
  const Case cases[] = {
      {search, "DEF5", "I", {"https://pomoc.example.pl/szukaj?q=plan%20kont&t=plan%20kont"}},
      {search,
       "D1  ",
       "I  ",
       {"https://pomoc.example.pl/szukaj?q=dokumenty%20%20procedura%20wprowadzenia&t="
        "dokumenty%20%20procedura%20wprowadzenia"}},
      {search, "DEF3", "I", {"https://pomoc.example.pl/szukaj?q=&t="}},
      {"/usr/share/doc/funkcja/index.html", "A2", "I", {"/usr/share/doc/funkcja/index.html"}},
      {search, "DEF5", "SI", {}},
      {search, "DEF5", "ST", {}},
      {search, "XYZ", "I", {}},
      {"", "DEF5", "I", {}},
      {nullptr, "DEF5", "I", {}},
  };
  for (const Case& c : cases) {
    if (c.address != nullptr) {
      ::setenv("FUNKCJA_HELP_URL", c.address, 1);
    } else {
      ::unsetenv("FUNKCJA_HELP_URL");
    }
    platform::headless_file_opener().clear();
    WOLAJ_POMOC(c.topic, c.mode);
    EXPECT_EQ(platform::headless_file_opener().requests(), c.opened) << c.topic << " " << c.mode;
  }
  ::unsetenv("FUNKCJA_HELP_URL");
  platform::headless_file_opener().clear();
}

}  // namespace
}  // namespace funkcja::ui
