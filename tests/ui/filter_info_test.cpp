#include "frame/cp_literal.hpp"
#include "host/dane/process_objects.hpp"
#include "support/database_fixture.hpp"
#include "ui/tree_filters.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

class FilterInfo : public testing::DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    dane::reset_process_objects();
  }
  static std::vector<std::string> description() {
    auto list = dane::hold_queue(dane::kOpisPrn);
    std::vector<std::string> out;
    for (std::size_t n = 1; n <= list->count(); ++n) out.push_back(list->get(n, 1));
    return out;
  }
};

TEST_F(FilterInfo, DescribesTheBudgetFilterInUpToFourLines) {
  struct Case {
    std::int32_t browse;
    std::string filter;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {36,
       "BT_KLASYFIKACJA like '750%' AND (BT_KLASYFIKACJA like '8_1%')",
       {"Klasyfikacja: 750* 8?1*"}},
      // Journal ids end at a blank or at ")"; an id that is no number either way is skipped,
      // and a journal that does not exist gives an empty code.
      {36,
       "(ID_PACZKA=1) OR ID_PACZKA=2 AND ID_PACZKA=x1 AND ID_PACZKA=1;delete from PACZKA AND "
       "ID_PACZKA=99",
       {"Dziennik: RK, WB, ,"}},
      {36, "ID_TYP_DOK=3)", {"Typ dokumentu: WB,"}},
      // 1 January, 28 January, 17 January and 13 December 2026.
      {36,
       "DATA_OKRESU=82184 AND DATA_OKRESU=82211 AND (DATA_OKRESU=82200) AND DATA_OKRESU=82530 "
       "AND DATA_OKRESU=abc",
       {std::string("Okres obrotowy: BO, BZ, Styczeń, Grudzień,"_cp)}},
      {36,
       "DATA_OKRESU=82184 AND ID_TYP_DOK=1 AND ID_PACZKA=3 AND BT_KLASYFIKACJA like '801%'  ",
       {"Klasyfikacja: 801*", "Dziennik: FS,", "Typ dokumentu: FS,", "Okres obrotowy: BO,"}},
      {36, "NR_DOK like 'FV%'", {}},
      {35, "BT_KLASYFIKACJA like '750%' AND ID_PACZKA=1", {}},
      // A line longer than 150 characters is cut.
      {36,
       [] {
         std::string f;
         for (int i = 0; i < 40; ++i) f += "BT_KLASYFIKACJA like '1234' OR ";
         return f;
       }(),
       {[] {
         std::string l = "Klasyfikacja:";
         while (l.size() < 150) l += " 1234";
         return l.substr(0, 150);
       }()}},
  };
  for (const Case& c : cases) {
    dane::reset_process_objects();
    FILTR_INFO(c.browse, c.filter);
    EXPECT_EQ(description(), c.lines) << c.filter;
  }
  EXPECT_EQ(rows("select count(*) from PACZKA"), texts({"6"}));
}

}  // namespace
}  // namespace funkcja::ui
