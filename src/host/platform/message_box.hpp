// The system message box: the one way the library reaches the operating system's standard
// modal box with a caption, a text, an icon and buttons.
//
// The library shows it through Env::show_message_box (env.hpp). The headless Env records every
// box where tests can read it and in the record of what was shown (shown_record.hpp), can echo
// it to stderr (the command-line host), and answers from a queue that the host or a test
// fills, or with the default button when the queue is empty.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace funkcja::platform {

enum class MessageIcon { kInformation, kWarning, kQuestion };

struct MessageBoxRequest {
  std::string caption;  // code page 1250
  std::string text;     // code page 1250
  MessageIcon icon = MessageIcon::kInformation;
  std::vector<std::string> buttons;  // captions, "&" before an access letter
  std::int32_t default_button = 1;   // 1 = first
};

class HeadlessMessageBox {
 public:
  std::int32_t show(const MessageBoxRequest& request);

  // The button the next box answers with (1 = first; 0 = dismissed without a button).
  void push_answer(std::int32_t button);
  void set_echo(bool on);
  // The boxes shown so far, oldest first (the latest kShownLimit of them).
  std::vector<MessageBoxRequest> shown() const;
  // Forgets the queued answers and the boxes shown.
  void clear();

  static constexpr std::size_t kShownLimit = 1000;

 private:
  mutable std::mutex mutex_;
  std::deque<std::int32_t> answers_;
  std::deque<MessageBoxRequest> shown_;
  bool echo_ = false;
};

// The headless Env's box, shared by the whole process (its queue is the host's test hook).
HeadlessMessageBox& headless_message_box();

}  // namespace funkcja::platform
