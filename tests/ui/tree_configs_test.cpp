#include <sqlite3.h>

#include <algorithm>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/process_objects.hpp"
#include "host/sqlite/functions.hpp"
#include "support/demo_window_test.hpp"
#include "ui/tree_branches.hpp"
#include "ui/tree_filters.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

class TreeConfigs : public testing::DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    dane::reset_process_objects();
  }

  static void set_tree(const std::vector<tree::Branch>& branches) {
    auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
    tree::write_branches(*list, branches);
  }
  static std::vector<tree::Branch> current_tree() {
    auto list = dane::hold_queue(dane::kFiltrDrzewoUni);
    return tree::read_branches(*list);
  }
  static tree::Branch branch(std::string name, std::int32_t order, std::string value) {
    return {std::move(name), 2, 1, order, "TYP_KARTOTEKI", std::move(value), "="};
  }
  // The stored rows of a tree as the test compares them.
  static std::vector<std::string> stored(std::string_view name) {
    return rows(
        "select id_browsera, lp, ikona, nazwa_galezi, poziom, pole_filtr, wart_pola, warunek, "
        "zakres_d, zakres_g, domyslny from BROWSER_KONFIG where nazwa_drzewa = " +
        sql_text(name) + " order by lp");
  }
  static std::string sql_text(std::string_view s) {
    std::string out = "'";
    for (const char c : s) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
  }
};

TEST_F(TreeConfigs, DefaultTreeOfTheUserOrTheRootAlone) {
  struct Case {
    std::int32_t browse;
    std::string name;
    std::vector<std::string> lines;  // after the root: name|level|order|value
  };
  const std::vector<std::string> documents = {std::string("Faktury sprzedaży|1|1|1"_cp),
                                              "Faktury zakupu|1|2|2"};
  const Case cases[] = {
      {24, "", {}},
      {1, std::string("Według typu dokumentu"_cp), documents},
      {2, std::string("Według typu dokumentu"_cp), documents},
      {30,
       "Rozrachunki z kontrahentami",
       {"Kontrahenci|1|1|'K'", std::string("Należności|2|2|'N'"_cp), "W euro|2|3|'EUR'"}},
  };
  for (const Case& c : cases) {
    set_tree({tree::root_branch(), branch("stara", 1, "'X'")});
    EXPECT_EQ(TREE_WYBIERZ_KONFIG(c.browse, 1), c.name) << c.browse;
    const auto t = current_tree();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t[0], tree::root_branch());
    std::vector<std::string> lines;
    for (std::size_t i = 1; i < t.size(); ++i) {
      lines.push_back(t[i].name + "|" + std::to_string(t[i].level) + "|" +
                      std::to_string(t[i].order) + "|" + std::string(text::clip(t[i].value)));
    }
    EXPECT_EQ(lines, c.lines) << c.browse;
  }
  // Another user sees none of AKOWALSKA's trees.
  set_session(1, "JNOWAK", 3, 3);
  EXPECT_EQ(TREE_WYBIERZ_KONFIG(1, 1), "");
  EXPECT_EQ(current_tree(), std::vector<tree::Branch>{tree::root_branch()});
}

TEST_F(TreeConfigs, HostileNamesAreSavedLoadedAndFoundAsTyped) {
  const std::string names[] = {"O'Brien", "';delete from BROWSER_KONFIG--",
                               std::string("Zażółć 'x' \"y\""_cp)};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::vector<tree::Branch> saved = {
        tree::root_branch(), branch("Kontrahenci", 1, "'K'"),
        branch("x'); delete from BROWSER_KONFIG; --", 2, "'O''Brien'"), branch("Numer", 3, "12")};
    set_tree(saved);
    headless_driver().clear();
    script({"type " + name, "key F10"});
    // Browse 2 writes the trees of browse 1.
    EXPECT_EQ(TREE_DODAJ_KONFIG(2, ""), name);
    EXPECT_EQ(stored(name),
              texts({"1|1|2|Kontrahenci|1|TYP_KARTOTEKI|'K'|=|0|0|1",
                     "1|2|2|x'); delete from BROWSER_KONFIG; --|1|TYP_KARTOTEKI|'O''Brien'|=|0|0|1",
                     "1|3|2|Numer|1|TYP_KARTOTEKI|12|=|0|0|1"}));
    // The demo trees are still there, and no longer the default.
    EXPECT_EQ(rows("select count(*) from BROWSER_KONFIG where id_browsera=1 AND domyslny=1 AND "
                   "nazwa_drzewa<>" +
                   sql_text(name)),
              texts({"0"}));

    // Loaded back by choosing it from the list: the same tree, and it is the default again.
    set_tree({tree::root_branch()});
    const auto names_now = rows(
        "select nazwa_drzewa from BROWSER_KONFIG where id_browsera=1 AND id_uzyt='AKOWALSKA' "
        "group by nazwa_drzewa order by nazwa_drzewa");
    const auto at = std::find(names_now.begin(), names_now.end(), name);
    ASSERT_NE(at, names_now.end());
    headless_driver().clear();
    script({"choose " + std::to_string(at - names_now.begin() + 1), "key F10"});
    EXPECT_EQ(TREE_WYBIERZ_KONFIG(1, 0), name);
    EXPECT_EQ(current_tree(), saved);
    set_tree({tree::root_branch()});
    EXPECT_EQ(TREE_WYBIERZ_KONFIG(2, 1), name);
    EXPECT_EQ(current_tree(), saved);
  }
  EXPECT_TRUE(warnings().empty());
}

TEST_F(TreeConfigs, SaveWindowRefusesATakenOrEmptyNameAndOverwritesTheCurrentTree) {
  const std::string taken(
      "Konfiguracja o podanej nazwie już istnieje.|Proszę podać inną nazwę."_cp);
  const std::string empty("Proszę podać nazwę konfiguracji."_cp);
  struct Case {
    const char* current;
    std::vector<std::string> actions;
    std::string result;
    std::vector<std::string> boxes;
  };
  const Case cases[] = {
      // A taken name keeps the window open with the name in it.
      {"",
       {std::string("type Według dziennika"_cp), "key F10", "type  nowy", "key F10"},
       std::string("Według dziennika nowy"_cp),
       {taken}},
      {"", {"key F10", "key Esc"}, "", {empty}},
      // With a current tree the window starts in the overwrite choice.
      {"Według dziennika", {"key F10"}, std::string("Według dziennika"_cp), {}},
      {"Według dziennika", {"type Inna", "key F10"}, std::string("Według dziennika"_cp), {}},
      {"Według dziennika", {"mouse 2", "select 5", "type Inna", "key F10"}, "Inna", {}},
      {"Według dziennika", {"key Esc"}, "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.actions));
    set_tree({tree::root_branch(), branch("Jedyna", 1, "'K'")});
    headless_driver().clear();
    platform::headless_message_box().clear();
    script(c.actions);
    const std::string current(
        std::string_view(c.current) == "" ? std::string() : std::string("Według dziennika"_cp));
    EXPECT_EQ(TREE_DODAJ_KONFIG(1, current), c.result);
    EXPECT_EQ(warnings(), c.boxes);
    if (!c.result.empty()) {
      EXPECT_EQ(stored(c.result), texts({"1|1|2|Jedyna|1|TYP_KARTOTEKI|'K'|=|0|0|1"}));
    }
  }
}

TEST_F(TreeConfigs, AFailedInsertIsReportedAndTheOtherBranchesAreWritten) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
  sqlite::register_functions(db);
  ASSERT_EQ(sqlite3_exec(db,
                         "create trigger odrzuc before insert on BROWSER_KONFIG when "
                         "new.nazwa_galezi = 'Odrzucona' begin select raise(abort, "
                         "'Gałąź odrzucona'); end;",
                         nullptr, nullptr, nullptr),
            SQLITE_OK)
      << sqlite3_errmsg(db);
  sqlite3_close(db);
  set_tree({tree::root_branch(), branch("Pierwsza", 1, "1"), branch("Odrzucona", 2, "2"),
            branch("Trzecia", 3, "3")});
  script({"type Nowa", "key F10"});
  EXPECT_EQ(TREE_DODAJ_KONFIG(24, ""), "Nowa");
  EXPECT_EQ(stored("Nowa"), texts({"24|1|2|Pierwsza|1|TYP_KARTOTEKI|1|=|0|0|1",
                                   "24|3|2|Trzecia|1|TYP_KARTOTEKI|3|=|0|0|1"}));
  ASSERT_EQ(warnings().size(), 1u);
  EXPECT_NE(warnings()[0].find("odrzucona"), std::string::npos) << warnings()[0];
}

}  // namespace
}  // namespace funkcja::ui
