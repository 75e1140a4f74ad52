// "Open with the system's program": a file handed to the desktop, which opens it in the
// program the user chose for its type (a spreadsheet for a .csv file). On Linux that is
// xdg-open, started in the background and not waited for.
//
// The headless Env records every request (the host or a test reads them) and starts xdg-open
// only when the environment variable FUNKCJA_OPEN_FILES is "1", so tests never start a
// program.
#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace funkcja::platform {

// Starts xdg-open for path without waiting for it; false when it could not be started.
bool open_with_xdg_open(const std::string& path);

class HeadlessFileOpener {
 public:
  void open(const std::string& path);
  std::vector<std::string> requests() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
};

HeadlessFileOpener& headless_file_opener();

}  // namespace funkcja::platform
