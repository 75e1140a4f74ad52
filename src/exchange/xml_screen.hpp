// The checks an XML text passes before it reaches the parser, so that hostile input is refused
// quickly and without building a document: a size limit, a nesting limit, no document type
// declaration (no entity expansion, no external entities), and the points of well-formedness
// that the parser itself lets through (a bare "&" or an undefined entity, "<" in an attribute
// value, a second root element, text outside the root, control characters).
#pragma once

#include <cstddef>
#include <string_view>

namespace funkcja::exchange {

// The largest text accepted, in bytes. A record group's data is a few kilobytes; 4 MiB leaves
// room for any honest document and keeps a hostile one from costing much.
inline constexpr std::size_t kMaxXmlBytes = 4 * 1024 * 1024;
// The deepest nesting accepted, the root element being level 1 (the platform DOM's default).
inline constexpr std::size_t kMaxXmlDepth = 256;

// True when the text (code page 1250) may be handed to the parser. Runs in one pass, without
// recursion, in time proportional to the text.
bool passes_screen(std::string_view xml);

}  // namespace funkcja::exchange
