#include "ui/browser_state.hpp"

#include "frame/text_rules.hpp"

namespace funkcja::ui {

const std::string& BrowserState::address() const {
  static const std::string none;
  if (position < 1 || position > static_cast<std::int32_t>(history.size())) return none;
  return history[static_cast<std::size_t>(position - 1)];
}

bool BrowserState::navigate(std::string_view to) {
  to = text::clip(to);
  if (to.empty()) return false;
  if (to != address()) {
    history.resize(static_cast<std::size_t>(position));
    history.emplace_back(to);
    if (history.size() > kHistoryLimit) history.erase(history.begin());
    position = static_cast<std::int32_t>(history.size());
  }
  ++loads;
  return true;
}

bool BrowserState::back() {
  if (!can_go_back()) return false;
  --position;
  ++loads;
  return true;
}

bool BrowserState::forward() {
  if (!can_go_forward()) return false;
  ++position;
  ++loads;
  return true;
}

bool BrowserState::refresh() {
  if (position == 0) return false;
  ++loads;
  return true;
}

}  // namespace funkcja::ui
