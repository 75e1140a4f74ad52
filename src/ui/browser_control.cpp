// The window's side of the embedded web browser: the control's history changes, and the
// backend is told which page to load.
#include "ui/window.hpp"
#include "ui/window_backend.hpp"

namespace funkcja::ui {
namespace {

template <class Step>
bool load(Window& w, std::int32_t browser, PageLoad why, Step step) {
  const Control* c = w.find(browser);
  if (c == nullptr || c->type != control_type::kBrowser) return false;
  if (!step(w.control(browser).browser)) return false;
  window_backend().page_load(w, browser, why);
  return true;
}

}  // namespace

bool Window::browser_navigate(std::int32_t browser, std::string_view address) {
  return load(*this, browser, PageLoad::kNavigate,
              [&](BrowserState& b) { return b.navigate(address); });
}

bool Window::browser_back(std::int32_t browser) {
  return load(*this, browser, PageLoad::kBack, [](BrowserState& b) { return b.back(); });
}

bool Window::browser_forward(std::int32_t browser) {
  return load(*this, browser, PageLoad::kForward, [](BrowserState& b) { return b.forward(); });
}

bool Window::browser_refresh(std::int32_t browser) {
  return load(*this, browser, PageLoad::kRefresh, [](BrowserState& b) { return b.refresh(); });
}

}  // namespace funkcja::ui
