// The column format language of the host's browses, as far as the column configuration needs
// it. A column format such as "40R(2)|M~Id~C(0)@n-14@#3#" carries its name between the
// first two "~". A stored format is every column format preceded by ";" and the whole ended
// by ";" (";a;b;"); the format handed to a browse is the visible column formats concatenated
// ("ab"). Splitting and joining keep every byte of a column format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::ui::browse_config {

inline constexpr std::size_t kNameCapacity = 100;     // a column name
inline constexpr std::size_t kFormatCapacity = 200;   // a column format
inline constexpr std::size_t kResultCapacity = 3000;  // the format handed to a browse

// The name between the first two "~", cut to kNameCapacity; empty when there is none. A name
// of blanks is no name.
std::string column_name(std::string_view column);

struct NamedColumn {
  std::string name;
  std::string format;
};

// The named columns of a format, in order; pieces without a name are skipped.
std::vector<NamedColumn> split_format(std::string_view format);

// The named columns of the format a browse shows. Given in the stored form it splits as
// above; given as the browse holds it, the column formats concatenated without ";", each
// column ends after its picture ("@...@") and the source field that may follow it ("#3#"),
// headers ("~...~") being skipped, so that every column keeps its own format.
std::vector<NamedColumn> split_browse_format(std::string_view format);

// ";a;b;" from the column formats a, b (";" alone for none).
std::string stored_form(const std::vector<std::string>& formats);

// Visibility of a configured column, as the window's icons show it.
inline constexpr std::uint8_t kVisible = 1;
inline constexpr std::uint8_t kHidden = 2;

// One column of a configuration being edited: its visibility, name, 1-based position and
// column format. A configuration is kept in position order.
struct ConfigRow {
  std::uint8_t visibility = kVisible;
  std::string name;
  std::int32_t position = 0;
  std::string format;
  bool operator==(const ConfigRow&) const = default;
};
using Config = std::vector<ConfigRow>;

// The visible column formats in position order, concatenated and cut to kResultCapacity.
std::string browse_form(const Config& rows);
// Every column format, visible or not, in the stored form.
std::string stored_form(const Config& rows);

}  // namespace funkcja::ui::browse_config
