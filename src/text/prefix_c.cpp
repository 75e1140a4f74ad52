// C exports of the filter rewriting procedures.
#include "frame/export.hpp"
#include "funkcja/c/filter_rewrite.h"
#include "text/procedures.hpp"

using funkcja::abi::in;
using funkcja::abi::text_result;

extern "C" FK_API fk_text WYTNIJ_PREFIX(fk_text filter) {
  return text_result([&] { return funkcja::text::WYTNIJ_PREFIX(in(filter)); });
}
FK_REGISTER(WYTNIJ_PREFIX, "filter");

extern "C" FK_API fk_text WYTNIJ_PREFIX_WSTAWA(fk_text filter) {
  return text_result([&] { return funkcja::text::WYTNIJ_PREFIX_WSTAWA(in(filter)); });
}
FK_REGISTER(WYTNIJ_PREFIX_WSTAWA, "filter");

extern "C" FK_API fk_text STR_REPLACE_PREFIKS_A(fk_text table_name, fk_text expression) {
  return text_result(
      [&] { return funkcja::text::STR_REPLACE_PREFIKS_A(in(table_name), in(expression)); });
}
FK_REGISTER(STR_REPLACE_PREFIKS_A, "table_name, expression");

extern "C" FK_API fk_text ZAMIEN_KLASYFIKACJA_TRANSAKCJA(fk_text caption) {
  return text_result([&] { return funkcja::text::ZAMIEN_KLASYFIKACJA_TRANSAKCJA(in(caption)); });
}
FK_REGISTER(ZAMIEN_KLASYFIKACJA_TRANSAKCJA, "caption");
