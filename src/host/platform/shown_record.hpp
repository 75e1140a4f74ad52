// The record of what the headless Env showed, in order, for the whole process: every system
// message box (with the button it was answered with), every window of the window layer's
// headless driver (with the final state of its controls and how it was closed) and every
// folder or save dialog (with what it chose). Hosts read it
// as JSON (fk_shown_json) to see what a call showed without a screen.
//
// It keeps the latest items only, so a host that runs for days does not grow it without end:
// at most kMaxItems items and about kMaxBytes of text; the oldest go first. A control's
// description longer than kMaxControlBytes is cut at a line break.
//
// Thread-safe: windows and boxes of any thread are recorded in the order they were shown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/platform/message_box.hpp"

namespace funkcja::platform {

struct ShownBox {
  MessageIcon icon = MessageIcon::kInformation;
  std::string caption;               // code page 1250
  std::string text;                  // code page 1250
  std::vector<std::string> buttons;  // code page 1250
  std::int32_t answer = 0;           // 1 = first button, 0 = dismissed
};

struct ShownWindow {
  std::string key;                    // code page 1250
  std::string caption;                // code page 1250
  std::vector<std::string> controls;  // UTF-8, one control each as transcripts show it
  std::string closed;                 // UTF-8: the step that closed it; empty while open
};

struct ShownDialog {
  bool save = false;                  // the file-save dialog, else the folder-choice dialog
  std::string title;                  // code page 1250
  std::optional<std::string> answer;  // code page 1250; nothing when cancelled
};

struct ShownItem {
  std::uint64_t id = 0;
  std::variant<ShownBox, ShownWindow, ShownDialog> what;
};

class ShownRecord {
 public:
  static constexpr std::size_t kMaxItems = 1000;
  static constexpr std::size_t kMaxBytes = 4u << 20;
  static constexpr std::size_t kMaxControlBytes = 16u << 10;

  void add_box(ShownBox box);
  void add_dialog(ShownDialog dialog);
  // Records a window as it opened; its id is what window_changed names later.
  std::uint64_t window_opened(ShownWindow window);
  // The window's state after a step; nothing when it has already been dropped as too old.
  void window_changed(std::uint64_t id, ShownWindow window);

  std::vector<ShownItem> items() const;
  // The items as a JSON array in UTF-8 (the form fk_shown_json documents).
  std::string json() const;
  void clear();

 private:
  std::uint64_t add(std::variant<ShownBox, ShownWindow, ShownDialog> what);
  void trim();

  mutable std::mutex mutex_;
  std::deque<ShownItem> items_;
  std::size_t bytes_ = 0;
  std::uint64_t next_id_ = 1;
};

ShownRecord& shown_record();

// A JSON string literal of UTF-8 text: quotes, backslashes and control characters escaped.
std::string json_string(std::string_view utf8);

}  // namespace funkcja::platform
