// C++ interface: window helpers that work on the calling thread's active window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "funkcja/export.h"

namespace funkcja {
namespace dane {
class POPUPCLASS;
}  // namespace dane

// A list of the caller's records, each field held as text (numbers in decimal).
struct QueueRow {
  std::vector<std::string> fields;
};
using Queue = std::vector<QueueRow>;

// Selects the whole content of the numeric field that caused the event (characters 1 to the
// width of its picture, e.g. 19 for "@N-19_`2"), so typing replaces the value. The mouse form
// acts only when the event came from a left click.
FK_API void SELECT_MOUSELEFT(std::string_view picture);
FK_API void SELECT_KEYBOARD(std::string_view picture);

// The registry of open single-instance windows: 0 when registered now, 1 when already open.
FK_API std::uint8_t THREAD_INS(std::string_view window_name);
FK_API void THREAD_DEL(std::string_view window_name);

// Sizes the active window to fill the application frame: 0 maximising off, 1 resized, 2 it
// already had that size and place.
FK_API std::uint8_t MAKSYMALIZUJ();
// Clears the active window's maximised state and tells the host's thread $DANE_WATKI.
FK_API void MAKSYMALIZACJAOFF();

// Text styles of a control of the active window.
FK_API void STRSTYLTOOLBAR(std::int32_t control, std::uint8_t size = 0, std::uint8_t second = 0,
                           std::uint8_t keep_position = 0);
FK_API void STRSTYLOPIS(std::int32_t control, std::uint8_t size = 0, std::uint8_t second = 0);
FK_API void STRSTYLNAGLOWEK(std::int32_t control, std::uint8_t size = 0, std::uint8_t second = 0);

// Texts and icons of the four standard items of a browse's pop-up menu.
FK_API void USTAW4IKONYBROWSERA(dane::POPUPCLASS* popup, std::uint8_t mode = 0);
// Folder and leaf icons of a tree list of the active window; rows may be null.
FK_API void USTAWIKONYDRZEWA(std::int32_t list, Queue* rows, std::int32_t leaf_icon = 2);

// The folder-choice dialog on a thread of its own: returns at once; the chosen folder lands in
// $GGG:UNIWERSALNA_ZMIENNA (empty when cancelled) and event 1024 is posted to the thread
// whose number the third text holds.
FK_API void FILEDIALOGBOX_WATEK(std::string_view title, std::string_view start_folder,
                                std::string_view notify_thread);

}  // namespace funkcja
