#include "host/dane/text_table.hpp"

#include <cerrno>
#include <system_error>
#include <utility>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/platform/env.hpp"

namespace funkcja::dane {

using namespace funkcja::literals;

TextTable::TextTable(std::string name, std::size_t line_capacity)
    : name_(std::move(name)), line_capacity_(line_capacity) {}

void TextTable::set_line(std::string_view line) {
  line_.assign(text::cut(line, line_capacity_));
}

void TextTable::fail(std::int32_t code, std::string message) {
  error_code_ = code;
  error_message_ = std::move(message);
  thread_error_status().set_error(code, error_message_);
}

void TextTable::fail_with_errno(int error) {
  std::int32_t code = kFileSystemError;
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      code = kPathNotFound;
      break;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      code = kAccessDenied;
      break;
    default:
      break;
  }
  fail(code, std::system_category().message(error));
}

void TextTable::succeed() {
  error_code_ = 0;
  error_message_.clear();
}

bool TextTable::close() {
  succeed();
  if (!file_) return true;
  const auto file = std::move(file_);
  const bool replace = added_ > 0 && !add_failed_;
  added_ = 0;
  add_failed_ = false;
  if (!replace) {
    file->abandon();
    return true;
  }
  int error = 0;
  if (!file->commit(error)) {
    fail_with_errno(error);
    return false;
  }
  return true;
}

bool TextTable::open(std::int32_t /*mode*/) {
  close();
  int error = 0;
  file_ = platform::Env::current().replace_file(file_name_, error);
  if (!file_) {
    fail_with_errno(error);
    return false;
  }
  return true;
}

bool TextTable::prepare(std::int32_t /*mode*/) {
  if (!file_) {
    fail(kFileNotOpen, std::string("Tabela nie jest otwarta: "_cp) + name_);
    return false;
  }
  succeed();
  return true;
}

bool TextTable::add() {
  if (!file_) {
    fail(kFileNotOpen, std::string("Tabela nie jest otwarta: "_cp) + name_);
    return false;
  }
  std::string record(text::clip(line_));
  record += "\r\n";
  int error = 0;
  if (!file_->write(record, error)) {
    add_failed_ = true;
    fail_with_errno(error);
    return false;
  }
  ++added_;
  succeed();
  return true;
}

}  // namespace funkcja::dane
