// The chosen entity as the XML text that PobierzGUSwartosc hands to the library: one child of
// the root element per field of the host's contractor group, in this order:
//
//    1 nazwa            full name              10 nr_lokalu        flat number
//    2 nazwa_skrocona   short name (else name) 11 poczta           post office
//    3 nip              NIP                    12 gmina            commune
//    4 regon            REGON (9 or 14 digits) 13 powiat           county
//    5 krs              KRS number, if any     14 wojewodztwo      voivodeship
//    6 kod_pocztowy     postcode NN-NNN        15 kraj             country
//    7 miejscowosc      town                   16 telefon          phone
//    8 ulica            street                 17 email            e-mail
//    9 nr_domu          house number           18 www              web address
//
// <kontrahent><nazwa>...</nazwa>...<www>...</www></kontrahent>, code page 1250, no declaration.
//
// The values are the register's texts, taken from the full report where it has them and from
// the search row otherwise. The text uses no entity: "&", apostrophes and double quotes are
// left as they are, because the library escapes and repairs the text itself before it parses
// it; a "<" (which could not be written otherwise) becomes "‹"; control characters are left
// out, and a character code page 1250 lacks becomes "?".
#pragma once

#include <string>
#include <string_view>

#include "gus_client.hpp"

namespace utilks::gus {

inline constexpr int kContractorFields = 18;

// searched_krs: the KRS number the user searched by (10 digits), or empty.
std::string contractor_xml(const Fields& found, const Fields& report,
                           std::string_view searched_krs);

// UTF-8 to code page 1250 for the library: a character the code page lacks becomes "?".
std::string to_cp1250(std::string_view utf8);
std::string to_utf8(std::string_view cp1250);

}  // namespace utilks::gus
