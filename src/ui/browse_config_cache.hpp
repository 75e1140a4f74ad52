// The process-wide cache of browse configurations: the rows of every browse loaded so far for
// the current user, so that a browse opened again gets its format without a database read.
// It belongs to one user number; a call for another user empties it first. Any thread may use
// it; every operation holds the cache's lock for its own duration only.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "ui/browse_config_format.hpp"

namespace funkcja::ui::browse_config {

class ConfigCache {
 public:
  // Forgets every browse when the cache belongs to another user.
  void use_user(std::int32_t user);
  // The cached rows of the browse for this user (the cache first moves to the user).
  std::optional<Config> find(std::int32_t user, std::int32_t browse);
  // The visible column formats of the cached browse, concatenated, without copying its rows;
  // nothing when the browse is not cached for this user.
  std::optional<std::string> browse_form_of(std::int32_t user, std::int32_t browse);
  // Keeps the rows unless the browse is cached already. Answers the visible column formats of
  // what the cache then holds for the browse, read under the same lock, so that a caller can
  // compare against it even when another thread empties the cache right after.
  std::string add(std::int32_t user, std::int32_t browse, const Config& rows);
  void forget(std::int32_t browse);
  void clear();
  std::size_t size() const;

 private:
  void use_user_locked(std::int32_t user);

  mutable std::mutex mutex_;
  std::optional<std::int32_t> user_;
  std::map<std::int32_t, Config> browses_;
};

ConfigCache& config_cache();

}  // namespace funkcja::ui::browse_config
