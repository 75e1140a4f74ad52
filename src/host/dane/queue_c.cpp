// C exports of the queue. A call on a process-wide list holds the list's lock throughout.
#include <new>
#include <string>

#include "frame/export.hpp"
#include "host/dane/handles.hpp"

using namespace funkcja;
using dane::queue_of;

extern "C" FK_API fk_queue* fk_queue_new_of(const fk_group* layout) {
  return abi::guarded(
      [&]() -> fk_queue* {
        if (layout == nullptr) return dane::handle_of(new dane::Queue);
        const auto lock = dane::hold(dane::group_of(layout));
        return dane::handle_of(new dane::Queue(dane::group_of(layout)->layout()));
      },
      static_cast<fk_queue*>(nullptr));
}

extern "C" FK_API fk_queue* fk_queue_new(void) {
  return fk_queue_new_of(nullptr);
}

extern "C" FK_API void fk_queue_free(fk_queue* queue) {
  if (queue == nullptr || queue_of(queue)->shared()) return;
  delete queue_of(queue);
}

extern "C" FK_API size_t fk_queue_count(const fk_queue* queue) {
  if (queue == nullptr) return 0;
  const auto lock = dane::hold(queue_of(queue));
  return queue_of(queue)->count();
}

extern "C" FK_API fk_group* fk_queue_buffer(fk_queue* queue) {
  return queue != nullptr ? dane::handle_of(&queue_of(queue)->buffer()) : nullptr;
}

extern "C" FK_API size_t fk_queue_append(fk_queue* queue) {
  return abi::guarded(
      [&]() -> size_t {
        if (queue == nullptr) return 0;
        const auto lock = dane::hold(queue_of(queue));
        return queue_of(queue)->append();
      },
      size_t{0});
}

extern "C" FK_API int fk_queue_read(fk_queue* queue, size_t entry) {
  return abi::guarded(
      [&] {
        if (queue == nullptr) return 0;
        const auto lock = dane::hold(queue_of(queue));
        return queue_of(queue)->read(entry) ? 1 : 0;
      },
      0);
}

extern "C" FK_API int fk_queue_update(fk_queue* queue, size_t entry) {
  return abi::guarded(
      [&] {
        if (queue == nullptr) return 0;
        const auto lock = dane::hold(queue_of(queue));
        return queue_of(queue)->update(entry) ? 1 : 0;
      },
      0);
}

extern "C" FK_API int fk_queue_delete(fk_queue* queue, size_t entry) {
  if (queue == nullptr) return 0;
  const auto lock = dane::hold(queue_of(queue));
  return queue_of(queue)->remove(entry) ? 1 : 0;
}

extern "C" FK_API void fk_queue_clear(fk_queue* queue) {
  if (queue == nullptr) return;
  const auto lock = dane::hold(queue_of(queue));
  queue_of(queue)->clear();
}

extern "C" FK_API size_t fk_queue_add(fk_queue* queue) {
  return abi::guarded(
      [&]() -> size_t {
        if (queue == nullptr) return 0;
        const auto lock = dane::hold(queue_of(queue));
        return queue_of(queue)->add();
      },
      size_t{0});
}

extern "C" FK_API void fk_queue_set(fk_queue* queue, size_t entry, size_t field, fk_text value) {
  abi::guarded_void([&] {
    if (queue == nullptr) return;
    const auto lock = dane::hold(queue_of(queue));
    queue_of(queue)->set(entry, field, abi::in(value));
  });
}

extern "C" FK_API fk_text fk_queue_get(const fk_queue* queue, size_t entry, size_t field) {
  return abi::text_result([&] {
    if (queue == nullptr) return std::string();
    const auto lock = dane::hold(queue_of(queue));
    return queue_of(queue)->get(entry, field);
  });
}
