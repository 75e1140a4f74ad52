// C exports of the character filters.
#include "frame/export.hpp"
#include "funkcja/c/filters.h"
#include "text/procedures.hpp"

namespace abi = funkcja::abi;

extern "C" FK_API fk_text TYLKO_CYFRY(fk_text text) {
  return abi::text_result([&] { return funkcja::text::TYLKO_CYFRY(abi::in(text)); });
}
FK_REGISTER(TYLKO_CYFRY, "text");

extern "C" FK_API fk_text OPUSC_ALFANUMERYCZNE(fk_text text) {
  return abi::text_result([&] { return funkcja::text::OPUSC_ALFANUMERYCZNE(abi::in(text)); });
}
FK_REGISTER(OPUSC_ALFANUMERYCZNE, "text");

extern "C" FK_API fk_text OPUSC_ALFANUMERYCZNE_SOFT(fk_text text) {
  return abi::text_result([&] { return funkcja::text::OPUSC_ALFANUMERYCZNE_SOFT(abi::in(text)); });
}
FK_REGISTER(OPUSC_ALFANUMERYCZNE_SOFT, "text");

extern "C" FK_API fk_text TYLKO_KWOTY(fk_text text) {
  return abi::text_result([&] { return funkcja::text::TYLKO_KWOTY(abi::in(text)); });
}
FK_REGISTER(TYLKO_KWOTY, "text");

extern "C" FK_API fk_text OPUSC_SPACE(fk_text text) {
  return abi::text_result([&] { return funkcja::text::OPUSC_SPACE(abi::in(text)); });
}
FK_REGISTER(OPUSC_SPACE, "text");

extern "C" FK_API fk_text CLEARFORFILENAME(fk_text text) {
  return abi::text_result([&] { return funkcja::text::CLEARFORFILENAME(abi::in(text)); });
}
FK_REGISTER(CLEARFORFILENAME, "text");

extern "C" FK_API fk_text USUN_ZNAKI_STERUJACE(fk_text text) {
  return abi::text_result([&] { return funkcja::text::USUN_ZNAKI_STERUJACE(abi::in(text)); });
}
FK_REGISTER(USUN_ZNAKI_STERUJACE, "text");

extern "C" FK_API fk_text USUN_ZNAKI_NIEDRUKOWALNE(fk_text text) {
  return abi::text_result([&] { return funkcja::text::USUN_ZNAKI_NIEDRUKOWALNE(abi::in(text)); });
}
FK_REGISTER(USUN_ZNAKI_NIEDRUKOWALNE, "text");

extern "C" FK_API fk_text BEZPL(fk_text text) {
  return abi::text_result([&] { return funkcja::text::BEZPL(abi::in(text)); });
}
FK_REGISTER(BEZPL, "text");

extern "C" FK_API fk_text USUN_POLSKIE_ZNAKI(fk_text text) {
  return abi::text_result([&] { return funkcja::text::USUN_POLSKIE_ZNAKI(abi::in(text)); });
}
FK_REGISTER(USUN_POLSKIE_ZNAKI, "text");
