// C++ interface: window helpers that work on the calling thread's active window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/objects.hpp"

namespace funkcja {
namespace dane {
class POPUPCLASS;
}  // namespace dane

// Selects the whole content of the numeric field that caused the event (characters 1 to the
// width of its picture, e.g. 19 for "@N-19_`2"), so typing replaces the value. The mouse form
// acts only when the event came from a left click.
inline void SELECT_MOUSELEFT(std::string_view picture) {
  ::SELECT_MOUSELEFT(c_api::text(picture));
}
inline void SELECT_KEYBOARD(std::string_view picture) {
  ::SELECT_KEYBOARD(c_api::text(picture));
}

// The registry of open single-instance windows: 0 when registered now, 1 when already open.
inline std::uint8_t THREAD_INS(std::string_view window_name) {
  return ::THREAD_INS(c_api::text(window_name));
}
inline void THREAD_DEL(std::string_view window_name) {
  ::THREAD_DEL(c_api::text(window_name));
}

// Sizes the active window to fill the application frame: 0 maximising off, 1 resized, 2 it
// already had that size and place. With no active window, a computed size of zero or less,
// or margins too large for the frame, returns 0 and changes nothing; a negative margin
// counts as 0.
inline std::uint8_t MAKSYMALIZUJ() {
  return ::MAKSYMALIZUJ();
}
// Clears the active window's maximised state and tells the host's thread $DANE_WATKI.
inline void MAKSYMALIZACJAOFF() {
  ::MAKSYMALIZACJAOFF();
}

// Text styles of a control of the active window.
inline void STRSTYLTOOLBAR(std::int32_t control, std::uint8_t size = 0, std::uint8_t second = 0,
                           std::uint8_t keep_position = 0) {
  ::STRSTYLTOOLBAR(control, size, second, keep_position);
}
inline void STRSTYLOPIS(std::int32_t control, std::uint8_t size = 0, std::uint8_t second = 0) {
  ::STRSTYLOPIS(control, size, second);
}
inline void STRSTYLNAGLOWEK(std::int32_t control, std::uint8_t size = 0, std::uint8_t second = 0) {
  ::STRSTYLNAGLOWEK(control, size, second);
}

// Texts and icons of the four standard items of a browse's pop-up menu; mode 1 behaves as
// mode 0.
inline void USTAW4IKONYBROWSERA(dane::POPUPCLASS* popup, std::uint8_t mode = 0) {
  ::USTAW4IKONYBROWSERA(reinterpret_cast<fk_popupclass*>(popup), mode);
}
// Folder and leaf icons of a tree list of the active window; rows may be null. The icon and
// the level are fields 2 and 3 of each entry (6 and 7 for a tree list).
inline void USTAWIKONYDRZEWA(std::int32_t list, Queue* rows, std::int32_t leaf_icon = 2) {
  ::USTAWIKONYDRZEWA(list, rows != nullptr ? rows->handle() : nullptr, leaf_icon);
}

// The folder-choice dialog on a thread of its own: returns at once; the chosen folder lands in
// $GGG:UNIWERSALNA_ZMIENNA (empty when cancelled) and event 1024 is posted to the thread
// whose number the third text holds.
inline void FILEDIALOGBOX_WATEK(std::string_view title, std::string_view start_folder,
                                std::string_view notify_thread) {
  ::FILEDIALOGBOX_WATEK(c_api::text(title), c_api::text(start_folder), c_api::text(notify_thread));
}

// Inline completion of entry field `field` of the active window while the user types: the
// first database value of the kind that begins with the field's text replaces it, with the
// part not typed selected. Kinds: WOJEWODZTWO (voivodeships, from 1 character), NIPKH (a
// contractor's NIP, else a PESEL of a contractor who is no VAT payer), NIPKP (an auxiliary
// contractor's NIP), NZKKH (a short name beginning with the text), xxxxxNZKKH (a short name
// holding it), NZPKH (a full name, from 4), PLANK (an account of the year, longer than the
// text; an account ending in "x" gives the text, "-" and extra when extra is a number other
// than 0) and OPIS (a stored description, of type extra[0] when extra is given); the others
// from 3 characters, each only while its $GGG:AUTOUZUPELNIANIE_* switch is on. KODPOCZT and
// unknown kinds do nothing. A miss sets armed to 0, and nothing is looked up again until an
// editing or moving key (Backspace, Delete, arrows, Home, End, Space, a click) sets it to 1.
inline void AUTOUZUPELNIANIE(std::string_view kind, std::int32_t field, std::uint8_t& armed,
                             std::string_view extra = {}) {
  ::AUTOUZUPELNIANIE(c_api::text(kind), field, &armed, c_api::text(extra));
}

// The statements of the user's ZESTAW messages (name, when made, range) in the window
// "Info_Zestawienie", captioned for a declaration (kind 1) or a statement; nothing is shown
// when there are none.
inline void INFO_ZESTAWIENIE(std::uint8_t kind) {
  ::INFO_ZESTAWIENIE(kind);
}
// The contractor information the database gives for a document and the four flags, beside the
// document's numbers and dates, in the window "Info_kontrahent"; no_window 1 only asks the
// database. A failing query is shown as a warning and the window opens without the text.
inline void INFO_KONTRAHENT(std::int32_t document, std::uint8_t flag1 = 0, std::uint8_t flag2 = 0,
                            std::uint8_t flag3 = 0, std::uint8_t flag4 = 0,
                            std::uint8_t no_window = 0) {
  ::INFO_KONTRAHENT(document, flag1, flag2, flag3, flag4, no_window);
}
// When and by whom a record of the sales ("S") or purchase ("Z") VAT register was last
// updated: "3-12-2026  09:05:41,  użytkownik: JNOWAK"; "brak informacji o aktualizacji dla
// wybranego okresu" for another register or none found.
inline std::string INFO_AKTUALIZACJA_VAT(std::string_view register_kind, std::int32_t record) {
  return c_api::string(::INFO_AKTUALIZACJA_VAT(c_api::text(register_kind), record));
}

// The help hook: in mode "I" opens the help at the topic's keyword (D1 "dokumenty  procedura
// wprowadzenia", A1/A2/DEF1 "firma", DEF5 "plan kont", DEF2-4/6-8 the help's start) through
// the system's "open", at the address $FUNKCJA_HELP_URL with "%s" replaced by the keyword.
// Other modes, unknown topics and an unset address do nothing.
inline void WOLAJ_POMOC(std::string_view topic_code, std::string_view mode) {
  ::WOLAJ_POMOC(c_api::text(topic_code), c_api::text(mode));
}

}  // namespace funkcja
