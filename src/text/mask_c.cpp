// C export of mask matching.
#include "frame/export.hpp"
#include "funkcja/c/mask.h"
#include "text/procedures.hpp"

namespace abi = funkcja::abi;

// A failure inside (memory) reports "does not fit": a check must never pass by accident.
extern "C" FK_API uint8_t SPR_MASKA(fk_text value, fk_text mask) {
  return abi::guarded([&] { return funkcja::text::SPR_MASKA(abi::in(value), abi::in(mask)); },
                      std::uint8_t{1});
}
FK_REGISTER(SPR_MASKA, "value, mask");
