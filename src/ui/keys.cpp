#include "ui/keys.hpp"

#include <strings.h>
#include <array>
#include <charconv>
#include <cstdio>

namespace funkcja::ui {
namespace {

struct Named {
  std::int32_t code;
  std::string_view name;
};

constexpr std::array<Named, 18> kNames = {{{key::kMouseLeft, "MouseLeft"},
                                           {key::kMouseRight, "MouseRight"},
                                           {key::kBackspace, "Backspace"},
                                           {key::kTab, "Tab"},
                                           {key::kEnter, "Enter"},
                                           {key::kShiftKey, "ShiftKey"},
                                           {key::kEsc, "Esc"},
                                           {key::kSpace, "Space"},
                                           {key::kPageUp, "PgUp"},
                                           {key::kPageDown, "PgDn"},
                                           {key::kEnd, "End"},
                                           {key::kHome, "Home"},
                                           {key::kLeft, "Left"},
                                           {key::kUp, "Up"},
                                           {key::kRight, "Right"},
                                           {key::kDown, "Down"},
                                           {key::kDelete, "Delete"},
                                           {0x2D, "Insert"}}};

bool same_word(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::optional<std::int32_t> base_key(std::string_view word) {
  for (const Named& n : kNames) {
    if (same_word(word, n.name)) return n.code;
  }
  if (same_word(word, "Escape")) return key::kEsc;
  if (same_word(word, "Return")) return key::kEnter;
  if (word.size() == 1) {
    const char c = word[0];
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  }
  if (word.size() >= 2 && (word[0] == 'F' || word[0] == 'f')) {
    int n = 0;
    const auto [end, ec] = std::from_chars(word.data() + 1, word.data() + word.size(), n);
    if (ec == std::errc() && end == word.data() + word.size() && n >= 1 && n <= 24) {
      return key::kF1 + n - 1;
    }
  }
  int value = 0;
  int base = 10;
  std::string_view digits = word;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    base = 16;
  }
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (!digits.empty() && ec == std::errc() && end == digits.data() + digits.size() && value > 0 &&
      value < 0x10000) {
    return value;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> key::parse(std::string_view name) {
  std::int32_t modifiers = 0;
  while (true) {
    const auto plus = name.find('+');
    if (plus == std::string_view::npos || plus + 1 == name.size()) break;
    const std::string_view word = name.substr(0, plus);
    if (same_word(word, "Shift")) {
      modifiers |= kShift;
    } else if (same_word(word, "Ctrl")) {
      modifiers |= kCtrl;
    } else if (same_word(word, "Alt")) {
      modifiers |= kAlt;
    } else {
      return std::nullopt;
    }
    name.remove_prefix(plus + 1);
  }
  const auto base = base_key(name);
  if (!base) return std::nullopt;
  return *base | modifiers;
}

std::string key::name(std::int32_t code) {
  std::string out;
  if (code & kCtrl) out += "Ctrl+";
  if (code & kAlt) out += "Alt+";
  if (code & kShift) out += "Shift+";
  const std::int32_t base = code & 0xFF;
  if ((code & ~0x7FF) != 0) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(code));
    return hex;
  }
  for (const Named& n : kNames) {
    if (n.code == base) return out + std::string(n.name);
  }
  if ((base >= 'A' && base <= 'Z') || (base >= '0' && base <= '9')) {
    return out + static_cast<char>(base);
  }
  if (base >= kF1 && base < kF1 + 24) return out + "F" + std::to_string(base - kF1 + 1);
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(base));
  return out + hex;
}

std::string_view control_type::name(std::int32_t type) {
  switch (type) {
    case kString:
      return "string";
    case kImage:
      return "image";
    case kRegion:
      return "region";
    case kLine:
      return "line";
    case kBox:
      return "box";
    case kEntry:
      return "entry";
    case kButton:
      return "button";
    case kPrompt:
      return "prompt";
    case kOption:
      return "option";
    case kCheck:
      return "check";
    case kGroup:
      return "group";
    case kList:
      return "list";
    case kCombo:
      return "combo";
    case kSpin:
      return "spin";
    case kText:
      return "text";
    case kRadio:
      return "radio";
    case kPanel:
      return "panel";
    case kOle:
      return "ole";
    case kDropList:
      return "droplist";
    case kDropCombo:
      return "dropcombo";
    case kRichText:
      return "richtext";
    case kBrowser:
      return "browser";
    default:
      return "control";
  }
}

bool control_type::focusable(std::int32_t type) {
  switch (type) {
    case kEntry:
    case kButton:
    case kCheck:
    case kList:
    case kCombo:
    case kSpin:
    case kText:
    case kRadio:
    case kDropList:
    case kDropCombo:
    case kRichText:
      return true;
    default:
      return false;
  }
}

bool control_type::editable(std::int32_t type) {
  return type == kEntry || type == kCombo || type == kSpin || type == kText || type == kDropCombo ||
         type == kRichText;
}

bool control_type::has_rows(std::int32_t type) {
  return type == kList || type == kCombo || type == kDropList || type == kDropCombo;
}

}  // namespace funkcja::ui
