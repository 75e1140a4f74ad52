// Every role of the platform seam is reached through the Env in use: a wrapper installed over
// the headless one sees each library path that needs the system, and a window backend that the
// Env names runs the library's windows.
#include "host/platform/env.hpp"

#include <functional>
#include <mutex>
#include <set>
#include <string>

#include "funkcja/messages.hpp"
#include "funkcja/windows.hpp"
#include "host/connect.hpp"
#include "host/dane/globals.hpp"
#include "host/lifecycle.hpp"
#include "support/probe_window.hpp"
#include "ui/folder_threads.hpp"
#include "ui/headless_driver.hpp"

namespace funkcja::ui {
namespace {

using testing::ProbeWindow;
using testing::run_script;
namespace ct = control_type;

// A window backend of a would-be toolkit: counts the windows it runs and lets the headless
// driver play their scripts.
class CountingBackend : public WindowBackend {
 public:
  void run_modal(Window& window) override {
    ++windows;
    headless_driver().run_modal(window);
  }
  int windows = 0;
};

// Forwards everything to the Env it wraps and notes which roles were asked for.
class RecordingEnv : public platform::EnvWrapper {
 public:
  explicit RecordingEnv(WindowBackend* backend)
      : EnvWrapper(platform::Env::current()), backend_(backend) {}

  std::set<std::string> used() const {
    std::lock_guard lock(mutex_);
    return used_;
  }

  std::int32_t show_message_box(const platform::MessageBoxRequest& r) override {
    note("message box");
    return EnvWrapper::show_message_box(r);
  }
  std::optional<std::string> choose_folder(std::string_view title,
                                           std::string_view start) override {
    note("folder dialog");
    return EnvWrapper::choose_folder(title, start);
  }
  void send_keystroke(std::uint8_t virtual_key, std::uint32_t flags) override {
    note("keystrokes");
    EnvWrapper::send_keystroke(virtual_key, flags);
  }
  std::int32_t system_metric(std::int32_t index) override {
    note("system metrics");
    return EnvWrapper::system_metric(index);
  }
  WindowBackend* window_backend() override {
    note("window backend");
    return backend_;
  }
  std::optional<std::string> environment(std::string_view name) override {
    note("environment");
    return EnvWrapper::environment(name);
  }
  std::string data_folder() override {
    note("data folder");
    return EnvWrapper::data_folder();
  }
  std::string config_folder() override {
    note("config folder");
    return EnvWrapper::config_folder();
  }
  platform::FileRead read_file(const std::string& path) override {
    note("read file");
    return EnvWrapper::read_file(path);
  }
  platform::FileUpdate update_file(
      const std::string& path,
      const std::function<std::string(std::string_view)>& change) override {
    note("update file");
    return EnvWrapper::update_file(path, change);
  }

 private:
  void note(const char* role) {
    std::lock_guard lock(mutex_);
    used_.insert(role);
  }
  WindowBackend* backend_;
  mutable std::mutex mutex_;
  std::set<std::string> used_;
};

class PlatformSeam : public testing::WindowTest {};

TEST_F(PlatformSeam, EveryPathToTheSystemGoesThroughTheInstalledEnv) {
  const struct Case {
    const char* role;
    std::function<void(const std::string& settings)> run;
  } cases[] = {
      {"message box", [](const std::string&) { MSG_INF("Zapisano"); }},
      {"keystrokes",
       [](const std::string&) {
         // Up in an entry goes out as Shift+Tab keystrokes; the Env hands them back to the
         // window, which moves the focus back.
         ProbeWindow w({ct::kEntry, ct::kEntry});
         EXPECT_EQ(run_script(w, {"select 2", "key Up", "close"})[2].focus, 1);
       }},
      {"system metrics",
       [](const std::string&) {
         dane::set_number(dane::Global::GGG_MAKSYMALIZACJA_ROVAN, 1);
         ProbeWindow w({ct::kButton});
         w.handler = [](ProbeWindow& self) {
           if (self.event() == event::kOpenWindow) MAKSYMALIZUJ();
         };
         run_script(w, {"close"});
       }},
      {"folder dialog",
       [](const std::string&) {
         FILEDIALOGBOX_WATEK("Wybierz folder", "", "");
         join_folder_threads();
       }},
      {"window backend", [](const std::string&) { MSG_WYKONAJ("Zapisz dane", "Dane"); }},
      {"environment", [](const std::string&) { dane::reset_all(); }},
      {"config folder", [](const std::string&) { dane::reset_all(); }},
      {"data folder", [](const std::string&) { database::default_url(); }},
      {"read file", [](const std::string& path) { library().own_settings().Init(path); }},
      {"update file",
       [](const std::string&) { library().own_settings().UPDATE("Okno", "XPos", "1"); }},
  };
  for (const Case& c : cases) {
    CountingBackend backend;
    auto env = std::make_unique<RecordingEnv>(&backend);
    const RecordingEnv& seen = *env;
    {
      platform::ScopedEnv installed(std::move(env));
      c.run(settings_path_);
      EXPECT_EQ(seen.used().count(c.role), 1u) << c.role;
      if (std::string_view(c.role) == "window backend") {
        EXPECT_EQ(backend.windows, 1);
      }
    }
    dane::reset_all();
    library().own_settings().Init(settings_path_);
  }
}

}  // namespace
}  // namespace funkcja::ui
