// C exports of the amount-in-words procedures.
#include "frame/export.hpp"
#include "words/procedures.hpp"

namespace abi = funkcja::abi;

extern "C" FK_API fk_text SLOWNIE(double amount) {
  return abi::text_result([&] { return funkcja::words::SLOWNIE(amount); });
}
FK_REGISTER(SLOWNIE, "amount");

extern "C" FK_API fk_text SLOWNIEWALUTA(double amount, fk_text currency) {
  return abi::text_result([&] { return funkcja::words::SLOWNIEWALUTA(amount, abi::in(currency)); });
}
FK_REGISTER(SLOWNIEWALUTA, "amount, currency");
