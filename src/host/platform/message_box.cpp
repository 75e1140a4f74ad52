#include "host/platform/message_box.hpp"

#include <cstdio>

#include "frame/cp1250.hpp"
#include "host/platform/shown_record.hpp"

namespace funkcja::platform {
namespace {

const char* icon_name(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kWarning:
      return "warning";
    case MessageIcon::kQuestion:
      return "question";
    default:
      return "information";
  }
}

// One box on stderr, in UTF-8: "[caption] (icon) text  <&Tak|&Nie> -> 1".
void echo(const MessageBoxRequest& r, std::int32_t answer) {
  std::string line = "[" + cp1250::cp1250_to_utf8(r.caption) + "] (" + icon_name(r.icon) + ") " +
                     cp1250::cp1250_to_utf8(r.text) + "  <";
  for (std::size_t i = 0; i < r.buttons.size(); ++i) {
    if (i > 0) line += '|';
    line += cp1250::cp1250_to_utf8(r.buttons[i]);
  }
  line += "> -> " + std::to_string(answer) + "\n";
  std::fputs(line.c_str(), stderr);
}

}  // namespace

std::int32_t HeadlessMessageBox::show(const MessageBoxRequest& request) {
  std::lock_guard lock(mutex_);
  std::int32_t answer = request.default_button;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  const auto count = static_cast<std::int32_t>(request.buttons.size());
  if (answer < 0 || answer > count) answer = 0;  // no such button: the box was dismissed
  if (shown_.size() >= kShownLimit) shown_.pop_front();
  shown_.push_back(request);
  shown_record().add_box({request.icon, request.caption, request.text, request.buttons, answer});
  if (echo_) echo(request, answer);
  return answer;
}

void HeadlessMessageBox::push_answer(std::int32_t button) {
  std::lock_guard lock(mutex_);
  answers_.push_back(button);
}

void HeadlessMessageBox::set_echo(bool on) {
  std::lock_guard lock(mutex_);
  echo_ = on;
}

std::vector<MessageBoxRequest> HeadlessMessageBox::shown() const {
  std::lock_guard lock(mutex_);
  return {shown_.begin(), shown_.end()};
}

void HeadlessMessageBox::clear() {
  std::lock_guard lock(mutex_);
  shown_.clear();
  answers_.clear();
}

HeadlessMessageBox& headless_message_box() {
  static HeadlessMessageBox* instance = new HeadlessMessageBox;
  return *instance;
}

}  // namespace funkcja::platform
