// WOLAJ_POMOC: the host's help hook. A window's help key calls WOLAJ_POMOC("DEF5", "I"), which
// maps the topic code to its help keyword ("plan kont") and opens the help at that keyword
// through the platform's "open" service.
//
// Where the help lives is a setting: the environment variable FUNKCJA_HELP_URL, an address or
// a file in which "%s" stands for the keyword (UTF-8, percent-encoded), for example
// "https://pomoc.example.pl/szukaj?q=%s". Unset or empty, there is no help to open and the hook
// does nothing.
#include <array>
#include <optional>

#include "frame/cp1250.hpp"
#include "frame/text_rules.hpp"
#include "host/platform/env.hpp"
#include "ui/info_windows.hpp"

namespace funkcja::ui {
namespace {

struct Topic {
  std::string_view code;
  std::string_view keyword;
};

constexpr std::array<Topic, 11> kTopics = {{
    {"D1", "dokumenty  procedura wprowadzenia"},
    {"A1", "firma"},
    {"A2", "firma"},
    {"DEF1", "firma"},
    {"DEF5", "plan kont"},
    {"DEF2", ""},
    {"DEF3", ""},
    {"DEF4", ""},
    {"DEF6", ""},
    {"DEF7", ""},
    {"DEF8", ""},
}};

std::string percent_encoded(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> help_keyword(std::string_view topic_code) {
  topic_code = text::clip(topic_code);
  for (const Topic& t : kTopics) {
    if (t.code == topic_code) return std::string(t.keyword);
  }
  return std::nullopt;
}

void WOLAJ_POMOC(std::string_view topic_code, std::string_view mode) {
  if (text::clip(mode) != "I") return;  // "SI", "ST" and the rest ask for nothing
  const auto keyword = help_keyword(topic_code);
  if (!keyword) return;
  platform::Env& env = platform::Env::current();
  std::string address = env.environment("FUNKCJA_HELP_URL").value_or("");
  if (text::clip(address).empty()) return;
  // A topic without a keyword opens the help at its start: "%s" stands for nothing.
  const std::string encoded = percent_encoded(cp1250::cp1250_to_utf8(*keyword));
  for (auto at = address.find("%s"); at != std::string::npos; at = address.find("%s", at)) {
    address.replace(at, 2, encoded);
    at += encoded.size();
  }
  env.open_with_system_program(address);
}

}  // namespace funkcja::ui
