// Framework classes of the data library that the library's frame calls: the error manager and
// its per-thread status, the settings manager on an INI file, the fuzzy matcher, the tooltip
// object and the access manager of a table. Each does what the library's calls need.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "host/dane/ini_text.hpp"

namespace funkcja::dane {

// Error state of one thread: the last error and the procedure the thread is in.
class ERRORSTATUSCLASS {
 public:
  void set_error(std::int32_t code, std::string_view message);
  std::int32_t error_code() const { return code_; }
  const std::string& error_message() const { return message_; }
  void set_procedure_name(std::string_view name) { procedure_name_ = name; }
  const std::string& procedure_name() const { return procedure_name_; }

 private:
  std::int32_t code_ = 0;
  std::string message_;
  std::string procedure_name_;
};

// The calling thread's error status: created with the thread, destroyed when it ends.
ERRORSTATUSCLASS& thread_error_status();

// The error manager. Windows register their procedure name with it while they run; the name
// is kept for the registering thread (its error status) and as the manager's latest.
class ERRORCLASS {
 public:
  ERRORCLASS() = default;
  ERRORCLASS(const ERRORCLASS&) = delete;
  ERRORCLASS& operator=(const ERRORCLASS&) = delete;

  void Init(ERRORSTATUSCLASS* status);
  bool initialised() const;
  void SETPROCEDURENAME(std::string_view name);
  std::string procedure_name() const;  // the latest name registered from any thread

  // Reports a failure: it becomes the calling thread's error and the manager's latest.
  void report(std::int32_t code, std::string_view message);
  std::string last_error() const;

 private:
  mutable std::mutex mutex_;
  bool initialised_ = false;
  std::string procedure_name_;
  std::string last_error_;
};

// The settings manager: named values in sections of an INI file, shared by every process that
// names the same file. Each UPDATE takes the file's lock, reads it again, changes only the keys
// it writes (every other line stays byte for byte) and replaces the file through a temporary
// file, so a crash never leaves it half written and a value saved meanwhile by another process
// is kept. A file that exists but cannot be read is never replaced: the failure goes to the
// error manager and the value is kept in memory only. Safe to share between threads.
class INICLASS {
 public:
  INICLASS() = default;
  INICLASS(const INICLASS&) = delete;
  INICLASS& operator=(const INICLASS&) = delete;

  // Binds the manager to a file and reads it (a missing file is an empty one).
  void Init(std::string_view path, std::int32_t option1 = 0, std::int32_t option2 = 0);
  void Kill();
  std::string path() const;
  // The error manager that hears of files that cannot be read or written; without one, the
  // calling thread's error status.
  void SETERRORS(ERRORCLASS* errors);

  // The value of key in section, or nothing. Section and key compare case-insensitively.
  std::optional<std::string> FETCH(std::string_view section, std::string_view key) const;
  // Stores the value and writes the file; false when the file could not be written.
  bool UPDATE(std::string_view section, std::string_view key, std::string_view value);
  // Stores several values of one section in one write of the file.
  bool UPDATE(std::string_view section, const std::vector<ini::Entry>& entries);

 private:
  void report(int error, std::string_view what) const;

  mutable std::mutex mutex_;
  std::string path_;
  std::string content_;  // the file's text as last read or written
  ERRORCLASS* errors_ = nullptr;
};

// The fuzzy matcher's switches; the library only initialises it and sets its two options.
class FUZZYCLASS {
 public:
  void Init();
  void Kill();
  void SetOption(std::int32_t option, std::int32_t value);
  std::int32_t option(std::int32_t option) const;
  bool initialised() const;

 private:
  mutable std::mutex mutex_;
  bool initialised_ = false;
  std::map<std::int32_t, std::int32_t> options_;
};

// The shared tooltip object: the set of windows whose controls show tooltips.
class XTOOLTIPCLASS {
 public:
  void Init(std::int32_t mode, std::string_view text, std::int32_t flags);
  void Kill();
  void ADDWINDOW(const void* window);
  void REMOVEWINDOW(const void* window);
  bool has_window(const void* window) const;
  std::int32_t mode() const;
  bool initialised() const;

 private:
  mutable std::mutex mutex_;
  bool initialised_ = false;
  std::int32_t mode_ = 0;
  std::set<const void*> windows_;
};

// The access manager of a table: the error manager that reports its failures.
class FILEMANAGER {
 public:
  void SETERRORS(ERRORCLASS* errors);
  ERRORCLASS* errors() const { return errors_; }
  // Increases with every SETERRORS in the process, so the order of calls can be checked.
  std::uint64_t seterrors_order() const { return order_; }

 private:
  ERRORCLASS* errors_ = nullptr;
  std::uint64_t order_ = 0;
};

}  // namespace funkcja::dane
