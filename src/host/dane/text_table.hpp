// The text table TXT: a file of lines, one record (a line of text) per line, written through
// its access manager's calls: close, open, prepare for adding, add, close. Each fails as the
// file would, with an error code and the system's error text.
//
// What is added between an open and the next close replaces the file at that close, through a
// temporary file and a rename: a close without adds, or after a failed add, leaves the file as
// it was, and an export that fails halfway never leaves a half-written file. Every host thread
// has its own instance (thread_tables()), with its own file name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/dane/framework.hpp"
#include "host/platform/replacing_file.hpp"

namespace funkcja::dane {

// Error codes of the text table, as the runtime numbers them.
inline constexpr std::int32_t kPathNotFound = 3;      // the folder is missing
inline constexpr std::int32_t kAccessDenied = 5;      // read-only folder, a folder in the way
inline constexpr std::int32_t kFileNotOpen = 37;      // added to a table that is not open
inline constexpr std::int32_t kFileSystemError = 90;  // any other failure of the file

class TextTable {
 public:
  TextTable(std::string name, std::size_t line_capacity);

  const std::string& name() const { return name_; }
  FILEMANAGER& manager() { return manager_; }

  void set_file_name(std::string_view path) { file_name_.assign(path); }
  const std::string& file_name() const { return file_name_; }

  // The record: the line the next add writes, cut to the line's capacity.
  void set_line(std::string_view line);
  const std::string& line() const { return line_; }

  // Ends the file: after adds, and no failed one, the new content replaces the file (false
  // when that fails, the old file untouched); otherwise the file stays as it was.
  bool close();
  // Opens the file named by set_file_name for writing; false when it cannot be (a missing or
  // read-only folder, a folder of that name). An open table is closed first, as by close().
  bool open(std::int32_t mode = 0x22);
  // Prepares the open table for adding records (mode 2): what is added replaces the file.
  bool prepare(std::int32_t mode);
  // The record as the next line (trailing blanks removed, Windows line end).
  bool add();

  bool is_open() const { return file_ != nullptr; }
  std::int32_t error_code() const { return error_code_; }
  const std::string& error_message() const { return error_message_; }

 private:
  void fail(std::int32_t code, std::string message);
  void fail_with_errno(int error);
  void succeed();

  std::string name_;
  std::size_t line_capacity_;
  FILEMANAGER manager_;
  std::string file_name_;
  std::string line_;
  std::unique_ptr<platform::ReplacingFile> file_;
  std::size_t added_ = 0;
  bool add_failed_ = false;
  std::int32_t error_code_ = 0;
  std::string error_message_;
};

}  // namespace funkcja::dane
