// The two steps that turn a wildcard mask into the pieces SPR_MASKA walks.
//
//   normalise_mask("a?*b**c?")  -> "a*b*c?"
//   split_mask("a*b*c?")        -> "a" (anchored), "*b" (free), "*c" (free), "?"
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace funkcja::mask {

// Value and mask are read into buffers of 100 characters.
inline constexpr std::size_t kCapacity = 100;

// A "?" next to a "*" disappears and runs of "*" collapse into one.
std::string normalise_mask(std::string_view mask);

// Whether normalise_mask would change the mask: some wildcards stand side by side.
bool needs_normalising(std::string_view mask);

enum class PieceKind {
  kQuestion,  // "?": one character that is not a blank
  kFree,      // "*" and a literal: the literal's first occurrence, anywhere ahead
  kAnchored,  // a literal that must come next
};

// A plain aggregate, so that a list of them is not cleared before it is filled.
struct Piece {
  PieceKind kind;
  const char* data;  // the characters to find, without the "*": a place in the mask
  std::size_t size;

  std::string_view literal() const { return {data, size}; }
};

// Every piece takes at least one character of the mask, so a mask of kCapacity characters
// makes at most kCapacity pieces: the list lives on the stack, without allocation.
struct PieceList {
  std::array<Piece, kCapacity> items;
  std::size_t size = 0;
};

// The pieces of a normalised mask (of which the first kCapacity characters are read), in
// order. A run of blanks between two wildcards makes no piece of its own.
PieceList split_mask(std::string_view mask);

}  // namespace funkcja::mask
