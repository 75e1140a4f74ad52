#include "host/platform/atomic_file.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace funkcja::platform {
namespace {

namespace fs = std::filesystem;

// A temporary file older than this is stale even when its process id is in use again.
constexpr auto kStaleAge = std::chrono::minutes(5);

bool write_all(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool read_all(int fd, std::string& content) {
  content.clear();
  char chunk[16384];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.append(chunk, static_cast<std::size_t>(n));
  }
}

// Closes a descriptor when it leaves scope.
struct Descriptor {
  int fd = -1;
  explicit Descriptor(int f) : fd(f) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

std::string temporary_prefix(const fs::path& target) {
  return target.filename().string() + ".tmp";
}

// The folder's entry for the rename is on disk only once the folder itself is flushed.
void sync_folder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Opens an existing regular file for reading, or says why not. A device or a pipe is not
// opened for real (O_NONBLOCK keeps a pipe from waiting for a writer).
int open_regular(const std::string& path, int& error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    return -1;
  }
  return fd;
}

// The file a path names: a symbolic link is followed, so that writing replaces the file it
// points to and keeps the link. Empty when the link leads nowhere.
std::string resolved(const std::string& path, int& error) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
  const fs::path target = fs::canonical(path, ec);
  if (ec) {
    error = ec.value();
    return {};
  }
  return target.string();
}

}  // namespace

bool write_file_atomically(const std::string& path, std::string_view content, unsigned mode) {
  static std::atomic<unsigned> counter{0};
  std::error_code ec;
  const fs::path target(path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  const std::string temporary =
      path + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(counter.fetch_add(1));
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                        static_cast<mode_t>(mode));
  if (fd < 0) return false;
  const bool written = write_all(fd, content) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  sync_folder(target);
  return true;
}

bool read_file(const std::string& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  content = std::move(buffer).str();
  return true;
}

FileRead read_existing_file(const std::string& path) {
  FileRead r;
  const std::string target = resolved(path, r.error);
  if (target.empty()) {
    r.outcome = FileRead::kUnreadable;
    return r;
  }
  const Descriptor file(open_regular(target, r.error));
  if (file.fd < 0) {
    r.outcome = r.error == ENOENT ? FileRead::kMissing : FileRead::kUnreadable;
    return r;
  }
  if (!read_all(file.fd, r.content)) {
    r.error = errno;
    r.content.clear();
    r.outcome = FileRead::kUnreadable;
    return r;
  }
  r.outcome = FileRead::kRead;
  return r;
}

FileUpdate update_file_locked(const std::string& path,
                              const std::function<std::string(std::string_view)>& change) {
  FileUpdate u;
  const std::string target = resolved(path, u.error);
  if (target.empty()) {
    u.outcome = FileUpdate::kUnreadable;
    return u;
  }
  std::error_code ec;
  if (fs::path(target).has_parent_path())
    fs::create_directories(fs::path(target).parent_path(), ec);
  // Lock the file that the path names now. A writer that renamed a new file into place while
  // this one waited leaves it holding the lock of a file that is gone: take the new one's.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    int fd = open_regular(target, u.error);
    if (fd < 0 && u.error == ENOENT) {
      // A missing file is created empty, so there is something to lock.
      fd = ::open(target.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
      if (fd < 0 && errno == EEXIST) continue;
      if (fd < 0) {
        u.error = errno;
        return u;
      }
    } else if (fd < 0) {
      u.outcome = FileUpdate::kUnreadable;
      return u;
    }
    const Descriptor file(fd);
    while (::flock(file.fd, LOCK_EX) != 0) {
      if (errno != EINTR) {
        u.error = errno;
        return u;
      }
    }
    struct stat locked {
    }, current{};
    if (::fstat(file.fd, &locked) != 0) {
      u.error = errno;
      return u;
    }
    if (::stat(target.c_str(), &current) != 0 || current.st_ino != locked.st_ino ||
        current.st_dev != locked.st_dev) {
      continue;
    }
    std::string content;
    if (!read_all(file.fd, content)) {
      u.error = errno;
      u.outcome = FileUpdate::kUnreadable;
      return u;
    }
    remove_stale_temporaries(target);
    std::string next = change(content);
    if (!write_file_atomically(target, next, locked.st_mode & 07777)) {
      u.error = errno;
      u.content = std::move(content);
      return u;
    }
    u.content = std::move(next);
    u.outcome = FileUpdate::kWritten;
    return u;
  }
  u.error = EAGAIN;
  return u;
}

void remove_stale_temporaries(const std::string& path) {
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string prefix = temporary_prefix(target);
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
    // <file>.tmp<pid>.<number>
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    long pid = 0;
    const auto [dot, perr] = std::from_chars(first, last, pid);
    if (perr != std::errc() || dot == last || *dot != '.' || pid <= 0) continue;
    unsigned long number = 0;
    const auto [stop, nerr] = std::from_chars(dot + 1, last, number);
    if (nerr != std::errc() || stop != last) continue;
    const bool writer_gone = ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    std::error_code time_ec;
    const auto written = fs::last_write_time(it->path(), time_ec);
    const bool old = !time_ec && now - written > kStaleAge;
    if (writer_gone || old) fs::remove(it->path(), time_ec);
  }
}

}  // namespace funkcja::platform
