#include "ui/lookup_windows.hpp"
#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "support/demo_window_test.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

class LookupWindows : public testing::DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    dane::set_number(dane::Global::DANE_POCZATEK_ROKU, 82184);  // 1 January 2026
    dane::set_number(dane::Global::DANE_KONIEC_ROKU, 82548);    // 31 December 2026
  }
  static void answers(const std::vector<std::int32_t>& buttons) {
    for (const auto b : buttons) platform::headless_message_box().push_answer(b);
  }
  // The rows of the balance list as the last window shows them.
  static std::vector<std::string> balance_rows() {
    const auto h = headless_driver().history();
    return h.empty() ? std::vector<std::string>{} : list_rows(h.back());
  }
};

TEST_F(LookupWindows, VariantNameAcceptsRefusesOrAsksBeforeOverwriting) {
  struct Case {
    const char* current;
    std::vector<std::string> actions;
    std::vector<std::int32_t> answers;
    std::string result;
    std::vector<std::string> boxes;
  };
  const std::string empty_message("Proszę podać nazwę wariantu wydruku."_cp);
  const std::string overwrite("Czy chcesz nadpisać istniejący wariant wydruku?"_cp);
  const Case cases[] = {
      // Typing replaces the selected current name.
      {"Roczne", {"type Kwartalne", "key F10"}, {}, "Kwartalne", {}},
      {"Roczne", {"type Kwartalne", "click Zapisz"}, {}, "Kwartalne", {}},
      // An empty or blank entry is refused and the window stays open.
      {"Roczne", {"type ", "key F10", "type Nowe", "key F10"}, {}, "Nowe", {empty_message}},
      {"", {"type    ", "key F10", "key Esc"}, {}, "", {empty_message}},
      // Keeping the current name asks first; Nie keeps the window open.
      {"Roczne   ", {"key F10"}, {1}, "Roczne", {overwrite}},
      {"Roczne", {"key F10", "type Inne", "key F10"}, {2}, "Inne", {overwrite}},
      {"Roczne", {"key F10", "key Esc"}, {2}, "", {overwrite}},
      // Cancelling gives empty text whatever was typed.
      {"Roczne", {"type Kwartalne", "key Esc"}, {}, "", {}},
      {"Roczne", {"type Kwartalne", "click Anuluj"}, {}, "", {}},
      {"Roczne", {"close"}, {}, "", {}},
  };
  for (const Case& c : cases) {
    headless_driver().clear();
    platform::headless_message_box().clear();
    script(c.actions);
    answers(c.answers);
    EXPECT_EQ(NAZWA_WARIANTU(c.current), c.result) << ::testing::PrintToString(c.actions);
    EXPECT_EQ(warnings(), c.boxes) << ::testing::PrintToString(c.actions);
  }
}

TEST_F(LookupWindows, VariantNameIsCutTo100CharactersAndTheQuestionWarns) {
  script({"type " + std::string(150, 'w'), "key F10"});
  EXPECT_EQ(NAZWA_WARIANTU("Roczne"), std::string(100, 'w'));
  // A current name over 100 characters is kept cut, and keeping it asks with a warning.
  headless_driver().clear();
  script({"key F10"});
  answers({1});
  EXPECT_EQ(NAZWA_WARIANTU(std::string(120, 'v')), std::string(100, 'v'));
  const auto boxes = platform::headless_message_box().shown();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, platform::MessageIcon::kWarning);
  EXPECT_EQ(boxes[0].caption, "Pytanie");
  EXPECT_EQ(boxes[0].buttons, (std::vector<std::string>{"&Tak", "&Nie"}));
  EXPECT_EQ(boxes[0].default_button, 1);
}

TEST_F(LookupWindows, BalancesOfADictionaryPositionWithSumsAndNetting) {
  STAN_KONTA_KARTOTEKOWEGO(1, "PROJEKTY", "Budowa magazynu"_cp);
  const auto h = headless_driver().history();
  ASSERT_FALSE(h.empty());
  EXPECT_EQ(h.back().key, "Stan_konta_kartotekowego");
  EXPECT_EQ(h.back().caption, "Stan kont księgowych (Rok obrotowy: 2026)"_cp);
  EXPECT_EQ(balance_rows(),
            (std::vector<std::string>{"501-01-1|0.00|0.00|22350.00|350.00|22000.00|0.00",
                                      "Razem|0.00|0.00|22350.00|350.00|22000.00|0.00",
                                      "Persaldo|0.00|0.00|||22000.00|0.00"}));
  EXPECT_TRUE(warnings().empty());
}

TEST_F(LookupWindows, BalancesFollowTheChosenCurrencyAndNetToTheLargerSide) {
  // Two accounts of position 2 in EUR: one with a debit balance, one with a larger credit one.
  rows(
      "INSERT INTO OBROTY_I_SALDA (id_firmy, id_lata_obrot, nr_konta, sym_waluty, data_okresu, "
      "bo_wn, bo_ma, obroty_wn, obroty_ma) VALUES "
      "(1, 3, '501-01-2', 'EUR', 82184, 100.10, 0, 50, 0), "
      "(1, 3, '501-01-x-2', 'EUR', 82184, 0, 300.25, 0, 20.5)");
  rows(
      "INSERT INTO WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, symbol_kartoteki) VALUES "
      "(1, 3, '501-01-x-x', 'PROJ')");
  script({"select 3", "choose 3"});  // the third currency in symbol order: EUR
  STAN_KONTA_KARTOTEKOWEGO(2, "PROJEKTY", "");
  EXPECT_EQ(balance_rows(),
            (std::vector<std::string>{"501-01-2|100.10|0.00|50.00|0.00|150.10|0.00",
                                      "501-01-x-2|0.00|300.25|0.00|20.50|0.00|320.75",
                                      "Razem|100.10|300.25|50.00|20.50|150.10|320.75",
                                      "Persaldo|0.00|200.15|||0.00|170.65"}));
}

TEST_F(LookupWindows, HostileFilterTextsFindNothingAndBreakNoStatement) {
  const std::vector<std::string> filters = {
      "x' or '1'='1", "PROJEKTY'--", "'; drop table OBROTY_I_SALDA; --", std::string(5000, '\'')};
  for (const std::string& filter : filters) {
    headless_driver().clear();
    platform::headless_message_box().clear();
    STAN_KONTA_KARTOTEKOWEGO(1, filter, "");
    EXPECT_EQ(balance_rows(), (std::vector<std::string>{"Razem|0.00|0.00|0.00|0.00|0.00|0.00",
                                                        "Persaldo|0.00|0.00|||0.00|0.00"}))
        << filter.substr(0, 40);
    EXPECT_TRUE(warnings().empty()) << filter.substr(0, 40);
  }
  EXPECT_EQ(rows("select count(*) from OBROTY_I_SALDA"), texts({"11"}));
}

TEST_F(LookupWindows, AFailedStatementIsReportedAndTheWindowStillOpens) {
  // A damaged amount makes the turnover procedure fail on both of its calls.
  rows(
      "UPDATE OBROTY_I_SALDA SET bo_wn = 'abc' WHERE nr_konta = '501-01-1' AND data_okresu = "
      "82184");
  STAN_KONTA_KARTOTEKOWEGO(1, "PROJEKTY", "");
  ASSERT_EQ(warnings().size(), 2u);
  EXPECT_NE(warnings()[0].find("'abc'"), std::string::npos) << warnings()[0];
  EXPECT_EQ(balance_rows(), (std::vector<std::string>{"501-01-1|0.00|0.00|0.00|0.00|0.00|0.00",
                                                      "Razem|0.00|0.00|0.00|0.00|0.00|0.00",
                                                      "Persaldo|0.00|0.00|||0.00|0.00"}));
}

}  // namespace
}  // namespace funkcja::ui
