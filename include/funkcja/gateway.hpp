// C++ interface: the SQL pass-through gateway. A statement (code page 1250, in the server's
// dialect) is sent without its trailing blanks on the calling thread's query table; its rows
// wait there for the host to read.
#pragma once

#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"

namespace funkcja {

// on ZAPYTANIESQL
inline void EXECSQL(std::string_view statement) {
  ::EXECSQL(c_api::text(statement));
}
// on ZAPYTANIESQL1
inline void EXECSQL1(std::string_view statement) {
  ::EXECSQL1(c_api::text(statement));
}
// on VAX_FK
inline void EXECVAX(std::string_view statement) {
  ::EXECVAX(c_api::text(statement));
}
// on VAY_FK
inline void EXECVAY(std::string_view statement) {
  ::EXECVAY(c_api::text(statement));
}
// on VAZ_FK
inline void EXECVAZ(std::string_view statement) {
  ::EXECVAZ(c_api::text(statement));
}
// The first column of the first row (up to 500 / 8000 characters); empty text when the
// statement fails or yields no row. The table is closed afterwards.
inline std::string FUNCVAY(std::string_view statement) {
  return c_api::string(::FUNCVAY(c_api::text(statement)));
}
inline std::string FUNCVAZ(std::string_view statement) {
  return c_api::string(::FUNCVAZ(c_api::text(statement)));
}

}  // namespace funkcja
