// C interface of the calling thread's request objects.
#include "frame/export.hpp"
#include "host/dane/requests.hpp"

using namespace funkcja;

extern "C" FK_API int32_t fk_global_response(void) {
  return dane::thread_requests().global_response;
}

extern "C" FK_API void fk_set_global_response(int32_t response) {
  dane::thread_requests().global_response = response;
}

extern "C" FK_API int32_t fk_pending_keycode(void) {
  return dane::thread_requests().pending_keycode;
}

extern "C" FK_API void fk_set_pending_keycode(int32_t key_code) {
  dane::thread_requests().pending_keycode = key_code;
}
