// Browse column configuration on a fresh demo database per test: the format language against
// every built-in default, loading, saving in one transaction, the cache, and the window driven
// through the headless driver.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <thread>

#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "host/platform/message_box.hpp"
#include "host/sqlite/functions.hpp"
#include "support/demo_window_test.hpp"
#include "ui/browse_config.hpp"
#include "ui/browse_config_cache.hpp"
#include "ui/browse_defaults.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using namespace browse_config;

// The visible column formats of a stored format, concatenated, leaving out the named columns.
std::string without(std::string_view format, std::initializer_list<std::string_view> names) {
  std::string out;
  for (const NamedColumn& c : split_format(format)) {
    if (std::find(names.begin(), names.end(), c.name) == names.end()) out += c.format;
  }
  return out;
}

std::vector<std::string> names_of(const Config& rows) {
  std::vector<std::string> out;
  for (const ConfigRow& r : rows) out.push_back(r.name + (r.visibility == kVisible ? "" : " -"));
  return out;
}

TEST(BrowseFormat, EveryDefaultSplitsAndJoinsBackByteForByte) {
  ASSERT_GE(default_formats().size(), 44u);
  for (const DefaultFormat& d : default_formats()) {
    SCOPED_TRACE(d.browse);
    const std::vector<NamedColumn> columns = split_format(d.format);
    ASSERT_FALSE(columns.empty());
    std::vector<std::string> formats;
    for (const NamedColumn& c : columns) {
      EXPECT_LE(c.format.size(), kFormatCapacity);
      EXPECT_EQ(column_name(c.format), c.name);
      formats.push_back(c.format);
    }
    EXPECT_EQ(stored_form(formats), d.format);
    // Without a stored configuration every column is a row, and the shown ones make the format.
    const Config rows = build_rows(d.browse, d.format, {});
    EXPECT_EQ(stored_form(rows), d.format);
    EXPECT_EQ(rows.size(), columns.size());
    // The browse's own concatenated form splits into the same columns.
    Config all = rows;
    for (ConfigRow& r : all) r.visibility = kVisible;
    const std::vector<NamedColumn> again = split_browse_format(browse_form(all));
    ASSERT_EQ(again.size(), columns.size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i].format, columns[i].format);
  }
  EXPECT_EQ(
      default_format(7),
      ";40R(2)|M~Id~C(0)@n-14@#3#;160L(2)|M~Nazwa~C(0)@s60@#4#;52R(2)|M~Kod pocztowy~C(0)"
      "@s10@#5#;120L(2)|M~Miejscowość~C(0)@s30@#6#;20L(2)|M~Numer analityki - DOS~C(0)@s5@#7#;"_cp);
  EXPECT_EQ(browse_name(44), "Plan finansowy - klasyfikacja tradycyjna "_cp);
  EXPECT_EQ(browse_name(45), "Plan finansowy - klasyfikacja zadaniowa "_cp);
  EXPECT_EQ(split_format(default_format(19)).size(), 35u);
  EXPECT_EQ(default_format(4), "");
}

TEST(BrowseFormat, NamesLieBetweenTheFirstTwoTildes) {
  const std::string long_name(150, 'x');
  const struct {
    std::string column, name;
  } cases[] = {
      {"40R(2)|M~Id~C(0)@n-14@#3#", "Id"},
      {"~a~b~c~", "a"},
      {"40R(2)|M~~C(0)", ""},
      {"40R(2)|M~ ~C(0)", " "},
      {"no name at all", ""},
      {"only ~one tilde", ""},
      {"~" + long_name + "~", long_name.substr(0, 100)},
  };
  for (const auto& c : cases) EXPECT_EQ(column_name(c.column), c.name) << c.column;
  // Pieces without a name (empty, blank, no tildes) are skipped; the rest keep every byte.
  const auto columns = split_format("x;;~A~1;~ ~;plain;~B~ 2 ;~O'Brien~3");
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[0].format, "~A~1");
  EXPECT_EQ(columns[1].format, "~B~ 2 ");
  EXPECT_EQ(columns[2].name, "O'Brien");
  // Concatenated: a column ends after its picture and field; "@" in a header is no picture.
  const auto browse = split_browse_format("1L~A@x~@s9@#1#2R~B~@n9@3C~C~@d17@#3#tail");
  ASSERT_EQ(browse.size(), 3u);
  EXPECT_EQ(browse[0].format, "1L~A@x~@s9@#1#");
  EXPECT_EQ(browse[1].format, "2R~B~@n9@");
  EXPECT_EQ(browse[2].format, "3C~C~@d17@#3#");
}

class BrowseConfig : public testing::DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    config_cache().clear();
  }
  void TearDown() override {
    config_cache().clear();
    DemoWindowTest::TearDown();
  }

  static std::vector<std::string> stored(std::int32_t browse, std::int32_t user = 2) {
    return rows(
        "select KOLEJNOSC, CZY_AKTYWNA, FORMAT_KOLUMNY from BROWSER_UZYTKOWNIK_KONF "
        "where ID_BROWSERA=" +
        std::to_string(browse) + " AND ID_UZYTKOWNIKA=" + std::to_string(user) +
        " order by KOLEJNOSC");
  }
  static std::string ids(std::int32_t browse) {
    std::string out;
    for (const auto& r : rows("select ID_KONF from BROWSER_UZYTKOWNIK_KONF where ID_BROWSERA=" +
                              std::to_string(browse) + " order by ID_KONF")) {
      out += r + ",";
    }
    return out;
  }
  static void store(std::int32_t browse, std::int32_t user,
                    const std::vector<std::pair<int, std::string>>& columns) {
    int n = 0;
    for (const auto& [active, column] : columns) {
      ASSERT_EQ(error_of("insert into BROWSER_UZYTKOWNIK_KONF(ID_BROWSERA,ID_UZYTKOWNIKA,"
                         "KOLEJNOSC,CZY_AKTYWNA,FORMAT_KOLUMNY) values(" +
                         std::to_string(browse) + "," + std::to_string(user) + "," +
                         std::to_string(++n) + "," + std::to_string(active) + ",'" + column + "')"),
                "");
    }
  }
  static std::string configure(std::uint8_t action, std::int32_t browse,
                               const std::vector<std::string>& actions,
                               std::string_view current = {}) {
    script(actions);
    return KONFIGURACJA_OKNA(action, browse, current);
  }
  static WindowSnapshot last_window() {
    const auto h = headless_driver().history();
    return h.empty() ? WindowSnapshot{} : h.back();
  }
};

TEST_F(BrowseConfig, WithoutStoredRowsTheVatRegistersHideTheirDefaultColumns) {
  const struct {
    std::int32_t browse;
    std::vector<int> hidden;
  } cases[] = {
      {19, {}},
      {20, {11, 21, 29}},
      {21, {23, 24, 25, 27, 28, 29}},
      {22, {26, 27, 28}},
      {23, {23, 24, 25, 26, 27, 28, 29}},
      {24, {24, 25, 26, 27, 28, 29}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.browse);
    const Config rows = load(2, c.browse, {}, false);
    ASSERT_EQ(rows.size(), 35u);
    std::vector<int> hidden;
    std::string expected;
    for (const ConfigRow& r : rows) {
      if (r.visibility == kHidden) hidden.push_back(r.position);
      if (r.visibility == kVisible) expected += r.format;
    }
    EXPECT_EQ(hidden, c.hidden);
    EXPECT_EQ(KONFIGURACJA_OKNA(2, c.browse, ""), expected);
  }
}

TEST_F(BrowseConfig, HidingNipIsSavedAndReloadedAndUsersAreKeptApart) {
  // Browse 5: Id, Nazwa, NIP ... ; NIP is the third row.
  const std::string format = configure(1, 5, {"choose 3", "key Ctrl+U", "key F10"});
  EXPECT_EQ(format, without(default_format(5), {"NIP"}));
  const auto saved = stored(5);
  ASSERT_EQ(saved.size(), 11u);
  EXPECT_EQ(saved[2], "3|0|70L(2)|M~NIP~C(0)@s13@#3#");
  EXPECT_EQ(last_window().caption, "Konfiguracja kolumn/Kontrahenci");

  config_cache().clear();  // as a new process would
  EXPECT_EQ(KONFIGURACJA_OKNA(2, 5, ""), format);
  set_session(1, "JNOWAK", 3, 3);
  EXPECT_EQ(KONFIGURACJA_OKNA(2, 5, ""), without(default_format(5), {}));
  set_session(1, "AKOWALSKA", 2, 3);
  EXPECT_EQ(KONFIGURACJA_OKNA(2, 5, ""), format);
  EXPECT_TRUE(stored(5, 3).empty());
}

TEST_F(BrowseConfig, TheWindowEditsRowsAndMovesStopAtTheEnds) {
  const std::string all = without(default_format(7), {});
  const std::string town(std::string("Miejscowość"_cp));
  const struct {
    std::uint8_t action;
    std::vector<std::string> script;
    std::vector<std::string> rows;  // as the list showed them when it closed, " -" hidden
    std::string result;
  } cases[] = {
      {1,
       {"choose 1", "key Ctrl+Up", "choose 5", "key Ctrl+Down", "key F10"},
       {"Id", "Nazwa", "Kod pocztowy", town, "Numer analityki - DOS"},
       all},
      {1,
       {"choose 2", "key Ctrl+Down", "key Ctrl+Down", "key F10"},
       {"Id", "Kod pocztowy", town, "Nazwa", "Numer analityki - DOS"},
       without(default_format(7), {"Nazwa", "Numer analityki - DOS"}) +
           split_format(default_format(7))[1].format + split_format(default_format(7))[4].format},
      // Space and a click in the icon column toggle; Pokaż and Ukryj set.
      {0,
       {"choose 1", "key Space", "choose 2 1", "choose 3", "click Ukryj",
        std::string("click Pokaż"_cp), "key F10"},
       {"Id -", "Nazwa -", "Kod pocztowy", town, "Numer analityki - DOS"},
       without(default_format(7), {"Id", "Nazwa"})},
      // Nothing visible: the message, and the window stays until cancelled.
      {1,
       {"choose 1", "key Space", "choose 2", "key Space", "choose 3", "key Space", "choose 4",
        "key Space", "choose 5", "key Space", "key F10", "key Esc"},
       {"Id -", "Nazwa -", "Kod pocztowy -", town + " -", "Numer analityki - DOS -"},
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script.front() + " " + c.script[1]);
    config_cache().clear();
    platform::headless_message_box().clear();
    ASSERT_EQ(error_of("delete from BROWSER_UZYTKOWNIK_KONF where ID_BROWSERA=7"), "");
    headless_driver().clear();
    EXPECT_EQ(configure(c.action, 7, c.script), c.result);
    std::vector<std::string> shown;
    const WindowSnapshot window = last_window();
    const Control* list = window.control(2);
    ASSERT_NE(list, nullptr);
    for (const ListRow& r : list->rows) {
      shown.push_back(r.cells[1] + (r.icon == 1 ? "" : " -"));
    }
    EXPECT_EQ(shown, c.rows);
    const bool nothing_visible = c.result.empty();
    EXPECT_EQ(warnings(), nothing_visible ? std::vector<std::string>{std::string(
                                                "Proszę zaznaczyć przynajmniej jedną kolumnę."_cp)}
                                          : std::vector<std::string>{});
    // Unchanged visible columns write nothing.
    EXPECT_EQ(stored(7).empty(), c.result == all || nothing_visible);
  }
}

TEST_F(BrowseConfig, AStoredConfigurationMeetsAChangedDefaultAndDomyslnaRestoresIt) {
  // Stored: two of the default's columns (Nazwa hidden), one the default no longer has.
  const auto store_old = [] {
    ASSERT_EQ(error_of("delete from BROWSER_UZYTKOWNIK_KONF where ID_BROWSERA=7"), "");
    store(7, 2,
          {{1, "40R(2)|M~Id~C(0)@n-14@#3#"},
           {1, "30L(2)|M~Stara kolumna~C(0)@s5@#9#"},
           {0, "160L(2)|M~Nazwa~C(0)@s60@#4#"}});
    config_cache().clear();
  };
  store_old();
  const std::string current = "77R(2)|M~Id~C(0)@n-14@#3#99L(2)|M~Nowa~C(0)@s9@#8#";
  // The stored rows, with the width of the current format's Id; its Nowa is ignored.
  EXPECT_EQ(configure(1, 7, {"key F10"}, current),
            "77R(2)|M~Id~C(0)@n-14@#3#30L(2)|M~Stara kolumna~C(0)@s5@#9#");
  EXPECT_EQ(names_of(load(1, 7, {}, false)),
            (std::vector<std::string>{"Id", "Stara kolumna", "Nazwa -"}));

  // The default has more columns: "Domyślna" blinks under action 1 only, and restores them.
  const struct {
    std::uint8_t action;
    bool blinks;
  } cases[] = {{1, true}, {0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    store_old();
    headless_driver().clear();
    EXPECT_EQ(configure(c.action, 7, {"timer", "timer", "key Ctrl+D", "timer", "key F10"}),
              without(default_format(7), {}));
    std::vector<std::int32_t> colours;
    std::vector<std::string> tooltips;
    for (const WindowSnapshot& s : headless_driver().history()) {
      colours.push_back(s.control(9)->font.color);
      tooltips.push_back(s.control(9)->tooltip);
    }
    ASSERT_EQ(colours.size(), 6u);  // open, three ticks, Ctrl+D, F10
    EXPECT_EQ(last_window().control(9)->text, "Domyślna"_cp);
    const std::string notice =
        c.blinks ? std::string("Istnieją nowe kolumny dla wybranej kartoteki."_cp) : "";
    EXPECT_EQ(tooltips.front(), notice);
    EXPECT_EQ(colours[1], c.blinks ? kColorRed : kColorNone);
    EXPECT_EQ(colours[2], kColorNone);
    EXPECT_EQ(colours[4], kColorNone);  // no more blinking after "Domyślna"
    EXPECT_EQ(tooltips.back(), "");
    EXPECT_EQ(names_of(load(1, 7, {}, false)).size(), 5u);
  }
}

TEST_F(BrowseConfig, TheCacheSavesReadsUntilASaveAndActionThreeWritesOnlyChanges) {
  store(5, 2, {{1, "40R(2)|M~Id~C(0)@n-14@#1#"}, {1, "140L(2)|M~Nazwa~C(0)@s100@#2#"}});
  const std::string first = KONFIGURACJA_OKNA(2, 5, "");
  ASSERT_EQ(first, "40R(2)|M~Id~C(0)@n-14@#1#140L(2)|M~Nazwa~C(0)@s100@#2#");
  // Action 3 with the cached columns unchanged writes nothing.
  const std::string before = ids(5);
  EXPECT_EQ(KONFIGURACJA_OKNA(3, 5, first), "");
  EXPECT_EQ(ids(5), before);

  // Changed behind the cache's back: a second action 2 still answers from the cache.
  EXPECT_EQ(KONFIGURACJA_OKNA(2, 5, ""), first);
  ASSERT_EQ(error_of("update BROWSER_UZYTKOWNIK_KONF set CZY_AKTYWNA=0 where ID_BROWSERA=5 AND "
                     "KOLEJNOSC=1"),
            "");
  EXPECT_EQ(KONFIGURACJA_OKNA(2, 5, ""), first);

  // Wider Nazwa: stored (the stored hidden Id stays hidden), and the cache is emptied.
  EXPECT_EQ(KONFIGURACJA_OKNA(3, 5, "40R(2)|M~Id~C(0)@n-14@#1#300L(2)|M~Nazwa~C(0)@s100@#2#"), "");
  EXPECT_EQ(stored(5),
            texts({"1|0|40R(2)|M~Id~C(0)@n-14@#1#", "2|1|300L(2)|M~Nazwa~C(0)@s100@#2#"}));
  EXPECT_EQ(KONFIGURACJA_OKNA(2, 5, ""), "300L(2)|M~Nazwa~C(0)@s100@#2#");

  // A browse not in the cache: loading fills it first, so action 3 finds nothing to write.
  config_cache().clear();
  const std::string unchanged = ids(5);
  EXPECT_EQ(KONFIGURACJA_OKNA(3, 5, "1L(2)|M~Nazwa~C(0)@s100@#2#"), "");
  EXPECT_EQ(ids(5), unchanged);

  // "Zapisz" empties the cache: the next action 2 reads the database again.
  EXPECT_EQ(configure(1, 5, {"choose 1", "key Space", "key F10"}),
            "40R(2)|M~Id~C(0)@n-14@#1#300L(2)|M~Nazwa~C(0)@s100@#2#");
  ASSERT_EQ(error_of("update BROWSER_UZYTKOWNIK_KONF set CZY_AKTYWNA=0 where ID_BROWSERA=5 AND "
                     "KOLEJNOSC=2"),
            "");
  EXPECT_EQ(KONFIGURACJA_OKNA(2, 5, ""), "40R(2)|M~Id~C(0)@n-14@#1#");
}

TEST_F(BrowseConfig, AFailureInTheMiddleOfASaveLeavesThePreviousRowsWhole) {
  store(7, 2, {{1, "40R(2)|M~Id~C(0)@n-14@#3#"}, {1, "160L(2)|M~Nazwa~C(0)@s60@#4#"}});
  const auto before = stored(7);
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
  sqlite::register_functions(db);
  ASSERT_EQ(sqlite3_exec(db,
                         "create trigger awaria_konf before insert on BROWSER_UZYTKOWNIK_KONF "
                         "when new.KOLEJNOSC = 3 begin select raise(abort, 'awaria zapisu'); end;",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);

  const std::string result = configure(1, 7, {"key Ctrl+D", "key F10"});
  EXPECT_EQ(result, without(default_format(7), {}));
  EXPECT_EQ(stored(7), before);
  ASSERT_EQ(warnings().size(), 1u);
  EXPECT_NE(warnings()[0].find("awaria zapisu"), std::string::npos);
  EXPECT_EQ(platform::headless_message_box().shown()[0].caption, "Ostrzeżenie"_cp);
  // No transaction is left open: the stored rows are still the old ones after a new read, and
  // a later statement of this thread commits on its own.
  EXPECT_EQ(KONFIGURACJA_OKNA(2, 7, ""), "40R(2)|M~Id~C(0)@n-14@#3#160L(2)|M~Nazwa~C(0)@s60@#4#");
  EXPECT_EQ(error_of("commit transaction") != "", true);
}

// The transaction statements the save relies on, as the embedded database carries them out.
TEST_F(BrowseConfig, TransactionStatementsKeepOrUndoTheirWrites) {
  const std::string insert =
      "insert into BROWSER_UZYTKOWNIK_KONF(ID_BROWSERA,ID_UZYTKOWNIKA,KOLEJNOSC,CZY_AKTYWNA,"
      "FORMAT_KOLUMNY) values(77,2,1,1,'x')";
  const struct {
    std::vector<std::string> statements;
    std::vector<bool> fails;
    std::size_t rows_after;
  } cases[] = {
      {{"begin transaction", insert, "rollback transaction"}, {false, false, false}, 0},
      {{"begin tran", insert, "commit"}, {false, false, false}, 1},
      // Inner BEGIN and COMMIT only count; ROLLBACK undoes the outer transaction too.
      {{"BEGIN TRANSACTION", "begin transaction", insert, "commit transaction", "rollback work"},
       {false, false, false, false, false},
       0},
      {{"commit transaction", "rollback", "begin", "begin transaction zapis"},
       {true, true, true, true},
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.statements.back());
    for (std::size_t i = 0; i < c.statements.size(); ++i) {
      EXPECT_EQ(error_of(c.statements[i]).empty(), !c.fails[i]) << c.statements[i];
    }
    EXPECT_EQ(stored(77).size(), c.rows_after);
    ASSERT_EQ(error_of("delete from BROWSER_UZYTKOWNIK_KONF where ID_BROWSERA=77"), "");
  }
}

TEST_F(BrowseConfig, AColumnNameWithAnApostropheIsStoredAsWritten) {
  const std::string current = "50L(2)|M~Nr d'ok~C(0)@s9@#1#";
  store(1999, 2, {{1, "40L(2)|M~Symbol~C(0)@s9@#1#"}});
  ASSERT_EQ(KONFIGURACJA_OKNA(2, 1999, ""), "40L(2)|M~Symbol~C(0)@s9@#1#");
  ASSERT_EQ(error_of("delete from BROWSER_UZYTKOWNIK_KONF where ID_BROWSERA=1999"), "");
  ASSERT_EQ(error_of("insert into BROWSER_UZYTKOWNIK_KONF(ID_BROWSERA,ID_UZYTKOWNIKA,KOLEJNOSC,"
                     "CZY_AKTYWNA,FORMAT_KOLUMNY) values(1999,2,1,1,'40L(2)|M~Nr d''ok~C(0)')"),
            "");
  EXPECT_EQ(KONFIGURACJA_OKNA(3, 1999, current), "");  // cached before, so the width is stored
  EXPECT_EQ(stored(1999), texts({"1|1|50L(2)|M~Nr d'ok~C(0)@s9@#1#"}));
  EXPECT_TRUE(warnings().empty());
}

TEST_F(BrowseConfig, TheSettlementsKeepTheirColumnsFixed) {
  configure(1, 1030, {"key F10"});
  const WindowSnapshot w = last_window();
  for (const std::int32_t c : {2, 3, 4, 5, 7}) EXPECT_FALSE(w.control(c)->enabled) << c;
  for (const std::int32_t c : {9, 11, 13}) EXPECT_TRUE(w.control(c)->enabled) << c;
  // Keys of disabled buttons do nothing.
  EXPECT_EQ(configure(1, 1130, {"key Ctrl+U", "key Ctrl+Down", "key F10"}),
            without(default_format(1130), {}));
}

TEST_F(BrowseConfig, TheCacheHoldsUnderEightThreads) {
  store(5, 2, {{1, "40R(2)|M~Id~C(0)@n-14@#1#"}, {0, "140L(2)|M~Nazwa~C(0)@s100@#2#"}});
  const std::string five = "40R(2)|M~Id~C(0)@n-14@#1#";
  const std::string seven = without(default_format(7), {});
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 40; ++i) {
        if (KONFIGURACJA_OKNA(2, 5, "") != five) ++wrong;
        if (KONFIGURACJA_OKNA(2, 7, "") != seven) ++wrong;
        // Saving an unchanged configuration empties the browse from the cache again.
        if ((i + t) % 5 == 0) KONFIGURACJA_OKNA(3, 7, seven);
        if (t == 0 && i % 10 == 0) config_cache().use_user(99);
      }
      dane::close_thread_connection();
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(wrong.load(), 0);
  EXPECT_TRUE(stored(7).empty());
  EXPECT_TRUE(warnings().empty());
}

TEST_F(BrowseConfig, WindowPointsLoadDefaultsAndSaveInsertThenUpdate) {
  using dane::Global;
  const Global points[] = {Global::GGG_SORTOWANIE_LP,   Global::GGG_SORTOWANIE_DIR,
                           Global::GGG_SORTOWANIE_INTU, Global::GGG_VSPLITPOS,
                           Global::GGG_HSPLITPOS,       Global::GGG_UNI_1,
                           Global::GGG_UNI_2,           Global::GGG_STOPKA_BROWSER};
  const auto values = [&] {
    std::vector<std::int32_t> out;
    for (const Global g : points) out.push_back(dane::get_int(g));
    return out;
  };
  // Demo row of browse 1 for user 2: sort 2/0, splitters 320 and 210, footer 1.
  const struct {
    std::int32_t browse, width, height;
    std::vector<std::int32_t> expected;
  } loads[] = {
      {1, 800, 600, {2, 0, 0, 320, 210, 0, 0, 1}},
      {1, 330, 240, {2, 0, 0, 0, 0, 0, 0, 1}},    // neither splitter fits
      {21, 800, 600, {17, 1, 0, 0, 0, 0, 0, 0}},  // no row: the browse's sort
      {30, 800, 600, {5, 1, 0, 0, 0, 0, 0, 0}},
      {45, 800, 600, {1, 1, 0, 0, 0, 0, 0, 1}},
      {1001, 800, 600, {1, 1, 0, 0, 0, 1, 0, 0}},
  };
  for (const auto& l : loads) {
    SCOPED_TRACE(l.browse);
    KONFIGURACJA_OKNA_PUNKTY(1, l.browse, l.width, l.height);
    EXPECT_EQ(values(), l.expected);
  }
  ASSERT_EQ(error_of("insert into BROWSER_UZYTKOWNIK_OKNO (ID_BROWSERA,ID_UZYTKOWNIKA,"
                     "VSPLITPOS_1) values (6,2,10)"),
            "");
  KONFIGURACJA_OKNA_PUNKTY(1, 6, 800, 600);
  EXPECT_EQ(values(), (std::vector<std::int32_t>{2, 1, 0, 0, 0, 0, 0, 0}));

  // Save: a new row, then the same row updated; browse 8 drops footer and second value.
  for (std::int32_t i = 0; i < 8; ++i) dane::set_number(points[i], i + 3);
  KONFIGURACJA_OKNA_PUNKTY(2, 8, 0, 0);
  for (std::int32_t i = 0; i < 8; ++i) dane::set_number(points[i], i + 20);
  KONFIGURACJA_OKNA_PUNKTY(2, 8, 0, 0);
  KONFIGURACJA_OKNA_PUNKTY(9, 8, 0, 0);  // any other action does nothing
  EXPECT_EQ(rows("select SORTOWANIE_LP,SORTOWANIE_DIR,SORTOWANIE_INTU,VSPLITPOS_1,HSPLITPOS_1,"
                 "UNI_1,UNI_2,STOPKA_BROWSER from BROWSER_UZYTKOWNIK_OKNO where ID_BROWSERA=8"),
            texts({"20|21|22|23|24|25|0|0"}));
  dane::set_number(Global::GGG_STOPKA_BROWSER, 1);
  dane::set_number(Global::GGG_UNI_2, 7);
  KONFIGURACJA_OKNA_PUNKTY(2, 44, 0, 0);
  EXPECT_EQ(rows("select UNI_2, STOPKA_BROWSER from BROWSER_UZYTKOWNIK_OKNO where ID_BROWSERA=44"),
            texts({"7|1"}));
  EXPECT_TRUE(warnings().empty());
}

}  // namespace
}  // namespace funkcja::ui
