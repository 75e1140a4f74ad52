// The seam between the query tables and a database. A backend (the embedded database, or a
// server reached through a client library) implements Connection; each host thread gets its
// own connection from the installed factory the first time one of its tables sends a
// statement.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::dane {

// One column value of a row as code page 1250 text; nothing for SQL NULL.
using Row = std::vector<std::optional<std::string>>;

class Cursor {
 public:
  virtual ~Cursor() = default;
  // The next row into row: true; false at the end, or on an error with error filled in.
  virtual bool next(Row& row, std::string& error) = 0;
  // The next row where the cursor keeps it, valid until the next call; nullptr at the end or
  // on an error (error filled in). A cursor that holds its rows already lends them out here
  // instead of handing each over by a move that frees the row read before.
  virtual const Row* fetch(std::string& error) { return next(row_, error) ? &row_ : nullptr; }

 private:
  Row row_;
};

class Connection {
 public:
  virtual ~Connection() = default;
  // Runs a statement (code page 1250 text in the server's dialect). Its rows, if any, come
  // from the cursor; on failure nothing is returned and error holds the database's message.
  virtual std::unique_ptr<Cursor> execute(std::string_view statement, std::string& error) = 0;
};

using ConnectionFactory = std::function<std::unique_ptr<Connection>()>;

// Installs the factory that opens each thread's connection (none: statements fail). Threads
// that already hold a connection keep it until close_thread_connection() or their end.
void set_connection_factory(ConnectionFactory factory);

// The calling thread's connection, opened on first use; nullptr when none can be had.
Connection* thread_connection();
void close_thread_connection();

}  // namespace funkcja::dane
