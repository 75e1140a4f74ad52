// $GGG:ROVAN_OKNA: the data library's list of open single-instance windows, one entry per
// window (the thread it runs on, its name of up to 20 characters), shared by every thread of
// the process and guarded, so two threads opening the same window cannot both register it.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::dane {

struct OpenWindowEntry {
  std::int32_t thread = 0;
  std::string name;  // at most kNameCapacity characters, clipped
};

class OpenWindows {
 public:
  static constexpr std::size_t kNameCapacity = 20;

  // Adds (thread, name) unless a window of that name is registered; true when it added.
  // Names are cut to 20 characters and compare with trailing blanks ignored.
  bool insert(std::int32_t thread, std::string_view name);
  // Removes the entry of that name, if there is one.
  void remove(std::string_view name);
  std::vector<OpenWindowEntry> entries() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<OpenWindowEntry> entries_;
};

OpenWindows& ROVAN_OKNA();

}  // namespace funkcja::dane
