// Writing a whole file so that a failure never leaves a half-written file where a good one
// stood: the content goes to a temporary file beside the target (its name carries the writer's
// process id), which is flushed and then renamed into place, and the folder is flushed after
// the rename. Files that several processes change go through update_file_locked, which holds
// an advisory lock on the file while it reads, merges and writes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace funkcja::platform {

// Writes content to path through a temporary file and a rename; creates missing parent
// folders. The new file gets the permission bits mode (less the umask). False (and the old
// file untouched) on any failure.
bool write_file_atomically(const std::string& path, std::string_view content, unsigned mode = 0644);

// The whole content of a file; nothing when it cannot be read.
bool read_file(const std::string& path, std::string& content);

// A file read as it stands: its content, or that it is missing, or that it exists but cannot
// be read (no permission, a folder, a device, a broken link); error holds the errno then.
struct FileRead {
  enum Outcome { kRead, kMissing, kUnreadable } outcome = kMissing;
  std::string content;
  int error = 0;
};
FileRead read_existing_file(const std::string& path);

// Changes the file at path under an exclusive advisory lock (flock on the file itself, taken
// again when another writer replaced the file meanwhile): reads it, hands its content to
// change (empty for a missing file), and writes what change returns. A file that exists but
// cannot be read is never replaced: the outcome says kUnreadable and nothing is written. The
// file keeps its permission bits.
struct FileUpdate {
  enum Outcome { kWritten, kUnreadable, kFailed } outcome = kFailed;
  std::string content;  // as written (kWritten), else as read
  int error = 0;
};
FileUpdate update_file_locked(const std::string& path,
                              const std::function<std::string(std::string_view)>& change);

// Removes the temporary files that writers of path left behind when they died mid-write: those
// whose process is gone, and any older than a few minutes.
void remove_stale_temporaries(const std::string& path);

}  // namespace funkcja::platform
