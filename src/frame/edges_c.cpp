// C exports of the conversion a host needs at its edges: the library's texts are code page
// 1250, a terminal or a JSON file speaks UTF-8. Hosts use these rather than a table of their
// own, so every byte travels the same way in and out.
#include "frame/cp1250.hpp"
#include "frame/export.hpp"
#include "funkcja/c/codepage.h"

using funkcja::abi::in;
using funkcja::abi::text_result;

extern "C" FK_API fk_text fk_cp1250_to_utf8(fk_text cp1250) {
  return text_result([&] { return funkcja::cp1250::cp1250_to_utf8(in(cp1250)); });
}

extern "C" FK_API fk_text fk_utf8_to_cp1250(fk_text utf8, int32_t* error, size_t* error_offset) {
  if (error != nullptr) *error = 0;
  if (error_offset != nullptr) *error_offset = 0;
  return text_result([&] {
    auto converted = funkcja::cp1250::utf8_to_cp1250(in(utf8));
    if (converted.error) {
      if (error != nullptr) {
        *error = *converted.error == funkcja::cp1250::ConversionError::kInvalidUtf8
                     ? FK_EDGE_INVALID_UTF8
                     : FK_EDGE_NOT_CP1250;
      }
      if (error_offset != nullptr) *error_offset = converted.error_offset;
    }
    return std::move(converted.text);
  });
}
