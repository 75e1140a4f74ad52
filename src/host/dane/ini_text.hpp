// The text of an INI file, read and changed line by line. Reading takes "[section]" headers and
// "key=value" lines (names compare without case and without surrounding blanks; lines starting
// with ";" are comments). Changing a value rewrites only that key's line, after its "=", and
// keeps every other byte of the file as it stood: comments, blank and odd lines, the case of
// keys, trailing blanks and line endings.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::dane::ini {

struct Entry {
  std::string key;
  std::string value;
};

// The value of key in section: the first such key in the file's blocks of that section.
std::optional<std::string> find(std::string_view content, std::string_view section,
                                std::string_view key);

// The content with each entry's value set in section. An existing key keeps its line with
// everything up to "=" untouched; a new key goes after the last line of the section's first
// block; a new section goes at the end. New lines take the file's own line ending. Line breaks
// inside a value become blanks: a value is one line.
std::string set(std::string_view content, std::string_view section,
                const std::vector<Entry>& entries);

}  // namespace funkcja::dane::ini
