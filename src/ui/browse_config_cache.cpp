#include "ui/browse_config_cache.hpp"

namespace funkcja::ui::browse_config {

void ConfigCache::use_user_locked(std::int32_t user) {
  if (user_ != user) browses_.clear();
  user_ = user;
}

void ConfigCache::use_user(std::int32_t user) {
  std::lock_guard lock(mutex_);
  use_user_locked(user);
}

std::optional<Config> ConfigCache::find(std::int32_t user, std::int32_t browse) {
  std::lock_guard lock(mutex_);
  use_user_locked(user);
  const auto it = browses_.find(browse);
  if (it == browses_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> ConfigCache::browse_form_of(std::int32_t user, std::int32_t browse) {
  std::lock_guard lock(mutex_);
  use_user_locked(user);
  const auto it = browses_.find(browse);
  if (it == browses_.end()) return std::nullopt;
  return browse_form(it->second);
}

std::string ConfigCache::add(std::int32_t user, std::int32_t browse, const Config& rows) {
  std::lock_guard lock(mutex_);
  use_user_locked(user);
  return browse_form(browses_.try_emplace(browse, rows).first->second);
}

void ConfigCache::forget(std::int32_t browse) {
  std::lock_guard lock(mutex_);
  browses_.erase(browse);
}

void ConfigCache::clear() {
  std::lock_guard lock(mutex_);
  browses_.clear();
  user_.reset();
}

std::size_t ConfigCache::size() const {
  std::lock_guard lock(mutex_);
  return browses_.size();
}

ConfigCache& config_cache() {
  static ConfigCache* cache = new ConfigCache;  // used by every thread until the process ends
  return *cache;
}

}  // namespace funkcja::ui::browse_config
