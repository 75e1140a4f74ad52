// The runtime's per-thread request objects: $GLOBALREQUEST, $GLOBALRESPONSE and $VCRREQUEST,
// and the key code waiting to be handled by the thread's next window event. A procedure that
// ends a request sets the response (2: cancelled, as RequestCancelled) and clears the key
// code; the host reads both after the call. Each thread has its own, so nothing is shared.
#pragma once

#include <cstdint>

namespace funkcja::dane {

inline constexpr std::int32_t kRequestCompleted = 1;
inline constexpr std::int32_t kRequestCancelled = 2;

struct ThreadRequests {
  std::int32_t global_request = 0;
  std::int32_t global_response = 0;
  std::int32_t vcr_request = 0;
  std::int32_t pending_keycode = 0;
};

// The calling thread's request objects.
ThreadRequests& thread_requests();

}  // namespace funkcja::dane
