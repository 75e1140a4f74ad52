// The seam between windows and whatever shows them. A backend runs one window's modal loop on
// the calling thread: it shows the window, turns the user's input into the window's user_*
// calls and hands it the events posted to the thread, until the window is closed.
//
// The headless driver (ui/headless_driver.hpp) is the backend unless the installed platform Env
// names another (host/platform/env.hpp, Env::window_backend); a toolkit backend renders each
// window from its controls' properties after every step.
#pragma once

namespace funkcja::ui {

class Window;

class WindowBackend {
 public:
  virtual ~WindowBackend() = default;
  // Returns when window.closed() is true.
  virtual void run_modal(Window& window) = 0;
};

// The backend of the Env in use, or the headless driver.
WindowBackend& window_backend();

}  // namespace funkcja::ui
