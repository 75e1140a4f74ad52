// C++ interface: strings procedures.
//
// Search, cut and replace on code page 1250 text. Every procedure is a pure function of its
// arguments. Texts are read into working buffers of fixed capacity (given with each
// procedure); a text that would exceed a capacity is cut there without notice. To clip is to
// drop trailing blanks; positions are 1-based and 0 means not found. A one-character argument
// is the first character of the clipped argument, or a blank when that is empty.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

// ---- Replacing ---------------------------------------------------------------------------

// Replaces every occurrence of find, each search starting again at position 1 (so text made
// by a replacement is searched too), at most 1000 times. Text, find and replacement are
// clipped (capacities 5000, 100, 100); the text is cut to 5000 after every replacement. An
// empty find, or a find equal to the replacement, returns the clipped text. Runs in linear
// time however often replacements are searched again.
inline std::string STR_REPLACE(std::string_view text, std::string_view find,
                               std::string_view replacement) {
  return c_api::string(
      ::STR_REPLACE(c_api::text(text), c_api::text(find), c_api::text(replacement)));
}

// As STR_REPLACE, but the search compares upper-case forms (ASCII and Polish letters); the
// replacement goes into the text as it stands, so other characters keep their case.
inline std::string STR_REPLACEUPPER(std::string_view text, std::string_view find,
                                    std::string_view replacement) {
  return c_api::string(
      ::STR_REPLACEUPPER(c_api::text(text), c_api::text(find), c_api::text(replacement)));
}

// The same result as STR_REPLACE.
inline std::string TG_REPLACE(std::string_view text, std::string_view find,
                              std::string_view replacement) {
  return c_api::string(
      ::TG_REPLACE(c_api::text(text), c_api::text(find), c_api::text(replacement)));
}

// Replaces the first occurrence only; text clipped to 4000, find and replacement to 100.
inline std::string ZAMIEN_WYRAZENIE(std::string_view text, std::string_view find,
                                    std::string_view replacement) {
  return c_api::string(
      ::ZAMIEN_WYRAZENIE(c_api::text(text), c_api::text(find), c_api::text(replacement)));
}

// Replaces the first occurrence of find, all three taken as passed (nothing is clipped). An
// empty find returns the text unchanged.
inline std::string REPLACEPROC(std::string_view text, std::string_view find,
                               std::string_view replacement) {
  return c_api::string(
      ::REPLACEPROC(c_api::text(text), c_api::text(find), c_api::text(replacement)));
}

// Replaces every occurrence of find (as passed) in one pass from left to right: inserted
// replacements are never searched again. Every "@@##@@$$" in the input is replaced as well.
// The text is read and the result kept up to 49 999 characters; an empty find returns the text.
inline std::string REPLACEPROC2(std::string_view text, std::string_view find,
                                std::string_view replacement) {
  return c_api::string(
      ::REPLACEPROC2(c_api::text(text), c_api::text(find), c_api::text(replacement)));
}

// Replaces every copy of one character in the clipped text (capacity 4000) by the clipped
// replacement of at most 2 characters; an empty replacement deletes the character.
inline std::string ZAMIEN_ZNAK(std::string_view text, std::string_view character,
                               std::string_view replacement) {
  return c_api::string(
      ::ZAMIEN_ZNAK(c_api::text(text), c_api::text(character), c_api::text(replacement)));
}

// A wildcard mask as an SQL like pattern: "*" becomes "%", "?" becomes "_". Not clipped;
// capacity 200.
inline std::string ZAMIEN_ZNAKI(std::string_view mask) {
  return c_api::string(::ZAMIEN_ZNAKI(c_api::text(mask)));
}

// Replaces every apostrophe of the clipped text (capacity 1000) by one character.
inline std::string ZAMIEN_SKOBKI(std::string_view text, std::string_view replacement) {
  return c_api::string(::ZAMIEN_SKOBKI(c_api::text(text), c_api::text(replacement)));
}

// ---- Counting and locating -----------------------------------------------------------------

// Non-overlapping occurrences of the clipped substring (capacity 100) in the clipped text
// (capacity 500); 0 when either is empty.
inline int32_t LICZBA_WYSTAPIEN(std::string_view substring, std::string_view text) {
  return ::LICZBA_WYSTAPIEN(c_api::text(substring), c_api::text(text));
}

// Position of the n-th non-overlapping occurrence, as LICZBA_WYSTAPIEN counts them; 0 when
// there are fewer, when n <= 0, or when either clipped argument is empty.
inline int32_t STR_POZYCJA_WYSTAPIENIA(std::string_view substring, std::string_view text,
                                       int32_t n) {
  return ::STR_POZYCJA_WYSTAPIENIA(c_api::text(substring), c_api::text(text), n);
}

// How many characters of the clipped text (capacity 3000) equal the one character.
inline int32_t STR_WYSTAPIENIE_ZNAKU(std::string_view text, std::string_view character) {
  return ::STR_WYSTAPIENIE_ZNAKU(c_api::text(text), c_api::text(character));
}

// ---- Cutting -------------------------------------------------------------------------------

// Field number `field` (a whole number written as text) of the comma-separated text, blanks
// around the text removed; capacity 199. Empty for a field number that is not a whole number
// of at least 1, and for a field beyond the last.
inline std::string WYTNIJ_STR(std::string_view text, std::string_view field) {
  return c_api::string(::WYTNIJ_STR(c_api::text(text), c_api::text(field)));
}

// The text (as passed, capacity 4000) before the n-th occurrence of the first character of
// `character` (a blank when empty); the whole text when it occurs fewer than n times.
inline std::string STRING_WYTNIJ_DO(std::string_view text, std::string_view character, int32_t n) {
  return c_api::string(::STRING_WYTNIJ_DO(c_api::text(text), c_api::text(character), n));
}

// The start of the clipped text (capacity 500) that fits in `width`, cut after a delimiter
// where one lies within the width, else after the last blank when fewer than 14 characters
// follow it. A width of 0 or less gives an empty result.
inline std::string STRING_CUT(std::string_view text, int32_t width, std::string_view delimiter) {
  return c_api::string(::STRING_CUT(c_api::text(text), width, c_api::text(delimiter)));
}

// The clipped text (capacity 300) with the clipped separator (capacity 19, a blank when empty)
// after every `size` characters, never at the end; the result holds at most 300 characters.
inline std::string STRING_GRUPUJ(std::string_view text, int32_t size, std::string_view separator) {
  return c_api::string(::STRING_GRUPUJ(c_api::text(text), size, c_api::text(separator)));
}

// The text (as passed, capacity 2000) in reverse order.
inline std::string STRING_ODWROC(std::string_view text) {
  return c_api::string(::STRING_ODWROC(c_api::text(text)));
}

// The clipped text repeated count times, as many whole copies as fit in 255 characters.
inline std::string STR_REPLICATE(std::string_view text, int32_t count) {
  return c_api::string(::STR_REPLICATE(c_api::text(text), count));
}

}  // namespace funkcja
