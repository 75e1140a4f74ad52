// The SQL-to-XML writer: a stored procedure's rows (line kind, tag name, value) turned into the
// lines of an XML file in code page 1250 that begins with the declaration line. Nothing is
// escaped or checked: the procedure answers for well-formed content.
#pragma once

#include <string>
#include <string_view>

namespace funkcja::exchange {

inline constexpr std::string_view kXmlDeclaration =
    R"(<?xml version="1.0" encoding="windows-1250"?>)";

// Builds one output line per row. The kind is compared in lower case:
//   start-tag  <name>          end-tag  </name>
//   element    <name>value</name>      xml      the value itself
// Any other kind repeats the line built last (an empty line before the first).
class XmlLines {
 public:
  const std::string& line(std::string_view kind, std::string_view name, std::string_view value);

 private:
  std::string line_;
};

// Runs "call " + call on the calling thread's XMLTABLE and writes the lines to file_name (the
// file is replaced, never appended to). Shows "Wykonano eksport do pliku." when all went well;
// the file cannot be created: "Wystąpił błąd otwarcia pliku."; a line cannot be written:
// "Wystąpił błąd zapisu do pliku."; the statement fails: the server's message as a warning.
// Only a fully written export replaces the file; otherwise the old one stays as it was.
// Calls from several threads run one after another.
void SQL2XMLWRITER_WATEK(std::string_view call, std::string_view file_name);

// The same rows into the calling thread's text table TXT, with its progress messages.
void SQL2XMLWRITER_TG(std::string_view call, std::string_view file_name);

}  // namespace funkcja::exchange
