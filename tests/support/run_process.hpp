// Runs a program with arguments and standard input; collects its output and exit code.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace funkcja::testing {

struct ProcessResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

inline ProcessResult run_process(const std::string& program, const std::vector<std::string>& args,
                                 const std::string& input = "",
                                 const std::vector<std::string>& env = {}) {
  // Close-on-exec pipes: when several threads start programs at once, a child must not keep
  // another child's pipe ends open, or that child never sees the end of its input and its
  // parent never sees the end of its output.
  // A program that exits before reading all its input (a refused command line, say) closes the
  // pipe under the writer: that must end the writing, not kill the test with SIGPIPE.
  static const bool sigpipe_ignored = [] {
    ::signal(SIGPIPE, SIG_IGN);
    return true;
  }();
  (void)sigpipe_ignored;
  int in[2], out[2], err[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
    return {};
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::signal(SIGPIPE, SIG_DFL);  // an ignored signal would stay ignored across exec
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) ::close(fd);
    for (const auto& e : env) ::putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  ProcessResult r;
  size_t written = 0;
  if (input.empty()) ::close(in[1]);
  bool in_open = !input.empty();
  pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {in[1], POLLOUT, 0}};
  int open_outputs = 2;
  while (open_outputs > 0) {
    ::poll(fds, in_open ? 3 : 2, -1);
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n <= 0) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open_outputs;
      } else {
        (i == 0 ? r.out : r.err).append(buffer, static_cast<size_t>(n));
      }
    }
    if (in_open && (fds[2].revents & (POLLOUT | POLLERR))) {
      const ssize_t n = ::write(in[1], input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<size_t>(n);
      if (n <= 0 || written == input.size()) {
        ::close(in[1]);
        in_open = false;
      }
    }
  }
  if (in_open) ::close(in[1]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return r;
}

}  // namespace funkcja::testing
