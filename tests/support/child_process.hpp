// Helpers of the tests that check what a file holds after a failure of the file system.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace funkcja::testing {

// Runs body in a child process and gives its exit code (0 when body returned true). Asked to,
// the child drops to an unprivileged user when this process is root, since file permissions
// bind root only through another user.
inline int in_child(const std::function<bool()>& body, bool unprivileged = false) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
      ::_exit(3);
    }
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The bytes of a file; empty when it cannot be read.
inline std::string content_of(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace funkcja::testing
