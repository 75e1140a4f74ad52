// The seam between windows and whatever shows them. A backend runs one window's modal loop on
// the calling thread: it shows the window, turns the user's input into the window's user_*
// calls and hands it the events posted to the thread, until the window is closed.
//
// The headless driver (ui/headless_driver.hpp) is the backend unless the installed platform Env
// names another (host/platform/env.hpp, Env::window_backend); a toolkit backend renders each
// window from its controls' properties after every step.
#pragma once

#include <cstdint>

namespace funkcja::ui {

class Window;

// Why a browser control loads its page.
enum class PageLoad { kNavigate, kBack, kForward, kRefresh };

class WindowBackend {
 public:
  virtual ~WindowBackend() = default;
  // Returns when window.closed() is true.
  virtual void run_modal(Window& window) = 0;
  // A browser control of the window (control_type::kBrowser) is to load the page it now shows,
  // control.browser.address(), even when that address did not change (a refresh). The history
  // is the control's own: a toolkit backend loads the address into its web view, keeping script
  // errors quiet when control.browser.silent is set, and does not keep a history of its own.
  // Called on the window's thread, inside the step that caused it.
  virtual void page_load(Window& /*window*/, std::int32_t /*browser*/, PageLoad /*why*/) {}
};

// The backend of the Env in use, or the headless driver.
WindowBackend& window_backend();

}  // namespace funkcja::ui
