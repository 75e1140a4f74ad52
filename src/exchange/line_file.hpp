// A text file of lines as the exports write it: each line clipped of trailing blanks and cut to
// the record's capacity, ended with a Windows line end, gathered in memory and written in
// blocks to a file that replaces the target only when committed (platform::ReplacingFile),
// so an export that fails halfway leaves the old file as it was and no temporary file behind.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "frame/text_rules.hpp"
#include "host/platform/env.hpp"

namespace funkcja::exchange {

class LineFile {
 public:
  explicit LineFile(std::size_t line_capacity) : line_capacity_(line_capacity) {}
  ~LineFile() { abandon(); }
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  // False, with error() an errno, when the file cannot be created.
  bool open(const std::string& path) {
    file_ = platform::Env::current().replace_file(path, error_);
    return file_ != nullptr;
  }
  bool is_open() const { return file_ != nullptr; }

  // False once the file failed to take what was written.
  bool add(std::string_view line) {
    buffer_.append(text::clip(text::cut(line, line_capacity_)));
    buffer_ += "\r\n";
    return buffer_.size() < kBlock || flush();
  }
  // The lines become the file at its path.
  bool commit() {
    if (!file_ || !flush() || !file_->commit(error_)) return false;
    file_.reset();
    return true;
  }
  // The temporary file removed; the old file stays.
  void abandon() {
    if (file_) file_->abandon();
    file_.reset();
  }
  int error() const { return error_; }

 private:
  static constexpr std::size_t kBlock = 1 << 16;

  bool flush() {
    if (buffer_.empty()) return true;
    const bool written = file_->write(buffer_, error_);
    buffer_.clear();
    return written;
  }

  std::size_t line_capacity_;
  std::unique_ptr<platform::ReplacingFile> file_;
  std::string buffer_;
  int error_ = 0;
};

}  // namespace funkcja::exchange
