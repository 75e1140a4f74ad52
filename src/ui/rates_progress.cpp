#include "ui/rates_progress.hpp"

#include <exception>

#include "frame/cp_literal.hpp"
#include "ui/window.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
namespace ct = control_type;

// The event that starts the work: posted to the thread once the window is open, so the
// backend has shown the window before it arrives.
constexpr std::int32_t kStartWork = event::kUser + 0x71;

class RatesProgress : public Window {
 public:
  RatesProgress(std::string_view procedure, const std::function<void()>& work)
      : Window(options(procedure)), work_(work) {
    add(ct::kBox, {}, {0, 0, 220, 48});
    const std::int32_t picture = add(ct::kImage, {}, {8, 8, 204, 12});
    control(picture).icon = "progressbar_blue3.gif";
    const std::int32_t text =
        add(ct::kString, "Trwa import kursów walut. Proszę czekać..."_cp, {8, 26, 204, 14});
    control(text).font.name = "Arial";
    control(text).font.size = 9;
  }

  std::exception_ptr failure;
  bool started() const { return started_; }

 protected:
  void on_open() override {
    if (!post_event(thread_number(), kStartWork)) start();
  }
  void on_event() override {
    if (event() == kStartWork && !started_) start();
    // Esc or the close box while the work has not run yet must not skip it.
    if (event() == event::kCloseWindow && !started_) keep_open();
  }

 private:
  static WindowOptions options(std::string_view procedure) {
    WindowOptions o(std::string(procedure), "");
    o.rect = {0, 0, 220, 48};
    o.remember_position = false;
    return o;
  }
  void start() {
    started_ = true;
    try {
      work_();
    } catch (...) {
      failure = std::current_exception();
    }
    close();
  }

  const std::function<void()>& work_;
  bool started_ = false;
};

}  // namespace

void with_rates_progress(std::string_view procedure, const std::function<void()>& work) {
  RatesProgress window(procedure, work);
  window.run();
  if (window.failure) std::rethrow_exception(window.failure);
  // A backend that closed the window before the start event reached it: the work still runs.
  if (!window.started()) work();
}

}  // namespace funkcja::ui
