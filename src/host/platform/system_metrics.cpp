#include "host/platform/system_metrics.hpp"

namespace funkcja::platform {
namespace {

std::int32_t built_in(std::int32_t index) {
  switch (index) {
    case kMetricScreenWidth:
      return 1920;
    case kMetricScreenHeight:
      return 1080;
    case kMetricCaption:
      return 23;
    case kMetricIconWidth:
      return 32;
    case kMetricSizingFrame:
      return 8;
    default:
      return 0;
  }
}

}  // namespace

std::int32_t HeadlessSystemMetrics::get(std::int32_t index) const {
  std::lock_guard lock(mutex_);
  const auto it = changed_.find(index);
  return it != changed_.end() ? it->second : built_in(index);
}

void HeadlessSystemMetrics::set(std::int32_t index, std::int32_t value) {
  std::lock_guard lock(mutex_);
  changed_[index] = value;
}

void HeadlessSystemMetrics::reset() {
  std::lock_guard lock(mutex_);
  changed_.clear();
}

HeadlessSystemMetrics& headless_system_metrics() {
  static HeadlessSystemMetrics* instance = new HeadlessSystemMetrics;
  return *instance;
}

}  // namespace funkcja::platform
