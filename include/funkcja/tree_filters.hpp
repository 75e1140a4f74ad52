// C++ interface: the filter trees of the host's browses, kept in the process-wide list
// $GGG:FILTR_DRZEWO_UNI and saved per company, browse, user and tree name in BROWSER_KONFIG
// (browse 2 shares the saved trees of browse 1); the description of a budget filter for
// printing; the budget edition's process-wide dictionaries.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"

namespace funkcja {

// The add-branch window: the user picks a field of the browse, an operator and a line of the
// tree, and adds one branch per candidate of the field's list or one branch for the value he
// entered. The following lines' order numbers move up. year: the year whose months a month
// field offers (0: none). 1 when branches were added, 0 otherwise.
inline std::int32_t TREE_DODAJ_GALAZ(std::int32_t browse, std::int32_t year) {
  return ::TREE_DODAJ_GALAZ(browse, year);
}

// The save window: the tree under a new name (refused while a tree of that name exists) or
// over the current tree. The name saved under (up to 30 characters); empty when cancelled.
inline std::string TREE_DODAJ_KONFIG(std::int32_t browse, std::string_view current_name) {
  return c_api::string(::TREE_DODAJ_KONFIG(browse, c_api::text(current_name)));
}

// load_default 1: the user's default tree without a window; otherwise a window lists the
// user's saved trees and the chosen one is loaded and becomes the default. The name of the
// tree loaded, empty when none.
inline std::string TREE_WYBIERZ_KONFIG(std::int32_t browse, std::uint8_t load_default) {
  return c_api::string(::TREE_WYBIERZ_KONFIG(browse, load_default));
}

// For the budget browse (36): adds to $DANE_OPIS_PRN the lines "Klasyfikacja: ...",
// "Dziennik: ...", "Typ dokumentu: ..." and "Okres obrotowy: ..." that the filter gives;
// nothing for any other browse.
inline void FILTR_INFO(std::int32_t browse, std::string_view filter) {
  ::FILTR_INFO(browse, c_api::text(filter));
}

// Fills $GGG:KARTOTEKA_U with the budget's user dictionaries when
// $GGG:KARTOTEKA_U_ODSWIEZ_FLAGA is 1 or the company changed since the last load. With
// $GGG:BT_BUDZET_ZADANIOWY 1 it tells the user which task-budget dictionaries are missing and
// returns 1 when it did.
inline std::uint8_t BTZ_LADUJ_SLOWNIKI_GLO() {
  return ::BTZ_LADUJ_SLOWNIKI_GLO();
}

// Fills $GGG:STRUKTURA_KONTA with the budget account structure of the fiscal year when
// $GGG:STRUKTURA_KONTA_ODSWIEZ_FLAGA is 1 or the year changed since the last load.
inline void BTZ_LADUJ_STRUKTURE_KONTA(std::int32_t year) {
  ::BTZ_LADUJ_STRUKTURE_KONTA(year);
}

}  // namespace funkcja
