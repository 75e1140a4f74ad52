// The operating system's folder-choice dialog: a title, a starting folder, long names allowed,
// no file-type filter. choose() blocks until the user confirms a folder or cancels.
//
// The headless implementation answers from a queue that a test or the host fills (an empty
// queue, or a queued cancel, answers "cancelled") and records every request with the number
// of the thread that asked.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::platform {

struct FolderRequest {
  std::string title;         // code page 1250
  std::string start_folder;  // code page 1250
  std::uint64_t os_thread = 0;
};

class FolderDialog {
 public:
  virtual ~FolderDialog() = default;
  // The chosen folder, or nothing when the user cancelled.
  virtual std::optional<std::string> choose(std::string_view title,
                                            std::string_view start_folder) = 0;
};

class HeadlessFolderDialog : public FolderDialog {
 public:
  std::optional<std::string> choose(std::string_view title, std::string_view start_folder) override;
  void push_answer(std::optional<std::string> folder);
  std::vector<FolderRequest> requests() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::deque<std::optional<std::string>> answers_;
  std::vector<FolderRequest> requests_;
};

FolderDialog& folder_dialog();
void set_folder_dialog(FolderDialog* dialog);  // nullptr: back to the headless one
HeadlessFolderDialog& headless_folder_dialog();

}  // namespace funkcja::platform
