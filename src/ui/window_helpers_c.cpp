// C exports of the window helpers, and the pop-up objects they take.
#include <new>

#include "frame/export.hpp"
#include "host/dane/handles.hpp"
#include "host/dane/popup.hpp"
#include "ui/procedures.hpp"

using namespace funkcja;

namespace {
dane::POPUPCLASS* popup_of(fk_popupclass* p) {
  return reinterpret_cast<dane::POPUPCLASS*>(p);
}
const dane::POPUPCLASS* popup_of(const fk_popupclass* p) {
  return reinterpret_cast<const dane::POPUPCLASS*>(p);
}
}  // namespace

extern "C" FK_API void SELECT_MOUSELEFT(fk_text picture) {
  abi::guarded_void([&] { funkcja::ui::SELECT_MOUSELEFT(abi::in(picture)); });
}
FK_REGISTER(SELECT_MOUSELEFT, "picture");

extern "C" FK_API void SELECT_KEYBOARD(fk_text picture) {
  abi::guarded_void([&] { funkcja::ui::SELECT_KEYBOARD(abi::in(picture)); });
}
FK_REGISTER(SELECT_KEYBOARD, "picture");

extern "C" FK_API uint8_t THREAD_INS(fk_text window_name) {
  return abi::guarded([&] { return funkcja::ui::THREAD_INS(abi::in(window_name)); }, uint8_t{0});
}
FK_REGISTER(THREAD_INS, "window_name");

extern "C" FK_API void THREAD_DEL(fk_text window_name) {
  abi::guarded_void([&] { funkcja::ui::THREAD_DEL(abi::in(window_name)); });
}
FK_REGISTER(THREAD_DEL, "window_name");

extern "C" FK_API uint8_t MAKSYMALIZUJ() {
  return abi::guarded([] { return funkcja::ui::MAKSYMALIZUJ(); }, uint8_t{0});
}
FK_REGISTER(MAKSYMALIZUJ, "");

extern "C" FK_API void MAKSYMALIZACJAOFF() {
  abi::guarded_void([] { funkcja::ui::MAKSYMALIZACJAOFF(); });
}
FK_REGISTER(MAKSYMALIZACJAOFF, "");

extern "C" FK_API void STRSTYLTOOLBAR(int32_t control, uint8_t size, uint8_t second,
                                      uint8_t keep_position) {
  abi::guarded_void([&] { funkcja::ui::STRSTYLTOOLBAR(control, size, second, keep_position); });
}
FK_REGISTER(STRSTYLTOOLBAR, "control, size?, second?, keep_position?");

extern "C" FK_API void STRSTYLOPIS(int32_t control, uint8_t size, uint8_t second) {
  abi::guarded_void([&] { funkcja::ui::STRSTYLOPIS(control, size, second); });
}
FK_REGISTER(STRSTYLOPIS, "control, size?, second?");

extern "C" FK_API void STRSTYLNAGLOWEK(int32_t control, uint8_t size, uint8_t second) {
  abi::guarded_void([&] { funkcja::ui::STRSTYLNAGLOWEK(control, size, second); });
}
FK_REGISTER(STRSTYLNAGLOWEK, "control, size?, second?");

extern "C" FK_API void USTAW4IKONYBROWSERA(fk_popupclass* popup, uint8_t mode) {
  abi::guarded_void([&] { funkcja::ui::USTAW4IKONYBROWSERA(popup_of(popup), mode); });
}
FK_REGISTER(USTAW4IKONYBROWSERA, "popup, mode?");

extern "C" FK_API void USTAWIKONYDRZEWA(int32_t list, fk_queue* rows, int32_t leaf_icon) {
  // An omitted leaf icon arrives as 0, which means the standard leaf icon 2.
  abi::guarded_void([&] {
    funkcja::ui::USTAWIKONYDRZEWA(list, dane::queue_of(rows), leaf_icon != 0 ? leaf_icon : 2);
  });
}
FK_REGISTER(USTAWIKONYDRZEWA, "list, rows?, leaf_icon?");

extern "C" FK_API void FILEDIALOGBOX_WATEK(fk_text title, fk_text start_folder,
                                           fk_text notify_thread) {
  abi::guarded_void([&] {
    funkcja::ui::FILEDIALOGBOX_WATEK(abi::in(title), abi::in(start_folder), abi::in(notify_thread));
  });
}
FK_REGISTER(FILEDIALOGBOX_WATEK, "title, start_folder, notify_thread");

extern "C" FK_API fk_popupclass* fk_popupclass_new(void) {
  return reinterpret_cast<fk_popupclass*>(new (std::nothrow) dane::POPUPCLASS);
}

extern "C" FK_API void fk_popupclass_free(fk_popupclass* popup) {
  delete popup_of(popup);
}

extern "C" FK_API void fk_popupclass_add_item(fk_popupclass* popup, fk_text name, fk_text text) {
  abi::guarded_void([&] {
    if (popup != nullptr) popup_of(popup)->AddItem(abi::in(name), abi::in(text));
  });
}

extern "C" FK_API fk_text fk_popupclass_text(const fk_popupclass* popup, fk_text name) {
  return abi::text_result(
      [&] { return popup != nullptr ? popup_of(popup)->GetText(abi::in(name)) : std::string(); });
}

extern "C" FK_API fk_text fk_popupclass_icon(const fk_popupclass* popup, fk_text name) {
  return abi::text_result(
      [&] { return popup != nullptr ? popup_of(popup)->GetIcon(abi::in(name)) : std::string(); });
}

extern "C" FK_API void AUTOUZUPELNIANIE(fk_text kind, int32_t field, uint8_t* armed,
                                        fk_text extra) {
  abi::guarded_void([&] {
    if (armed != nullptr)
      funkcja::ui::AUTOUZUPELNIANIE(abi::in(kind), field, *armed, abi::in(extra));
  });
}
FK_REGISTER(AUTOUZUPELNIANIE, "kind, field, armed, extra?");
