// A file written piece by piece that replaces the file at its path only when it is committed.
// The pieces go to a temporary file beside the target, created when the writer opens: so a
// folder that is missing, read-only, or a folder standing where the file should be, fails at
// once, as creating the file would. commit() flushes the temporary file and renames it into
// place; a writer abandoned or destroyed without a commit removes it and leaves the old file
// as it was. A failed export thus never leaves a half-written file.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace funkcja::platform {

class ReplacingFile {
 public:
  // A writer for path; nullptr with error (an errno) when the temporary file cannot be made or
  // path names a folder. The new file gets the permission bits mode (less the umask).
  static std::unique_ptr<ReplacingFile> open(const std::string& path, int& error,
                                             unsigned mode = 0644);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Writes at once, so a failure shows where it happens; false with error (an errno).
  bool write(std::string_view data, int& error);
  // The written content becomes the file at path; false with error, the old file untouched.
  bool commit(int& error);
  // The temporary file removed; the old file stays.
  void abandon();

 private:
  ReplacingFile(std::string path, std::string temporary, int fd);

  std::string path_;
  std::string temporary_;
  int fd_ = -1;
};

}  // namespace funkcja::platform
