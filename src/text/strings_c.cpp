// C exports of the search, cut and replace procedures.
#include "frame/export.hpp"
#include "funkcja/c/strings.h"
#include "text/procedures.hpp"

using funkcja::abi::in;
using funkcja::abi::text_result;

extern "C" FK_API fk_text STR_REPLACE(fk_text text, fk_text find, fk_text replacement) {
  return text_result(
      [&] { return funkcja::text::STR_REPLACE(in(text), in(find), in(replacement)); });
}
FK_REGISTER(STR_REPLACE, "text, find, replacement");

extern "C" FK_API fk_text STR_REPLACEUPPER(fk_text text, fk_text find, fk_text replacement) {
  return text_result(
      [&] { return funkcja::text::STR_REPLACEUPPER(in(text), in(find), in(replacement)); });
}
FK_REGISTER(STR_REPLACEUPPER, "text, find, replacement");

extern "C" FK_API fk_text TG_REPLACE(fk_text text, fk_text find, fk_text replacement) {
  return text_result(
      [&] { return funkcja::text::TG_REPLACE(in(text), in(find), in(replacement)); });
}
FK_REGISTER(TG_REPLACE, "text, find, replacement");

extern "C" FK_API fk_text ZAMIEN_WYRAZENIE(fk_text text, fk_text find, fk_text replacement) {
  return text_result(
      [&] { return funkcja::text::ZAMIEN_WYRAZENIE(in(text), in(find), in(replacement)); });
}
FK_REGISTER(ZAMIEN_WYRAZENIE, "text, find, replacement");

extern "C" FK_API fk_text REPLACEPROC(fk_text text, fk_text find, fk_text replacement) {
  return text_result(
      [&] { return funkcja::text::REPLACEPROC(in(text), in(find), in(replacement)); });
}
FK_REGISTER(REPLACEPROC, "text, find, replacement");

extern "C" FK_API fk_text REPLACEPROC2(fk_text text, fk_text find, fk_text replacement) {
  return text_result(
      [&] { return funkcja::text::REPLACEPROC2(in(text), in(find), in(replacement)); });
}
FK_REGISTER(REPLACEPROC2, "text, find, replacement");

extern "C" FK_API fk_text ZAMIEN_ZNAK(fk_text text, fk_text character, fk_text replacement) {
  return text_result(
      [&] { return funkcja::text::ZAMIEN_ZNAK(in(text), in(character), in(replacement)); });
}
FK_REGISTER(ZAMIEN_ZNAK, "text, character, replacement");

extern "C" FK_API fk_text ZAMIEN_ZNAKI(fk_text mask) {
  return text_result([&] { return funkcja::text::ZAMIEN_ZNAKI(in(mask)); });
}
FK_REGISTER(ZAMIEN_ZNAKI, "mask");

extern "C" FK_API fk_text ZAMIEN_SKOBKI(fk_text text, fk_text replacement) {
  return text_result([&] { return funkcja::text::ZAMIEN_SKOBKI(in(text), in(replacement)); });
}
FK_REGISTER(ZAMIEN_SKOBKI, "text, replacement");

extern "C" FK_API int32_t LICZBA_WYSTAPIEN(fk_text substring, fk_text text) {
  return funkcja::abi::guarded(
      [&] { return funkcja::text::LICZBA_WYSTAPIEN(in(substring), in(text)); }, int32_t{0});
}
FK_REGISTER(LICZBA_WYSTAPIEN, "substring, text");

extern "C" FK_API int32_t STR_POZYCJA_WYSTAPIENIA(fk_text substring, fk_text text, int32_t n) {
  return funkcja::abi::guarded(
      [&] { return funkcja::text::STR_POZYCJA_WYSTAPIENIA(in(substring), in(text), n); },
      int32_t{0});
}
FK_REGISTER(STR_POZYCJA_WYSTAPIENIA, "substring, text, n");

extern "C" FK_API int32_t STR_WYSTAPIENIE_ZNAKU(fk_text text, fk_text character) {
  return funkcja::abi::guarded(
      [&] { return funkcja::text::STR_WYSTAPIENIE_ZNAKU(in(text), in(character)); }, int32_t{0});
}
FK_REGISTER(STR_WYSTAPIENIE_ZNAKU, "text, character");

extern "C" FK_API fk_text WYTNIJ_STR(fk_text text, fk_text field) {
  return text_result([&] { return funkcja::text::WYTNIJ_STR(in(text), in(field)); });
}
FK_REGISTER(WYTNIJ_STR, "text, field");

extern "C" FK_API fk_text STRING_WYTNIJ_DO(fk_text text, fk_text character, int32_t n) {
  return text_result([&] { return funkcja::text::STRING_WYTNIJ_DO(in(text), in(character), n); });
}
FK_REGISTER(STRING_WYTNIJ_DO, "text, character, n");

extern "C" FK_API fk_text STRING_CUT(fk_text text, int32_t width, fk_text delimiter) {
  return text_result([&] { return funkcja::text::STRING_CUT(in(text), width, in(delimiter)); });
}
FK_REGISTER(STRING_CUT, "text, width, delimiter");

extern "C" FK_API fk_text STRING_GRUPUJ(fk_text text, int32_t size, fk_text separator) {
  return text_result([&] { return funkcja::text::STRING_GRUPUJ(in(text), size, in(separator)); });
}
FK_REGISTER(STRING_GRUPUJ, "text, size, separator");

extern "C" FK_API fk_text STRING_ODWROC(fk_text text) {
  return text_result([&] { return funkcja::text::STRING_ODWROC(in(text)); });
}
FK_REGISTER(STRING_ODWROC, "text");

extern "C" FK_API fk_text STR_REPLICATE(fk_text text, int32_t count) {
  return text_result([&] { return funkcja::text::STR_REPLICATE(in(text), count); });
}
FK_REGISTER(STR_REPLICATE, "text, count");
