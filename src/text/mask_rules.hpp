// The two steps that turn a wildcard mask into the pieces SPR_MASKA walks.
//
//   normalise_mask("a?*b**c?")  -> "a*b*c?"
//   split_mask("a*b*c?")        -> "a" (anchored), "*b" (free), "*c" (free), "?"
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace funkcja::mask {

// A "?" next to a "*" disappears and runs of "*" collapse into one.
std::string normalise_mask(std::string_view mask);

enum class PieceKind {
  kQuestion,  // "?": one character that is not a blank
  kFree,      // "*" and a literal: the literal's first occurrence, anywhere ahead
  kAnchored,  // a literal that must come next
};

struct Piece {
  PieceKind kind;
  std::string_view literal;  // the characters to find, without the "*"; view into the mask
};

// The pieces of a normalised mask, in order. A run of blanks between two wildcards makes no
// piece of its own.
std::vector<Piece> split_mask(std::string_view mask);

}  // namespace funkcja::mask
