// The embedded database backend: statements of the server's dialect are translated (once, then
// cached), prepared (kept per connection for reuse) and run on a SQLite file that holds UTF-8
// text; "CALL name(args)" runs a stored procedure of the embedded database.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/dane/database.hpp"

namespace funkcja::sqlite {

// Opens the database file at path, creating the schema and the demo data in a new or empty
// file. A file that holds another program's tables is refused and left as it is; a database
// that may only be read is opened for reading. nullptr with error (code page 1250, naming the
// file and the reason) on failure.
std::unique_ptr<dane::Connection> open_connection(const std::string& path, std::string& error);

// True, with error (code page 1250), when another connection has the database at path open or
// locked, so that it must not be replaced.
bool database_in_use(const std::string& path, std::string& error);

// Removes the database file and its journal files; false when one could not be removed.
bool remove_database_files(const std::string& path);

// The schema and demo data scripts built into the library.
std::string_view schema_script();
std::string_view demo_script();

}  // namespace funkcja::sqlite
