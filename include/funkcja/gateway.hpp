// C++ interface: the SQL pass-through gateway. A statement (code page 1250, in the server's
// dialect) is sent without its trailing blanks on the calling thread's query table; its rows
// wait there for the host to read.
#pragma once

#include <string>
#include <string_view>

#include "funkcja/export.h"

namespace funkcja {

FK_API void EXECSQL(std::string_view statement);   // on ZAPYTANIESQL
FK_API void EXECSQL1(std::string_view statement);  // on ZAPYTANIESQL1
FK_API void EXECVAX(std::string_view statement);   // on VAX_FK
FK_API void EXECVAY(std::string_view statement);   // on VAY_FK
FK_API void EXECVAZ(std::string_view statement);   // on VAZ_FK
// The first column of the first row (up to 500 / 8000 characters); empty text when the
// statement fails or yields no row. The table is closed afterwards.
FK_API std::string FUNCVAY(std::string_view statement);
FK_API std::string FUNCVAZ(std::string_view statement);

}  // namespace funkcja
