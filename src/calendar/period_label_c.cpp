// C export of the period label.
#include "calendar/period_label.hpp"
#include "frame/export.hpp"

namespace abi = funkcja::abi;

extern "C" FK_API fk_text INFOKRES(int32_t code, uint8_t numeric_month) {
  return abi::text_result([&] { return funkcja::calendar::INFOKRES(code, numeric_month); });
}
FK_REGISTER(INFOKRES, "code, numeric_month?");
