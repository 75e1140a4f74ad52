// C++ interface: the system message boxes with the host's captions.
#pragma once

#include <cstdint>
#include <string_view>

#include "funkcja/export.h"

namespace funkcja {

// An information box: the text (first 500 characters), caption $GLO:MSG_TXT_INF, one OK button.
FK_API void MSG_INF(std::string_view text);
// A warning box: as MSG_INF with caption $GLO:MSG_TXT_OST and the exclamation icon.
FK_API void MSG_OST(std::string_view text);
// A question box with caption $GLO:MSG_TXT_PYT. buttons: captions separated by "|", e.g.
// "&Tak|&Nie"; default_button 0 means 1. Returns the number of the pressed button (1 = first).
FK_API std::int32_t MSG_QST(std::string_view text, std::string_view buttons,
                            std::int32_t default_button);

}  // namespace funkcja
