// C exports of the tree filters, the filter description and the budget dictionaries.
#include "frame/export.hpp"
#include "ui/tree_filters.hpp"

using namespace funkcja;

extern "C" FK_API int32_t TREE_DODAJ_GALAZ(int32_t browse, int32_t year) {
  return abi::guarded([&] { return ui::TREE_DODAJ_GALAZ(browse, year); }, int32_t{0});
}
FK_REGISTER(TREE_DODAJ_GALAZ, "browse, year");

extern "C" FK_API fk_text TREE_DODAJ_KONFIG(int32_t browse, fk_text current_name) {
  return abi::text_result([&] { return ui::TREE_DODAJ_KONFIG(browse, abi::in(current_name)); });
}
FK_REGISTER(TREE_DODAJ_KONFIG, "browse, current_name");

extern "C" FK_API fk_text TREE_WYBIERZ_KONFIG(int32_t browse, uint8_t load_default) {
  return abi::text_result([&] { return ui::TREE_WYBIERZ_KONFIG(browse, load_default); });
}
FK_REGISTER(TREE_WYBIERZ_KONFIG, "browse, load_default");

extern "C" FK_API void FILTR_INFO(int32_t browse, fk_text filter) {
  abi::guarded_void([&] { ui::FILTR_INFO(browse, abi::in(filter)); });
}
FK_REGISTER(FILTR_INFO, "browse, filter");

extern "C" FK_API uint8_t BTZ_LADUJ_SLOWNIKI_GLO(void) {
  return abi::guarded([] { return ui::BTZ_LADUJ_SLOWNIKI_GLO(); }, uint8_t{0});
}
FK_REGISTER(BTZ_LADUJ_SLOWNIKI_GLO, "");

extern "C" FK_API void BTZ_LADUJ_STRUKTURE_KONTA(int32_t year) {
  abi::guarded_void([&] { ui::BTZ_LADUJ_STRUKTURE_KONTA(year); });
}
FK_REGISTER(BTZ_LADUJ_STRUKTURE_KONTA, "year");
