// The windows of the company and account lookups, as the library calls them inside; the
// exported C functions wrap them and funkcja/lookups.hpp describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace funkcja::ui {

std::string NAZWA_WARIANTU(std::string_view current_name);
void STAN_KONTA_KARTOTEKOWEGO(std::int32_t position, std::string_view dictionary_filter,
                              std::string_view position_name);

}  // namespace funkcja::ui
