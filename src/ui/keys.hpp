// The codes the window layer speaks in: key codes, event numbers and control types.
//
// Key codes are the Windows virtual-key codes, plus 0x100 while Shift is held, 0x200 for Ctrl
// and 0x400 for Alt (Shift+Tab is 0x109). The left and right mouse buttons have the codes 1
// and 2, so a click can be told from a key by the current key code. Event numbers below 0x100
// belong to one control, those from 0x200 to the window; 0x400 and above are free for the
// host's own events posted between threads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace funkcja::ui {

namespace key {
inline constexpr std::int32_t kShift = 0x100;
inline constexpr std::int32_t kCtrl = 0x200;
inline constexpr std::int32_t kAlt = 0x400;

inline constexpr std::int32_t kMouseLeft = 0x01;
inline constexpr std::int32_t kMouseRight = 0x02;
inline constexpr std::int32_t kBackspace = 0x08;
inline constexpr std::int32_t kTab = 0x09;
inline constexpr std::int32_t kEnter = 0x0D;
inline constexpr std::int32_t kShiftKey = 0x10;
inline constexpr std::int32_t kEsc = 0x1B;
inline constexpr std::int32_t kSpace = 0x20;
inline constexpr std::int32_t kPageUp = 0x21;
inline constexpr std::int32_t kPageDown = 0x22;
inline constexpr std::int32_t kEnd = 0x23;
inline constexpr std::int32_t kHome = 0x24;
inline constexpr std::int32_t kLeft = 0x25;
inline constexpr std::int32_t kUp = 0x26;
inline constexpr std::int32_t kRight = 0x27;
inline constexpr std::int32_t kDown = 0x28;
inline constexpr std::int32_t kDelete = 0x2E;
inline constexpr std::int32_t kF1 = 0x70;
inline constexpr std::int32_t kF5 = 0x74;
inline constexpr std::int32_t kF10 = 0x79;

inline constexpr std::int32_t kShiftTab = kShift | kTab;             // 0x109
inline constexpr std::int32_t kShiftEnter = kShift | kEnter;         // 0x10D
inline constexpr std::int32_t kShiftWithShift = kShift | kShiftKey;  // 0x110

// "F10", "Esc", "Shift+Tab", "Ctrl+Alt+D", "MouseLeft", or a decimal or 0x code.
std::optional<std::int32_t> parse(std::string_view name);
// The name parse() reads back: "Shift+Tab", "F10", "0x1234" for a code without a name.
std::string name(std::int32_t code);
}  // namespace key

namespace event {
inline constexpr std::int32_t kAccepted = 0x01;
inline constexpr std::int32_t kNewSelection = 0x02;
inline constexpr std::int32_t kMouseDown = 0x0A;
inline constexpr std::int32_t kAlertKey = 0x10;
inline constexpr std::int32_t kSelected = 0x101;
inline constexpr std::int32_t kCloseWindow = 0x201;
inline constexpr std::int32_t kOpenWindow = 0x203;
inline constexpr std::int32_t kTimer = 0x20B;
inline constexpr std::int32_t kSized = 0x221;
inline constexpr std::int32_t kMaximized = 0x223;  // 547
inline constexpr std::int32_t kUser = 0x400;       // 1024
}  // namespace event

namespace control_type {
inline constexpr std::int32_t kString = 2;
inline constexpr std::int32_t kImage = 3;
inline constexpr std::int32_t kRegion = 4;
inline constexpr std::int32_t kLine = 5;
inline constexpr std::int32_t kBox = 6;
inline constexpr std::int32_t kEntry = 8;
inline constexpr std::int32_t kButton = 9;
inline constexpr std::int32_t kPrompt = 10;
inline constexpr std::int32_t kOption = 11;
inline constexpr std::int32_t kCheck = 12;
inline constexpr std::int32_t kGroup = 13;
inline constexpr std::int32_t kList = 14;
inline constexpr std::int32_t kCombo = 15;
inline constexpr std::int32_t kSpin = 16;
inline constexpr std::int32_t kText = 17;
inline constexpr std::int32_t kRadio = 21;
inline constexpr std::int32_t kPanel = 23;
inline constexpr std::int32_t kOle = 30;  // an embedded component, e.g. the web browser
inline constexpr std::int32_t kDropList = 33;
inline constexpr std::int32_t kDropCombo = 34;
inline constexpr std::int32_t kRichText = 40;
// The embedded web browser. On Windows it is an OLE control (kOle) holding the system's
// browser component; here it has a type of its own, so a backend knows to show a page.
inline constexpr std::int32_t kBrowser = 0x100;

// "button", "list" ... for transcripts.
std::string_view name(std::int32_t type);
// Controls that take the keyboard focus.
bool focusable(std::int32_t type);
// Controls whose text the user types into.
bool editable(std::int32_t type);
// Controls that show rows to choose from.
bool has_rows(std::int32_t type);
}  // namespace control_type

// Colours as 0xRRGGBB; kColorNone leaves the toolkit's own colour.
inline constexpr std::int32_t kColorNone = -1;
inline constexpr std::int32_t kColorBlack = 0x000000;
inline constexpr std::int32_t kColorWhite = 0xFFFFFF;
inline constexpr std::int32_t kColorDarkGrey = 0x808080;
inline constexpr std::int32_t kColorLightGrey = 0xC0C0C0;
inline constexpr std::int32_t kColorBlue = 0x0000FF;
inline constexpr std::int32_t kColorRed = 0xFF0000;

}  // namespace funkcja::ui
