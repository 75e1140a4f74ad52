#include "host/platform/folder_dialog.hpp"

#include <atomic>
#include <functional>
#include <thread>

namespace funkcja::platform {
namespace {
std::atomic<FolderDialog*> installed{nullptr};
}  // namespace

std::optional<std::string> HeadlessFolderDialog::choose(std::string_view title,
                                                        std::string_view start_folder) {
  std::lock_guard lock(mutex_);
  requests_.push_back({std::string(title), std::string(start_folder),
                       std::hash<std::thread::id>{}(std::this_thread::get_id())});
  if (answers_.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

void HeadlessFolderDialog::push_answer(std::optional<std::string> folder) {
  std::lock_guard lock(mutex_);
  answers_.push_back(std::move(folder));
}

std::vector<FolderRequest> HeadlessFolderDialog::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void HeadlessFolderDialog::clear() {
  std::lock_guard lock(mutex_);
  answers_.clear();
  requests_.clear();
}

HeadlessFolderDialog& headless_folder_dialog() {
  static HeadlessFolderDialog* instance = new HeadlessFolderDialog;
  return *instance;
}

FolderDialog& folder_dialog() {
  FolderDialog* d = installed.load();
  if (d != nullptr) return *d;
  return headless_folder_dialog();
}

void set_folder_dialog(FolderDialog* dialog) {
  installed = dialog;
}

}  // namespace funkcja::platform
