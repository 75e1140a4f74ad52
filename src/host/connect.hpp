// Choosing the database: a URL names the backend and the place, e.g. "sqlite:/srv/fk.db".
// Backends register under their scheme; opening a URL installs that backend's connection
// factory, so every host thread gets its own connection to the same database. Without an
// explicit choice the library uses its default database, a file under the user's data folder
// ($XDG_DATA_HOME/funkcja/funkcja.db or ~/.local/share/funkcja/funkcja.db), created with the
// schema and the demo data on first use.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/dane/database.hpp"

namespace funkcja::database {

// Opens one connection to the place named after the scheme; nullptr with error on failure.
using Opener =
    std::function<std::unique_ptr<dane::Connection>(const std::string& place, std::string& error)>;

// Makes a backend available under a scheme ("sqlite", later "odbc").
void register_backend(std::string scheme, Opener opener);

// Opens url (empty: the default database) on the calling thread and makes it every thread's
// database. Loads the database's default session into the session globals when the host has
// set none (no company and no user). False with error (code page 1250) on failure; the
// database in use then stays as it was.
bool open(std::string_view url, std::string& error);

// Creates the demo database at url (empty: the default): refuses an existing database unless
// force, which replaces it. The database in use is not changed.
bool init(std::string_view url, bool force, std::string& error);

std::string default_url();
std::string current_url();  // the URL in use (the default until open() succeeds)

}  // namespace funkcja::database
