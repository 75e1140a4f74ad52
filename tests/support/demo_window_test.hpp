// A fresh demo database, a fresh settings file and an empty window script around each test,
// for the windows that read the database.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/lifecycle.hpp"
#include "support/database_fixture.hpp"
#include "ui/headless_driver.hpp"

namespace funkcja::ui::testing {

class DemoWindowTest : public funkcja::testing::DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    settings_ = (std::filesystem::temp_directory_path() /
                 ("funkcja_demo_window_" + std::to_string(::getpid()) + ".ini"))
                    .string();
    std::filesystem::remove(settings_);
    library().own_settings().Init(settings_);
    headless_driver().clear();
  }
  void TearDown() override {
    headless_driver().clear();
    library().own_settings().Init("");
    std::filesystem::remove(settings_);
    DemoDatabase::TearDown();
  }

  static void script(const std::vector<std::string>& lines) {
    for (const auto& l : lines) ASSERT_TRUE(headless_driver().push_line(l)) << l;
  }
  // The rows of the lists of a window as it was shown (not of its drop lists), cells joined
  // by "|".
  static std::vector<std::string> list_rows(const WindowSnapshot& w) {
    std::vector<std::string> out;
    for (const Control& c : w.controls) {
      if (c.type != control_type::kList) continue;
      for (const ListRow& r : c.rows) {
        std::string line;
        for (const auto& cell : r.cells) line += (line.empty() ? "" : "|") + cell;
        out.push_back(line);
      }
    }
    return out;
  }

 private:
  std::string settings_;
};

}  // namespace funkcja::ui::testing
