// C exports of the value formatting procedures.
#include "frame/export.hpp"
#include "funkcja/c/filters.h"
#include "text/procedures.hpp"

namespace abi = funkcja::abi;

extern "C" FK_API fk_text FORMATKWOTA(fk_text number) {
  return abi::text_result([&] { return funkcja::text::FORMATKWOTA(abi::in(number)); });
}
FK_REGISTER(FORMATKWOTA, "number");

extern "C" FK_API fk_text FORMATDATA(fk_text day_number) {
  return abi::text_result([&] { return funkcja::text::FORMATDATA(abi::in(day_number)); });
}
FK_REGISTER(FORMATDATA, "day_number");
