#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "calendar_dialogs_fixture.hpp"
#include "frame/cp_literal.hpp"
#include "host/gateway.hpp"
#include "ui/calendar_windows.hpp"
#include "ui/period_list.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using testing::day;

std::vector<std::string> erase(int n) {
  return std::vector<std::string>(static_cast<std::size_t>(n), "key Backspace");
}

std::vector<std::string> join(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(PeriodList, QuartersAndMonthsEndOnTheirLastDay) {
  struct Case {
    std::size_t position;  // from 1, in the list without the current entries
    std::int32_t year;
    std::int32_t from, to;
  };
  const Case cases[] = {
      {1, 2017, day(2017, 1, 1), day(2017, 3, 31)},
      {4, 2017, day(2017, 10, 1), day(2017, 12, 31)},
      {6, 2016, day(2016, 2, 1), day(2016, 2, 29)},
      {6, 2017, day(2017, 2, 1), day(2017, 2, 28)},
      {6, 1900, day(1900, 2, 1), day(1900, 2, 28)},
      {6, 2000, day(2000, 2, 1), day(2000, 2, 29)},
      {16, 2017, day(2017, 12, 1), day(2017, 12, 31)},
      {4, 9999, day(9999, 10, 1), day(9999, 12, 31)},
  };
  for (const Case& c : cases) {
    const auto list = period_list({false, 0, 0, day(2017, 2, 15), c.year});
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[c.position - 1].from, c.from) << c.position << " " << c.year;
    EXPECT_EQ(list[c.position - 1].to, c.to) << c.position << " " << c.year;
    EXPECT_EQ(find_period(list, c.from, c.to), static_cast<std::int32_t>(c.position));
  }
  const auto full = period_list({true, 5, 6, day(2017, 2, 15), 2010});
  ASSERT_EQ(full.size(), 20u);
  const std::vector<std::pair<std::int32_t, std::int32_t>> current = {
      {5, 6},
      {day(2017, 2, 15), day(2017, 2, 15)},
      {day(2017, 2, 1), day(2017, 2, 28)},
      {day(2017, 1, 1), day(2017, 12, 31)}};
  for (std::size_t i = 0; i < current.size(); ++i) {
    EXPECT_EQ(full[i].from, current[i].first) << i;
    EXPECT_EQ(full[i].to, current[i].second) << i;
    EXPECT_EQ(full[i].current, i != 0) << i;
  }
  EXPECT_EQ(full[19].name, std::string("grudzień"_cp));
  EXPECT_EQ(full[4].from, day(2010, 1, 1));
}

using RangeDialogs = testing::CalendarDialogs;

struct Outcome {
  std::uint8_t result;
  std::int32_t from, to;
  std::string name = "-";
  std::string extra = "-";  // register name, or the form and the two options
};

Outcome run(std::string_view procedure, std::int32_t from, std::int32_t to) {
  Outcome o{0, from, to};
  if (procedure == "GET_ZAKRES_DAT") {
    o.result = GET_ZAKRES_DAT(o.from, o.to);
  } else if (procedure == "GET_ZAKRES_DAT_KM") {
    o.result = GET_ZAKRES_DAT_KM(o.from, o.to, o.name);
  } else if (procedure == "SALES" || procedure == "PURCHASES") {
    o.result =
        GET_ZAKRES_DAT_RPT_REJESTRY(o.from, o.to, o.name, o.extra, procedure == "SALES" ? -1 : 0);
  } else {
    std::int32_t form = -7, non_zero = -7, summary = -7;
    o.result = GET_PARAMETRY_ZEST_VAT(o.from, o.to, o.name, form, non_zero, summary);
    if (form != -7 || non_zero != -7 || summary != -7) {
      o.extra =
          std::to_string(form) + " " + std::to_string(non_zero) + " " + std::to_string(summary);
    }
  }
  return o;
}

TEST_F(RangeDialogs, ScriptsGiveTheirPeriods) {
  struct Case {
    const char* procedure;
    std::int32_t from, to;
    std::vector<std::string> actions;
    Outcome expected;
  };
  const std::int32_t feb1 = day(2017, 2, 1), feb28 = day(2017, 2, 28);
  const std::int32_t apr1 = day(2017, 4, 1), jun30 = day(2017, 6, 30);
  const std::string q1_2017 = std::string("1 kwartał 2017"_cp),
                    q2_2017 = std::string("2 kwartał 2017"_cp);
  const auto year = [](std::string y) { return join({{"key Tab"}, erase(4), {"type " + y}}); };
  const Case cases[] = {
      // Both dates 0: the working date's month, written even on cancel.
      {"GET_ZAKRES_DAT", 0, 0, {"key Esc"}, {0, feb1, feb28}},
      {"GET_ZAKRES_DAT", 0, 0, {"click Anuluj"}, {0, feb1, feb28}},
      {"GET_ZAKRES_DAT", 0, 0, {}, {0, feb1, feb28}},
      {"GET_ZAKRES_DAT", 0, 0, {"key F10"}, {1, feb1, feb28}},
      {"GET_ZAKRES_DAT", apr1, 0, {"click Wybierz"}, {1, apr1, feb28}},
      {"GET_ZAKRES_DAT", 5, 6, {"choose 2", "key F10"}, {1, day(2017, 2, 15), day(2017, 2, 15)}},
      {"GET_ZAKRES_DAT", 5, 6, {"choose 4", "key F10"}, {1, day(2017, 1, 1), day(2017, 12, 31)}},
      // Entries of the year field's year; the year of "aktualny zakres" is its from-date's.
      {"GET_ZAKRES_DAT", apr1, jun30, {"choose 10", "key F10"}, {1, feb1, feb28}},
      {"GET_ZAKRES_DAT",
       day(2016, 5, 5),
       jun30,
       {"choose 10", "key F10"},
       {1, day(2016, 2, 1), day(2016, 2, 29)}},
      // The starting entry is found by exact dates, else the first quarter of the from-year.
      {"GET_ZAKRES_DAT_KM", apr1, jun30, {"key F10"}, {1, apr1, jun30, q2_2017}},
      {"GET_ZAKRES_DAT_KM",
       day(2017, 4, 3),
       jun30,
       {"key F10"},
       {1, day(2017, 1, 1), day(2017, 3, 31), q1_2017}},
      {"GET_ZAKRES_DAT_KM", day(2017, 4, 3), jun30, {"key Esc"}, {0, day(2017, 4, 3), jun30}},
      {"GET_ZAKRES_DAT_KM", 0, 0, {"choose 6", "key F10"}, {1, feb1, feb28, "luty 2017"}},
      {"GET_ZAKRES_DAT_KM",
       0,
       0,
       {"choose 16", "key Enter", "key F10"},
       {1, day(2017, 12, 1), day(2017, 12, 31), std::string("grudzień 2017"_cp)}},
      // The year field: a new year rebuilds the list and keeps the position.
      {"GET_ZAKRES_DAT_KM",
       day(2017, 2, 1),
       feb28,
       join({year("2016"), {"key Enter", "key F10"}}),
       {1, day(2016, 2, 1), day(2016, 2, 29), "luty 2016"}},
      {"GET_ZAKRES_DAT_KM",
       apr1,
       jun30,
       join({year("1899"), {"key Tab", "key F10"}}),
       {1, day(2026, 4, 1), day(2026, 6, 30), std::string("2 kwartał 2026"_cp)}},
      {"GET_ZAKRES_DAT_KM",
       apr1,
       jun30,
       join({year("0"), {"key Enter", "key F10"}}),
       {1, day(2026, 4, 1), day(2026, 6, 30), std::string("2 kwartał 2026"_cp)}},
      {"GET_ZAKRES_DAT_KM",
       apr1,
       jun30,
       {"key Tab", "key Up", "key F10"},
       {1, day(2018, 4, 1), day(2018, 6, 30), std::string("2 kwartał 2018"_cp)}},
      // Typed dates replace the fields; what is no date puts the field back.
      {"GET_ZAKRES_DAT_KM",
       apr1,
       jun30,
       join({{"key Tab", "key Tab"}, erase(10), {"type 15.04.2017", "key F10"}}),
       {1, day(2017, 4, 15), jun30, q2_2017}},
      {"GET_ZAKRES_DAT_KM",
       apr1,
       jun30,
       join({{"key Tab", "key Tab", "key Tab"},
             erase(3),
             {"type 31-02-2017", "key Enter", "key F10"}}),
       {1, apr1, jun30, q2_2017}},
      // Registers: "Brak" unless one is chosen; the list follows the kind.
      {"SALES", apr1, jun30, {"key F10"}, {1, apr1, jun30, q2_2017, "Brak"}},
      {"SALES",
       apr1,
       jun30,
       {"mouse 10", "choose 2", "key F10"},
       {1, apr1, jun30, q2_2017, std::string("Rejestr sprzedaży"_cp)}},
      {"PURCHASES",
       apr1,
       jun30,
       {"mouse 10", "choose 4", "key F10"},
       {1, apr1, jun30, q2_2017, std::string("Rejestr zakupu z uwzględnieniem współczynnika"_cp)}},
      {"PURCHASES", apr1, jun30, {"mouse 10", "choose 5", "key Esc"}, {0, apr1, jun30}},
      // VAT forms: the newest is selected; the two options as checked.
      {"VAT", apr1, jun30, {"key F10"}, {1, apr1, jun30, q2_2017, "20 0 0"}},
      {"VAT",
       apr1,
       jun30,
       {"mouse 10", "choose 2", "click Drukuj tylko niezerowe pozycje", "key F10"},
       {1, apr1, jun30, q2_2017, "19 1 0"}},
      {"VAT",
       apr1,
       jun30,
       {"click Drukuj tylko podsumowanie pozycji", "key F10"},
       {1, apr1, jun30, q2_2017, "20 0 1"}},
      {"VAT", 0, 0, {"choose 3", "key Esc"}, {0, feb1, feb28}},
  };
  for (const Case& c : cases) {
    script(c.actions);
    const Outcome o = run(c.procedure, c.from, c.to);
    const std::string what = std::string(c.procedure) + " " + ::testing::PrintToString(c.actions);
    EXPECT_EQ(o.result, c.expected.result) << what;
    EXPECT_EQ(o.from, c.expected.from) << what;
    EXPECT_EQ(o.to, c.expected.to) << what;
    EXPECT_EQ(o.name, c.expected.name) << what;
    EXPECT_EQ(o.extra, c.expected.extra) << what;
  }
}

TEST_F(RangeDialogs, YearFieldIsHiddenDisabledOrEnabledByEntry) {
  struct Case {
    std::string choose;
    bool hidden, enabled;
    std::string year;
  };
  const Case cases[] = {{"choose 1", true, true, "2016"},   {"choose 2", false, false, "2017"},
                        {"choose 3", false, false, "2017"}, {"choose 4", false, false, "2017"},
                        {"choose 5", false, true, "2016"},  {"choose 20", false, true, "2016"}};
  for (const Case& c : cases) {
    script({c.choose, "key Esc"});
    std::int32_t from = day(2016, 3, 3), to = day(2016, 3, 9);
    GET_ZAKRES_DAT(from, to);
    const WindowSnapshot s = last_of("Get_Zakres_Dat");
    EXPECT_EQ(s.control(3)->hidden, c.hidden) << c.choose;
    EXPECT_EQ(s.control(3)->enabled, c.enabled) << c.choose;
    EXPECT_EQ(s.control(3)->text, c.year) << c.choose;
  }
}

TEST_F(RangeDialogs, TextsFocusOrderAndSettingsKeys) {
  struct Case {
    const char* procedure;
    const char* key;
    std::string caption;
    std::vector<std::string> labels;
    std::vector<std::int32_t> focus;  // after each step, counted from the period list
  };
  const Case cases[] = {
      {"GET_ZAKRES_DAT",
       "Get_Zakres_Dat",
       std::string("Wybór okresu"_cp),
       {"od", "do", "F10", "Esc"},
       {3, 5, 6, 5}},  // "aktualny zakres" hides the year
      {"GET_ZAKRES_DAT_KM",
       "Get_Zakres_Dat_KM",
       std::string("Wybór okresu"_cp),
       {"od", "Wybierz"},
       {1, 3, 5, 3}},
      {"SALES",
       "Get_Zakres_Dat_RPT_REJESTRY",
       std::string("Wybór okresu i rejestru"_cp),
       {"Okres", "Rejestr"},
       {1, 3, 5, 3}},
      {"VAT",
       "Get_Parametry_zest_VAT",
       "Podatek za okres - podsumowanie",
       {"Podatek za okres", "Okres", "Formularz", "Drukuj tylko podsumowanie pozycji",
        "Drukuj tylko niezerowe pozycje"},
       {1, 3, 5, 3}},
  };
  for (const Case& c : cases) {
    // Enter and Tab walk list, year, from, to; Shift+Tab walks back.
    script({"key Enter", "key Enter", "key Tab", "key Shift+Tab", "key Esc"});
    run(c.procedure, day(2017, 4, 1), day(2017, 6, 30));
    const auto h = headless_driver().history();
    ASSERT_GE(h.size(), 6u);
    EXPECT_EQ(h[0].key, c.key);
    EXPECT_EQ(h[0].caption, c.caption);
    for (const auto& label : c.labels) EXPECT_NE(h[0].by_text(label), nullptr) << label;
    const std::int32_t list = h[0].focus;
    EXPECT_EQ(h[0].control(list)->type, control_type::kList);
    for (std::size_t step = 0; step < c.focus.size(); ++step) {
      EXPECT_EQ(h[step + 1].focus, list + c.focus[step]) << c.key << " " << step;
    }
    EXPECT_TRUE(library().own_settings().FETCH(c.key, "XPos").has_value()) << c.key;
    EXPECT_TRUE(library().own_settings().FETCH(c.key, "Height").has_value()) << c.key;
  }
}

TEST_F(RangeDialogs, TypedJunkNeverCrashesNorLeavesTheCalendar) {
  const std::string junk[] = {
      "abc",       "0",         "99999", "-5", std::string(200, '9'), std::string(200, 'x'),
      "1-1-10000", "00-00-0000"};
  for (const std::string& j : junk) {
    for (int tabs = 1; tabs <= 3; ++tabs) {  // the year, from and to fields
      std::vector<std::string> actions(static_cast<std::size_t>(tabs), "key Tab");
      actions = join({actions, erase(12), {"type " + j, "key Enter", "key F10"}});
      script(actions);
      const Outcome o = run("GET_ZAKRES_DAT_KM", day(2017, 4, 1), day(2017, 6, 30));
      EXPECT_EQ(o.result, 1) << j << " " << tabs;
      for (const std::int32_t d : {o.from, o.to}) {
        EXPECT_GE(d, day(1801, 1, 1)) << j << " " << tabs;
        EXPECT_LE(d, day(9999, 12, 31)) << j << " " << tabs;
      }
    }
  }
  // Caller's dates that are no dates are replaced as 0 is.
  for (const std::int32_t bad : {-1, 3, 3000000, INT32_MIN}) {
    script({"key F10"});
    const Outcome o = run("GET_ZAKRES_DAT", bad, bad);
    EXPECT_EQ(o.from, day(2017, 2, 1)) << bad;
    EXPECT_EQ(o.to, day(2017, 2, 28)) << bad;
  }
}

TEST_F(RangeDialogs, VatWithoutAFormStaysOpenAndConfirmsNothing) {
  gateway::EXECSQL("update DEKLARACJE_WZORZEC set lr_onoff = 0");
  script({"key F10", "click Wybierz", "click Anuluj"});
  const Outcome o = run("VAT", day(2017, 4, 1), day(2017, 6, 30));
  EXPECT_EQ(o.result, 0);
  EXPECT_EQ(o.name, "-");
  EXPECT_EQ(o.extra, "-");
  const auto h = headless_driver().history();
  ASSERT_EQ(h.size(), 4u);
  EXPECT_FALSE(h[2].closed);  // still open after both presses of "Wybierz"
  EXPECT_TRUE(h[3].closed);
  EXPECT_TRUE(h[0].control(10)->rows.empty());
}

TEST_F(RangeDialogs, FailedFormQueryIsShownAsAWarning) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, "DROP TABLE DEKLARACJE_WZORZEC", nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
  script({"key F10", "key Esc"});
  const Outcome o = run("VAT", day(2017, 4, 1), day(2017, 6, 30));
  EXPECT_EQ(o.result, 0);
  const auto boxes = platform::headless_message_box().shown();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, platform::MessageIcon::kWarning);
  EXPECT_NE(boxes[0].text.find("DEKLARACJE_WZORZEC"), std::string::npos) << boxes[0].text;
  EXPECT_TRUE(last_of("Get_Parametry_zest_VAT").control(10)->rows.empty());
}

TEST_F(RangeDialogs, NewestFormFirstAndSelected) {
  script({"key Esc"});
  run("VAT", 0, 0);
  const WindowSnapshot shown = last_of("Get_Parametry_zest_VAT");
  const Control* forms = shown.control(10);
  ASSERT_NE(forms, nullptr);
  ASSERT_EQ(forms->rows.size(), 2u);  // form 18 is switched off, 21 is no VAT-7
  EXPECT_EQ(forms->rows[0].cells[0], "Deklaracja VAT-7 wersja 23");
  EXPECT_EQ(forms->rows[1].cells[0], "Deklaracja VAT-7 wersja 22");
  EXPECT_EQ(forms->selected, 1);
}

TEST_F(RangeDialogs, OpensOnASecondHostThread) {
  script({"choose 6", "key F10"});
  Outcome o{};
  std::thread other([&] { o = run("VAT", day(2017, 4, 1), day(2017, 6, 30)); });
  other.join();
  EXPECT_EQ(o.result, 1);
  EXPECT_EQ(o.from, day(2017, 2, 1));
  EXPECT_EQ(o.name, "luty 2017");
  EXPECT_EQ(o.extra, "20 0 0");
}

TEST_F(RangeDialogs, GetDateTypesOrPicksFromTheCalendar) {
  const std::int32_t given = day(2017, 3, 15);
  struct Case {
    std::vector<std::string> actions;
    std::int32_t result;
  };
  const Case cases[] = {
      {{"key Esc"}, 0},
      {{"click Anuluj"}, 0},
      {{"close"}, 0},
      {{}, 0},
      {{"key F10"}, given},
      {join({erase(10), {"type 29-02-2016", "key F10"}}), day(2016, 2, 29)},
      {join({erase(10), {"type 29-02-2017", "key F10"}}), given},
      {join({erase(10), {"type 29-02-2016", "key Esc"}}), 0},
      {{"click Kalendarz", "key Right", "key Enter", "key F10"}, day(2017, 3, 16)},
      {{"click Kalendarz", "key Esc", "click Wybierz"}, given},
  };
  for (const Case& c : cases) {
    script(c.actions);
    EXPECT_EQ(GET_DATE(given, "Data dokumentu", "Data wystawienia faktury"), c.result)
        << ::testing::PrintToString(c.actions);
  }
  library().own_settings().UPDATE("Get_Date", {{"XPos", "40"}, {"YPos", "30"}});
  script({"click Kalendarz", "key Esc", "key Esc"});
  GET_DATE(given, "", "");
  const WindowSnapshot dialog = last_of("Get_Date");
  const Control* button = dialog.by_text("Kalendarz");
  ASSERT_NE(button, nullptr);
  const WindowSnapshot calendar = last_of("Kalendarz");
  EXPECT_EQ(calendar.rect.x, 40 + button->rect.x + button->rect.width + 2);
  EXPECT_EQ(calendar.rect.y, 30 + button->rect.y + button->rect.height);
  EXPECT_EQ(dialog.caption, std::string("Ustaw datę"_cp));
  // A stored position at the edge of the numbers puts the calendar at the edge, no further.
  library().own_settings().UPDATE("Get_Date", {{"XPos", "2147483647"}, {"YPos", "2147483600"}});
  script({"click Kalendarz", "key Esc", "key Esc"});
  GET_DATE(given, "", "");
  EXPECT_EQ(last_of("Kalendarz").rect.x, INT32_MAX);
  EXPECT_EQ(last_of("Kalendarz").rect.y, INT32_MAX);
}

}  // namespace
}  // namespace funkcja::ui
