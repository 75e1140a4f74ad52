#include <unistd.h>

#include <atomic>
#include <future>
#include <limits>
#include <thread>

#include "frame/cp_literal.hpp"
#include "funkcja/windows.hpp"
#include "host/dane/open_windows.hpp"
#include "host/dane/popup.hpp"
#include "host/platform/folder_dialog.hpp"
#include "host/platform/system_metrics.hpp"
#include "support/probe_window.hpp"
#include "ui/folder_threads.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using testing::ProbeWindow;
using testing::run_script;
namespace ct = control_type;
using dane::Global;

class WindowHelpers : public testing::WindowTest {
 protected:
  void TearDown() override {
    platform::headless_system_metrics().reset();
    platform::headless_folder_dialog().clear();
    dane::ROVAN_OKNA().clear();
    WindowTest::TearDown();
  }
  // Runs fn inside a window of entry, entry, list, string when the given event arrives.
  static void inside(const std::vector<std::string>& script, std::int32_t on_event,
                     const std::function<void(ProbeWindow&)>& fn) {
    ProbeWindow w({ct::kEntry, ct::kEntry, ct::kList, ct::kString});
    w.handler = [&](ProbeWindow& self) {
      if (self.event() == on_event) fn(self);
    };
    run_script(w, script);
  }
};

TEST_F(WindowHelpers, SelectKeyboardSelectsThePicturesWidth) {
  struct Case {
    std::string picture;
    std::int32_t width;  // 0: nothing selected
  };
  const Case cases[] = {{"@N9_`4", 9},    {"@N-19_", 19},   {"@N-19_`2", 19}, {"@N-14_`2", 14},
                        {"@N11`8", 11},   {"@N14_", 14},    {"@N7_", 7},      {"@N11_B", 11},
                        {"@N3", 3},       {"@N20_`4", 20},  {"@N15_`2B", 15}, {"@N15_`2", 15},
                        {"@N-16_`4", 16}, {"@N-16_`6", 16}, {"@N3   ", 3},    {"@n3", 0},
                        {"@N-19_`3", 0},  {"@S20", 0},      {"", 0},          {" @N3", 0}};
  for (const Case& c : cases) {
    Control seen;
    inside({"select 2", "close"}, event::kSelected, [&](ProbeWindow& w) {
      SELECT_KEYBOARD(c.picture);
      seen = w.control(2);
    });
    EXPECT_EQ(seen.sel_start, c.width > 0 ? 1 : 0) << c.picture;
    EXPECT_EQ(seen.sel_end, c.width) << c.picture;
  }
}

TEST_F(WindowHelpers, SelectMouseLeftActsOnlyOnALeftClick) {
  for (const bool click : {true, false}) {
    Control seen;
    inside({click ? "mouse 2" : "select 2", "close"}, event::kSelected, [&](ProbeWindow& w) {
      SELECT_MOUSELEFT("@N-16_`4");
      seen = w.control(2);
    });
    EXPECT_EQ(seen.sel_end, click ? 16 : 0) << click;
  }
  SELECT_KEYBOARD("@N3");  // without a window: nothing, and no harm
}

TEST_F(WindowHelpers, ThreadRegistryRegistersOnceByTheFirstTwentyCharacters) {
  EXPECT_EQ(THREAD_INS("Dokumenty"), 0);
  EXPECT_EQ(THREAD_INS("Dokumenty   "), 1);
  THREAD_DEL("Dokumenty");
  EXPECT_EQ(THREAD_INS("Dokumenty"), 0);
  EXPECT_EQ(THREAD_INS("Rejestr VAT sprzedazy - 2026"), 0);
  EXPECT_EQ(THREAD_INS("Rejestr VAT sprzedazy - 2027"), 1);  // the same first 20 characters
  THREAD_DEL("nie ma takiego");
  const auto entries = dane::ROVAN_OKNA().entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].name, "Rejestr VAT sprzedaz");
  EXPECT_EQ(entries[1].thread, thread_number());
}

TEST_F(WindowHelpers, ThreadRegistryLetsOneOfManyThreadsIn) {
  std::atomic<int> registered{0};
  std::vector<std::thread> threads;
  for (int i = 0; i < 8; ++i) {
    threads.emplace_back([&] {
      if (THREAD_INS("Kontrahenci") == 0) ++registered;
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(registered.load(), 1);
}

TEST_F(WindowHelpers, TextStylesTakeTheirSizeRanges) {
  struct Case {
    void (*apply)(std::int32_t, std::uint8_t);
    std::uint8_t size;
    std::int32_t points;
    const char* font;
    std::int32_t colour;
  };
  const auto toolbar = [](std::int32_t c, std::uint8_t s) { STRSTYLTOOLBAR(c, s, 1, 0); };
  const auto opis = [](std::int32_t c, std::uint8_t s) { STRSTYLOPIS(c, s, 1); };
  const auto naglowek = [](std::int32_t c, std::uint8_t s) { STRSTYLNAGLOWEK(c, s, 1); };
  const Case cases[] = {{toolbar, 0, 11, "Segoe UI Semibold", 0x666666},
                        {toolbar, 1, 1, "Segoe UI Semibold", 0x666666},
                        {toolbar, 10, 10, "Segoe UI Semibold", 0x666666},
                        {toolbar, 11, 11, "Segoe UI Semibold", 0x666666},
                        {opis, 0, 9, "Segoe UI", 0},
                        {opis, 20, 20, "Segoe UI", 0},
                        {opis, 255, 255, "Segoe UI", 0},
                        {naglowek, 0, 16, "Segoe UI Semibold", 0},
                        {naglowek, 15, 15, "Segoe UI Semibold", 0},
                        {naglowek, 20, 16, "Segoe UI Semibold", 0}};
  for (const Case& c : cases) {
    Control seen;
    inside({"close"}, event::kOpenWindow, [&](ProbeWindow& w) {
      w.control(4).font = Font{"Arial", 30, 0x123456, 0, 700};
      c.apply(4, c.size);
      seen = w.control(4);
    });
    EXPECT_EQ(seen.font, (Font{c.font, c.points, c.colour, 238, 400})) << c.font << +c.size;
  }
}

TEST_F(WindowHelpers, ToolbarStylePlacesTheControlUnlessToldToKeepIt) {
  Control placed, kept;
  inside({"close"}, event::kOpenWindow, [&](ProbeWindow& w) {
    w.control(4).rect = {100, 100, 80, 30};
    STRSTYLTOOLBAR(4, 9, 0, 0);
    placed = w.control(4);
    w.control(4).rect = {100, 100, 80, 30};
    STRSTYLTOOLBAR(4, 9, 0, 1);
    kept = w.control(4);
    STRSTYLTOOLBAR(99, 9, 0, 0);  // no such control
  });
  EXPECT_EQ(placed.rect, (Rect{12, 5, 80, 14}));
  EXPECT_EQ(kept.rect, (Rect{100, 100, 80, 30}));
}

// MAKSYMALIZUJ called `calls` times in a window opened inside an application frame of
// 1000 x 800 (caption 23); returns the answers and the window's rect before and after.
struct Maximized {
  std::vector<int> results;
  Rect before, sized;
  bool frame_maximized;
};
Maximized maximize_in_frame(std::int32_t width_margin, std::int32_t height_margin,
                            std::int32_t ribbon_off, std::int32_t toolbar, std::int32_t icon_width,
                            std::int32_t sizing_frame, int calls, bool frame_maximized) {
  dane::set_number(Global::GGG_MAKSYMALIZACJA_ROVAN, 1);
  dane::set_number(Global::GGG_MAKSYMALIZACJA_MARG_SZER, width_margin);
  dane::set_number(Global::GGG_MAKSYMALIZACJA_MARG_WYS, height_margin);
  dane::set_number(Global::GLO_RIBBONOFF, ribbon_off);
  dane::set_number(Global::GGG_PARAMETR_UZ_TOOLBAR, toolbar);
  platform::headless_system_metrics().set(platform::kMetricIconWidth, icon_width);
  platform::headless_system_metrics().set(platform::kMetricSizingFrame, sizing_frame);
  dane::set_number(Global::GGG_WATEKAPP, thread_number());
  ProbeWindow frame({ct::kButton});
  frame.set_rect({0, 0, 1000, 800});
  frame.set_maximized(frame_maximized);
  Maximized out;
  frame.handler = [&](ProbeWindow& self) {
    if (self.event() != event::kAccepted) return;
    ProbeWindow inner({ct::kButton});
    inner.set_rect({30, 30, 200, 100});
    inner.handler = [&](ProbeWindow& w) {
      if (w.event() != event::kOpenWindow) return;
      out.before = w.rect();
      for (int i = 0; i < calls; ++i) out.results.push_back(MAKSYMALIZUJ());
      out.sized = w.rect();
    };
    inner.run();
  };
  run_script(frame, {"click c1", "close"});
  out.frame_maximized = frame.maximized();
  return out;
}

// Margins 5 (width) and 10 (height).
TEST_F(WindowHelpers, MaksymalizujFillsTheFrame) {
  struct Case {
    const char* name;
    std::int32_t ribbon_off, toolbar, icon_width, sizing_frame;
    Rect expected;
  };
  const Case cases[] = {{"ribbon", 0, 0, 32, 8, {0, 0, 1000 - 17, 800 - 14 - 23 - 70}},
                        {"ribbon with large icons", 0, 0, 48, 8, {0, 0, 983, 800 - 14 - 23 - 62}},
                        {"toolbar", 1, 1, 32, 8, {0, 0, 983, 800 - 14 - 23 - 28}},
                        {"neither", 1, 0, 32, 8, {0, 0, 983, 800 - 14 - 23}},
                        {"thin frame", 1, 0, 32, 5, {0, 0, 1000 - (5 + 1 + 6), 800 - 11 - 23}}};
  for (const Case& c : cases) {
    const Maximized m =
        maximize_in_frame(5, 10, c.ribbon_off, c.toolbar, c.icon_width, c.sizing_frame, 2, true);
    EXPECT_EQ(m.results, (std::vector<int>{1, 2})) << c.name;
    EXPECT_EQ(m.sized, c.expected) << c.name;
    EXPECT_FALSE(m.frame_maximized) << c.name;
  }
}

// Margins of any size never overflow: one too large for the frame leaves the window as it is,
// a negative one counts as none. Sizing frame 8, no band: margins 0 give 988 x 773.
TEST_F(WindowHelpers, MaksymalizujWithExtremeMargins) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const Rect untouched{}, full{0, 0, 988, 773};  // untouched: as the window opened
  struct Case {
    std::int32_t width_margin, height_margin;
    int result;
    Rect expected;
  };
  const Case cases[] = {
      {kMax, 0, 0, untouched}, {0, kMax, 0, untouched}, {kMax - 5, kMax - 5, 0, untouched},
      {kMin, 0, 1, full},      {0, kMin, 1, full},      {-1, -7, 1, full},
      {0, 0, 1, full},         {988, 0, 0, untouched},  {987, 772, 1, {0, 0, 1, 1}}};
  for (const Case& c : cases) {
    const Maximized m = maximize_in_frame(c.width_margin, c.height_margin, 1, 0, 32, 8, 1, false);
    EXPECT_EQ(m.results, (std::vector<int>{c.result})) << c.width_margin << " " << c.height_margin;
    EXPECT_EQ(m.sized, c.result == 0 ? m.before : c.expected)
        << c.width_margin << " " << c.height_margin;
  }
}

TEST_F(WindowHelpers, MaksymalizujUnconditionalSwitchActsOnce) {
  dane::set_number(Global::GGG_MAKSYMALIZACJA_ROVAN_BEZWARUNKOWO, 1);
  std::vector<int> results;
  inside({"close"}, event::kOpenWindow, [&](ProbeWindow&) {
    results.push_back(MAKSYMALIZUJ());
    results.push_back(MAKSYMALIZUJ());
  });
  EXPECT_EQ(results, (std::vector<int>{1, 0}));
  EXPECT_EQ(dane::get_int(Global::GGG_MAKSYMALIZACJA_ROVAN_BEZWARUNKOWO), 0);
  EXPECT_EQ(MAKSYMALIZUJ(), 0);  // no window at all
}

TEST_F(WindowHelpers, MaksymalizujReadsAFrameOnAnotherThread) {
  dane::set_number(Global::GGG_MAKSYMALIZACJA_ROVAN, 1);
  dane::set_number(Global::GLO_RIBBONOFF, 1);
  std::promise<std::int32_t> frame_ready;
  std::promise<void> done;
  std::thread application([&] {
    ProbeWindow frame({ct::kButton});
    frame.set_rect({0, 0, 640, 480});
    frame.handler = [&](ProbeWindow& self) {
      if (self.event() != event::kOpenWindow) return;
      frame_ready.set_value(thread_number());
      done.get_future().wait();
      self.close();
    };
    frame.run();
  });
  dane::set_number(Global::GGG_WATEKAPP, frame_ready.get_future().get());
  Rect sized;
  inside({"close"}, event::kOpenWindow, [&](ProbeWindow& w) {
    EXPECT_EQ(MAKSYMALIZUJ(), 1);
    sized = w.rect();
  });
  done.set_value();
  application.join();
  EXPECT_EQ(sized, (Rect{0, 0, 640 - 12, 480 - 4 - 23}));
}

TEST_F(WindowHelpers, MaksymalizacjaOffClearsTheFlagAndTellsTheThread) {
  dane::set_number(Global::GGG_MAKSYMALIZACJA_ROVAN, 1);
  dane::set_number(Global::DANE_WATKI, thread_number());
  ProbeWindow w({ct::kButton});
  w.set_maximized(true);
  w.handler = [](ProbeWindow& self) {
    if (self.event() == event::kOpenWindow) MAKSYMALIZACJAOFF();
  };
  run_script(w, {"close"});
  EXPECT_FALSE(w.maximized());
  EXPECT_EQ(w.log[1], "547 0 0x0");

  dane::set_number(Global::GGG_MAKSYMALIZACJA_ROVAN, 0);
  ProbeWindow untouched({ct::kButton});
  untouched.set_maximized(true);
  untouched.handler = w.handler;
  run_script(untouched, {"close"});
  EXPECT_TRUE(untouched.maximized());
}

TEST_F(WindowHelpers, BrowsePopupGetsItsFourItems) {
  for (const std::uint8_t mode : {0, 1, 2, 7}) {
    dane::POPUPCLASS popup;
    for (const char* item : {"Insert", "Change", "Delete", "Select", "Print"}) {
      popup.AddItem(item, "x");
    }
    USTAW4IKONYBROWSERA(&popup, mode);
    const bool acts = mode <= 1;
    EXPECT_EQ(popup.GetText("Insert"), acts ? "Dodaj" : "x") << +mode;
    EXPECT_EQ(popup.GetIcon("Change"), acts ? "~popraw2.ico" : "") << +mode;
    EXPECT_EQ(popup.GetText("Delete"), acts ? std::string("Usuń"_cp) : "x") << +mode;
    EXPECT_EQ(popup.GetIcon("Select"), acts ? "~wybierz.ico" : "") << +mode;
    EXPECT_EQ(popup.GetText("Print"), "x");
  }
  dane::POPUPCLASS partial;
  USTAW4IKONYBROWSERA(&partial, 0);
  EXPECT_FALSE(partial.HasItem("Insert"));
  USTAW4IKONYBROWSERA(nullptr, 0);
}

TEST_F(WindowHelpers, TreeIconsMarkRowsWithChildren) {
  dane::set_number(Global::GLO_REBRANDING, 2016);
  dane::set_number(Global::GLO_DRZEWAIKONALISCIA, 1);
  for (const bool tree : {false, true}) {
    const std::size_t icon = tree ? 6 : 2;
    const std::size_t level = tree ? 7 : 3;
    Queue rows;
    for (const char* l : {"1", "2", "2", "1", "-2", "3"}) rows.set(rows.add(), level, l);
    Control seen;
    inside({"close"}, event::kOpenWindow, [&](ProbeWindow& w) {
      w.control(3).tree = tree;
      USTAWIKONYDRZEWA(3, &rows, 5);
      seen = w.control(3);
    });
    std::vector<std::string> icons;
    for (std::size_t r = 1; r <= rows.count(); ++r) icons.push_back(rows.get(r, icon));
    EXPECT_EQ(icons, (std::vector<std::string>{"1", "5", "5", "1", "1", "5"})) << tree;
    EXPECT_EQ(seen.icons.at(1), "~folder_drzewo2.ico");
    EXPECT_EQ(seen.icons.at(5), "");
    EXPECT_EQ(seen.selected, 1);  // there was no current row
    EXPECT_FALSE(seen.tree_lines);
  }
}

TEST_F(WindowHelpers, TreeIconsSwitches) {
  struct Case {
    std::int32_t rebranding, lines, leaf_icons;
    bool rows;
    bool expect_lines;
    const char* folder_icon;  // nullptr: not set
  };
  const Case cases[] = {{2015, 1, 1, false, false, nullptr},  // before 2016 nothing happens
                        {2016, 1, 1, false, true, nullptr},
                        {2016, 0, 1, false, false, nullptr},
                        {2020, 1, 1, true, false, "~folder_drzewo2.ico"},
                        {2020, 1, 0, true, false, ""}};
  for (const Case& c : cases) {
    dane::set_number(Global::GLO_REBRANDING, c.rebranding);
    dane::set_number(Global::GLO_DRZEWALINIE, c.lines);
    dane::set_number(Global::GLO_DRZEWAIKONALISCIA, c.leaf_icons);
    Queue rows;
    rows.add();
    rows.add();
    Control seen;
    inside({"close"}, event::kOpenWindow, [&](ProbeWindow& w) {
      w.control(3).selected = 2;
      USTAWIKONYDRZEWA(3, c.rows ? &rows : nullptr, 2);
      seen = w.control(3);
    });
    EXPECT_EQ(seen.tree_lines, c.expect_lines) << c.rebranding << c.lines << c.rows;
    if (c.folder_icon == nullptr) {
      EXPECT_FALSE(seen.icons.count(1));
    } else {
      EXPECT_EQ(seen.icons.at(1), c.folder_icon);
      EXPECT_EQ(seen.selected, 2);
    }
  }
}

TEST_F(WindowHelpers, FolderDialogRunsOnItsOwnThreadAndPostsTheEvent) {
  platform::headless_folder_dialog().push_answer(std::string("C:\\Dane\\Eksport"));
  platform::headless_folder_dialog().push_answer(std::nullopt);
  const std::string me = std::to_string(thread_number());

  FILEDIALOGBOX_WATEK("Wybierz folder", "C:\\Dane", me);
  EXPECT_EQ(take_posted_event(std::chrono::seconds(10)), event::kUser);
  EXPECT_EQ(dane::get_text(Global::GGG_UNIWERSALNA_ZMIENNA), "C:\\Dane\\Eksport");

  FILEDIALOGBOX_WATEK("Wybierz folder", "", " " + me + " ");  // cancelled
  EXPECT_EQ(take_posted_event(std::chrono::seconds(10)), event::kUser);
  EXPECT_EQ(dane::get_text(Global::GGG_UNIWERSALNA_ZMIENNA), "");

  FILEDIALOGBOX_WATEK("x", "", "nikt");  // no thread to tell
  join_folder_threads();
  EXPECT_EQ(take_posted_event(std::chrono::milliseconds(0)), std::nullopt);

  const auto requests = platform::headless_folder_dialog().requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].title, "Wybierz folder");
  EXPECT_EQ(requests[0].start_folder, "C:\\Dane");
  EXPECT_NE(requests[0].os_thread, std::hash<std::thread::id>{}(std::this_thread::get_id()));
  EXPECT_FALSE(library().own_settings().FETCH("FileDialogBox_watek", "XPos"));
}

}  // namespace
}  // namespace funkcja::ui
