#include "host/dane/framework.hpp"

#include <strings.h>
#include <atomic>

#include "frame/text_rules.hpp"
#include "host/platform/atomic_file.hpp"

namespace funkcja::dane {

// ---- ERRORSTATUSCLASS ----

void ERRORSTATUSCLASS::set_error(std::int32_t code, std::string_view message) {
  code_ = code;
  message_ = message;
}

ERRORSTATUSCLASS& thread_error_status() {
  thread_local ERRORSTATUSCLASS status;
  return status;
}

// ---- ERRORCLASS ----

void ERRORCLASS::Init(ERRORSTATUSCLASS* status) {
  std::lock_guard lock(mutex_);
  // The status object belongs to the thread that initialised the manager; the manager itself
  // reports into the error status of whichever thread calls it, so it never holds on to it.
  initialised_ = status != nullptr;
}

bool ERRORCLASS::initialised() const {
  std::lock_guard lock(mutex_);
  return initialised_;
}

void ERRORCLASS::SETPROCEDURENAME(std::string_view name) {
  thread_error_status().set_procedure_name(name);
  std::lock_guard lock(mutex_);
  procedure_name_ = name;
}

std::string ERRORCLASS::procedure_name() const {
  std::lock_guard lock(mutex_);
  return procedure_name_;
}

// ---- INICLASS ----

bool INICLASS::NoCase::operator()(const std::string& a, const std::string& b) const {
  return ::strcasecmp(a.c_str(), b.c_str()) < 0;
}

void INICLASS::Init(std::string_view path, std::int32_t /*option1*/, std::int32_t /*option2*/) {
  std::lock_guard lock(mutex_);
  path_ = path;
  sections_.clear();
  std::string content;
  if (path_.empty() || !platform::read_file(path_, content)) return;
  std::string section;
  std::string_view rest = content;
  while (!rest.empty()) {
    const auto eol = rest.find('\n');
    std::string_view line = rest.substr(0, eol);
    rest = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = text::trim(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = text::trim(line.substr(1, line.size() - 2));
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    sections_[section][std::string(text::trim(line.substr(0, eq)))] = line.substr(eq + 1);
  }
}

void INICLASS::Kill() {
  std::lock_guard lock(mutex_);
  path_.clear();
  sections_.clear();
}

std::string INICLASS::path() const {
  std::lock_guard lock(mutex_);
  return path_;
}

std::optional<std::string> INICLASS::FETCH(std::string_view section, std::string_view key) const {
  std::lock_guard lock(mutex_);
  const auto s = sections_.find(std::string(section));
  if (s == sections_.end()) return std::nullopt;
  const auto k = s->second.find(std::string(key));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

bool INICLASS::UPDATE(std::string_view section, std::string_view key, std::string_view value) {
  std::lock_guard lock(mutex_);
  // A value is one line of the file: line breaks inside it become blanks.
  std::string stored(value);
  for (char& c : stored) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  sections_[std::string(section)][std::string(key)] = std::move(stored);
  return save_locked();
}

bool INICLASS::save_locked() const {
  if (path_.empty()) return false;
  std::string content;
  for (const auto& [name, entries] : sections_) {
    content.append("[").append(name).append("]\r\n");
    for (const auto& [key, value] : entries)
      content.append(key).append("=").append(value).append("\r\n");
    content += "\r\n";
  }
  return platform::write_file_atomically(path_, content);
}

// ---- FUZZYCLASS ----

void FUZZYCLASS::Init() {
  std::lock_guard lock(mutex_);
  initialised_ = true;
  options_.clear();
}

void FUZZYCLASS::Kill() {
  std::lock_guard lock(mutex_);
  initialised_ = false;
  options_.clear();
}

void FUZZYCLASS::SetOption(std::int32_t option, std::int32_t value) {
  std::lock_guard lock(mutex_);
  options_[option] = value;
}

std::int32_t FUZZYCLASS::option(std::int32_t option) const {
  std::lock_guard lock(mutex_);
  const auto it = options_.find(option);
  return it == options_.end() ? 0 : it->second;
}

bool FUZZYCLASS::initialised() const {
  std::lock_guard lock(mutex_);
  return initialised_;
}

// ---- XTOOLTIPCLASS ----

void XTOOLTIPCLASS::Init(std::int32_t mode, std::string_view /*text*/, std::int32_t /*flags*/) {
  std::lock_guard lock(mutex_);
  initialised_ = true;
  mode_ = mode;
  windows_.clear();
}

void XTOOLTIPCLASS::Kill() {
  std::lock_guard lock(mutex_);
  initialised_ = false;
  windows_.clear();
}

void XTOOLTIPCLASS::ADDWINDOW(const void* window) {
  std::lock_guard lock(mutex_);
  if (window != nullptr) windows_.insert(window);
}

void XTOOLTIPCLASS::REMOVEWINDOW(const void* window) {
  std::lock_guard lock(mutex_);
  windows_.erase(window);
}

bool XTOOLTIPCLASS::has_window(const void* window) const {
  std::lock_guard lock(mutex_);
  return windows_.count(window) > 0;
}

std::int32_t XTOOLTIPCLASS::mode() const {
  std::lock_guard lock(mutex_);
  return mode_;
}

bool XTOOLTIPCLASS::initialised() const {
  std::lock_guard lock(mutex_);
  return initialised_;
}

// ---- FILEMANAGER ----

void FILEMANAGER::SETERRORS(ERRORCLASS* errors) {
  static std::atomic<std::uint64_t> sequence{0};
  errors_ = errors;
  order_ = ++sequence;
}

}  // namespace funkcja::dane
