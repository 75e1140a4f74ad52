// The message-box and window-helper procedures as the library calls them inside; the exported C
// functions wrap them and the public C++ interface (include/funkcja/) describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/windows.hpp"
#include "host/dane/queue.hpp"
#include "host/system_messages.hpp"

namespace funkcja::ui {

// As funkcja/messages.hpp.
inline void MSG_INF(std::string_view text) {
  funkcja::system_messages::information(text);
}
inline void MSG_OST(std::string_view text) {
  funkcja::system_messages::warning(text);
}
inline std::int32_t MSG_QST(std::string_view text, std::string_view buttons,
                            std::int32_t default_button) {
  return funkcja::system_messages::question(text, buttons, default_button);
}
void MSG_INFO(std::string_view text, std::uint8_t type = 0);
std::uint8_t MSG_WYKONAJ(std::string_view text, std::string_view title, std::uint8_t type = 0);
void MSG_ADVINFO(std::string_view text, std::string_view details, std::uint8_t type = 0);
void KOMUNIKAT_INFO(std::string_view context, std::string_view caption, std::string_view header);

// As funkcja/windows.hpp.
void SELECT_MOUSELEFT(std::string_view picture);
void SELECT_KEYBOARD(std::string_view picture);
std::uint8_t THREAD_INS(std::string_view window_name);
void THREAD_DEL(std::string_view window_name);
std::uint8_t MAKSYMALIZUJ();
void MAKSYMALIZACJAOFF();
void STRSTYLTOOLBAR(std::int32_t control, std::uint8_t size = 0, std::uint8_t second = 0,
                    std::uint8_t keep_position = 0);
void STRSTYLOPIS(std::int32_t control, std::uint8_t size = 0, std::uint8_t second = 0);
void STRSTYLNAGLOWEK(std::int32_t control, std::uint8_t size = 0, std::uint8_t second = 0);
void USTAW4IKONYBROWSERA(dane::POPUPCLASS* popup, std::uint8_t mode = 0);
void USTAWIKONYDRZEWA(std::int32_t list, dane::Queue* rows, std::int32_t leaf_icon = 2);
// As funkcja/windows.hpp: inline completion of an entry field of the active window.
void AUTOUZUPELNIANIE(std::string_view kind, std::int32_t field, std::uint8_t& armed,
                      std::string_view extra = {});
void FILEDIALOGBOX_WATEK(std::string_view title, std::string_view start_folder,
                         std::string_view notify_thread);

}  // namespace funkcja::ui
