// Serves the recorded NBP and ECB tables on 127.0.0.1 and points the utility library at them.
//
//   rates_fixture                 prints the two addresses and serves until interrupted
//   rates_fixture COMMAND ARG...  runs the command with FUNKCJA_NBP_URL and FUNKCJA_ECB_URL set
//                                 to the fixture, and exits with its status
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "recorded_tables.hpp"

int main(int argc, char** argv) {
  utilks::LoopbackServer server(&utilks::recorded::reply);
  const std::string nbp = server.url() + "/nbp";
  const std::string ecb = server.url() + "/ecb";
  setenv("FUNKCJA_NBP_URL", nbp.c_str(), 1);
  setenv("FUNKCJA_ECB_URL", ecb.c_str(), 1);
  if (argc < 2) {
    std::printf("FUNKCJA_NBP_URL=%s\nFUNKCJA_ECB_URL=%s\n", nbp.c_str(), ecb.c_str());
    std::fflush(stdout);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    int signal = 0;
    sigwait(&set, &signal);
    return 0;
  }
  const pid_t child = fork();
  if (child < 0) return 127;
  if (child == 0) {
    execvp(argv[1], argv + 1);
    std::perror(argv[1]);
    _exit(127);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
