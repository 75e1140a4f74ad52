// The library's life: what happens when it is loaded and unloaded, and the once-only
// FUNKCJA:INIT and FUNKCJA:KILL through which the host hands over its error manager and
// settings manager and starts and stops the data library.
//
//   unloaded -> loaded (own managers in use) -> initialised (host's managers where given,
//   data library started) -> killed (data library stopped) -> unloaded
//
// There is no way back from killed to initialised: each entry point acts on its first call
// only. Other procedures never check the state; before FUNKCJA:INIT they use the library's
// own managers.
#pragma once

#include <atomic>
#include <mutex>

#include "host/dane/dane.hpp"
#include "host/dane/framework.hpp"

namespace funkcja {

class Library {
 public:
  // The load steps: own managers and fuzzy matcher built and initialised, the own settings
  // manager bound to the file named by $GGG:SCIEZKA_SET, the shared tooltip object started.
  explicit Library(dane::DataLibrary& data);
  // The unload steps, in reverse.
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  // FUNKCJA:INIT: installs the error manager in use on the calling thread's eight access
  // managers and starts the data library with the arguments as received. Acts once.
  void init(dane::ERRORCLASS* errors, dane::INICLASS* settings);
  // FUNKCJA:KILL: stops the data library. Acts once, whether or not init ran.
  void kill();

  dane::ERRORCLASS& errors() const { return *errors_in_use_.load(); }
  dane::INICLASS& settings() const { return *settings_in_use_.load(); }
  dane::FUZZYCLASS& fuzzy() { return fuzzy_; }
  dane::ERRORCLASS& own_errors() { return own_errors_; }
  dane::INICLASS& own_settings() { return own_settings_; }
  bool init_done() const { return init_done_.load(); }
  bool kill_done() const { return kill_done_.load(); }

 private:
  dane::DataLibrary& data_;
  dane::FUZZYCLASS fuzzy_;
  dane::ERRORCLASS own_errors_;
  dane::INICLASS own_settings_;
  std::atomic<dane::ERRORCLASS*> errors_in_use_{nullptr};
  std::atomic<dane::INICLASS*> settings_in_use_{nullptr};
  std::mutex entry_mutex_;  // the two entry points never run at once
  std::atomic<bool> init_done_{false};
  std::atomic<bool> kill_done_{false};
};

// The process's library, loaded with the shared object.
Library& library();

}  // namespace funkcja
