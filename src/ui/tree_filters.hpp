// The tree-filter procedures as the library calls them inside; the exported C functions wrap
// them and funkcja/tree_filters.hpp describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace funkcja::ui {

std::int32_t TREE_DODAJ_GALAZ(std::int32_t browse, std::int32_t year);
std::string TREE_DODAJ_KONFIG(std::int32_t browse, std::string_view current_name);
std::string TREE_WYBIERZ_KONFIG(std::int32_t browse, std::uint8_t load_default);
void FILTR_INFO(std::int32_t browse, std::string_view filter);
std::uint8_t BTZ_LADUJ_SLOWNIKI_GLO();
void BTZ_LADUJ_STRUKTURE_KONTA(std::int32_t year);

}  // namespace funkcja::ui
