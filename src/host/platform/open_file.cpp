#include "host/platform/open_file.hpp"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "host/platform/env.hpp"

extern char** environ;

namespace funkcja::platform {

bool open_with_xdg_open(const std::string& path) {
  // The child starts xdg-open and leaves at once, so no zombie of the program stays behind
  // however long the user keeps the file open.
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    ::setsid();
    pid_t program = 0;
    char* argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(path.c_str()), nullptr};
    const int started = ::posix_spawnp(&program, "xdg-open", nullptr, nullptr, argv, environ);
    ::_exit(started == 0 ? 0 : 1);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void HeadlessFileOpener::open(const std::string& path) {
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(path);
  }
  if (Env::current().environment("FUNKCJA_OPEN_FILES") == std::optional<std::string>("1")) {
    open_with_xdg_open(path);
  }
}

std::vector<std::string> HeadlessFileOpener::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void HeadlessFileOpener::clear() {
  std::lock_guard lock(mutex_);
  requests_.clear();
}

HeadlessFileOpener& headless_file_opener() {
  static HeadlessFileOpener* instance = new HeadlessFileOpener;  // used until the process ends
  return *instance;
}

}  // namespace funkcja::platform
