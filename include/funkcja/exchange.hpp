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
