// funkcja: the command-line host of libfunkcja.
//
//   funkcja list
//   funkcja [--db URL] [--set NAME=VALUE]... [--answer N]... call [--json] [--answer N]...
//           [--script FILE] [--do ACTION]... [--script-out FILE] [--clipboard TEXT]
//           [--save-as PATH]... [--folder PATH]... NAME [ARG...]
//   funkcja [--db URL] [--set NAME=VALUE]... batch   (one JSON request per line on stdin)
//   funkcja [options] demo
//   funkcja [--db URL] sql "STATEMENT"
//   funkcja [--db URL] db init [--force]
//
// Texts are UTF-8 on the command line and code page 1250 inside the library. Bad input gives
// one line on stderr and exit code 2.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "answers.hpp"
#include "demo.hpp"
#include "host.hpp"
#include "objects.hpp"
#include "sql_command.hpp"
#include "window_script.hpp"

namespace funkcja::cli {
namespace {

constexpr const char* kUsage =
    "usage: funkcja [--db URL] [--set NAME=VALUE]... [--answer N]... COMMAND\n"
    "  list                          every exported procedure with its parameters\n"
    "  call [--json] NAME [ARG...]   call one procedure (texts in UTF-8, numbers in decimal)\n"
    "    --answer N                    answer the next message box with button N (repeatable)\n"
    "    --script FILE / --do ACTION   user actions for its windows (key F10, type T, click T,\n"
    "                                  choose N, select N, mouse N, timer, size W H, close);\n"
    "                                  none: Esc\n"
    "    --script-out FILE             write what each window showed\n"
    "    --clipboard TEXT              the clipboard's text before the call\n"
    "    --save-as PATH / --folder PATH  what the next save / folder dialog chooses\n"
    "    --json                        {\"result\", \"out\", \"shown\"} on one line\n"
    "    an object argument is its JSON form: {\"group\": [...]}, {\"queue\": {...}},\n"
    "    {\"browse\": \"select ...\"}; \"out\" answers it in the same form\n"
    "  batch                         one JSON request per stdin line: {\"proc\", \"args\",\n"
    "                                \"set\", \"answers\", \"script\", \"clipboard\", \"files\"};\n"
    "                                answers, actions, dialogs and the clipboard are reset\n"
    "                                before every line, globals (\"set\") are kept\n"
    "                                (\"set\" takes process-wide lists and groups too)\n"
    "  demo                          a short tour of the library\n"
    "  sql STATEMENT                 run one statement and print its rows\n"
    "  db init [--force]             create the demo database (default: the user's data folder)\n"
    "options:\n"
    "  --db URL          database to use (default: $FUNKCJA_DB)\n"
    "  --set NAME=VALUE  set a data-library global first ($GGG:SCIEZKA_SET or GGG_SCIEZKA_SET)\n"
    "  --answer N        answer the next message box with button N (repeatable; not in batch)\n";

int list(const Host& host) {
  for (const fk_procedure* p : host.procedures()) {
    std::cout << describe(*p);
    if (!host.exported(p->name)) std::cout << "  (not exported under its name)";
    std::cout << '\n';
  }
  return 0;
}

void print_call(const fk_procedure& p, const Json& outcome, bool json) {
  if (json) {
    std::cout << one_line(outcome) << '\n';
    return;
  }
  if (p.result != FK_NONE) std::cout << plain(outcome["result"]) << '\n';
  for (const auto& [name, value] : outcome["out"].items()) {
    std::cout << name << '=' << plain(value) << '\n';
  }
}

int call(const Host& host, const std::vector<std::string>& words) {
  size_t i = 0;
  bool json = false;
  Answers answers;
  while (i < words.size()) {
    if (words[i] == "--json") {
      json = true;
      ++i;
    } else if (!take_answer_option(words, i, answers)) {
      break;
    }
  }
  if (i >= words.size()) throw UsageError("call: which procedure? (see 'funkcja list')");
  const fk_procedure& p = host.procedure(words[i]);
  // An object parameter takes the object's JSON form as its text.
  std::vector<Json> args;
  for (size_t k = i + 1; k < words.size(); ++k) {
    const size_t n = args.size();
    if (n < p.param_count && p.params[n].kind == FK_OBJECT && words[k].rfind('{', 0) == 0) {
      try {
        args.push_back(Json::parse(words[k]));
      } catch (const Json::exception& e) {
        throw UsageError(std::string(p.name) + " " + p.params[n].name + ": not JSON: " + e.what());
      }
    } else {
      args.emplace_back(words[k]);
    }
  }
  check_script_output(answers.script);  // before the procedure runs, not after
  give(host, answers);
  GlobalObjects globals(host);
  Json outcome = host.call(p, args, &globals);
  if (json) add_shown(host, outcome);
  print_call(p, outcome, json);
  finish_window_script(host, answers.script);
  return 0;
}

// A global's JSON value as --set would have typed it.
std::string typed(const Json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_null()) return "";
  if (value.is_boolean()) return value.get<bool>() ? "1" : "0";
  if (value.is_number()) return value.dump();
  throw UsageError("batch: a global's value is a string or a number");
}

// The answer to one request line; throws on a bad line.
Json answer(Host& host, const std::string& line) {
  Json request;
  try {
    request = Json::parse(line);
  } catch (const Json::exception& e) {
    throw UsageError(std::string("batch: not JSON: ") + e.what());
  }
  if (!request.is_object() || !request.contains("proc") || !request["proc"].is_string()) {
    throw UsageError("batch: each line needs {\"proc\": NAME, \"args\": [...]}");
  }
  for (const auto& [key, value] : request.items()) {
    if (key != "proc" && key != "args" && key != "set" && key != "answers" && key != "script" &&
        key != "clipboard" && key != "files") {
      throw UsageError("batch: unknown key \"" + key + "\"");
    }
  }
  GlobalObjects globals(host);
  if (request.contains("set")) {
    if (!request["set"].is_object()) throw UsageError("batch: \"set\" must be an object");
    for (const auto& [name, value] : request["set"].items()) {
      if (is_object_form(value) || globals.knows(name)) {
        globals.set(name, value);
      } else {
        host.set_global(name + "=" + typed(value));
      }
    }
  }
  std::vector<Json> args;
  if (request.contains("args")) {
    if (!request["args"].is_array()) throw UsageError("batch: \"args\" must be an array");
    args.assign(request["args"].begin(), request["args"].end());
  }
  const fk_procedure& p = host.procedure(request["proc"].get<std::string>());
  give(host, answers_of(request));
  host.bind_settings();  // "set" may have named another settings file
  Json outcome = host.call(p, args, &globals);
  add_shown(host, outcome);
  return outcome;
}

int batch(Host& host) {
  int status = 0;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    Json response;
    try {
      // Nothing queued for one line answers the next; globals are the session's and stay.
      host.reset_headless();
      response = answer(host, line);
    } catch (const std::exception& e) {
      // One bad line gets its error line and the batch goes on.
      std::cerr << "funkcja: " << e.what() << '\n';
      response = Json{{"error", e.what()}};
      status = 2;
    }
    std::cout << one_line(response) << '\n' << std::flush;
  }
  return status;
}

int run(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  std::vector<std::string> sets;
  std::vector<int> answers;
  std::string database;
  if (const char* env = std::getenv("FUNKCJA_DB"); env != nullptr) database = env;
  size_t i = 0;
  for (; i < words.size(); ++i) {
    const std::string& w = words[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= words.size()) throw UsageError(w + " needs a value");
      return words[++i];
    };
    if (w == "--db") {
      database = value();
    } else if (w == "--set") {
      sets.push_back(value());
    } else if (w == "--answer") {
      answers.push_back(button_number(value()));
    } else if (w == "-h" || w == "--help") {
      std::cout << kUsage;
      return 0;
    } else {
      break;
    }
  }
  if (i >= words.size()) throw UsageError("no command given\n" + std::string(kUsage));
  const std::string command = words[i];
  const std::vector<std::string> rest(words.begin() + static_cast<long>(i) + 1, words.end());
  if (command == "batch" && !answers.empty()) {
    throw UsageError("batch: give the answers per line (\"answers\": [...]), not with --answer");
  }

  Host host;
  host.echo_message_boxes(true);
  echo_windows(host);
  if (command == "db") return db_command(host, database, rest);
  if (command != "list") host.open_database(database);  // empty: the library's default database
  if (!sets.empty()) {
    const GlobalObjects globals(host);
    for (const auto& s : sets) {
      if (globals.knows(s.substr(0, s.find('=')))) {
        throw UsageError("--set cannot set the process-wide list or group " +
                         s.substr(0, s.find('=')) + "; give it in a batch line's \"set\"");
      }
      host.set_global(s);
    }
  }
  for (const int a : answers) host.push_answer(a);
  if (command == "call" || command == "batch" || command == "demo") host.bind_settings();

  if (command == "list") return list(host);
  if (command == "call") return call(host, rest);
  if (command == "batch") return batch(host);
  if (command == "demo") return demo(host, std::cout);
  if (command == "sql") return sql_command(host, rest);
  throw UsageError("unknown command '" + command + "'\n" + kUsage);
}

}  // namespace
}  // namespace funkcja::cli

int main(int argc, char** argv) {
  try {
    return funkcja::cli::run(argc, argv);
  } catch (const funkcja::cli::UsageError& e) {
    std::string message = e.what();
    if (const auto nl = message.find('\n'); nl != std::string::npos) message.resize(nl);
    std::cerr << "funkcja: " << message << '\n';
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "funkcja: " << e.what() << '\n';
    return 2;
  }
}
