// The C interface's opaque handles of the data library's objects and the C++ objects behind
// them. A handle is the object's own address: the C structs are never defined, so a handle
// can only come from the library and is only turned back here.
#pragma once

#include <mutex>

#include "funkcja/funkcja.h"
#include "host/dane/browse.hpp"
#include "host/dane/group.hpp"
#include "host/dane/queue.hpp"

namespace funkcja::dane {

inline Group* group_of(fk_group* g) {
  return reinterpret_cast<Group*>(g);
}
inline const Group* group_of(const fk_group* g) {
  return reinterpret_cast<const Group*>(g);
}
inline fk_group* handle_of(Group* g) {
  return reinterpret_cast<fk_group*>(g);
}

inline Queue* queue_of(fk_queue* q) {
  return reinterpret_cast<Queue*>(q);
}
inline const Queue* queue_of(const fk_queue* q) {
  return reinterpret_cast<const Queue*>(q);
}
inline fk_queue* handle_of(Queue* q) {
  return reinterpret_cast<fk_queue*>(q);
}

inline Browse* browse_of(fk_browse* b) {
  return reinterpret_cast<Browse*>(b);
}
inline const Browse* browse_of(const fk_browse* b) {
  return reinterpret_cast<const Browse*>(b);
}
inline fk_browse* handle_of(Browse* b) {
  return reinterpret_cast<fk_browse*>(b);
}

// The lock a C call holds on a process-wide object for its whole work; none for the host's
// own objects (the host keeps each of them on one thread at a time).
using Hold = std::unique_lock<std::recursive_mutex>;
inline Hold hold(std::recursive_mutex* guard) {
  return guard != nullptr ? Hold(*guard) : Hold();
}
inline Hold hold(const Group* g) {
  return hold(g != nullptr ? g->guard() : nullptr);
}
inline Hold hold(const Queue* q) {
  return hold(q != nullptr ? q->guard() : nullptr);
}

}  // namespace funkcja::dane
