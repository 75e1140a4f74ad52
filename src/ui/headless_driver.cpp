#include "ui/headless_driver.hpp"

#include <cstdio>

#include "frame/cp1250.hpp"
#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/platform/env.hpp"
#include "host/platform/shown_record.hpp"
#include "ui/window.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

// The history keeps the latest snapshots only, so a long-running host does not grow it
// without end.
constexpr std::size_t kHistoryLimit = 10000;
constexpr std::size_t kTranscriptLimit = 1 << 20;

std::string without_ampersand(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (const char c : s) {
    if (c != '&') out += c;
  }
  return out;
}

bool number_of(std::string_view s, std::int32_t& out) {
  const auto read = text::read_int32(s);
  if (read) out = *read;
  return static_cast<bool>(read);
}

std::string utf8(std::string_view cp1250_text) {
  return cp1250::cp1250_to_utf8(cp1250_text);
}

// Line breaks inside a shown text are written as "\n" so that each control stays one line.
std::string quoted(std::string_view cp1250_text) {
  std::string out = "\"";
  for (const char c : utf8(cp1250_text)) {
    if (c == '\r') continue;
    if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string hex_colour(std::int32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c) & 0xFFFFFFu);
  return buf;
}

}  // namespace

std::optional<Action> parse_action(std::string_view line, std::string& error) {
  line = text::trim(line);
  const auto blank = line.find(' ');
  const std::string_view verb = line.substr(0, blank);
  const std::string_view rest =
      blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
  Action a;
  a.line = line;
  using Kind = Action::Kind;
  if (verb == "key") {
    const auto code = key::parse(text::trim(rest));
    if (!code) {
      error = "unknown key '" + std::string(rest) + "'";
      return std::nullopt;
    }
    a.kind = Kind::kKey;
    a.number = *code;
  } else if (verb == "type") {
    a.kind = Kind::kType;
    a.text = rest;
  } else if (verb == "click") {
    a.kind = Kind::kClick;
    a.text = text::trim(rest);
    if (a.text.empty()) {
      error = "click: which button?";
      return std::nullopt;
    }
  } else if (verb == "choose" || verb == "double") {
    // A row, and optionally the column of a list that shows cells (a month grid).
    a.kind = verb == "choose" ? Kind::kChoose : Kind::kDouble;
    const auto gap = rest.find(' ');
    const bool has_column = gap != std::string_view::npos;
    if (!number_of(rest.substr(0, gap), a.number) || a.number < 1 ||
        (has_column && (!number_of(rest.substr(gap + 1), a.second) || a.second < 1))) {
      error = std::string(verb) + " takes a row from 1 and maybe a column from 1, got '" +
              std::string(rest) + "'";
      return std::nullopt;
    }
  } else if (verb == "select" || verb == "mouse") {
    a.kind = verb == "select" ? Kind::kSelect : Kind::kMouse;
    if (!number_of(rest, a.number) || a.number < 1) {
      error = std::string(verb) + " takes a number from 1, got '" + std::string(rest) + "'";
      return std::nullopt;
    }
  } else if (verb == "size") {
    const auto gap = rest.find(' ');
    a.kind = Kind::kSize;
    if (gap == std::string_view::npos || !number_of(rest.substr(0, gap), a.number) ||
        !number_of(rest.substr(gap + 1), a.second) || a.number < 1 || a.second < 1) {
      error = "size takes a width and a height, got '" + std::string(rest) + "'";
      return std::nullopt;
    }
  } else if (verb == "timer" && rest.empty()) {
    a.kind = Kind::kTimer;
  } else if (verb == "close" && rest.empty()) {
    a.kind = Kind::kClose;
  } else {
    error = "unknown action '" + std::string(line) + "'";
    return std::nullopt;
  }
  return a;
}

const Control* WindowSnapshot::control(std::int32_t number) const {
  if (number < 1 || number > static_cast<std::int32_t>(controls.size())) return nullptr;
  return &controls[static_cast<std::size_t>(number - 1)];
}

const Control* WindowSnapshot::by_text(std::string_view text) const {
  const std::string wanted = without_ampersand(text);
  for (const Control& c : controls) {
    if (without_ampersand(c.text) == wanted) return &c;
  }
  return nullptr;
}

std::string describe_control(const Control& c, bool focused) {
  std::string line = "#" + std::to_string(c.number) + " " + std::string(control_type::name(c.type));
  if (c.hidden) return line + " hidden";
  if (c.type == control_type::kBrowser) {
    line += " " + quoted(c.browser.address()) + " page=" + std::to_string(c.browser.position) +
            "/" + std::to_string(c.browser.history.size());
    if (c.browser.silent) line += " silent";
  } else if (!c.text.empty() || c.type != control_type::kImage) {
    line += " " + quoted(c.text);
  }
  if (!c.icon.empty()) line += " icon=" + quoted(c.icon);
  if (c.type == control_type::kCheck || c.type == control_type::kRadio ||
      c.type == control_type::kSpin) {
    line += " value=" + std::to_string(c.value);
  }
  if (c.font.weight >= 700) line += " bold";
  if (c.font.color != kColorNone) line += " colour=" + hex_colour(c.font.color);
  if (c.sel_start > 0) {
    line += " selection=" + std::to_string(c.sel_start) + ".." + std::to_string(c.sel_end);
  }
  if (!c.enabled) line += " disabled";
  if (focused) line += " (focus)";
  for (std::size_t i = 0; i < c.rows.size(); ++i) {
    const ListRow& row = c.rows[i];
    line += "\n    ";
    line += static_cast<std::int32_t>(i + 1) == c.selected ? "> " : "  ";
    if (row.icon != 0) {
      const auto icon = c.icons.find(row.icon);
      line += "[" + (icon != c.icons.end() ? utf8(icon->second) : std::to_string(row.icon)) + "] ";
    }
    // In a grid (a list with columns and a chosen column) the selected cell is bracketed.
    const bool grid_row = static_cast<std::int32_t>(i + 1) == c.selected && c.columns.size() > 1;
    for (std::size_t k = 0; k < row.cells.size(); ++k) {
      const bool cell = grid_row && static_cast<std::int32_t>(k + 1) == c.value;
      line += (k > 0 ? " | " : "") + (cell ? "[" + utf8(row.cells[k]) + "]" : utf8(row.cells[k]));
    }
  }
  return line;
}

void HeadlessDriver::push(Action action) {
  std::lock_guard lock(mutex_);
  script_.push_back(std::move(action));
}

bool HeadlessDriver::push_line(std::string_view line, std::string* error) {
  const std::string_view trimmed = text::trim(line);
  if (trimmed.empty() || trimmed.front() == '#') return true;
  std::string why;
  auto action = parse_action(trimmed, why);
  if (!action) {
    if (error != nullptr) *error = why;
    return false;
  }
  push(std::move(*action));
  return true;
}

std::size_t HeadlessDriver::pending_actions() const {
  std::lock_guard lock(mutex_);
  return script_.size();
}

void HeadlessDriver::clear() {
  std::lock_guard lock(mutex_);
  script_.clear();
  history_.clear();
  transcript_.clear();
  page_loads_.clear();
}

void HeadlessDriver::set_echo(bool on) {
  std::lock_guard lock(mutex_);
  echo_ = on;
}

std::string HeadlessDriver::transcript() const {
  std::lock_guard lock(mutex_);
  return transcript_;
}

std::vector<WindowSnapshot> HeadlessDriver::history() const {
  std::lock_guard lock(mutex_);
  return {history_.begin(), history_.end()};
}

void HeadlessDriver::set_observer(
    std::function<void(const Window&, const WindowSnapshot&)> observer) {
  std::lock_guard lock(mutex_);
  observer_ = std::move(observer);
}

std::optional<Action> HeadlessDriver::next_action() {
  std::lock_guard lock(mutex_);
  if (script_.empty()) return std::nullopt;
  Action a = std::move(script_.front());
  script_.pop_front();
  return a;
}

// Takes a snapshot; writes the whole window after it opened, and afterwards only the step and
// the controls that changed since the window's previous snapshot. The record of what was shown
// gets the window's whole state each time; `closed_by` says how, once it closed.
void HeadlessDriver::record(const Window& w, std::string_view step, bool full,
                            std::uint64_t& shown_id, std::string_view closed_by) {
  WindowSnapshot s;
  s.key = w.key();
  s.caption = w.caption();
  s.rect = w.rect();
  s.focus = w.focus();
  s.closed = w.closed();
  s.step = step;
  s.controls.assign(w.controls().begin(), w.controls().end());

  platform::ShownWindow shown{s.key, s.caption, {}, {}};
  shown.controls.reserve(s.controls.size());
  for (const Control& c : s.controls)
    shown.controls.push_back(describe_control(c, c.number == s.focus));
  if (s.closed) shown.closed = closed_by.empty() ? std::string(step) : std::string(closed_by);

  std::string text;
  const WindowSnapshot* before = nullptr;
  std::function<void(const Window&, const WindowSnapshot&)> observer;
  {
    std::lock_guard lock(mutex_);
    for (auto it = history_.rbegin(); it != history_.rend() && !full; ++it) {
      if (it->key == s.key) {
        before = &*it;
        break;
      }
    }
    const std::string geometry = std::to_string(s.rect.width) + "x" + std::to_string(s.rect.height);
    if (full) {
      text = "[" + s.key + "] " + quoted(s.caption) + " " + geometry + "\n";
    } else {
      text = "  > " + utf8(step) + "\n";
      if (before != nullptr && !(before->rect == s.rect)) text += "  ~ window " + geometry + "\n";
    }
    if (const auto loads = page_loads_.find(&w); loads != page_loads_.end()) {
      text += loads->second;
      page_loads_.erase(loads);
    }
    for (std::size_t i = 0; i < s.controls.size(); ++i) {
      const Control& c = s.controls[i];
      const std::string& line = shown.controls[i];
      if (!full && before != nullptr) {
        const Control* old = before->control(c.number);
        if (old != nullptr && describe_control(*old, old->number == before->focus) == line) {
          continue;
        }
      }
      text += (full ? "  " : "  ~ ") + line + "\n";
    }
    if (s.closed) text += "  = closed\n";
    if (transcript_.size() + text.size() <= kTranscriptLimit) transcript_ += text;
    if (echo_) std::fputs(text.c_str(), stderr);
    if (history_.size() >= kHistoryLimit) history_.pop_front();
    history_.push_back(s);
    observer = observer_;
  }
  if (full) {
    shown_id = platform::shown_record().window_opened(std::move(shown));
  } else {
    platform::shown_record().window_changed(shown_id, std::move(shown));
  }
  if (observer) observer(w, s);
}

void HeadlessDriver::page_load(Window& w, std::int32_t browser, PageLoad why) {
  const Control* c = w.find(browser);
  if (c == nullptr) return;
  static constexpr const char* kWhy[] = {"navigate", "back", "forward", "refresh"};
  const std::string text = "  * #" + std::to_string(browser) + " browser " +
                           kWhy[static_cast<int>(why)] + " " + quoted(c->browser.address()) + "\n";
  std::lock_guard lock(mutex_);
  page_loads_[&w] += text;  // written after the step that caused it
}

void HeadlessDriver::run_modal(Window& w) {
  std::uint64_t shown_id = 0;
  record(w, "open", true, shown_id);
  int fallbacks = 0;
  while (!w.closed()) {
    while (!w.closed()) {
      const auto posted = take_posted_event(std::chrono::milliseconds(0));
      if (!posted) break;
      w.deliver_posted(*posted);
      record(w, "posted event " + std::to_string(*posted), false, shown_id);
    }
    if (w.closed()) break;
    std::optional<Action> a = next_action();
    const bool fallback = !a;
    if (!a) {
      // The script is exhausted: Esc, then the close box, then no more asking.
      std::string unused;
      a = parse_action(fallbacks == 0 ? "key Esc" : "close", unused);
      if (fallbacks++ >= 2) {
        w.force_close();
        record(w, "closed by force", false, shown_id);
        break;
      }
    }
    using Kind = Action::Kind;
    switch (a->kind) {
      case Kind::kKey:
        w.user_key(a->number);
        break;
      case Kind::kType:
        w.user_type(a->text);
        break;
      case Kind::kClick: {
        const std::string wanted = without_ampersand(a->text);
        std::int32_t target = 0;
        for (const Control& c : w.controls()) {
          if (!c.hidden && without_ampersand(c.text) == wanted &&
              (c.type == control_type::kButton || c.type == control_type::kCheck ||
               c.type == control_type::kRadio)) {
            target = c.number;
            break;
          }
        }
        w.user_click(target);
        break;
      }
      case Kind::kChoose:
        w.user_choose(a->number, a->second);
        break;
      case Kind::kDouble:
        w.user_choose(a->number, a->second, true);
        break;
      case Kind::kSelect:
        w.user_select(a->number);
        break;
      case Kind::kMouse:
        w.user_click(a->number);
        break;
      case Kind::kTimer:
        w.user_timer();
        break;
      case Kind::kSize:
        w.user_resize(a->number, a->second);
        break;
      case Kind::kClose:
        w.user_close();
        break;
    }
    // A window the script did not answer shows it: "key Esc (no action left)".
    record(w, a->line, false, shown_id, fallback ? a->line + " (no action left)" : std::string());
  }
}

HeadlessDriver& headless_driver() {
  static HeadlessDriver* instance = new HeadlessDriver;
  return *instance;
}

WindowBackend& window_backend() {
  if (WindowBackend* b = platform::Env::current().window_backend()) return *b;
  return headless_driver();
}

}  // namespace funkcja::ui
