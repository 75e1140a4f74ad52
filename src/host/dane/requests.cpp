#include "host/dane/requests.hpp"

namespace funkcja::dane {

ThreadRequests& thread_requests() {
  thread_local ThreadRequests requests;
  return requests;
}

}  // namespace funkcja::dane
