#include "exchange/xml_screen.hpp"

#include <algorithm>
#include <cstdint>

namespace funkcja::exchange {
namespace {

// Characters XML allows: tab, line feed, carriage return and everything from the blank up.
// Every byte from 0x80 up is a character of code page 1250 (or a C1 control, which XML 1.0
// allows).
bool allowed_byte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 || byte == '\t' || byte == '\n' || byte == '\r';
}

bool blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool allowed_code_point(std::uint32_t cp) {
  return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
         (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
}

int digit_value(char c, bool hex) {
  if (c >= '0' && c <= '9') return c - '0';
  if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A reference at text[pos] == '&': a character reference to an allowed character or one of
// the five predefined entities (with no document type declaration no other entity exists).
// Advances pos past the ";".
bool reference(std::string_view text, std::size_t& pos) {
  std::size_t i = pos + 1;
  if (i < text.size() && text[i] == '#') {
    ++i;
    const bool hex = i < text.size() && text[i] == 'x';
    if (hex) ++i;
    std::uint32_t value = 0;
    std::size_t digits = 0;
    for (int d; i < text.size() && (d = digit_value(text[i], hex)) >= 0; ++i, ++digits) {
      value = std::min<std::uint32_t>(value * (hex ? 16 : 10) + d, 0x110000);
    }
    if (digits == 0 || i >= text.size() || text[i] != ';' || !allowed_code_point(value)) {
      return false;
    }
    pos = i + 1;
    return true;
  }
  for (const std::string_view name : {"amp;", "lt;", "gt;", "quot;", "apos;"}) {
    if (text.substr(i, name.size()) == name) {
      pos = i + name.size();
      return true;
    }
  }
  return false;
}

// True when the processing instruction at the start of text is the XML declaration: its
// target is "xml" in any case, a name the declaration alone may use.
bool declaration(std::string_view text) {
  if (text.size() < 6) return false;
  const auto lower = [&](std::size_t i) { return static_cast<char>(text[i] | 0x20); };
  return lower(2) == 'x' && lower(3) == 'm' && lower(4) == 'l' &&
         (blank(text[5]) || text[5] == '?');
}

// Moves pos past the first "end" at or after from; false when there is none.
bool skip_past(std::string_view text, std::size_t from, std::string_view end, std::size_t& pos) {
  const std::size_t at = text.find(end, from);
  if (at == std::string_view::npos) return false;
  pos = at + end.size();
  return true;
}

}  // namespace

bool passes_screen(std::string_view xml) {
  if (xml.size() > kMaxXmlBytes) return false;
  if (!std::all_of(xml.begin(), xml.end(), allowed_byte)) return false;

  std::size_t depth = 0;  // open elements
  bool root_seen = false;
  std::size_t pos = 0;
  while (pos < xml.size()) {
    const char c = xml[pos];
    if (c == '&') {
      if (depth == 0 || !reference(xml, pos)) return false;
      continue;
    }
    if (c != '<') {
      if (depth == 0 && !blank(c)) return false;  // text outside the root element
      if (c == ']' && xml.substr(pos, 3) == "]]>") return false;
      ++pos;
      continue;
    }
    const std::string_view rest = xml.substr(pos);
    if (rest.starts_with("<!--")) {
      // A comment ends at the first "--", which must be followed by ">".
      if (!skip_past(xml, pos + 4, "--", pos) || pos >= xml.size() || xml[pos] != '>') {
        return false;
      }
      ++pos;
    } else if (rest.starts_with("<![CDATA[")) {
      if (depth == 0 || !skip_past(xml, pos + 9, "]]>", pos)) return false;
    } else if (rest.starts_with("<!")) {
      return false;  // a document type declaration, or markup that is not XML
    } else if (rest.starts_with("<?")) {
      if (pos != 0 && declaration(rest)) return false;  // a declaration only opens the text
      if (!skip_past(xml, pos + 2, "?>", pos)) return false;
    } else if (rest.starts_with("</")) {
      if (depth == 0 || !skip_past(xml, pos + 2, ">", pos)) return false;
      --depth;
    } else {
      if (depth == 0 && root_seen) return false;  // a second root element
      root_seen = true;
      // The start tag runs to the first ">" outside a quoted attribute value.
      char quote = 0;
      char last = 0;  // the last character outside quotes before the ">"
      ++pos;
      for (;;) {
        if (pos >= xml.size()) return false;
        const char t = xml[pos];
        if (quote != 0) {
          if (t == quote) {
            quote = 0;
          } else if (t == '<') {
            return false;
          } else if (t == '&') {
            if (!reference(xml, pos)) return false;
            continue;
          }
        } else if (t == '"' || t == '\'') {
          quote = t;
        } else if (t == '>') {
          break;
        } else if (t == '<') {
          return false;
        }
        last = t;
        ++pos;
      }
      ++pos;
      if (last != '/' && ++depth > kMaxXmlDepth) return false;
    }
  }
  return root_seen && depth == 0;
}

}  // namespace funkcja::exchange
