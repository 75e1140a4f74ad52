// Browse column configuration as the library calls it inside: KONFIGURACJA_OKNA with its
// loading, saving and window, and KONFIGURACJA_OKNA_PUNKTY. The exported C functions wrap the
// two procedures and funkcja/browse_config.hpp describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/browse_config_format.hpp"

namespace funkcja::ui {

std::string KONFIGURACJA_OKNA(std::uint8_t action, std::int32_t browse,
                              std::string_view current_format);
void KONFIGURACJA_OKNA_PUNKTY(std::int32_t action, std::int32_t browse, std::int32_t width,
                              std::int32_t height);

namespace browse_config {

// A column's name as the configuration shows and matches it: in the budget edition the
// settlements browse (30) swaps the captions Klasyfikacja and Transakcja.
std::string shown_name(std::int32_t browse, std::string_view name);

// The configuration rows of a stored format: its named columns in order, all visible, then
// the saved visibilities when there is one for every row; with none saved, the VAT registers
// hide their default-hidden columns.
Config build_rows(std::int32_t browse, std::string_view stored_format,
                  const std::vector<std::uint8_t>& saved_visibilities);

// Each row whose name the current format also has takes that column's format (the
// widths the user gave the browse's columns). The current format may be in the stored form or
// as the browse holds it, concatenated.
void take_specs(Config& rows, std::int32_t browse, std::string_view current_format);

// The user's configuration of the browse: from the cache for action 2 when it holds the
// browse, else from the database (the built-in default when nothing is stored), taking the
// current format's column formats when asked; a browse not yet cached is cached. cached_form,
// when given, receives the visible columns the cache held for the browse after the load.
Config load(std::uint8_t action, std::int32_t browse, std::string_view current_format,
            bool take_current, std::string* cached_form = nullptr);

// Stores the rows as the user's configuration of the browse, replacing the stored rows in one
// transaction, unless their visible columns equal the cached ones; the browse leaves the cache
// either way. False when a statement failed (its message was shown and nothing changed).
bool save(std::int32_t browse, const Config& rows);
// The same against the cached visible columns the caller read at its load.
bool save(std::int32_t browse, const Config& rows, std::string_view old_form);

// The configuration window over loaded rows; the new format after "Zapisz", empty after
// "Anuluj". new_columns_notice makes "Domyślna" blink when the default has more columns.
std::string edit(std::int32_t browse, Config rows, bool new_columns_notice);

}  // namespace browse_config
}  // namespace funkcja::ui
