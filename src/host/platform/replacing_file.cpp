#include "host/platform/replacing_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>

namespace funkcja::platform {
namespace {

// The folder's entry for the rename is on disk only once the folder itself is flushed.
void sync_folder(const std::string& path) {
  const std::filesystem::path target(path);
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::unique_ptr<ReplacingFile> ReplacingFile::open(const std::string& path, int& error,
                                                   unsigned mode) {
  static std::atomic<unsigned> counter{0};
  struct stat st {};
  if (path.empty()) {
    error = ENOENT;
    return nullptr;
  }
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    error = EISDIR;
    return nullptr;
  }
  // Named as the whole-file writer names its temporaries, so that leftovers of a writer that
  // died are recognised and removed the same way.
  std::string temporary =
      path + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(counter.fetch_add(1));
  const int fd =
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  return std::unique_ptr<ReplacingFile>(new ReplacingFile(path, std::move(temporary), fd));
}

ReplacingFile::ReplacingFile(std::string path, std::string temporary, int fd)
    : path_(std::move(path)), temporary_(std::move(temporary)), fd_(fd) {}

ReplacingFile::~ReplacingFile() {
  abandon();
}

bool ReplacingFile::write(std::string_view data, int& error) {
  if (fd_ < 0) {
    error = EBADF;
    return false;
  }
  while (!data.empty()) {
    const ssize_t n = ::write(fd_, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool ReplacingFile::commit(int& error) {
  if (fd_ < 0) {
    error = EBADF;
    return false;
  }
  const bool flushed = ::fsync(fd_) == 0;
  if (!flushed) error = errno;
  const bool closed = ::close(fd_) == 0;
  if (!closed && flushed) error = errno;
  fd_ = -1;
  if (!flushed || !closed || ::rename(temporary_.c_str(), path_.c_str()) != 0) {
    if (flushed && closed) error = errno;
    ::unlink(temporary_.c_str());
    temporary_.clear();
    return false;
  }
  temporary_.clear();
  sync_folder(path_);
  return true;
}

void ReplacingFile::abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

}  // namespace funkcja::platform
