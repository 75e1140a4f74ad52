// The system message box: the one way the library reaches the operating system's standard
// modal box with a caption, a text, an icon and buttons.
//
// show() blocks the calling thread until the box is answered and returns the number of the
// pressed button (1 = first), or 0 when it was dismissed without one. Every implementation is
// safe to call from several threads at once.
//
// This machine has no desktop, so the default implementation is headless: it records every
// box where tests can read it, can echo it to stderr (the command-line host), and answers
// from a queue that the host or a test fills, or with the default button when the queue is
// empty. A windowed implementation installs itself with set_message_box().
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

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual std::int32_t show(const MessageBoxRequest& request) = 0;
};

class HeadlessMessageBox : public MessageBox {
 public:
  std::int32_t show(const MessageBoxRequest& request) override;

  // The button the next box answers with (1 = first; 0 = dismissed without a button).
  void push_answer(std::int32_t button);
  void set_echo(bool on);
  // Every box shown so far, oldest first.
  std::vector<MessageBoxRequest> shown() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::deque<std::int32_t> answers_;
  std::vector<MessageBoxRequest> shown_;
  bool echo_ = false;
};

// The box in use: the headless one unless another was installed.
MessageBox& message_box();
// Installs a message box (nullptr: back to the headless one). The caller keeps it alive.
void set_message_box(MessageBox* box);
HeadlessMessageBox& headless_message_box();

}  // namespace funkcja::platform
