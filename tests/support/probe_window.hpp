// A window for tests: controls of the given types, a log of every event it receives, and the
// headless driver reset around each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "host/dane/globals.hpp"
#include "host/lifecycle.hpp"
#include "host/platform/keystrokes.hpp"
#include "ui/headless_driver.hpp"
#include "ui/key_navigator.hpp"
#include "ui/window.hpp"

namespace funkcja::ui::testing {

class ProbeWindow : public Window {
 public:
  explicit ProbeWindow(const std::vector<std::int32_t>& types,
                       WindowOptions options = {"Probe", "Probe"})
      : Window(std::move(options)) {
    for (const std::int32_t t : types) {
      add(t, control_type::editable(t) ? "" : "c" + std::to_string(last_control() + 1));
    }
  }

  std::vector<std::string> log;  // "Accepted 3 Enter"
  std::function<void(ProbeWindow&)> handler;
  std::vector<std::int16_t> exclude;
  std::vector<KeyNavigator::NextTabStop> pairs;
  std::uint8_t keep_arrows = 0;

 protected:
  void on_event() override {
    log.push_back(std::to_string(event()) + " " + std::to_string(field()) + " " +
                  key::name(keycode()));
    if (handler) handler(*this);
  }
  void setup_navigator(KeyNavigator& n) override {
    for (const auto c : exclude) n.ExcludeControl(c);
    for (const auto& p : pairs) n.add_tab_stop_pair(p.control, p.next);
  }
};

// Runs the window on a script; returns the snapshots it left, open first.
inline std::vector<WindowSnapshot> run_script(Window& w, const std::vector<std::string>& lines) {
  HeadlessDriver& d = headless_driver();
  d.clear();
  for (const auto& l : lines) {
    std::string error;
    EXPECT_TRUE(d.push_line(l, &error)) << l << ": " << error;
  }
  w.run();
  return d.history();
}

// Points the settings manager at a fresh file for the test and resets the layer around it.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_path_ = (std::filesystem::temp_directory_path() /
                      ("funkcja_ui_" + std::to_string(::getpid()) + "_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini"))
                         .string();
    std::filesystem::remove(settings_path_);
    library().own_settings().Init(settings_path_);
    headless_driver().clear();
    platform::headless_keyboard().clear();
  }
  void TearDown() override {
    headless_driver().clear();
    library().own_settings().Init("");
    std::filesystem::remove(settings_path_);
    dane::reset_all();
  }
  std::string settings_path_;
};

}  // namespace funkcja::ui::testing
