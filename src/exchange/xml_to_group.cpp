#include "exchange/xml_to_group.hpp"

#include <pugixml.hpp>

#include <memory>
#include <new>
#include <string>
#include <unordered_map>

#include "exchange/xml_screen.hpp"
#include "frame/cp1250.hpp"
#include "frame/cp_literal.hpp"
#include "host/dane/handles.hpp"
#include "host/system_messages.hpp"

namespace funkcja::exchange {
namespace {

using namespace funkcja::literals;

// The document as a DOM loads it from a string: comments and processing instructions are
// nodes, text of blanks alone is not, the five entities and character references are
// resolved, line ends become line feeds.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_pi;

// A value the parser gives (UTF-8) as code page 1250. A character the code page lacks (it can
// arrive only through a character reference) becomes "?", as Windows writes it.
std::string to_cp1250(const char* utf8) {
  const std::string_view text(utf8);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto cp = cp1250::decode_utf8(text, pos);
    if (!cp) {
      out.push_back('?');
      ++pos;
      continue;
    }
    out.push_back(static_cast<char>(cp1250::from_unicode(*cp).value_or('?')));
  }
  return out;
}

// The value of a node as the DOM gives it: texts, CDATA sections, comments and processing
// instructions have one; an element has none.
bool has_value(const pugi::xml_node& node) {
  switch (node.type()) {
    case pugi::node_pcdata:
    case pugi::node_cdata:
    case pugi::node_comment:
    case pugi::node_pi:
      return true;
    default:
      return false;
  }
}

// Field n receives the value of the element's first child when it has one; otherwise the
// field stays as cleared.
void fill_from_element(dane::Group& group, std::size_t n, const pugi::xml_node& element) {
  const pugi::xml_node first = element.first_child();
  if (has_value(first)) group.set(n, to_cp1250(first.value()));
}

// Child k of the root into field k; every child node counts. An element or a text with no
// field of its number ends the walk; comments and processing instructions are passed over.
void fill_by_position(const pugi::xml_node& root, dane::Group& group) {
  std::size_t number = 0;
  for (const pugi::xml_node& child : root.children()) {
    ++number;
    const pugi::xml_node_type type = child.type();
    const bool element = type == pugi::node_element;
    const bool text = type == pugi::node_pcdata || type == pugi::node_cdata;
    if (!element && !text) continue;
    if (number > group.field_count()) return;
    if (element) {
      fill_from_element(group, number, child);
    } else {
      group.set(number, to_cp1250(child.value()));
    }
  }
}

// Each child element into the field whose name (after its prefix, in upper case) equals the
// element's name in upper case; the first such field when several share a name.
void fill_by_name(const pugi::xml_node& root, dane::Group& group) {
  std::unordered_map<std::string, std::size_t> fields;
  for (std::size_t n = group.field_count(); n >= 1; --n) {
    fields[dane::Group::key_of(group.field_spec(n).name)] = n;
  }
  for (const pugi::xml_node& child : root.children()) {
    if (child.type() != pugi::node_element) continue;
    // An element name is compared whole: a ":" in it is part of the name, not a prefix.
    const auto field = fields.find(dane::Group::key_of(":" + to_cp1250(child.name())));
    if (field != fields.end()) fill_from_element(group, field->second, child);
  }
}

}  // namespace

void XMLDOGRUPY(std::string_view xml, dane::Group& group, std::uint8_t positional) {
  // The text the parser works in; it must outlive the document, which points into it.
  std::string utf8;
  std::unique_ptr<pugi::xml_document> document;
  pugi::xml_parse_result loaded;
  const bool screened = passes_screen(xml);
  try {
    document = std::make_unique<pugi::xml_document>();
    if (screened) {
      utf8 = cp1250::cp1250_to_utf8(xml);
      // The text is taken as UTF-8 whatever its declaration says, as a DOM takes a string.
      loaded = document->load_buffer_inplace(utf8.data(), utf8.size(), kParseOptions,
                                             pugi::encoding_utf8);
    }
  } catch (const std::bad_alloc&) {
    loaded.status = pugi::status_out_of_memory;
  }
  // Without memory for the document there is no document to load into.
  if (loaded.status == pugi::status_out_of_memory) {
    system_messages::warning("Błąd inicjacji obiektu XMLDOC!"_cp);
    return;
  }
  if (!screened || !loaded) {
    system_messages::warning("Błąd ładowania definicji XML!"_cp);
    return;
  }
  // The nodes are plain memory, not COM objects: reading them cannot fail, so the walk has no
  // error of its own to report. A process-wide group stays locked while it is cleared and
  // filled, but not while a message is shown.
  const dane::Hold lock = dane::hold(&group);
  group.clear();
  const pugi::xml_node root = document->document_element();
  if (positional == 1) {
    fill_by_position(root, group);
  } else {
    fill_by_name(root, group);
  }
}

}  // namespace funkcja::exchange
