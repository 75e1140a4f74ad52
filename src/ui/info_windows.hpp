// The information windows and texts, as the library calls them inside; the exported C
// functions wrap them and funkcja/windows.hpp describes what each does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace funkcja::ui {

void INFO_ZESTAWIENIE(std::uint8_t kind);
void INFO_KONTRAHENT(std::int32_t document, std::uint8_t flag1, std::uint8_t flag2,
                     std::uint8_t flag3, std::uint8_t flag4, std::uint8_t no_window);
std::string INFO_AKTUALIZACJA_VAT(std::string_view register_kind, std::int32_t record);

// The help keyword of a topic code ("DEF5" -> "plan kont"; empty for a topic without one);
// nothing for a code the help does not know.
std::optional<std::string> help_keyword(std::string_view topic_code);
void WOLAJ_POMOC(std::string_view topic_code, std::string_view mode);

}  // namespace funkcja::ui
