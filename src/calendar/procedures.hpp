// The calendar procedures as the library calls them inside; the exported C functions wrap them
// and the public C++ interface (include/funkcja/) describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace funkcja::calendar {

// As funkcja/calendar.hpp.
std::int32_t PODAJDATEWIELKANOCY(std::int32_t year);
std::uint8_t ISDZIENROBOCZY(std::int32_t date);
std::uint8_t ISNIEDZIELALUBSWIETO(std::int32_t date);
std::int32_t PODAJOSTATNIDZIENROBOCZY(std::int32_t date);
std::string NAZWA_MIESIACA(std::int32_t month, std::int32_t year);

}  // namespace funkcja::calendar
