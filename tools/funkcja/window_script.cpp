#include "window_script.hpp"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "edges.hpp"

namespace funkcja::cli {
namespace {

template <class Fn>
Fn library_function(const Host& host, const char* name) {
  return reinterpret_cast<Fn>(host.function(name));
}

}  // namespace

bool take_window_option(const std::vector<std::string>& words, size_t& i, WindowScript& script) {
  const std::string& option = words[i];
  if (option != "--script" && option != "--do" && option != "--script-out") return false;
  if (i + 1 >= words.size()) throw UsageError(option + " needs a value");
  const std::string& value = words[++i];
  ++i;
  if (option == "--do") {
    script.actions.push_back(value);
  } else if (option == "--script-out") {
    script.output_path = value;
  } else {
    std::ifstream in(value);
    if (!in) throw UsageError("--script: cannot read " + value);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      script.actions.push_back(line);
    }
  }
  return true;
}

void echo_windows(const Host& host) {
  library_function<void (*)(int)>(host, "fk_ui_set_echo")(1);
}

void check_script_output(const WindowScript& script) {
  if (script.output_path.empty()) return;
  namespace fs = std::filesystem;
  const fs::path out(script.output_path);
  const fs::path folder = out.has_parent_path() ? out.parent_path() : fs::path(".");
  std::error_code ec;
  if (!fs::is_directory(folder, ec) || fs::is_directory(out, ec) ||
      ::access(folder.c_str(), W_OK) != 0) {
    throw UsageError("--script-out: cannot write " + script.output_path);
  }
}

void start_window_script(const Host& host, const WindowScript& script) {
  const auto push = library_function<int (*)(fk_text)>(host, "fk_ui_script_push");
  for (size_t n = 0; n < script.actions.size(); ++n) {
    const std::string where = "action " + std::to_string(n + 1) + " '" + script.actions[n] + "'";
    const std::string action = to_cp1250(script.actions[n], where + ": the action");
    if (push(fk_text{action.data(), action.size()}) == 0) {
      throw UsageError(where +
                       ": not an action (key, type, click, choose, select, mouse, timer, "
                       "size, close)");
    }
  }
}

void finish_window_script(const Host& host, const WindowScript& script) {
  if (script.output_path.empty()) return;
  const fk_text record = library_function<fk_text (*)()>(host, "fk_ui_script_output")();
  std::ofstream out(script.output_path, std::ios::binary | std::ios::trunc);
  out.write(record.ptr, static_cast<std::streamsize>(record.len));
  if (!out) throw UsageError("--script-out: cannot write " + script.output_path);
}

}  // namespace funkcja::cli
