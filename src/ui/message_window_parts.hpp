// What the library's own message windows share: their caption (the program's name), the icon
// and title of a message type, and the text capacities.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"

namespace funkcja::ui::messages {

inline constexpr std::size_t kTitleCapacity = 100;
inline constexpr std::string_view kInformationIcon = "~Information.ico";
inline constexpr std::string_view kWarningIcon = "~Warning.ico";

// The program's name, the caption of every message window.
inline std::string program_name() {
  return std::string(text::clip(dane::get_text(dane::Global::GLO_NAZWA_PROGRAMU)));
}

// Message type: 0 (omitted) and 1 are information, 2 a warning; any other shows the
// information icon and no title.
enum class Kind { kInformation, kWarning, kUnknown };

inline Kind kind_of(std::uint8_t type) {
  if (type == 0 || type == 1) return Kind::kInformation;
  return type == 2 ? Kind::kWarning : Kind::kUnknown;
}

inline std::string_view icon_of(Kind kind) {
  return kind == Kind::kWarning ? kWarningIcon : kInformationIcon;
}

// The host's caption of information or warning messages, as the title line shows it.
inline std::string title_of(Kind kind) {
  if (kind == Kind::kUnknown) return {};
  const auto global =
      kind == Kind::kWarning ? dane::Global::GLO_MSG_TXT_OST : dane::Global::GLO_MSG_TXT_INF;
  return std::string(text::clip_to(dane::get_text(global), kTitleCapacity));
}

}  // namespace funkcja::ui::messages
