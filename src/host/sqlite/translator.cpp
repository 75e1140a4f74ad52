#include "host/sqlite/translator.hpp"

#include <new>

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "host/sqlite/tsql_parser.hpp"

namespace funkcja::sqlite {

using namespace funkcja::literals;

std::string CallArg::as_text() const {
  return kind == Kind::kNull ? std::string() : text;
}

std::int64_t CallArg::as_integer() const {
  switch (kind) {
    case Kind::kInteger:
      return integer;
    case Kind::kReal:
      return static_cast<std::int64_t>(real);
    case Kind::kText: {
      return funkcja::text::read_whole(text).optional().value_or(0);
    }
    case Kind::kNull:
      break;
  }
  return 0;
}

double CallArg::as_real() const {
  switch (kind) {
    case Kind::kInteger:
      return static_cast<double>(integer);
    case Kind::kReal:
      return real;
    case Kind::kText:
      return std::strtod(text.c_str(), nullptr);
    case Kind::kNull:
      break;
  }
  return 0;
}

Translation translate(std::string_view statement) {
  try {
    return tsql::Parser(statement).run();
  } catch (const tsql::Failure& f) {
    Translation t;
    t.error = f.message;
    return t;
  } catch (const std::bad_alloc&) {
    Translation t;
    t.error = std::string("Za mało pamięci na przetłumaczenie polecenia SQL."_cp);
    return t;
  }
}

}  // namespace funkcja::sqlite
