// C exports of the code-page conversions.
#include "frame/export.hpp"
#include "funkcja/c/codepage.h"
#include "text/procedures.hpp"

namespace abi = funkcja::abi;

extern "C" FK_API fk_text WINTOLATIN_TG(fk_text text) {
  return abi::text_result([&] { return funkcja::text::WINTOLATIN_TG(abi::in(text)); });
}
FK_REGISTER(WINTOLATIN_TG, "text");

extern "C" FK_API fk_text LATINTOWIN_TG(fk_text text) {
  return abi::text_result([&] { return funkcja::text::LATINTOWIN_TG(abi::in(text)); });
}
FK_REGISTER(LATINTOWIN_TG, "text");

extern "C" FK_API fk_text WINTOMAZOVIA_TG(fk_text text) {
  return abi::text_result([&] { return funkcja::text::WINTOMAZOVIA_TG(abi::in(text)); });
}
FK_REGISTER(WINTOMAZOVIA_TG, "text");

extern "C" FK_API fk_text MAZOVIATOWIN_TG(fk_text text) {
  return abi::text_result([&] { return funkcja::text::MAZOVIATOWIN_TG(abi::in(text)); });
}
FK_REGISTER(MAZOVIATOWIN_TG, "text");

extern "C" FK_API fk_text WINTOWIN_TG(fk_text text) {
  return abi::text_result([&] { return funkcja::text::WINTOWIN_TG(abi::in(text)); });
}
FK_REGISTER(WINTOWIN_TG, "text");
