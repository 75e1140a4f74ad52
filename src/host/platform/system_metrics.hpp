// Operating-system metrics (the GetSystemMetrics indexes the windows ask for): screen size,
// caption height, icon width, sizing-frame width.
//
// The library asks through Env::system_metric (env.hpp). The headless Env answers with the
// values of a common desktop at 100% scale; tests and hosts change single values with set().
#pragma once

#include <cstdint>
#include <map>
#include <mutex>

namespace funkcja::platform {

inline constexpr std::int32_t kMetricScreenWidth = 0;   // SM_CXSCREEN
inline constexpr std::int32_t kMetricScreenHeight = 1;  // SM_CYSCREEN
inline constexpr std::int32_t kMetricCaption = 4;       // SM_CYCAPTION
inline constexpr std::int32_t kMetricIconWidth = 11;    // SM_CXICON
inline constexpr std::int32_t kMetricSizingFrame = 32;  // SM_CXFRAME

class HeadlessSystemMetrics {
 public:
  // The metric of that index; 0 for an index the system does not know.
  std::int32_t get(std::int32_t index) const;
  void set(std::int32_t index, std::int32_t value);
  void reset();  // back to the built-in values

 private:
  mutable std::mutex mutex_;
  std::map<std::int32_t, std::int32_t> changed_;
};

HeadlessSystemMetrics& headless_system_metrics();

}  // namespace funkcja::platform
