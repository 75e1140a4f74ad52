// The headless Env: what the library uses on a machine without a desktop, and in the tests.
// Dialogs, message boxes and the clipboard are answered from queues in memory (their headers
// say how), keystrokes are composed and handed to the window layer, windows run in the window
// layer's headless driver; the clock, the environment, the folders and the files are the
// real ones of this POSIX system.
#include <cstdlib>
#include <ctime>

#include "frame/standard_date.hpp"
#include "host/platform/clipboard.hpp"
#include "host/platform/env.hpp"

namespace funkcja::platform {
namespace {

// A folder named by an environment variable, or by one under the home folder.
std::string user_folder(Env& env, std::string_view variable, bool absolute_only,
                        std::string_view under_home) {
  if (const auto named = env.environment(variable);
      named && !named->empty() && (!absolute_only || named->front() == '/')) {
    return *named + "/funkcja";
  }
  if (const auto home = env.environment("HOME"); home && !home->empty()) {
    return *home + std::string(under_home) + "/funkcja";
  }
  return {};
}

class HeadlessEnv final : public Env {
 public:
  std::int32_t show_message_box(const MessageBoxRequest& request) override {
    return headless_message_box().show(request);
  }
  void set_clipboard_text(std::string_view text) override { headless_clipboard().set_text(text); }
  std::string clipboard_text() override { return headless_clipboard().text(); }
  std::optional<std::string> choose_folder(std::string_view title,
                                           std::string_view start_folder) override {
    return headless_folder_dialog().choose(title, start_folder);
  }
  std::optional<std::string> choose_save_file(const SaveFileRequest& request) override {
    return headless_folder_dialog().choose_save_file(request);
  }
  void open_with_system_program(const std::string& path) override {
    headless_file_opener().open(path);
  }
  void send_keystroke(std::uint8_t virtual_key, std::uint32_t flags) override {
    headless_keyboard().keybd_event(virtual_key, flags);
  }
  void route_keys(std::function<void(std::int32_t key_code)> deliver) override {
    headless_keyboard().set_delivery(std::move(deliver));
  }
  std::int32_t system_metric(std::int32_t index) override {
    return headless_system_metrics().get(index);
  }
  ui::WindowBackend* window_backend() override { return nullptr; }

  LocalTime now() override {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    const auto day = date::from_civil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return {day.value_or(0),
            ((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 + ms};
  }

  std::optional<std::string> environment(std::string_view name) override {
    if (const char* value = std::getenv(std::string(name).c_str()); value != nullptr) return value;
    return std::nullopt;
  }
  std::string data_folder() override {
    return user_folder(*this, "XDG_DATA_HOME", true, "/.local/share");
  }
  std::string config_folder() override {
    return user_folder(*this, "XDG_CONFIG_HOME", false, "/.config");
  }

  bool write_file(const std::string& path, std::string_view content, unsigned mode) override {
    return write_file_atomically(path, content, mode);
  }
  FileRead read_file(const std::string& path) override { return read_existing_file(path); }
  FileUpdate update_file(const std::string& path,
                         const std::function<std::string(std::string_view)>& change) override {
    return update_file_locked(path, change);
  }
};

}  // namespace

Env& Env::headless() {
  static HeadlessEnv* instance = new HeadlessEnv;  // used by every thread until the process ends
  return *instance;
}

}  // namespace funkcja::platform
