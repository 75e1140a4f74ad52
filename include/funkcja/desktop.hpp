// C++ interface: the program's information desktop.
#pragma once

#include <string_view>

#include "funkcja/c_bridge.hpp"

namespace funkcja {

// The information desktop, modal on the calling thread: the tile list "Pulpit informacyjny"
// on the left, the web browser on the right, back (Ctrl+Left), forward (Ctrl+Right) and
// refresh (F5) above them. page_code chooses the first page: a service's operation code (akt
// news, wpr maker's site, wab partners, zbr accounting offices, wib shop, zde phone service,
// ihd support tickets, sms); an empty or unknown code shows the news.
//
// The maker's service address is the environment variable FUNKCJA_DESKTOP_URL: a service tile
// opens it followed by "?opr=" and the tile's code. Unset, the news come from the common
// folder ($GGG:PROGCOMMONTEMIX, "Aktualnosci/aktualnosci.html", else "offline.html") as a
// file:/// address, and the other service tiles show a local page saying that the service is
// not configured. "Kluczowe wskaźniki" and "Moje skróty" post FK_DESKTOP_EVENT_INDICATORS and
// FK_DESKTOP_EVENT_SHORTCUTS to the thread $GGG:WATEKAPP.
//
// Whether the list hides itself after a choice, and whether the desktop starts after login,
// are the user's options 260 and 261 ("tak"/"nie"), read on opening and saved on closing.
inline void PULPITPROGRAMU(std::string_view page_code) {
  ::PULPITPROGRAMU(c_api::text(page_code));
}

}  // namespace funkcja
