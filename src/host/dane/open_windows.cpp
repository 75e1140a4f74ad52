#include "host/dane/open_windows.hpp"

#include <algorithm>

#include "frame/text_rules.hpp"

namespace funkcja::dane {

bool OpenWindows::insert(std::int32_t thread, std::string_view name) {
  const std::string_view key = text::clip_to(name, kNameCapacity);
  std::lock_guard lock(mutex_);
  for (const OpenWindowEntry& e : entries_) {
    if (e.name == key) return false;
  }
  entries_.push_back({thread, std::string(key)});
  return true;
}

void OpenWindows::remove(std::string_view name) {
  const std::string_view key = text::clip_to(name, kNameCapacity);
  std::lock_guard lock(mutex_);
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const OpenWindowEntry& e) { return e.name == key; });
  if (it != entries_.end()) entries_.erase(it);
}

std::vector<OpenWindowEntry> OpenWindows::entries() const {
  std::lock_guard lock(mutex_);
  return entries_;
}

void OpenWindows::clear() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

OpenWindows& ROVAN_OKNA() {
  static OpenWindows* instance = new OpenWindows;  // shared by every thread until the end
  return *instance;
}

}  // namespace funkcja::dane
