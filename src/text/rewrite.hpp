// The replace loop behind STR_REPLACE and STR_REPLACEUPPER: replace the first occurrence,
// search again from the first character, replace again, up to a number of passes, the text
// held in a buffer of fixed capacity.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace funkcja::text {

// How the search compares bytes: exactly, or by their upper-case forms (text/case.hpp).
enum class Match { exact, ignore_case };

// Repeats at most max_passes times: find the first occurrence of `find` in the text (searching
// from position 1); stop if there is none; otherwise rebuild the text as the part before it,
// the replacement and the part after it, and cut the result to `capacity` characters.
//
// A replacement may create new occurrences, also in front of itself, and they are found by the
// next pass exactly as a fresh search from position 1 would find them. The work is linear in
// the characters that pass through the buffer, not in passes times text length: a pass that
// replaced at position p can only find its next first occurrence at or after
// p - find.size() + 1, because everything before that is unchanged and held no occurrence.
//
// REQUIRES: find is not empty. The text is cut to `capacity` first.
std::string replace_first_repeatedly(std::string_view text, std::string_view find,
                                     std::string_view replacement, std::size_t capacity,
                                     std::size_t max_passes, Match match);

}  // namespace funkcja::text
