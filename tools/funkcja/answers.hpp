// What the user answers during one call, given before it: message-box buttons, window actions,
// the clipboard's text and what the save and folder dialogs choose. `call` takes them as
// options, a batch line as keys:
//
//   --answer N          "answers": [2, 1]          buttons of the message boxes, in order
//   --do ACTION         "script": ["key F10", ...] window actions (--script FILE too)
//   --clipboard TEXT    "clipboard": "..."         the clipboard's text before the call
//   --save-as PATH      "files": {"save": PATH}    what the next file-save dialog chooses
//   --folder PATH       "files": {"folder": PATH}  what the next folder dialog chooses
//
// A file answer may also be a list (several dialogs, in order) with null for a cancel. After
// the call the answer carries "shown" (every box and window, as fk_shown_json writes them) and,
// when the clipboard holds text, "clipboard".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host.hpp"
#include "window_script.hpp"

namespace funkcja::cli {

struct Answers {
  std::vector<int> buttons;
  WindowScript script;
  std::optional<std::string> clipboard;  // UTF-8
  // UTF-8 paths in order; nothing = the user cancelled.
  std::vector<std::optional<std::string>> save;
  std::vector<std::optional<std::string>> folder;
};

// A message-box button as typed after --answer.
int button_number(const std::string& typed);

// Takes one answer option at words[i] (and its value), window options included, advancing i
// past it; false when words[i] is not one of them.
bool take_answer_option(const std::vector<std::string>& words, size_t& i, Answers& answers);

// The answer keys of a batch line ("answers", "script", "clipboard", "files").
Answers answers_of(const Json& request);

// Hands the answers to the library; throws UsageError for an action or text it refuses.
void give(const Host& host, const Answers& answers);

// Adds "shown" and, when the clipboard holds text, "clipboard" to a call's outcome.
void add_shown(const Host& host, Json& outcome);

}  // namespace funkcja::cli
