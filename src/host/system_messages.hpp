// The three system message boxes, captioned with the host's global texts ($GLO:MSG_TXT_INF,
// $GLO:MSG_TXT_OST, $GLO:MSG_TXT_PYT) and shown through the platform's message box. They are
// the procedures MSG_INF, MSG_OST and MSG_QST, and they live here, below the procedure families,
// because the gateway and the lookups report database errors with the warning box.
#pragma once

#include <cstdint>
#include <string_view>

namespace funkcja::system_messages {

// An information box; the text is cut to 500 characters.
void information(std::string_view text);
// A warning box; the text is cut to 500 characters.
void warning(std::string_view text);
// A question box; buttons are captions separated by "|" ("&Tak|&Nie"; empty: one OK button).
// A default of 0, or one past the last button, makes the first the default. Returns the
// number of the pressed button (1 = first), 0 when the box was dismissed without one.
std::int32_t question(std::string_view text, std::string_view buttons, std::int32_t default_button);
// The same question with the warning icon, for a question whose yes loses data (overwrite?).
std::int32_t warning_question(std::string_view text, std::string_view buttons,
                              std::int32_t default_button);

}  // namespace funkcja::system_messages
