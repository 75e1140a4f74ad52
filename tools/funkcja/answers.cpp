#include "answers.hpp"

#include <charconv>

#include "edges.hpp"

namespace funkcja::cli {
namespace {

template <class Fn>
Fn library_function(const Host& host, const char* name) {
  return reinterpret_cast<Fn>(host.function(name));
}

std::optional<std::string> file_answer(const Json& value, const std::string& what) {
  if (value.is_null()) return std::nullopt;
  if (!value.is_string()) throw UsageError(what + ": a path or null");
  return value.get<std::string>();
}

// "save": PATH, or [PATH, null, ...] for several dialogs.
std::vector<std::optional<std::string>> file_answers(const Json& value, const std::string& what) {
  std::vector<std::optional<std::string>> out;
  if (value.is_array()) {
    for (const auto& v : value) out.push_back(file_answer(v, what));
  } else {
    out.push_back(file_answer(value, what));
  }
  return out;
}

void push_file_answers(const Host& host, const char* function,
                       const std::vector<std::optional<std::string>>& answers,
                       const std::string& what) {
  const auto push = library_function<void (*)(fk_text, int)>(host, function);
  for (const auto& a : answers) {
    const std::string path = a ? to_cp1250(*a, what) : std::string();
    push(fk_text{path.data(), path.size()}, a ? 1 : 0);
  }
}

}  // namespace

int button_number(const std::string& typed) {
  int button = -1;
  const auto [end, ec] = std::from_chars(typed.data(), typed.data() + typed.size(), button);
  if (typed.empty() || ec != std::errc() || end != typed.data() + typed.size() || button < 0 ||
      button > 100) {
    throw UsageError("--answer takes a button number from 0 to 100, got '" + typed + "'");
  }
  return button;
}

bool take_answer_option(const std::vector<std::string>& words, size_t& i, Answers& answers) {
  if (take_window_option(words, i, answers.script)) return true;
  const std::string& option = words[i];
  if (option != "--answer" && option != "--clipboard" && option != "--save-as" &&
      option != "--folder") {
    return false;
  }
  if (i + 1 >= words.size()) throw UsageError(option + " needs a value");
  const std::string& value = words[++i];
  ++i;
  if (option == "--answer") {
    answers.buttons.push_back(button_number(value));
  } else if (option == "--clipboard") {
    answers.clipboard = value;
  } else if (option == "--save-as") {
    answers.save.emplace_back(value);
  } else {
    answers.folder.emplace_back(value);
  }
  return true;
}

Answers answers_of(const Json& request) {
  Answers a;
  if (const auto it = request.find("answers"); it != request.end()) {
    if (!it->is_array()) throw UsageError("batch: \"answers\" must be an array of button numbers");
    for (const auto& b : *it) {
      if (!b.is_number_integer() || b.get<long long>() < 0 || b.get<long long>() > 100) {
        throw UsageError("batch: \"answers\" takes button numbers from 0 to 100");
      }
      a.buttons.push_back(b.get<int>());
    }
  }
  if (const auto it = request.find("script"); it != request.end()) {
    if (!it->is_array()) throw UsageError("batch: \"script\" must be an array of actions");
    for (const auto& action : *it) {
      if (!action.is_string()) throw UsageError("batch: each action of \"script\" is a string");
      a.script.actions.push_back(action.get<std::string>());
    }
  }
  if (const auto it = request.find("clipboard"); it != request.end()) {
    if (!it->is_string()) throw UsageError("batch: \"clipboard\" must be a string");
    a.clipboard = it->get<std::string>();
  }
  if (const auto it = request.find("files"); it != request.end()) {
    if (!it->is_object()) throw UsageError("batch: \"files\" must be an object");
    for (const auto& [kind, value] : it->items()) {
      if (kind == "save") {
        a.save = file_answers(value, "batch: \"files\" \"save\"");
      } else if (kind == "folder") {
        a.folder = file_answers(value, "batch: \"files\" \"folder\"");
      } else {
        throw UsageError("batch: \"files\" knows \"save\" and \"folder\", not \"" + kind + "\"");
      }
    }
  }
  return a;
}

void give(const Host& host, const Answers& a) {
  for (const int b : a.buttons) host.push_answer(b);
  start_window_script(host, a.script);
  if (a.clipboard) {
    const std::string text = to_cp1250(*a.clipboard, "the clipboard");
    library_function<void (*)(fk_text)>(host,
                                        "fk_clipboard_set")(fk_text{text.data(), text.size()});
  }
  push_file_answers(host, "fk_ui_save_push_answer", a.save, "the save dialog's path");
  push_file_answers(host, "fk_ui_folder_push_answer", a.folder, "the folder dialog's folder");
}

void add_shown(const Host& host, Json& outcome) {
  // The folder dialogs run on threads of their own: what they show belongs to this call.
  library_function<void (*)()>(host, "fk_ui_join_threads")();
  const fk_text shown = library_function<fk_text (*)()>(host, "fk_shown_json")();
  outcome["shown"] = Json::parse(std::string(shown.ptr != nullptr ? shown.ptr : "", shown.len));
  const fk_text clipboard = library_function<fk_text (*)()>(host, "fk_clipboard_get")();
  if (clipboard.len > 0) outcome["clipboard"] = to_utf8(clipboard);
}

}  // namespace funkcja::cli
