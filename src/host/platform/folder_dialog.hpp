// The operating system's file dialogs of the headless Env (env.hpp): the folder-choice dialog
// (a title, a starting folder, long names allowed, no file-type filter) and the file-save
// dialog. Each answers from its own queue that a test or the host fills (an empty queue, or a
// queued cancel, answers "cancelled"), records every request with the number of the thread
// that asked, and puts each in the record of what was shown (shown_record.hpp).
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

struct SaveFileRequest {
  std::string title;            // code page 1250
  std::string start_folder;     // code page 1250
  std::string file_name;        // suggested name, code page 1250
  std::string filter;           // "CSV|*.csv", as the runtime gives it
  std::uint64_t os_thread = 0;  // filled in by the headless dialog
};

class HeadlessFolderDialog {
 public:
  // The chosen folder, or nothing when the user cancelled.
  std::optional<std::string> choose(std::string_view title, std::string_view start_folder);
  void push_answer(std::optional<std::string> folder);
  std::vector<FolderRequest> requests() const;

  // The chosen file, or nothing when the user cancelled.
  std::optional<std::string> choose_save_file(const SaveFileRequest& request);
  void push_save_answer(std::optional<std::string> path);
  std::vector<SaveFileRequest> save_requests() const;

  void clear();

 private:
  mutable std::mutex mutex_;
  std::deque<std::optional<std::string>> answers_;
  std::vector<FolderRequest> requests_;
  std::deque<std::optional<std::string>> save_answers_;
  std::vector<SaveFileRequest> save_requests_;
};

HeadlessFolderDialog& headless_folder_dialog();

}  // namespace funkcja::platform
