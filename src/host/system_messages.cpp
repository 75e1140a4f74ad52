// The three system message boxes: information, warning and question, captioned with the
// host's global texts. For example question("Usunąć dokument?", "&Tak|&Nie", 2) shows a
// question with the buttons Tak and Nie, Nie as default, and returns 1 for Tak.
#include "host/system_messages.hpp"

#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/platform/env.hpp"

namespace funkcja::system_messages {
namespace {

constexpr std::size_t kMessageCapacity = 500;

std::int32_t show(dane::Global caption, std::string_view text, platform::MessageIcon icon,
                  std::vector<std::string> buttons, std::int32_t default_button) {
  platform::MessageBoxRequest request;
  request.caption = text::clip(dane::get_text(caption));
  request.text = text;
  request.icon = icon;
  request.buttons = std::move(buttons);
  request.default_button = default_button;
  return platform::Env::current().show_message_box(request);
}

// "&Tak|&Nie" -> {"&Tak", "&Nie"}; an empty list is a single OK button.
std::vector<std::string> split_buttons(std::string_view list) {
  std::vector<std::string> buttons;
  list = text::clip(list);
  if (list.empty()) return {"OK"};
  while (true) {
    const auto bar = list.find('|');
    buttons.emplace_back(list.substr(0, bar));
    if (bar == std::string_view::npos) break;
    list.remove_prefix(bar + 1);
  }
  return buttons;
}

std::int32_t ask(std::string_view message, std::string_view buttons, std::int32_t default_button,
                 platform::MessageIcon icon) {
  std::vector<std::string> list = split_buttons(buttons);
  const auto count = static_cast<std::int32_t>(list.size());
  // 0 means the first button; a number past the last button falls back to the first too.
  if (default_button < 1 || default_button > count) default_button = 1;
  return show(dane::Global::GLO_MSG_TXT_PYT, message, icon, std::move(list), default_button);
}

}  // namespace

void information(std::string_view message) {
  show(dane::Global::GLO_MSG_TXT_INF, text::cut(message, kMessageCapacity),
       platform::MessageIcon::kInformation, {"OK"}, 1);
}

void warning(std::string_view message) {
  show(dane::Global::GLO_MSG_TXT_OST, text::cut(message, kMessageCapacity),
       platform::MessageIcon::kWarning, {"OK"}, 1);
}

std::int32_t question(std::string_view message, std::string_view buttons,
                      std::int32_t default_button) {
  return ask(message, buttons, default_button, platform::MessageIcon::kQuestion);
}

std::int32_t warning_question(std::string_view message, std::string_view buttons,
                              std::int32_t default_button) {
  return ask(message, buttons, default_button, platform::MessageIcon::kWarning);
}

}  // namespace funkcja::system_messages
