// A browse object of the host: one statement, run on the calling thread's connection, whose
// records are fetched one by one and copied into a queue's buffer. The C interface hands it
// over as fk_browse (funkcja/c/objects.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/dane/database.hpp"
#include "host/dane/queue.hpp"

namespace funkcja::dane {

class Browse {
 public:
  explicit Browse(std::string_view statement) : statement_(statement) {}

  const std::string& statement() const { return statement_; }

  // Runs the statement from the start; false when it failed (error() says why).
  bool reset();
  // kNoError when a record was fetched, kNoMoreRows at the end or before any reset,
  // kDatabaseError when the database failed while reading.
  std::int32_t next();
  // The fetched record into the queue's buffer, column i into field i; false when no record is
  // fetched. A queue of texts grows its buffer to the columns; a NULL becomes an empty or zero
  // value, and so does a field beyond the last column.
  bool copy(Queue& queue) const;

  const std::string& error() const { return error_; }
  std::size_t position() const { return position_; }

 private:
  std::string statement_;
  std::unique_ptr<Cursor> cursor_;
  Row row_;
  bool fetched_ = false;
  std::size_t position_ = 0;
  std::string error_;
};

}  // namespace funkcja::dane
