// C++ interface: exchange of data with outside sources.
#pragma once

#include <cstdint>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/objects.hpp"

namespace funkcja {

// Fills a record group from an XML text (code page 1250; a declared encoding is ignored).
// The group is cleared, then the children of the root element are walked in order, every
// child node counted from 1 (elements, texts, CDATA sections, comments, processing
// instructions; text of blanks alone is no node):
//   positional 1  child k fills field k: an element with the value of its first child when
//                 that is a text, a CDATA section, a comment or a processing instruction (an
//                 empty element, or one whose first child is an element, leaves the field
//                 cleared); a text or CDATA child with its own text; comments and processing
//                 instructions are passed over. An element or text with no field of its
//                 number ends the walk.
//   otherwise     each child element fills the first field whose name after its prefix
//                 (KP:NAZWA -> NAZWA) equals the element's name, both in upper case; other
//                 elements and other nodes are passed over.
// Values are converted to each field's type as fk_group_set does; a character that code page
// 1250 lacks becomes "?". A text that is not well-formed shows the warning "Błąd ładowania
// definicji XML!" and leaves the group untouched; so does a text over 4 MiB, nesting deeper
// than 256 elements, or any document type declaration. When no document can be made (out of
// memory) the warning is "Błąd inicjacji obiektu XMLDOC!", the group again untouched. Through
// the C interface a null group does nothing.
inline void XMLDOGRUPY(std::string_view xml, Group& group, std::uint8_t positional = 0) {
  ::XMLDOGRUPY(c_api::text(xml), group.handle(), positional);
}

// Runs the stored procedure "call " + call (trailing blanks removed) and writes its rows to
// the file file_name in code page 1250: first the declaration line
// <?xml version="1.0" encoding="windows-1250"?>, then a line a row by its kind (column 1,
// compared in lower case), tag name (column 2) and value (column 3):
//   start-tag <name>   end-tag </name>   element <name>value</name>   xml the value itself
// and any other kind the line before it again. Nothing is escaped. Lines end with CR LF, without
// trailing blanks, cut to 4,999 characters. The file is replaced only by a whole export: when
// it cannot be created ("Wystąpił błąd otwarcia pliku."), a line cannot be written
// ("Wystąpił błąd zapisu do pliku.") or the statement fails (its message as a warning), the
// old file stays as it was and no temporary file is left. A whole export shows "Wykonano
// eksport do pliku.". Calls on several threads take turns.
inline void SQL2XMLWRITER_WATEK(std::string_view call, std::string_view file_name) {
  ::SQL2XMLWRITER_WATEK(c_api::text(call), c_api::text(file_name));
}

// The same lines into the calling thread's text table TXT (Txt::set_file_name), lines cut to
// 3,001 characters, with the progress messages "1 close txt", "1 open txt" and "przed
// insertem"; a line that cannot be added shows "Wystapił błąd dodawania lini." and the file
// stays as it was. file_name is not used.
inline void SQL2XMLWRITER_TG(std::string_view call, std::string_view file_name = {}) {
  ::SQL2XMLWRITER_TG(c_api::text(call), c_api::text(file_name));
}

// The columns of list control `list` of the calling thread's current window, for EXPORT2EXCEL:
// one a line, "heading<TAB>picture<TAB>field number".
inline void export_list_columns(std::int32_t list, std::string_view columns) {
  ::fk_export_list_columns(list, c_api::text(columns));
}

// Writes a list to a CSV file in code page 1250 and offers to open it. list: a list control's
// number (its columns from export_list_columns, else every field of the queue's record headed
// by its name; records from browse when given, otherwise
// from the queue's entries), -1 the shared queue $GGG:XML_Q, -2 its special export with the
// settings of $GGG:SPEC_EKSPORT. An empty queue shows "Brak danych do eksportu."; the save
// dialog "Zapisz jako..." proposes "lista.csv" in $GGG:PATH (".csv" is appended when missing);
// cells are quoted, joined by the first character of option 30 (";" by default), numbers and
// dates re-formatted for a Polish spreadsheet. The file is replaced only by a whole export; a
// file that cannot be written shows the system's error text. Then the question whether to open
// the file in the system's program for it.
inline void EXPORT2EXCEL(const Browse* browse, const Queue& queue, std::int32_t list) {
  ::EXPORT2EXCEL(browse != nullptr ? browse->handle() : nullptr, queue.handle(), list);
}

// Downloads an exchange-rate table and hands it to the database. date 0 asks for the latest
// table, any other standard date for the table of that day. The utility library TEMIXutilKS
// is loaded from the folder $GLO:LOCALPATH for the call (README: "The utility library"); its
// rate text goes unchanged to "call TG_ImportKusowWalutNBP(flag,'TEXT')" (ECB:
// TG_ImportKusowWalutECB) on VAX_FK, whose first row gives the table's day. A progress window
// stands while it runs. Results:
//   1  imported; date now holds the table's day
//   2  the day's rates were already stored and the user answered "Tak" to fetching them again
//      (the caller repeats the call with the flag that replaces them)
//   0  nothing imported, after one warning (library or function missing, download failed,
//      database error) or the information "Na dzień DATE brak kursów walut w banku NBP."
//      (no table that day); silently when the utility library returned nothing.
// date is changed only on 1.
inline std::uint8_t POBIERZKURSYNBP(std::uint8_t flag, std::int32_t& date) {
  return ::POBIERZKURSYNBP(flag, &date);
}
inline std::uint8_t POBIERZKURSYECB(std::uint8_t flag, std::int32_t& date) {
  return ::POBIERZKURSYECB(flag, &date);
}

// Fills a group with a company's data from the company register (GUS). The utility library
// TEMIXutilKS is loaded from $GLO:LOCALPATH for the call; its PobierzGUSokno lets the user find
// the company, its PobierzGUSwartosc returns the data as XML (at most 49,999 characters), one
// child of the root element per field of the group in the group's order. The text is repaired
// ("&#046;" "&#045;" "&#044;" "&#041;" to ". - , )", each apostrophe to a grave accent, every
// "&" to "&amp;") and filled in by position as XMLDOGRUPY(text, group, 1) does. Results:
//   1  data came back and went to XMLDOGRUPY (which warns, and leaves the group untouched,
//      when the text is not well-formed XML)
//   0  nothing chosen (empty text, no message), or after the warning "Wystąpił błąd podczas
//      ładowania biblioteki TEMIXutilKS.dll" or "Wystąpił błąd podczas uruchamiania funkcji
//      importu danych z GUS." (an export missing); the group untouched.
// Through the C interface a null group gives 0 and loads nothing.
inline std::uint8_t PODAJDANEGUS(Group& group) {
  return ::PODAJDANEGUS(group.handle());
}

}  // namespace funkcja
