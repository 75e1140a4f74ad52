// The register's search window, shown by PobierzGUSokno: the kind of number (NIP, REGON,
// KRS), the number, "Szukaj", the entities found, "Wybierz" (F10) and "Anuluj" (Esc).
//
// A NIP or REGON that fails its check digit, or a KRS that is not a number of at most ten
// digits, is refused with a warning before anything is sent. The register's own error texts
// (nothing found, a refused key ...) are shown as warnings; the window stays open. "Wybierz"
// (or Enter or a double click on a row) fetches the chosen entity's full report and closes the
// window with its data; "Anuluj", Esc or the close box close it with none.
#pragma once

#include <string>
#include <string_view>

namespace utilks::gus {

// The chosen entity as contractor_xml gives it (code page 1250), or empty text when nothing
// was chosen or the window could not be shown (libfunkcja not in the process).
std::string run_search_window();

// REGON check digit, 9 or 14 digits.
bool regon_valid(std::string_view digits);

}  // namespace utilks::gus
