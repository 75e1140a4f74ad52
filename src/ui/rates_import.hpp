// The rate download: POBIERZKURSYNBP and POBIERZKURSYECB, as funkcja/exchange.hpp describes
// them. They live with the windows because they show the progress window and messages.
#pragma once

#include <cstdint>

namespace funkcja::ui {

std::uint8_t POBIERZKURSYNBP(std::uint8_t flag, std::int32_t& date);
std::uint8_t POBIERZKURSYECB(std::uint8_t flag, std::int32_t& date);

}  // namespace funkcja::ui
