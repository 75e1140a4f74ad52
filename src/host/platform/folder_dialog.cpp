#include "host/platform/folder_dialog.hpp"

#include <functional>
#include <thread>

#include "host/platform/shown_record.hpp"

namespace funkcja::platform {
namespace {

std::uint64_t this_thread_number() {
  return std::hash<std::thread::id>{}(std::this_thread::get_id());
}

std::optional<std::string> take(std::deque<std::optional<std::string>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

std::optional<std::string> HeadlessFolderDialog::choose(std::string_view title,
                                                        std::string_view start_folder) {
  std::lock_guard lock(mutex_);
  requests_.push_back({std::string(title), std::string(start_folder), this_thread_number()});
  auto answer = take(answers_);
  shown_record().add_dialog({false, std::string(title), answer});
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

std::optional<std::string> HeadlessFolderDialog::choose_save_file(const SaveFileRequest& request) {
  std::lock_guard lock(mutex_);
  save_requests_.push_back(request);
  save_requests_.back().os_thread = this_thread_number();
  auto answer = take(save_answers_);
  shown_record().add_dialog({true, request.title, answer});
  return answer;
}

void HeadlessFolderDialog::push_save_answer(std::optional<std::string> path) {
  std::lock_guard lock(mutex_);
  save_answers_.push_back(std::move(path));
}

std::vector<SaveFileRequest> HeadlessFolderDialog::save_requests() const {
  std::lock_guard lock(mutex_);
  return save_requests_;
}

void HeadlessFolderDialog::clear() {
  std::lock_guard lock(mutex_);
  answers_.clear();
  requests_.clear();
  save_answers_.clear();
  save_requests_.clear();
}

HeadlessFolderDialog& headless_folder_dialog() {
  static HeadlessFolderDialog* instance = new HeadlessFolderDialog;
  return *instance;
}

}  // namespace funkcja::platform
