// The demo database, a fresh settings file, a fixed clock (today 7 December 2026, a Monday) and
// the working date 15 February 2017, for the calendar and period dialogs.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "frame/standard_date.hpp"
#include "host/dane/globals.hpp"
#include "host/lifecycle.hpp"
#include "host/platform/env.hpp"
#include "support/database_fixture.hpp"
#include "ui/headless_driver.hpp"

namespace funkcja::ui::testing {

inline std::int32_t day(std::int32_t y, std::int32_t m, std::int32_t d) {
  return date::from_civil(y, m, d).value();
}

class FixedClock : public platform::EnvWrapper {
 public:
  FixedClock(platform::Env& target, std::int32_t today) : EnvWrapper(target), today_(today) {}
  platform::LocalTime now() override { return {today_, 0}; }

 private:
  std::int32_t today_;
};

class CalendarDialogs : public funkcja::testing::DemoDatabase {
 protected:
  static std::int32_t today() { return day(2026, 12, 7); }
  static std::int32_t working() { return day(2017, 2, 15); }

  void SetUp() override {
    DemoDatabase::SetUp();
    settings_path_ = (std::filesystem::temp_directory_path() /
                      ("funkcja_cal_" + std::to_string(::getpid()) + "_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini"))
                         .string();
    std::filesystem::remove(settings_path_);
    library().own_settings().Init(settings_path_);
    headless_driver().clear();
    clock_ = std::make_unique<platform::ScopedEnv>(
        std::make_unique<FixedClock>(platform::Env::headless(), today()));
    dane::set_number(dane::Global::DANE_DATA_BIEZACA, working());
  }

  void TearDown() override {
    clock_.reset();
    headless_driver().clear();
    library().own_settings().Init("");
    std::filesystem::remove(settings_path_);
    DemoDatabase::TearDown();
  }

  // Forgets the previous run's script and snapshots and queues these actions.
  static void script(const std::vector<std::string>& lines) {
    headless_driver().clear();
    platform::headless_message_box().clear();
    for (const auto& l : lines) {
      std::string error;
      ASSERT_TRUE(headless_driver().push_line(l, &error)) << l << ": " << error;
    }
  }

  // The last snapshot of the first window with that key.
  static WindowSnapshot last_of(std::string_view key) {
    WindowSnapshot found;
    for (const WindowSnapshot& s : headless_driver().history()) {
      if (s.key == key) found = s;
    }
    return found;
  }

  std::string settings_path_;
  std::unique_ptr<platform::ScopedEnv> clock_;
};

}  // namespace funkcja::ui::testing
