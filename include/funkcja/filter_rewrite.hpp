// C++ interface: rewriting the host's record filters into where clauses of SQL statements.
//
// The host writes filters in its own expression language: fields with a table prefix
// (ZAP:KOD), raw SQL wrapped as SQL(...), substring tests as INSTRING calls. These procedures
// turn such a filter into text the database understands.
#pragma once

#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

// The filter without its leading and trailing blanks (at most 3000 characters, cut at the end)
// rewritten in three steps:
//  - every table prefix removed: a colon with the characters in front of it back to a blank,
//    "(", ")" or ","; a colon followed by two digits belongs to a time (10:30) and stays.
//    Quotes are not looked at: ZAP:KOD = 'A:B' gives KOD = B';
//  - the first ten SQL( wrappers, in any case, opened: sql(kod in (1,2)) gives (kod in (1,2));
//  - INSTRING('AB',UPPER(NAZWA),1,1) <> 0 written as UPPER(NAZWA) like '%'+'AB'+'%' (the call
//    ends nine characters after the comma that closes its second argument). A call without
//    its quoted first argument or its two commas is left as it stands.
//   WYTNIJ_PREFIX("ZAP:KOD = 5 AND (ZAP:DATA > 10:30)") == "KOD = 5 AND (DATA > 10:30)"
inline std::string WYTNIJ_PREFIX(std::string_view filter) {
  return c_api::string(::WYTNIJ_PREFIX(c_api::text(filter)));
}

// As WYTNIJ_PREFIX, but each table prefix becomes the alias a.:
//   WYTNIJ_PREFIX_WSTAWA("ZAP:KOD = 5") == "a.KOD = 5"
inline std::string WYTNIJ_PREFIX_WSTAWA(std::string_view filter) {
  return c_api::string(::WYTNIJ_PREFIX_WSTAWA(c_api::text(filter)));
}

// The expression (clipped, at most 5000 characters) in lower case, with each a.column of the
// table's columns written table.column, the table name clipped and without "dbo.":
//   STR_REPLACE_PREFIKS_A("dbo.KONTA", "a.NUMER = 'X1'") == "KONTA.numer = 'x1'"
// The search is plain text, so data.kod becomes datKONTA.kod when KOD is a column; each a. is
// replaced once. An expression without a. comes back as it is, in its own case, and the
// database is not asked. The columns of a table are read from the database catalogue (on the
// calling thread's VAY_FK) the first time the table is met and kept until the library is
// unloaded; a table without columns is asked for again on the next call. Any thread.
inline std::string STR_REPLACE_PREFIKS_A(std::string_view table_name, std::string_view expression) {
  return c_api::string(::STR_REPLACE_PREFIKS_A(c_api::text(table_name), c_api::text(expression)));
}

// The clipped caption; in the budget edition ($DANE_CZY_WERSJA_BUDZET 1) its first Klasyfikacja
// and first Transakcja swap places:
//   "Klasyfikacja / Transakcja" -> "Transakcja / Klasyfikacja"
inline std::string ZAMIEN_KLASYFIKACJA_TRANSAKCJA(std::string_view caption) {
  return c_api::string(::ZAMIEN_KLASYFIKACJA_TRANSAKCJA(c_api::text(caption)));
}

}  // namespace funkcja
