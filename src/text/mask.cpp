// Wildcard mask matching without backtracking.
//
//   SPR_MASKA("abcd", "abc")   -> 0   characters after a final literal are accepted
//   SPR_MASKA("acxcy", "a*c?") -> 1   "*c" takes the first c; the final "?" leaves "y" over
//   SPR_MASKA("a b", "a?b")    -> 1   "?" never matches a blank
#include <cstddef>

#include "frame/text_rules.hpp"
#include "text/mask_rules.hpp"
#include "text/procedures.hpp"

namespace funkcja {
namespace mask {
namespace {

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool is_blank(std::string_view s) {
  return text::clip(s).empty();
}

}  // namespace

bool needs_normalising(std::string_view mask) {
  return contains(mask, "?*") || contains(mask, "*?") || contains(mask, "**");
}

std::string normalise_mask(std::string_view mask) {
  std::string m(mask);
  // Each replacement of the first occurrence shortens the mask, so both loops end within its
  // length.
  while (contains(m, "?*") || contains(m, "*?")) {
    m = text::ZAMIEN_WYRAZENIE(m, "?*", "*");
    m = text::ZAMIEN_WYRAZENIE(m, "*?", "*");
  }
  while (contains(m, "**")) m = text::ZAMIEN_WYRAZENIE(m, "**", "*");
  return m;
}

PieceList split_mask(std::string_view mask) {
  mask = text::cut(mask, kCapacity);
  PieceList pieces;
  const auto push = [&](PieceKind kind, std::string_view literal) {
    pieces.items[pieces.size++] = {kind, literal.data(), literal.size()};
  };
  std::size_t start = 0;  // the current piece is mask[start, i)
  const auto flush = [&](std::size_t end) {
    const std::string_view piece = mask.substr(start, end - start);
    if (is_blank(piece)) return;
    if (piece.front() == '*') {
      push(PieceKind::kFree, piece.substr(1));
    } else {
      push(PieceKind::kAnchored, piece);
    }
  };
  for (std::size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '?') {
      flush(i);
      push(PieceKind::kQuestion, {});
      start = i + 1;
    } else if (mask[i] == '*') {
      flush(i);
      start = i;
    }
  }
  flush(mask.size());
  return pieces;
}

}  // namespace mask

namespace text {

std::uint8_t SPR_MASKA(std::string_view value, std::string_view mask_text) {
  constexpr std::uint8_t kFits = 0;
  constexpr std::uint8_t kDoesNotFit = 1;
  std::string_view rest = text::clip_to(value, mask::kCapacity);
  const std::string_view clipped_mask = text::clip_to(mask_text, mask::kCapacity);
  if (clipped_mask.empty()) return kFits;

  // Most masks have no wildcards side by side and are walked as they are, without a copy.
  std::string normalised;
  std::string_view walked = clipped_mask;
  if (mask::needs_normalising(walked)) {
    normalised = mask::normalise_mask(walked);
    walked = normalised;
  }
  const mask::PieceList pieces = mask::split_mask(walked);
  for (std::size_t i = 0; i < pieces.size; ++i) {
    const mask::Piece& piece = pieces.items[i];
    switch (piece.kind) {
      case mask::PieceKind::kQuestion:
        if (rest.empty() || rest.front() == text::kBlank) return kDoesNotFit;
        rest.remove_prefix(1);
        if (i + 1 == pieces.size && !rest.empty()) return kDoesNotFit;
        break;
      case mask::PieceKind::kFree: {
        // A final "*" (or "*" with only blanks after it) accepts whatever remains.
        if (mask::is_blank(piece.literal())) return kFits;
        const std::size_t at = rest.find(piece.literal());
        if (at == std::string_view::npos) return kDoesNotFit;
        rest.remove_prefix(at + piece.literal().size());
        break;
      }
      case mask::PieceKind::kAnchored:
        if (!rest.starts_with(piece.literal())) return kDoesNotFit;
        rest.remove_prefix(piece.literal().size());
        break;
    }
  }
  return kFits;
}

}  // namespace text
}  // namespace funkcja
