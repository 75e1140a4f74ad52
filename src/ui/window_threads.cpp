#include "ui/window_threads.hpp"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <vector>

#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

// A mailbox keeps at most this many events; the oldest go first, so a thread that never
// reads its mailbox cannot make it grow without end.
constexpr std::size_t kMailboxCapacity = 1024;

struct Registry {
  std::mutex mutex;
  std::condition_variable arrived;
  std::map<std::int32_t, std::vector<Window*>> windows;
  std::map<std::int32_t, std::deque<std::int32_t>> mailboxes;
};

Registry& registry() {
  static Registry* instance = new Registry;  // shared by every thread until the process ends
  return *instance;
}

std::atomic<std::int32_t> last_number{0};

}  // namespace

std::int32_t thread_number() {
  thread_local const std::int32_t number = ++last_number;
  return number;
}

void register_window(Window* window) {
  const std::int32_t me = thread_number();
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  r.windows[me].push_back(window);
}

void unregister_window(Window* window) {
  const std::int32_t me = thread_number();
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  auto it = r.windows.find(me);
  if (it == r.windows.end()) return;
  auto& stack = it->second;
  stack.erase(std::remove(stack.begin(), stack.end(), window), stack.end());
  if (stack.empty()) r.windows.erase(it);
}

Window* active_window() {
  const std::int32_t me = thread_number();
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  const auto it = r.windows.find(me);
  return it == r.windows.end() || it->second.empty() ? nullptr : it->second.back();
}

std::size_t open_window_count() {
  const std::int32_t me = thread_number();
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  const auto it = r.windows.find(me);
  return it == r.windows.end() ? 0 : it->second.size();
}

std::optional<Rect> frame_rect(std::int32_t thread, bool clear_maximized) {
  Registry& r = registry();
  // The registry stays locked while the frame is read: a window leaves the registry before it
  // is destroyed, so the frame cannot disappear meanwhile.
  std::lock_guard lock(r.mutex);
  const auto it = r.windows.find(thread);
  if (it == r.windows.end() || it->second.empty()) return std::nullopt;
  Window* frame = it->second.front();
  if (clear_maximized) frame->set_maximized(false);
  return frame->rect();
}

bool post_event(std::int32_t thread, std::int32_t event_number) {
  if (thread <= 0 || thread > last_number.load()) return false;
  Registry& r = registry();
  {
    std::lock_guard lock(r.mutex);
    auto& box = r.mailboxes[thread];
    if (box.size() >= kMailboxCapacity) box.pop_front();
    box.push_back(event_number);
  }
  r.arrived.notify_all();
  return true;
}

std::optional<std::int32_t> take_posted_event(std::chrono::milliseconds wait) {
  const std::int32_t me = thread_number();
  Registry& r = registry();
  std::unique_lock lock(r.mutex);
  auto& box = r.mailboxes[me];
  if (!r.arrived.wait_for(lock, wait, [&] { return !box.empty(); })) return std::nullopt;
  const std::int32_t e = box.front();
  box.pop_front();
  return e;
}

}  // namespace funkcja::ui
