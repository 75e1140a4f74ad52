// Driving the library's windows from the command line: `call` takes
//
//   --script FILE      one user action per line (key F10, type TEXT, click TEXT, choose N,
//                      select N, mouse N, timer, size W H, close; "#" starts a comment)
//   --do "ACTION"      one action (repeatable; taken after the script's lines)
//   --script-out FILE  writes what every window showed and what each step changed
//
// Without actions a window is answered as if Esc were pressed. Windows are always printed to
// stderr as they are shown.
#pragma once

#include <string>
#include <vector>

#include "host.hpp"

namespace funkcja::cli {

struct WindowScript {
  std::vector<std::string> actions;  // UTF-8, as typed
  std::string output_path;
};

// Takes one window-script option at words[i] (and its value), advancing i past it; false when
// words[i] is not one of them.
bool take_window_option(const std::vector<std::string>& words, size_t& i, WindowScript& script);

// Prints windows to stderr as they are shown.
void echo_windows(const Host& host);
// Refuses a --script-out file that could not be written (a missing or read-only folder, a
// folder in its place), so that nothing runs whose record would be lost.
void check_script_output(const WindowScript& script);
// Hands the actions to the library's window driver.
void start_window_script(const Host& host, const WindowScript& script);
// Writes the record of the shown windows where --script-out asked.
void finish_window_script(const Host& host, const WindowScript& script);

}  // namespace funkcja::cli
