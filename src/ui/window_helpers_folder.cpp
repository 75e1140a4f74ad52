// FILEDIALOGBOX_WATEK: the folder-choice dialog on a thread of its own. The call returns at
// once; the new thread opens an invisible window that closes itself straight away, and while
// closing clears $GGG:UNIWERSALNA_ZMIENNA, shows the folder dialog, stores the chosen folder
// there and posts event 1024 to the thread the caller named. The receiving thread reads the
// folder after the event.
#include <charconv>
#include <mutex>
#include <thread>
#include <vector>

#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/platform/env.hpp"
#include "ui/folder_threads.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::ui;

class FolderWindow : public Window {
 public:
  FolderWindow(std::string title, std::string start, std::string notify)
      : Window(options()),
        title_(std::move(title)),
        start_(std::move(start)),
        notify_(std::move(notify)) {}

 protected:
  void on_event() override {
    if (event() == event::kOpenWindow) post(event::kCloseWindow);
    if (event() != event::kCloseWindow) return;
    dane::set_text(dane::Global::GGG_UNIWERSALNA_ZMIENNA, "");
    if (const auto folder = platform::Env::current().choose_folder(title_, start_)) {
      dane::set_text(dane::Global::GGG_UNIWERSALNA_ZMIENNA, *folder);
    }
    const std::string_view digits = text::trim(notify_);
    std::int32_t thread = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), thread);
    if (ec == std::errc() && end == digits.data() + digits.size()) {
      post_event(thread, event::kUser);
    }
  }

 private:
  static WindowOptions options() {
    WindowOptions o("FileDialogBox_watek", "");
    o.remember_position = false;
    o.visible = false;
    return o;
  }
  std::string title_;
  std::string start_;
  std::string notify_;
};

struct Workers {
  std::mutex mutex;
  std::vector<std::thread> threads;
  ~Workers() { join_all(); }
  void join_all() {
    std::vector<std::thread> running;
    {
      std::lock_guard lock(mutex);
      running.swap(threads);
    }
    for (std::thread& t : running) t.join();
  }
};

Workers& workers() {
  static Workers instance;
  return instance;
}

}  // namespace

void FILEDIALOGBOX_WATEK(std::string_view title, std::string_view start_folder,
                         std::string_view notify_thread) {
  std::thread worker([title = std::string(title), start = std::string(start_folder),
                      notify = std::string(notify_thread)]() mutable {
    try {
      FolderWindow w(std::move(title), std::move(start), std::move(notify));
      w.run();
    } catch (...) {
      // Nothing may escape a thread of the library.
    }
  });
  Workers& w = workers();
  std::lock_guard lock(w.mutex);
  w.threads.push_back(std::move(worker));
}

void join_folder_threads() {
  workers().join_all();
}

}  // namespace funkcja::ui
