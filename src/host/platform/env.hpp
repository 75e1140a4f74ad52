// Env: the one interface through which the library reaches the operating system and the
// desktop: the message box, the clipboard, the folder and save dialogs, synthetic keystrokes,
// system metrics, the toolkit that runs windows, the clock, environment variables, the user's
// data and settings folders and whole-file replacement. No other part of the library calls the
// system for any of these, so a new desktop backend, or a test, changes them in one place.
//
// The headless implementation (env_headless.cpp) is in use until another is installed: a
// desktop backend installs its own with Env::install() at start-up; a test derives from
// EnvWrapper, overrides the methods it cares about (a fixed clock, a made-up environment) and
// installs it for one scope with ScopedEnv.
//
// Every implementation is thread-safe: the host calls the library on its own threads, and each
// procedure uses the Env on the thread it was called on. Methods that block (the message box,
// the dialogs) block the calling thread only.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/platform/atomic_file.hpp"
#include "host/platform/folder_dialog.hpp"
#include "host/platform/keystrokes.hpp"
#include "host/platform/message_box.hpp"
#include "host/platform/open_file.hpp"
#include "host/platform/replacing_file.hpp"
#include "host/platform/shared_library.hpp"
#include "host/platform/system_metrics.hpp"

namespace funkcja::ui {
class WindowBackend;  // the window layer's toolkit seam (ui/window_backend.hpp)
}  // namespace funkcja::ui

namespace funkcja::platform {

// The local wall-clock time: the standard date and the milliseconds since local midnight.
struct LocalTime {
  std::int32_t day = 0;
  std::int64_t millis = 0;
};

class Env {
 public:
  Env() = default;
  Env(const Env&) = delete;
  Env& operator=(const Env&) = delete;
  virtual ~Env();

  // The Env in use. Any thread.
  static Env& current();
  // Makes env the one in use and gives back the one it replaces (nullptr when that was the
  // headless one); nullptr puts the headless one back. REQUIRES: no other thread is inside the
  // library (a host installs at start-up, a test between its cases).
  static std::unique_ptr<Env> install(std::unique_ptr<Env> env);
  // The built-in headless implementation, whether or not it is in use.
  static Env& headless();

  // ---- Desktop ----

  // Shows a modal message box and blocks the calling thread until it is answered. Returns the
  // number of the pressed button (1 = first), or 0 when the box was dismissed without one or
  // could not be shown. Any thread.
  virtual std::int32_t show_message_box(const MessageBoxRequest& request) = 0;

  // Puts text (code page 1250) on the clipboard; a clipboard that cannot be opened keeps what
  // it had. Any thread.
  virtual void set_clipboard_text(std::string_view text) = 0;
  // The clipboard's text (code page 1250); empty when it holds none. Any thread.
  virtual std::string clipboard_text() = 0;

  // The folder-choice dialog; blocks the calling thread. The chosen folder, or nothing when
  // the user cancelled or no dialog could be shown. Any thread, including one of its own.
  virtual std::optional<std::string> choose_folder(std::string_view title,
                                                   std::string_view start_folder) = 0;
  // The file-save dialog; blocks the calling thread. The chosen path, or nothing when the
  // user cancelled or no dialog could be shown. Any thread.
  virtual std::optional<std::string> choose_save_file(const SaveFileRequest& request) = 0;
  // Opens the file in the program the desktop has for its type, without waiting for it
  // (ShellExecute's "open"; xdg-open on Linux). Any thread.
  virtual void open_with_system_program(const std::string& path) = 0;

  // One synthetic keystroke, as keybd_event sends it: a virtual key going down, or up with
  // kKeyUp in flags. The system delivers it to the window that has the keyboard; nothing is
  // reported when there is none. Any thread.
  virtual void send_keystroke(std::uint8_t virtual_key, std::uint32_t flags) = 0;
  // Where keys composed from keystrokes go when no system delivers them (the headless Env):
  // the window layer points it, once, at the calling thread's active window. A desktop Env,
  // whose system delivers keys itself, may ignore it. Any thread.
  virtual void route_keys(std::function<void(std::int32_t key_code)> deliver) = 0;

  // The system metric of a GetSystemMetrics index (system_metrics.hpp); 0 for an index the
  // system does not know. Any thread.
  virtual std::int32_t system_metric(std::int32_t index) = 0;

  // The toolkit that runs the library's windows, or nullptr for the window layer's own
  // headless driver. Any thread; a backend runs each window on the thread that opened it.
  virtual ui::WindowBackend* window_backend() = 0;

  // ---- Clock and environment ----

  // The local date and time now. The one source of "today" for the whole library. Any thread.
  virtual LocalTime now() = 0;

  // The value of an environment variable; nothing when it is not set. Any thread.
  virtual std::optional<std::string> environment(std::string_view name) = 0;

  // The folder for this library's data files (the default database), without a trailing
  // slash; empty when the system names no folder for the user. Any thread.
  virtual std::string data_folder() = 0;
  // The folder for this library's settings file, without a trailing slash; empty when the
  // system names no folder for the user. Any thread.
  virtual std::string config_folder() = 0;

  // ---- Files ----

  // Replaces the file at path with content through a temporary file and a rename, creating
  // missing parent folders; the new file gets the permission bits mode (less the umask).
  // False, and the old file untouched, on any failure. Any thread.
  virtual bool write_file(const std::string& path, std::string_view content, unsigned mode) = 0;
  // Reads a whole file: its content, or that it is missing, or that it exists but cannot be
  // read (with the errno). Any thread.
  virtual FileRead read_file(const std::string& path) = 0;
  // Changes a file under an exclusive lock shared with other processes: reads it, hands its
  // content to change (empty for a missing file) and writes what change returns. A file that
  // exists but cannot be read is never replaced (kUnreadable). Any thread; change runs on it.
  virtual FileUpdate update_file(const std::string& path,
                                 const std::function<std::string(std::string_view)>& change) = 0;
  // A file written piece by piece that replaces the file at path when committed (see
  // ReplacingFile); nullptr with an errno when it cannot be made. Any thread.
  virtual std::unique_ptr<ReplacingFile> replace_file(const std::string& path, int& error);

  // ---- Shared libraries ----

  // Loads a shared library (the maker's utility library) for the caller's use; nullptr when
  // it cannot be loaded. Any thread.
  virtual std::unique_ptr<SharedLibrary> load_library(const std::string& path);
};

// An Env that forwards every call to another: derive from it and override what differs.
class EnvWrapper : public Env {
 public:
  // target must outlive the wrapper.
  explicit EnvWrapper(Env& target) : target_(target) {}
  Env& target() const { return target_; }

  std::int32_t show_message_box(const MessageBoxRequest& request) override {
    return target_.show_message_box(request);
  }
  void set_clipboard_text(std::string_view text) override { target_.set_clipboard_text(text); }
  std::string clipboard_text() override { return target_.clipboard_text(); }
  std::optional<std::string> choose_folder(std::string_view title,
                                           std::string_view start_folder) override {
    return target_.choose_folder(title, start_folder);
  }
  std::optional<std::string> choose_save_file(const SaveFileRequest& request) override {
    return target_.choose_save_file(request);
  }
  void open_with_system_program(const std::string& path) override {
    target_.open_with_system_program(path);
  }
  void send_keystroke(std::uint8_t virtual_key, std::uint32_t flags) override {
    target_.send_keystroke(virtual_key, flags);
  }
  void route_keys(std::function<void(std::int32_t key_code)> deliver) override {
    target_.route_keys(std::move(deliver));
  }
  std::int32_t system_metric(std::int32_t index) override { return target_.system_metric(index); }
  ui::WindowBackend* window_backend() override { return target_.window_backend(); }
  LocalTime now() override { return target_.now(); }
  std::optional<std::string> environment(std::string_view name) override {
    return target_.environment(name);
  }
  std::string data_folder() override { return target_.data_folder(); }
  std::string config_folder() override { return target_.config_folder(); }
  bool write_file(const std::string& path, std::string_view content, unsigned mode) override {
    return target_.write_file(path, content, mode);
  }
  FileRead read_file(const std::string& path) override { return target_.read_file(path); }
  FileUpdate update_file(const std::string& path,
                         const std::function<std::string(std::string_view)>& change) override {
    return target_.update_file(path, change);
  }
  std::unique_ptr<ReplacingFile> replace_file(const std::string& path, int& error) override {
    return target_.replace_file(path, error);
  }
  std::unique_ptr<SharedLibrary> load_library(const std::string& path) override {
    return target_.load_library(path);
  }

 private:
  Env& target_;
};

// Installs an Env for the life of the object and puts the previous one back after it. Same
// REQUIREMENT as Env::install.
class ScopedEnv {
 public:
  explicit ScopedEnv(std::unique_ptr<Env> env) : previous_(Env::install(std::move(env))) {}
  ~ScopedEnv() { Env::install(std::move(previous_)); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::unique_ptr<Env> previous_;
};

// Today's date by the Env in use, as a standard date.
inline std::int32_t today() {
  return Env::current().now().day;
}

}  // namespace funkcja::platform
