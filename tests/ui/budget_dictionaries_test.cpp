#include <atomic>
#include <thread>

#include "frame/cp_literal.hpp"
#include "host/dane/process_objects.hpp"
#include "support/database_fixture.hpp"
#include "ui/tree_branches.hpp"
#include "ui/tree_filters.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

class BudgetDictionaries : public testing::DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    dane::reset_process_objects();
  }
  // Every line of a list, fields joined by "|".
  static std::vector<std::string> lines(std::string_view name) {
    auto list = dane::hold_queue(name);
    std::vector<std::string> out;
    for (std::size_t n = 1; n <= list->count(); ++n) {
      std::string line;
      for (std::size_t f = 1; f <= list->field_count(n); ++f) {
        line += (f > 1 ? "|" : "") + list->get(n, f);
      }
      out.push_back(line);
    }
    return out;
  }
  static void flag(dane::Global g, int value) { dane::set_number(g, value); }
};

TEST_F(BudgetDictionaries, AccountStructureReloadsOnlyOnTheFlagOrAnotherYear) {
  const std::vector<std::string> expected = {
      std::string("0|Dział|Dział klasyfikacji budżetowej tradycyjnej|0|3|D|501|1"_cp),
      std::string("0|Rozdział|Rozdział klasyfikacji budżetowej tradycyjnej|0|5|R|501|2"_cp),
      "1|PROJ|Projekty|1|3|S|501|3"};
  const auto flag_now = [] {
    return dane::get_number(dane::Global::GGG_STRUKTURA_KONTA_ODSWIEZ_FLAGA);
  };
  flag(dane::Global::GGG_STRUKTURA_KONTA_ODSWIEZ_FLAGA, 1);
  BTZ_LADUJ_STRUKTURE_KONTA(3);
  EXPECT_EQ(lines("$GGG:STRUKTURA_KONTA"), expected);
  EXPECT_EQ(flag_now(), 0);
  rows(
      "insert into SLOW_PLAN_KONT (id_lata_obrot, id_kartoteki, TYP, NR_KONTA, LP) values "
      "(3, NULL, 'S', '502', 1)");
  struct Step {
    int flag;
    std::int32_t year;
    std::size_t count;
  };
  const Step steps[] = {{0, 3, 3}, {1, 3, 4}, {0, 3, 4}, {0, 2, 0}, {0, 3, 4}};
  for (const Step& s : steps) {
    flag(dane::Global::GGG_STRUKTURA_KONTA_ODSWIEZ_FLAGA, s.flag);
    BTZ_LADUJ_STRUKTURE_KONTA(s.year);
    EXPECT_EQ(lines("$GGG:STRUKTURA_KONTA").size(), s.count) << s.flag << " " << s.year;
    EXPECT_EQ(flag_now(), 0);
  }
  EXPECT_TRUE(warnings().empty());
}

TEST_F(BudgetDictionaries, DictionariesReloadOnTheFlagOrAnotherCompanyAndNameWhatIsMissing) {
  const std::string dzialania(
      "Brakuje pozycji słownika użytkownika oznaczonego jako \"Działania\"."_cp);
  const std::string podzadania(
      "Brakuje pozycji słownika użytkownika oznaczonego jako \"Podzadania\"."_cp);
  const std::string none(
      "Brakuje co najmniej jednego słownika użytkownika oznaczonego jako: \"Funkcje\",\"Zadania\","
      "\"Podzadania\",\"Działania\", który jest przeznaczony do dekretacji dokumentu."_cp);
  struct Step {
    int flag;
    int company;
    int task_budget;
    std::size_t count;
    std::uint8_t result;
    std::vector<std::string> boxes;
  };
  const Step steps[] = {
      {1, 1, 0, 3, 0, {}},
      {0, 1, 1, 3, 1, {podzadania, dzialania}},
      {0,
       2,
       1,
       0,
       1,
       {std::string("Brakuje pozycji słownika użytkownika oznaczonego jako \"Funkcje\"."_cp),
        std::string("Brakuje pozycji słownika użytkownika oznaczonego jako \"Zadania\"."_cp),
        podzadania, dzialania, none}},
      {0, 1, 0, 3, 0, {}},
  };
  for (const Step& s : steps) {
    platform::headless_message_box().clear();
    flag(dane::Global::GGG_KARTOTEKA_U_ODSWIEZ_FLAGA, s.flag);
    dane::set_number(dane::Global::DANE_ID_FIRMY, s.company);
    dane::set_number(dane::Global::GGG_BT_BUDZET_ZADANIOWY, s.task_budget);
    EXPECT_EQ(BTZ_LADUJ_SLOWNIKI_GLO(), s.result) << s.company;
    EXPECT_EQ(lines("$GGG:KARTOTEKA_U").size(), s.count) << s.company;
    EXPECT_EQ(warnings(), s.boxes) << s.company;
  }
  const auto first = lines("$GGG:KARTOTEKA_U").front();
  EXPECT_EQ(first, "1|1|1|Budowa magazynu|0|0|1|0|0|1|ZADANIE|1|PROJ");
  // A new position shows only after the flag asks for it.
  rows("insert into KARTOTEKA_UZYTKOWNIKA_POZ values (9, 3, 'X', 'Nowa', 0, 1, 0, 0)");
  rows("update KARTOTEKA_UZYTKOWNIKA set przeznaczenie = 3, lp = 9 where ID_KARTOTEKI = 3");
  EXPECT_EQ(BTZ_LADUJ_SLOWNIKI_GLO(), 0);
  EXPECT_EQ(lines("$GGG:KARTOTEKA_U").size(), 3u);
  flag(dane::Global::GGG_KARTOTEKA_U_ODSWIEZ_FLAGA, 1);
  BTZ_LADUJ_SLOWNIKI_GLO();
  EXPECT_EQ(lines("$GGG:KARTOTEKA_U").size(), 5u);
}

// The process-wide lists under concurrent loads, descriptions and tree loads: each list is
// always whole (ThreadSanitizer watches the remembered company and year).
TEST_F(BudgetDictionaries, ListsStayWholeUnderConcurrentCalls) {
  constexpr int kThreads = 8;
  std::atomic<int> torn{0};
  const auto worker = [&](int t) {
    for (int i = 0; i < 20; ++i) {
      if (i % 5 == 0) dane::set_number(dane::Global::GGG_KARTOTEKA_U_ODSWIEZ_FLAGA, 1);
      BTZ_LADUJ_SLOWNIKI_GLO();
      BTZ_LADUJ_STRUKTURE_KONTA(t % 2 == 0 ? 3 : 2);
      TREE_WYBIERZ_KONFIG(1, 1);
      FILTR_INFO(36, "ID_PACZKA=1");
      {
        auto list = dane::hold_queue("$GGG:KARTOTEKA_U");
        if (list->count() != 0 && list->count() != 3) ++torn;
      }
      {
        auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
        if (list->count() != 3) ++torn;
      }
      {
        auto list = dane::hold_queue("$GGG:STRUKTURA_KONTA");
        if (list->count() != 0 && list->count() != 3) ++torn;
      }
    }
    dane::close_thread_connection();
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) threads.emplace_back(worker, t);
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(torn.load(), 0);
  EXPECT_EQ(lines("$DANE_OPIS_PRN").size(), static_cast<std::size_t>(kThreads * 20));
}

}  // namespace
}  // namespace funkcja::ui
