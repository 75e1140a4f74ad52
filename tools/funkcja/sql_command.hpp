// `funkcja db init [--force]` and `funkcja sql "STATEMENT"`: the database commands of the
// command-line host, through the library's C interface.
#pragma once

#include <string>
#include <vector>

#include "host.hpp"

namespace funkcja::cli {

// db init [--force]: creates the demo database at url (empty: the library's default).
int db_command(const Host& host, const std::string& url, const std::vector<std::string>& words);

// sql "STATEMENT": runs one statement through the gateway's connection and prints its rows,
// one line each, columns separated by a tab; a failure prints the database's message.
int sql_command(const Host& host, const std::vector<std::string>& words);

}  // namespace funkcja::cli
