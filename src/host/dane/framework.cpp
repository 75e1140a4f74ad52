#include "host/dane/framework.hpp"

#include <atomic>
#include <cstring>

#include "frame/cp_literal.hpp"
#include "host/platform/env.hpp"

namespace funkcja::dane {

using namespace funkcja::literals;

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

void ERRORCLASS::report(std::int32_t code, std::string_view message) {
  thread_error_status().set_error(code, message);
  std::lock_guard lock(mutex_);
  last_error_ = message;
}

std::string ERRORCLASS::last_error() const {
  std::lock_guard lock(mutex_);
  return last_error_;
}

// ---- INICLASS ----

void INICLASS::Init(std::string_view path, std::int32_t /*option1*/, std::int32_t /*option2*/) {
  std::lock_guard lock(mutex_);
  path_ = path;
  content_.clear();
  if (path_.empty()) return;
  platform::FileRead r = platform::Env::current().read_file(path_);
  if (r.outcome == platform::FileRead::kUnreadable) {
    report(r.error, "Nie można odczytać pliku ustawień "_cp);
    return;
  }
  content_ = std::move(r.content);
}

void INICLASS::Kill() {
  std::lock_guard lock(mutex_);
  path_.clear();
  content_.clear();
}

std::string INICLASS::path() const {
  std::lock_guard lock(mutex_);
  return path_;
}

void INICLASS::SETERRORS(ERRORCLASS* errors) {
  std::lock_guard lock(mutex_);
  errors_ = errors;
}

std::optional<std::string> INICLASS::FETCH(std::string_view section, std::string_view key) const {
  std::lock_guard lock(mutex_);
  return ini::find(content_, section, key);
}

bool INICLASS::UPDATE(std::string_view section, std::string_view key, std::string_view value) {
  return UPDATE(section, {ini::Entry{std::string(key), std::string(value)}});
}

bool INICLASS::UPDATE(std::string_view section, const std::vector<ini::Entry>& entries) {
  std::lock_guard lock(mutex_);
  if (!path_.empty()) {
    const platform::FileUpdate u = platform::Env::current().update_file(
        path_, [&](std::string_view on_disk) { return ini::set(on_disk, section, entries); });
    if (u.outcome == platform::FileUpdate::kWritten) {
      content_ = u.content;
      return true;
    }
    report(u.error, u.outcome == platform::FileUpdate::kUnreadable
                        ? "Nie można odczytać pliku ustawień "_cp
                        : "Nie można zapisać pliku ustawień "_cp);
  }
  // Not saved: the values still hold for the rest of this run.
  content_ = ini::set(content_, section, entries);
  return false;
}

void INICLASS::report(int error, std::string_view what) const {
  std::string message(what);
  message.append(path_);
  if (error != 0) message.append(": ").append(std::strerror(error));
  if (errors_ != nullptr) {
    errors_->report(error, message);
  } else {
    thread_error_status().set_error(error, message);
  }
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
