// Threads as the windows see them: every thread that touches the window layer gets a thread
// number (1, 2, 3 ... in the order they first ask), its open windows are kept in a
// process-wide registry, and events can be posted to a thread by its number.
//
// A posted event waits in the thread's mailbox until the modal loop of the thread's window
// takes it, or until the thread takes it itself with take_posted_event().
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "ui/control.hpp"

namespace funkcja::ui {

class Window;

// The calling thread's number, fixed for the thread's life.
std::int32_t thread_number();

// Open windows of the calling thread, innermost last.
void register_window(Window* window);
void unregister_window(Window* window);
// The calling thread's innermost open window, or nullptr.
Window* active_window();
// The number of windows open on the calling thread.
std::size_t open_window_count();

// The first (outermost) window of a thread: its frame. Returns its position and size, or
// nothing when the thread has no window; clear_maximized also clears the window's maximised
// state. Safe from any thread.
std::optional<Rect> frame_rect(std::int32_t thread, bool clear_maximized);

// Posts an event to a thread. False when no thread has that number.
bool post_event(std::int32_t thread, std::int32_t event_number);
// The calling thread's oldest posted event, waiting at most `wait` for one to arrive.
std::optional<std::int32_t> take_posted_event(std::chrono::milliseconds wait);

}  // namespace funkcja::ui
