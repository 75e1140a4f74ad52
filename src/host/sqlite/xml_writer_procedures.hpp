// Stored procedures of the embedded database that build XML documents as rows for the XML
// writer: one row a line, with its kind, tag name and value.
#pragma once

#include <string_view>
#include <vector>

#include "host/sqlite/session.hpp"

namespace funkcja::sqlite {

// TG_XML_DEKLARACJA(company, year): a declaration's header and the company as its subject.
Rows xml_deklaracja(Session& s, const std::vector<CallArg>& a);
// TG_XML_WIERSZE(count): a document of count elements <Wiersz>n</Wiersz>, for measuring the
// writer.
Rows xml_wiersze(Session& s, const std::vector<CallArg>& a);

// Whether name is one of the procedures above (they only read), in any case.
bool xml_document_procedure(std::string_view name);

}  // namespace funkcja::sqlite
