// Polish text rules of the embedded database: case folding of code page 1250 letters, the
// ordering of a Polish case-insensitive collation, and the fast conversions between the
// database's UTF-8 and the library's code page 1250.
//
// Order: a ą b c ć d e ę f g h i j k l ł m n ń o ó p q r s ś t u v w x y z ź ż; case is ignored
// and so are trailing blanks, so "Łódź " equals "łÓDŹ" and sorts after "Lublin".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace funkcja::sqlite {

// Upper and lower case of one code page 1250 byte (letters only; others unchanged).
unsigned char upper_cp(unsigned char c);
unsigned char lower_cp(unsigned char c);
std::string upper_text(std::string_view cp1250);
std::string lower_text(std::string_view cp1250);

// Collation weight of a code page 1250 byte: equal for the two cases of a letter.
std::uint16_t weight_cp(unsigned char c);

// Compares two code page 1250 texts by the Polish collation: <0, 0, >0.
int compare_cp(std::string_view a, std::string_view b);

// Compares two UTF-8 texts by the Polish collation (characters outside code page 1250 sort
// after every letter, by code point).
int compare_utf8(std::string_view a, std::string_view b);

// UTF-8 of the database to code page 1250; a character the code page lacks, or a malformed
// sequence, becomes '?'.
std::string utf8_to_cp(std::string_view utf8);
void append_utf8_as_cp(std::string& out, std::string_view utf8);
// Code page 1250 to UTF-8.
std::string cp_to_utf8(std::string_view cp1250);

}  // namespace funkcja::sqlite
