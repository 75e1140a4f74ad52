// Serves the recorded NBP and ECB tables and the recorded GUS register answers on 127.0.0.1
// and points the utility library at them.
//
//   rates_fixture                 prints the addresses and serves until interrupted
//   rates_fixture COMMAND ARG...  runs the command with FUNKCJA_NBP_URL, FUNKCJA_ECB_URL,
//                                 FUNKCJA_GUS_URL and FUNKCJA_GUS_KEY set to the fixture, and
//                                 exits with its status
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "recorded_register.hpp"
#include "recorded_tables.hpp"

int main(int argc, char** argv) {
  utilks::LoopbackServer server([](const utilks::LoopbackRequest& r) {
    return r.path.rfind("/wsBIR/", 0) == 0 ? utilks::recorded_register::reply(r)
                                           : utilks::recorded::reply(r.path);
  });
  const std::string nbp = server.url() + "/nbp";
  const std::string ecb = server.url() + "/ecb";
  const std::string gus = server.url() + "/wsBIR/UslugaBIRzewnPubl.svc";
  setenv("FUNKCJA_NBP_URL", nbp.c_str(), 1);
  setenv("FUNKCJA_ECB_URL", ecb.c_str(), 1);
  setenv("FUNKCJA_GUS_URL", gus.c_str(), 1);
  setenv("FUNKCJA_GUS_KEY", utilks::recorded_register::kKey, 1);
  if (argc < 2) {
    std::printf("FUNKCJA_NBP_URL=%s\nFUNKCJA_ECB_URL=%s\nFUNKCJA_GUS_URL=%s\nFUNKCJA_GUS_KEY=%s\n",
                nbp.c_str(), ecb.c_str(), gus.c_str(), utilks::recorded_register::kKey);
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
