// C exports of the browse object.
#include <string>

#include "frame/export.hpp"
#include "host/dane/handles.hpp"
#include "host/dane/tables.hpp"

using namespace funkcja;
using dane::browse_of;

extern "C" FK_API fk_browse* fk_browse_new(fk_text statement) {
  return abi::guarded([&] { return dane::handle_of(new dane::Browse(abi::in(statement))); },
                      static_cast<fk_browse*>(nullptr));
}

extern "C" FK_API void fk_browse_free(fk_browse* browse) {
  delete browse_of(browse);
}

extern "C" FK_API fk_text fk_browse_statement(const fk_browse* browse) {
  return abi::text_result(
      [&] { return browse != nullptr ? browse_of(browse)->statement() : std::string(); });
}

extern "C" FK_API int fk_browse_reset(fk_browse* browse) {
  return abi::guarded([&] { return browse != nullptr && browse_of(browse)->reset() ? 1 : 0; }, 0);
}

extern "C" FK_API int32_t fk_browse_next(fk_browse* browse) {
  return abi::guarded(
      [&] { return browse != nullptr ? browse_of(browse)->next() : dane::kNoMoreRows; },
      dane::kDatabaseError);
}

extern "C" FK_API fk_text fk_browse_error(const fk_browse* browse) {
  return abi::text_result(
      [&] { return browse != nullptr ? browse_of(browse)->error() : std::string(); });
}

extern "C" FK_API size_t fk_browse_position(const fk_browse* browse) {
  return browse != nullptr ? browse_of(browse)->position() : 0;
}

extern "C" FK_API int fk_browse_copy(const fk_browse* browse, fk_queue* queue) {
  return abi::guarded(
      [&] {
        if (browse == nullptr || queue == nullptr) return 0;
        const auto lock = dane::hold(dane::queue_of(queue));
        return browse_of(browse)->copy(*dane::queue_of(queue)) ? 1 : 0;
      },
      0);
}
