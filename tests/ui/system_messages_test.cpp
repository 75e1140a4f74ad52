#include <gtest/gtest.h>

#include "frame/cp_literal.hpp"
#include "funkcja/messages.hpp"
#include "host/dane/globals.hpp"
#include "host/platform/message_box.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using platform::MessageIcon;

class SystemMessages : public ::testing::Test {
 protected:
  void SetUp() override { platform::headless_message_box().clear(); }
  void TearDown() override {
    platform::headless_message_box().clear();
    dane::reset_all();
  }
  static platform::MessageBoxRequest last() {
    return platform::headless_message_box().shown().back();
  }
};

TEST_F(SystemMessages, InformationAndWarningUseTheHostsCaptionsAndCutAt500) {
  dane::set_text(dane::Global::GLO_MSG_TXT_INF, "Info programu   ");
  dane::set_text(dane::Global::GLO_MSG_TXT_OST, "Uwaga");
  MSG_INF(std::string(600, 'x'));
  EXPECT_EQ(last().caption, "Info programu");
  EXPECT_EQ(last().text, std::string(500, 'x'));
  EXPECT_EQ(last().icon, MessageIcon::kInformation);
  EXPECT_EQ(last().buttons, std::vector<std::string>{"OK"});

  MSG_OST("Brak danych."_cp);
  EXPECT_EQ(last().caption, "Uwaga");
  EXPECT_EQ(last().text, "Brak danych."_cp);
  EXPECT_EQ(last().icon, MessageIcon::kWarning);
}

TEST_F(SystemMessages, QuestionDefaultButtonAndAnswers) {
  struct Case {
    const char* buttons;
    std::int32_t default_button;
    std::int32_t queued;  // -1: nothing queued
    std::vector<std::string> shown;
    std::int32_t shown_default;
    std::int32_t result;
  };
  const Case cases[] = {{"&Tak|&Nie", 0, -1, {"&Tak", "&Nie"}, 1, 1},
                        {"&Tak|&Nie", 2, -1, {"&Tak", "&Nie"}, 2, 2},
                        {"&Tak|&Nie", 5, -1, {"&Tak", "&Nie"}, 1, 1},
                        {"&Tak|&Nie|&Anuluj", 1, 3, {"&Tak", "&Nie", "&Anuluj"}, 1, 3},
                        {"&Tak|&Nie", 1, 0, {"&Tak", "&Nie"}, 1, 0},  // dismissed without a button
                        {"&Tak|&Nie", 1, 7, {"&Tak", "&Nie"}, 1, 0},
                        {"", 0, -1, {"OK"}, 1, 1},
                        {"A||B", 0, 2, {"A", "", "B"}, 1, 2}};
  for (const Case& c : cases) {
    if (c.queued >= 0) platform::headless_message_box().push_answer(c.queued);
    EXPECT_EQ(MSG_QST("Czy usunąć?"_cp, c.buttons, c.default_button), c.result) << c.buttons;
    EXPECT_EQ(last().buttons, c.shown) << c.buttons;
    EXPECT_EQ(last().default_button, c.shown_default) << c.buttons;
    EXPECT_EQ(last().caption, "Pytanie");
    EXPECT_EQ(last().icon, MessageIcon::kQuestion);
  }
}

}  // namespace
}  // namespace funkcja
