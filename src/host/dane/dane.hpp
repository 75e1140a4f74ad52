// The data library's start and stop, and its process-wide objects.
#pragma once

#include <mutex>

#include "host/dane/framework.hpp"

namespace funkcja::dane {

class DataLibrary {
 public:
  DataLibrary() = default;
  DataLibrary(const DataLibrary&) = delete;
  DataLibrary& operator=(const DataLibrary&) = delete;

  // Starts the session with the host's managers (either may be null: the data library then
  // reports and stores through nothing of the host's).
  void DANE_INIT(ERRORCLASS* errors, INICLASS* settings);
  void DANE_KILL();

  // The shared tooltip object ($XTOOLTIP).
  XTOOLTIPCLASS& XTOOLTIP() { return tooltip_; }

  // What the library handed over, for the host and for tests.
  struct State {
    int init_calls = 0;
    int kill_calls = 0;
    ERRORCLASS* errors = nullptr;
    INICLASS* settings = nullptr;
    bool running = false;
  };
  State state() const;

 private:
  mutable std::mutex mutex_;
  State state_;
  XTOOLTIPCLASS tooltip_;
};

// The process's data library.
DataLibrary& data_library();

}  // namespace funkcja::dane
