#include "frame/cp_literal.hpp"
#include "host/dane/process_objects.hpp"
#include "support/demo_window_test.hpp"
#include "ui/tree_branches.hpp"
#include "ui/tree_candidates.hpp"
#include "ui/tree_filters.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

class TreeBranchWindow : public testing::DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    dane::reset_process_objects();
    dane::set_number(dane::Global::DANE_DATA_BIEZACA, 82523);  // 6 December 2026
  }
  static void set_tree(const std::vector<tree::Branch>& branches) {
    auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
    tree::write_branches(*list, branches);
  }
  // The tree after the root: "name|level|order|field|value|condition".
  static std::vector<std::string> branches() {
    auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
    std::vector<std::string> out;
    const auto t = tree::read_branches(*list);
    for (std::size_t i = 1; i < t.size(); ++i) {
      out.push_back(t[i].name + "|" + std::to_string(t[i].level) + "|" +
                    std::to_string(t[i].order) + "|" + t[i].field + "|" + t[i].value + "|" +
                    t[i].condition);
    }
    return out;
  }
};

// Controls of the window: 3 fields, 5 operators, 7 value, 9 candidates, 11 branch name,
// 13 place, 14 one branch per candidate, 15 a single branch.
TEST_F(TreeBranchWindow, AddsBranchesEitherWayBelowTheChosenLine) {
  struct Case {
    const char* what;
    std::int32_t browse;
    std::int32_t year;
    std::vector<std::string> actions;
    std::int32_t result;
    std::vector<std::string> expected;  // after the root and the existing line "2026"
  };
  const Case cases[] = {
      {"every active VAT rate",
       24,
       2026,
       {"choose 2", "mouse 14", "key F10"},
       1,
       {"23%|1|1|ID_STAWKI|1|=", "8%|1|2|ID_STAWKI|2|=", "5%|1|3|ID_STAWKI|3|=",
        "0%|1|4|ID_STAWKI|4|=", "zw|1|5|ID_STAWKI|5|=", "np|1|6|ID_STAWKI|6|=",
        "2026|1|7|ID_LATA_OBROT|3|="}},
      {"a picked mark, named after operator, field and value",
       24,
       2026,
       {"choose 4", "select 9", "choose 1", "key F10"},
       1,
       {"= " + std::string("Wyróżnik 1"_cp) + " A|1|1|CECHA_1|'A'|=",
        "2026|1|2|ID_LATA_OBROT|3|="}},
      {"the empty mark, another operator, a typed name, below line 2",
       24,
       2026,
       {"choose 4", "select 5", "choose 2", "select 9", "choose 2", "select 11", "type Bez",
        "select 13", "choose 2", "key F10"},
       1,
       {"2026|1|1|ID_LATA_OBROT|3|=", "Bez|2|2|CECHA_1|''|<>"}},
      {"the year field starts at the working date's year",
       24,
       0,
       {"choose 1", "key F10"},
       1,
       {"= Rok obrotowy 2026|1|1|ID_LATA_OBROT|2026|=", "2026|1|2|ID_LATA_OBROT|3|="}},
      {"a typed value",
       22,
       0,
       {"choose 10", "select 7", "type 4", "key F10"},
       1,
       {"= Typ dokumentu 4|1|1|ID_TYP_DOK|4|=", "2026|1|2|ID_LATA_OBROT|3|="}},
      {"the months of the year: 2 January is 82185",
       22,
       2026,
       {"choose 2", "mouse 14", "key F10"},
       1,
       {std::string("Styczeń|1|1|DATA_OKRESU|82185|="_cp), "Luty|1|2|DATA_OKRESU|82216|=",
        "Marzec|1|3|DATA_OKRESU|82244|=", std::string("Kwiecień|1|4|DATA_OKRESU|82275|="_cp),
        "Maj|1|5|DATA_OKRESU|82305|=", "Czerwiec|1|6|DATA_OKRESU|82336|=",
        "Lipiec|1|7|DATA_OKRESU|82366|=", std::string("Sierpień|1|8|DATA_OKRESU|82397|="_cp),
        std::string("Wrzesień|1|9|DATA_OKRESU|82428|="_cp),
        std::string("Październik|1|10|DATA_OKRESU|82458|="_cp), "Listopad|1|11|DATA_OKRESU|82489|=",
        std::string("Grudzień|1|12|DATA_OKRESU|82519|="_cp), "2026|1|13|ID_LATA_OBROT|3|="}},
      {"without a year the months cannot be added",
       22,
       0,
       {"choose 2", "mouse 14", "key F10"},
       0,
       {"2026|1|1|ID_LATA_OBROT|3|="}},
      {"cancelled",
       24,
       2026,
       {"choose 3", "mouse 14", "key Esc"},
       0,
       {"2026|1|1|ID_LATA_OBROT|3|="}},
      {"linked to a transfer: two more lines below it",
       30,
       0,
       {"choose 5", "mouse 14", "key F10"},
       1,
       {std::string("Powiązane z przelewem|1|1|RNV:PRZELEW_INTER_ROZRACHUNEK|1|="_cp),
        "Zrealizowanym|2|2|RNV:PRZELEW_INTER_ROZRACHUNEK|2|=",
        "Niezrealizowanym|2|3|RNV:PRZELEW_INTER_ROZRACHUNEK|3|=",
        std::string("Niepowiązane z przelewem|1|4|RNV:PRZELEW_INTER_ROZRACHUNEK|0|="_cp),
        "2026|1|5|ID_LATA_OBROT|3|="}},
      {"the single branch linked to a transfer gets them too",
       30,
       0,
       {"choose 5", "select 9", "choose 1", "select 11", "type Przelewy", "key F10"},
       1,
       {"Przelewy|1|1|RNV:PRZELEW_INTER_ROZRACHUNEK|1|=",
        "Zrealizowanym|2|2|RNV:PRZELEW_INTER_ROZRACHUNEK|2|=",
        "Niezrealizowanym|2|3|RNV:PRZELEW_INTER_ROZRACHUNEK|3|=", "2026|1|4|ID_LATA_OBROT|3|="}},
      {"a field of the kind 'K' carries its apostrophes",
       30,
       0,
       {"choose 1", "select 9", "choose 1", "key F10"},
       1,
       {"= Rodzaj rozrachunku Kontrahenci|1|1|TYP_KARTOTEKI|'K'|=", "2026|1|2|ID_LATA_OBROT|3|="}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    set_tree({tree::root_branch(), {"2026", 2, 1, 1, "ID_LATA_OBROT", "3", "="}});
    headless_driver().clear();
    platform::headless_message_box().clear();
    script(c.actions);
    EXPECT_EQ(TREE_DODAJ_GALAZ(c.browse, c.year), c.result);
    EXPECT_EQ(branches(), c.expected);
  }
}

TEST_F(TreeBranchWindow, BuildersOfTheBrowsesOfferTheirCandidates) {
  struct Case {
    std::int32_t browse;
    std::int32_t field;
    std::vector<std::string> candidates;  // "display=value", the first ones
  };
  const Case cases[] = {
      {24, 4, {"IU=7"}},
      {20, 4, {"KRAJ=1", "WDT=2", "EKSP=3"}},
      {20, 25, {"KRAJ=1", "WDT=2"}},
      {21, 26, {"WNT=6"}},
      {24, 6, {"A='A'", std::string("<brak wyróżnika>=''"_cp)}},
      {24, 18, {"2024 (obrotowy)=1", "2025 (obrotowy)=2", "2026 (obrotowy)=3"}},
      {30, 7, {"2026 (obrotowy)=3", "2025 (obrotowy)=2", "2024 (obrotowy)=1"}},
      {24, 19, {"FS=3", "FZ=4", "PK=5", "RK=1", "WB=2"}},
      {24, 17, {"Faktury MP=1", std::string("Faktury zwykłe=0"_cp)}},
      {24,
       24,
       {std::string("1 kwartał=1"_cp), std::string("2 kwartał=2"_cp), std::string("3 kwartał=3"_cp),
        std::string("4 kwartał=4"_cp)}},
      {1,
       3,
       {"ADMIN Administrator Systemu='ADMIN'", "AKOWALSKA Anna Kowalska='AKOWALSKA'",
        "JNOWAK Jan Nowak='JNOWAK'"}},
      {9, 1, {"Bank Polska Kasa Opieki S.A.=5", std::string("ING Bank Śląski S.A.=4"_cp)}},
      {39, 1, {"KP Kasa przyjmie=1", "KW Kasa wyda=2"}},
      {2001, 1, {"Budowa magazynu=1", "Modernizacja linii=2"}},
      {6, 2, {"Kobieta='Kobieta'", std::string("Mężczyzna='Mężczyzna'"_cp)}},
  };
  for (const Case& c : cases) {
    const tree::CandidateList list = tree::build_candidates(c.browse, c.field, 2026);
    std::vector<std::string> got;
    for (std::size_t i = 0; i < list.candidates.size() && i < c.candidates.size(); ++i) {
      got.push_back(list.candidates[i].display + "=" + list.candidates[i].value);
    }
    EXPECT_EQ(got, c.candidates) << c.browse << " " << c.field;
    EXPECT_TRUE(list.shown && list.enabled) << c.browse << " " << c.field;
  }
  // Browses 20 and 21 have no split between MP and ordinary invoices; unknown fields offer
  // nothing.
  EXPECT_EQ(tree::field_builder(20, 17), nullptr);
  EXPECT_NE(tree::field_builder(23, 17), nullptr);
  EXPECT_FALSE(tree::build_candidates(24, 99, 2026).shown);
  EXPECT_FALSE(tree::build_candidates(-2147483647 - 1, 1, 0).shown);
}

}  // namespace
}  // namespace funkcja::ui
