// C exports of the amount-in-words procedures.
#include "frame/export.hpp"
#include "funkcja/words.hpp"

namespace abi = funkcja::abi;

extern "C" FK_API fk_text SLOWNIE(double amount) {
  return abi::text_result([&] { return funkcja::SLOWNIE(amount); });
}
FK_REGISTER(SLOWNIE, "amount");

extern "C" FK_API fk_text SLOWNIEWALUTA(double amount, fk_text currency) {
  return abi::text_result([&] { return funkcja::SLOWNIEWALUTA(amount, abi::in(currency)); });
}
FK_REGISTER(SLOWNIEWALUTA, "amount, currency");
