// C++ interface: the system message boxes with the host's captions.
#pragma once

#include <cstdint>
#include <string_view>

#include "funkcja/c_bridge.hpp"

namespace funkcja {

// An information box: the text (first 500 characters), caption $GLO:MSG_TXT_INF, one OK button.
inline void MSG_INF(std::string_view text) {
  ::MSG_INF(c_api::text(text));
}
// A warning box: as MSG_INF with caption $GLO:MSG_TXT_OST and the exclamation icon.
inline void MSG_OST(std::string_view text) {
  ::MSG_OST(c_api::text(text));
}
// A question box with caption $GLO:MSG_TXT_PYT. buttons: captions separated by "|", e.g.
// "&Tak|&Nie"; default_button 0, or one past the last button, means 1. Returns the number of
// the pressed button (1 = first); a box dismissed without a button answers 0.
inline std::int32_t MSG_QST(std::string_view text, std::string_view buttons,
                            std::int32_t default_button) {
  return ::MSG_QST(c_api::text(text), c_api::text(buttons), default_button);
}

// The library's own message windows, captioned with the program's name. Message type: 0 or 1
// information, 2 warning.

// Information window: the type's icon and title, the text (first 3,000 characters), one
// "Zamknij" button.
inline void MSG_INFO(std::string_view text, std::uint8_t type = 0) {
  ::MSG_INFO(c_api::text(text), type);
}
// Confirm window: the title (first 100 characters) and the text (3,000); returns 1 when the
// user chose "Wykonaj" (or F10), 0 for any other way of closing.
inline std::uint8_t MSG_WYKONAJ(std::string_view text, std::string_view title,
                                std::uint8_t type = 0) {
  return ::MSG_WYKONAJ(c_api::text(text), c_api::text(title), type);
}
// Information window with a details area (4,000 characters each) that "&Szczegóły" shows and
// hides.
inline void MSG_ADVINFO(std::string_view text, std::string_view details, std::uint8_t type = 0) {
  ::MSG_ADVINFO(c_api::text(text), c_api::text(details), type);
}
// The current user's stored messages of a context, as a list; nothing when there are none.
// Caption and header are used for the context "MWONLAKTOUT" only (in any letter case). An
// icon number outside 0-255 shows no icon.
inline void KOMUNIKAT_INFO(std::string_view context, std::string_view caption,
                           std::string_view header) {
  ::KOMUNIKAT_INFO(c_api::text(context), c_api::text(caption), c_api::text(header));
}

}  // namespace funkcja
