// PULPITPROGRAMU, the program's information desktop, as the library calls it inside; the
// exported C function wraps it and funkcja/desktop.hpp describes it for hosts.
//
// The desktop is a window with a list of tiles on the left and a web browser on the right. Its
// parts are kept apart here so each can be tested alone: the tiles and the page each one opens
// (desktop_pages.cpp), the two settings kept as user options (desktop_settings.cpp) and the
// window (desktop_window.cpp).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace funkcja::ui {

void PULPITPROGRAMU(std::string_view page_code);

namespace desktop {

// The desktop's procedure name with the host: the window's key.
inline constexpr std::string_view kKey = "PulpitProgramu";

// Events the desktop posts to the application frame's thread ($GGG:WATEKAPP) for the tiles
// whose views belong to the host (funkcja/c/desktop.h names them for hosts).
inline constexpr std::int32_t kIndicatorsEvent = 0x4D1;
inline constexpr std::int32_t kShortcutsEvent = 0x4D2;

enum class TileKind {
  kService,     // a page of the maker's service, by its operation code
  kIndicators,  // "Kluczowe wskaźniki": the host's view
  kShortcuts,   // "Moje skróty": the host's view
  kClose,       // "Zamknij pulpit informacyjny"
};

struct Tile {
  TileKind kind;
  std::string_view code;  // the operation code of a service tile ("akt" is the news)
  std::string_view title;
  std::string_view icon;
  std::string_view tooltip;
};

// Every tile, in the order the list shows them.
std::span<const Tile> tiles();
// The service tile of a page code (trailing blanks and case ignored); the news tile for an
// empty or unknown code.
const Tile& first_tile(std::string_view page_code);

// Where a tile's page is: an address to show, or a local file that is missing (its path, for
// the message), or nothing to show at all.
struct Page {
  std::string address;
  std::string missing_file;
};

// The maker's service address: the environment variable FUNKCJA_DESKTOP_URL without trailing
// blanks; empty when the services are not configured.
std::string service_address();

// The page of a service tile. With a service address: the address, "?opr=" and the code; the
// SMS tile adds the company's data from dbo.AZ_Func_SMSDane as query keys. Without one: the
// news tile shows the local news from the common folder ($GGG:PROGCOMMONTEMIX), any other tile
// a local page saying that the service is not configured.
Page service_page(const Tile& tile);

// The local news: the common folder's "Aktualnosci\aktualnosci.html", else its
// "Aktualnosci\offline.html"; when neither exists, the first one's path as missing.
Page local_news();

// The page saying that a tile's service is not configured: a small HTML file written into the
// local folder ($GLO:LOCALPATH, else the library's data folder), or, when no file can be
// written, the same page as a data: address.
std::string not_configured_page(const Tile& tile);

// The two settings, kept as the current user's options in the current company.
inline constexpr std::int32_t kHideAfterChoiceOption = 260;
inline constexpr std::int32_t kStartAfterLoginOption = 261;

struct Settings {
  bool hide_after_choice = false;  // the tile list hides itself after a tile is chosen
  bool start_after_login = true;   // the desktop opens by itself after the user logs in
  bool operator==(const Settings&) const = default;
};

// Stored "tak" / "nie"; an option the user does not have yet keeps its default.
Settings read_settings();
// Writes both options, adding the user's row of an option that does not exist yet; false when
// a statement failed.
bool save_settings(const Settings& settings);

}  // namespace desktop
}  // namespace funkcja::ui
