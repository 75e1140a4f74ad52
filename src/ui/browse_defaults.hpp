// The built-in column formats of the host's browses: for each browse its identifier, the name
// the configuration window shows in its caption, its columns in the stored form (";column;column;")
// and, for the VAT registers, the columns hidden until the user shows them. A browse that is
// not in the table has an empty default and no name.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace funkcja::ui::browse_config {

struct DefaultFormat {
  std::int32_t browse = 0;
  std::string_view name;
  // 1-based positions hidden by default; 0 ends the list.
  std::array<std::uint8_t, 8> hidden{};
  std::string_view format;
};

std::span<const DefaultFormat> default_formats();
// Nullptr for a browse without a built-in format.
const DefaultFormat* find_default(std::int32_t browse);
std::string_view default_format(std::int32_t browse);
std::string_view browse_name(std::int32_t browse);
bool hidden_by_default(std::int32_t browse, std::int32_t position);

}  // namespace funkcja::ui::browse_config
