#include <unistd.h>

#include "frame/cp_literal.hpp"
#include "funkcja/messages.hpp"
#include "host/dane/tables.hpp"
#include "support/probe_window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using testing::WindowTest;

class MessageWindows : public WindowTest {
 protected:
  static void script(const std::vector<std::string>& lines) {
    for (const auto& l : lines) ASSERT_TRUE(headless_driver().push_line(l)) << l;
  }
  static std::vector<WindowSnapshot> history() { return headless_driver().history(); }
};

TEST_F(MessageWindows, WykonajAnswersOneOnlyForItsButton) {
  struct Case {
    std::vector<std::string> script;
    std::uint8_t result;
  };
  const Case cases[] = {{{"key F10"}, 1},
                        {{"click Wykonaj"}, 1},
                        {{"key Tab", "key Enter"}, 1},
                        {{"key Right", "key Space"}, 1},
                        {{"key Esc"}, 0},
                        {{"close"}, 0},
                        {{"click Anuluj"}, 0},
                        {{"key Enter"}, 0},
                        {{}, 0}};
  for (const Case& c : cases) {
    headless_driver().clear();
    script(c.script);
    EXPECT_EQ(MSG_WYKONAJ("Zaksięgować?"_cp, "Księgowanie"_cp, 1), c.result)
        << ::testing::PrintToString(c.script);
  }
}

TEST_F(MessageWindows, WykonajShowsItsTitleClippedAndTextCut) {
  dane::set_text(dane::Global::GLO_NAZWA_PROGRAMU, "Finanse i Księgowość   "_cp);
  const std::string title = std::string("Tytuł"_cp) + std::string(120, 'x');
  MSG_WYKONAJ(std::string(3100, 'a'), "  Tytuł   "_cp, 2);
  MSG_WYKONAJ("x", title, 0);
  const auto h = history();
  ASSERT_GE(h.size(), 4u);
  const WindowSnapshot& first = h[0];
  EXPECT_EQ(first.key, "Msg_Wykonaj");
  EXPECT_EQ(first.caption, "Finanse i Księgowość"_cp);
  EXPECT_EQ(first.control(1)->icon, "~Warning.ico");
  EXPECT_EQ(first.control(2)->text, "  Tytuł"_cp);
  EXPECT_EQ(first.control(3)->text, std::string(3000, 'a'));
  ASSERT_NE(first.by_text("F10"), nullptr);
  ASSERT_NE(first.by_text("Esc"), nullptr);
  const WindowSnapshot& second = h[h.size() - 2 > 2 ? 3 : 2];
  EXPECT_EQ(second.control(2)->text, title.substr(0, 100));
  EXPECT_EQ(second.control(1)->icon, "~Information.ico");
}

TEST_F(MessageWindows, InfoTitleFollowsTheTypeAndZamknijCloses) {
  dane::set_text(dane::Global::GLO_MSG_TXT_INF, "Informacja programu");
  dane::set_text(dane::Global::GLO_MSG_TXT_OST, "Uwaga!");
  struct Case {
    std::uint8_t type;
    const char* icon;
    const char* title;
  };
  const Case cases[] = {{0, "~Information.ico", "Informacja programu"},
                        {1, "~Information.ico", "Informacja programu"},
                        {2, "~Warning.ico", "Uwaga!"},
                        {7, "~Information.ico", ""}};
  for (const Case& c : cases) {
    headless_driver().clear();
    script({"click Zamknij"});
    MSG_INFO(std::string(3500, 'm'), c.type);
    const auto h = history();
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ(h[0].key, "Msg_info");
    EXPECT_EQ(h[0].control(2)->icon, c.icon) << +c.type;
    EXPECT_EQ(h[0].control(3)->text, c.title) << +c.type;
    EXPECT_EQ(h[0].control(3)->font.weight, 700);
    EXPECT_EQ(h[0].control(3)->font.size, 12);
    EXPECT_EQ(h[0].control(4)->text.size(), 3000u);
    EXPECT_EQ(h[0].control(4)->font.name, "Segoe UI");
    EXPECT_TRUE(h[1].closed);
  }
}

TEST_F(MessageWindows, InfoTextAreaFollowsTheWindowsSize) {
  script({"size 500 300", "key Enter"});
  MSG_INFO("x");
  const auto h = history();
  ASSERT_EQ(h.size(), 3u);
  const Control* before = h[0].control(4);
  const Control* after = h[1].control(4);
  EXPECT_EQ(after->rect.width - before->rect.width, 500 - h[0].rect.width);
  EXPECT_EQ(after->rect.height - before->rect.height, 300 - h[0].rect.height);
  EXPECT_TRUE(h[2].closed);  // Enter pressed the focused "Zamknij"
}

TEST_F(MessageWindows, AdvInfoDetailsToggleBetweenTheTwoGeometries) {
  library().own_settings().UPDATE("Msg_AdvInfo", "Height", "400");
  const std::string details = std::string("click &Szczegóły"_cp);
  script({details, std::string("click Szczegóły"_cp), details, "click &Zamknij"});
  MSG_ADVINFO("Nie wszystkie dokumenty zapisano.", "Dokument 12: brak konta.", 2);
  const auto h = history();
  ASSERT_EQ(h.size(), 5u);
  struct Expected {
    std::int32_t height, buttons, frame;
    bool details_hidden;
  };
  const Expected expected[] = {
      {79, 62, 59, true}, {162, 145, 143, false}, {79, 62, 59, true}, {162, 145, 143, false}};
  for (std::size_t i = 0; i < 4; ++i) {
    const WindowSnapshot& s = h[i];
    EXPECT_EQ(s.rect.width, 342) << i;
    EXPECT_EQ(s.rect.height, expected[i].height) << i;
    EXPECT_EQ(s.by_text("&Szczegóły"_cp)->rect.y, expected[i].buttons) << i;
    EXPECT_EQ(s.by_text("&Zamknij")->rect.y, expected[i].buttons) << i;
    EXPECT_EQ(s.control(4)->rect.y, expected[i].frame) << i;
    EXPECT_EQ(s.control(7)->hidden, expected[i].details_hidden) << i;
  }
  EXPECT_EQ(h[0].control(2)->font.color, kColorRed);
  EXPECT_TRUE(h[4].closed);
  EXPECT_EQ(library().own_settings().FETCH("Msg_AdvInfo", "Height"), "400");  // not saved
}

TEST_F(MessageWindows, AdvInfoTitleColourAndCapacities) {
  dane::set_text(dane::Global::GLO_MSG_TXT_INF, "Info");
  MSG_ADVINFO(std::string(4100, 't'), std::string(4100, 'd'), 0);
  MSG_ADVINFO("x", "y", 9);
  const auto h = history();
  ASSERT_EQ(h.size(), 4u);  // open, Esc, then the same for the second window
  EXPECT_EQ(h[0].control(2)->font.color, kColorBlue);
  EXPECT_EQ(h[0].control(2)->text, "Info");
  EXPECT_EQ(h[0].control(3)->text.size(), 4000u);
  EXPECT_EQ(h[0].control(7)->text.size(), 4000u);
  EXPECT_EQ(h[2].control(2)->font.color, kColorNone);
  EXPECT_EQ(h[2].control(2)->text, "");
}

// ---- KOMUNIKAT_INFO ----

dane::Row row(std::string_view text, std::string_view icon) {
  return {std::string(text), std::string(icon)};
}

class StoredMessages : public dane::Connection {
 public:
  StoredMessages(std::vector<std::string>* log, std::vector<dane::Row> rows, bool fail)
      : log_(log), rows_(std::move(rows)), fail_(fail) {}
  std::unique_ptr<dane::Cursor> execute(std::string_view statement, std::string& error) override {
    log_->emplace_back(statement);
    if (fail_) {
      error = "Invalid object name 'KOMUNIKAT'.";
      return nullptr;
    }
    struct Rows : dane::Cursor {
      std::vector<dane::Row> rows;
      std::size_t next_row = 0;
      bool next(dane::Row& row, std::string&) override {
        if (next_row >= rows.size()) return false;
        row = rows[next_row++];
        return true;
      }
    };
    auto cursor = std::make_unique<Rows>();
    cursor->rows = rows_;
    return cursor;
  }

 private:
  std::vector<std::string>* log_;
  std::vector<dane::Row> rows_;
  bool fail_;
};

class KomunikatInfo : public MessageWindows {
 protected:
  void use(std::vector<dane::Row> rows, bool fail = false) {
    dane::set_connection_factory(
        [this, rows, fail] { return std::make_unique<StoredMessages>(&statements_, rows, fail); });
    dane::close_thread_connection();
  }
  void TearDown() override {
    dane::close_thread_connection();
    dane::set_connection_factory(nullptr);
    MessageWindows::TearDown();
  }
  std::vector<std::string> statements_;
};

TEST_F(KomunikatInfo, ReadsTheUsersRowsOfTheContextAndShowsThemWithIcons) {
  dane::set_text(dane::Global::DANE_ID_UZYTKOWNIKA_NR, "42");
  use({row("Zamknięto okres 11/2026."_cp, "1"), row("Brak kursu EUR.", "2"), row("Bez ikony", "7"),
       row(std::string(600, 'z'), "300")});
  script({"key Down", "click Zamknij"});
  KOMUNIKAT_INFO("O'Brien   ", "ignored", "ignored");
  ASSERT_EQ(statements_.size(), 1u);
  EXPECT_EQ(statements_[0],
            "select tekst1, tekst2 from KOMUNIKAT with (NOLOCK) where id_uzytkownika=42 AND "
            "kontekst='O''Brien'");
  const auto h = history();
  ASSERT_EQ(h.size(), 3u);
  EXPECT_EQ(h[0].key, "Komunikat_Info");
  EXPECT_EQ(h[0].caption, "Informacja");
  EXPECT_EQ(h[0].control(2)->text, "");
  const Control* list = h[0].control(3);
  ASSERT_EQ(list->rows.size(), 4u);
  EXPECT_EQ(list->rows[0].cells[0], "Zamknięto okres 11/2026."_cp);
  EXPECT_EQ(list->rows[0].icon, 1);
  EXPECT_EQ(list->rows[1].icon, 2);
  EXPECT_EQ(list->rows[2].icon, 0);
  EXPECT_EQ(list->rows[3].icon, 0);
  EXPECT_EQ(list->rows[3].cells[0].size(), 500u);  // the row buffer holds 500 characters
  EXPECT_EQ(list->icons.at(1), "~Information.ico");
  EXPECT_EQ(list->icons.at(2), "~Warning.ico");
  EXPECT_EQ(h[1].control(3)->selected, 2);
}

// The database finds the rows of a context in any case, so the window takes the caption and
// header (cut to 500 characters) in any case too.
TEST_F(KomunikatInfo, OwnContextTakesCaptionAndHeaderInAnyCase) {
  for (const char* context : {"mwonlaktout", "MwOnLaktOut  ", "MWONLAKTOUT  ", "MWONLAKTOUT"}) {
    use({row("Dostępna jest nowa wersja."_cp, "1")});
    KOMUNIKAT_INFO(context, "Aktualizacja", std::string(600, 'h'));
    const auto h = history();
    ASSERT_FALSE(h.empty()) << context;
    EXPECT_EQ(h.back().caption, "Aktualizacja") << context;
    EXPECT_EQ(h.back().control(2)->text, std::string(500, 'h')) << context;
    EXPECT_EQ(h.back().control(2)->font.name, "Tahoma") << context;
  }
  use({row("x", "1")});
  KOMUNIKAT_INFO(" mwonlaktout", "Aktualizacja", "Nowa wersja");  // a leading blank differs
  EXPECT_EQ(history().back().caption, "Informacja");
}

TEST_F(KomunikatInfo, NoRowsOrAFailedQueryOpensNoWindow) {
  use({});
  KOMUNIKAT_INFO("FK", "", "");
  EXPECT_TRUE(history().empty());
  use({row("x", "1")}, true);
  KOMUNIKAT_INFO("FK", "", "");
  EXPECT_TRUE(history().empty());
  EXPECT_EQ(statements_.size(), 2u);
}

TEST_F(KomunikatInfo, ListSelectionColoursFollowTheFocus) {
  use({row("a", "1"), row("b", "1")});
  script({"select 6", "select 3", "close"});
  KOMUNIKAT_INFO("FK", "", "");
  const auto h = history();
  ASSERT_EQ(h.size(), 4u);
  EXPECT_EQ(h[0].control(3)->selected_bg, kColorDarkGrey);  // the list starts with the focus
  EXPECT_EQ(h[0].control(3)->selected_fg, kColorWhite);
  EXPECT_EQ(h[1].control(3)->selected_bg, kColorLightGrey);
  EXPECT_EQ(h[1].control(3)->selected_fg, kColorBlack);
  EXPECT_EQ(h[2].control(3)->selected_bg, kColorDarkGrey);
}

}  // namespace
}  // namespace funkcja::ui
