// C exports of the calling thread's text table TXT.
#include <string>

#include "frame/export.hpp"
#include "host/dane/tables.hpp"

using namespace funkcja;

extern "C" FK_API void fk_txt_set_file_name(fk_text path) {
  abi::guarded_void([&] { dane::thread_tables().TXT.set_file_name(abi::in(path)); });
}

extern "C" FK_API fk_text fk_txt_file_name(void) {
  return abi::text_result([] { return dane::thread_tables().TXT.file_name(); });
}

extern "C" FK_API int32_t fk_txt_error_code(void) {
  return abi::guarded([] { return dane::thread_tables().TXT.error_code(); },
                      dane::kFileSystemError);
}

extern "C" FK_API fk_text fk_txt_error_message(void) {
  return abi::text_result([] { return dane::thread_tables().TXT.error_message(); });
}
