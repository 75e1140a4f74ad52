// C++ interface: the data library's objects that procedures take from the host (record groups,
// queues, browse objects), the calling thread's text table TXT and the process-wide lists and
// groups. Each class owns its C handle (funkcja/c/objects.h states the conversion and thread
// rules) and passes it to C procedures through handle().
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "funkcja/c_bridge.hpp"

namespace funkcja {

// Ownership of a handle: freed by its owner only; a borrowed handle (a queue's buffer, a
// process-wide object, a handle passed in) is never freed here.
template <class Handle, void (*Free)(Handle*)>
class Owned {
 public:
  Owned(Handle* handle, bool owned) : handle_(handle), owned_(owned) {}
  Owned(Owned&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)), owned_(other.owned_) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
      owned_ = other.owned_;
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { reset(); }

  Handle* handle() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  void reset() {
    if (owned_ && handle_ != nullptr) Free(handle_);
    handle_ = nullptr;
  }
  Handle* handle_;
  bool owned_;
};

// A record group: named, typed fields. Field numbers start at 1.
class Group {
 public:
  Group() : h_(::fk_group_new(), true) {}
  // The group behind a handle the library or the caller keeps; not freed here.
  static Group borrow(fk_group* handle) { return Group(handle); }

  fk_group* handle() const { return h_.handle(); }

  // Each returns the field's number, or 0 when refused.
  std::size_t add_field(std::string_view name, fk_field_type type, std::uint32_t size = 0,
                        std::uint32_t places = 0) {
    return ::fk_group_add_field(handle(), c_api::text(name), type, size, places);
  }
  std::size_t add_text(std::string_view name, std::uint32_t capacity) {
    return add_field(name, FK_FIELD_TEXT, capacity);
  }
  std::size_t add_int32(std::string_view name) { return add_field(name, FK_FIELD_INT32); }
  std::size_t add_byte(std::string_view name) { return add_field(name, FK_FIELD_BYTE); }
  std::size_t add_decimal(std::string_view name, std::uint32_t digits, std::uint32_t places) {
    return add_field(name, FK_FIELD_DECIMAL, digits, places);
  }
  std::size_t add_date(std::string_view name) { return add_field(name, FK_FIELD_DATE); }

  std::size_t field_count() const { return ::fk_group_field_count(handle()); }
  std::string field_name(std::size_t field) const {
    return c_api::string(::fk_group_field_name(handle(), field));
  }
  fk_field_type field_type(std::size_t field) const {
    return ::fk_group_field_type(handle(), field);
  }
  std::uint32_t field_size(std::size_t field) const {
    return ::fk_group_field_size(handle(), field);
  }
  std::uint32_t field_places(std::size_t field) const {
    return ::fk_group_field_places(handle(), field);
  }
  // By name after its prefix, in any case; 0 when none.
  std::size_t find(std::string_view name) const {
    return ::fk_group_find(handle(), c_api::text(name));
  }

  bool set(std::size_t field, std::string_view value) {
    return ::fk_group_set(handle(), field, c_api::text(value)) != 0;
  }
  bool set(std::string_view name, std::string_view value) { return set(find(name), value); }
  std::string get(std::size_t field) const {
    return c_api::string(::fk_group_get(handle(), field));
  }
  std::string get(std::string_view name) const { return get(find(name)); }
  void clear() { ::fk_group_clear(handle()); }

 private:
  explicit Group(fk_group* borrowed) : h_(borrowed, false) {}
  Owned<fk_group, ::fk_group_free> h_;
};

// A queue: entries of a layout and a record buffer; without a layout, a queue of texts.
class Queue {
 public:
  Queue() : h_(::fk_queue_new(), true) {}
  explicit Queue(const Group& layout) : h_(::fk_queue_new_of(layout.handle()), true) {}
  static Queue borrow(fk_queue* handle) { return Queue(handle); }

  fk_queue* handle() const { return h_.handle(); }

  std::size_t count() const { return ::fk_queue_count(handle()); }
  // The record buffer, owned by the queue.
  Group buffer() const { return Group::borrow(::fk_queue_buffer(handle())); }
  std::size_t append() { return ::fk_queue_append(handle()); }
  bool read(std::size_t entry) { return ::fk_queue_read(handle(), entry) != 0; }
  bool update(std::size_t entry) { return ::fk_queue_update(handle(), entry) != 0; }
  bool erase(std::size_t entry) { return ::fk_queue_delete(handle(), entry) != 0; }
  void clear() { ::fk_queue_clear(handle()); }

  // Entries and fields directly.
  std::size_t add() { return ::fk_queue_add(handle()); }
  void set(std::size_t entry, std::size_t field, std::string_view value) {
    ::fk_queue_set(handle(), entry, field, c_api::text(value));
  }
  std::string get(std::size_t entry, std::size_t field) const {
    return c_api::string(::fk_queue_get(handle(), entry, field));
  }

 private:
  explicit Queue(fk_queue* borrowed) : h_(borrowed, false) {}
  Owned<fk_queue, ::fk_queue_free> h_;
};

// A browse object over one statement, run on the calling thread's connection.
class Browse {
 public:
  explicit Browse(std::string_view statement) : h_(::fk_browse_new(c_api::text(statement)), true) {}

  fk_browse* handle() const { return h_.handle(); }

  std::string statement() const { return c_api::string(::fk_browse_statement(handle())); }
  // Runs the statement from the start; false when it failed (see error()).
  bool reset() { return ::fk_browse_reset(handle()) != 0; }
  // 0 when a record was fetched, 33 at the end, 90 when the database failed while reading.
  std::int32_t next() { return ::fk_browse_next(handle()); }
  std::string error() const { return c_api::string(::fk_browse_error(handle())); }
  std::size_t position() const { return ::fk_browse_position(handle()); }
  // The fetched record into the queue's buffer; false when no record is fetched.
  bool copy(Queue& queue) const { return ::fk_browse_copy(handle(), queue.handle()) != 0; }

 private:
  Owned<fk_browse, ::fk_browse_free> h_;
};

// The calling thread's text table TXT.
struct Txt {
  static void set_file_name(std::string_view path) { ::fk_txt_set_file_name(c_api::text(path)); }
  static std::string file_name() { return c_api::string(::fk_txt_file_name()); }
  // The outcome of the last file operation of TXT: 0, or an error code with the system's text.
  static std::int32_t error_code() { return ::fk_txt_error_code(); }
  static std::string error_message() { return c_api::string(::fk_txt_error_message()); }
};

// The process-wide lists and groups ("$GGG:XML_Q", "$GGG:SPEC_EKSPORT", ...), borrowed from the
// library; an unknown name gives an object whose handle is null.
inline Queue global_queue(std::string_view name) {
  return Queue::borrow(::fk_global_queue(c_api::text(name)));
}
inline Group global_group(std::string_view name) {
  return Group::borrow(::fk_global_group(c_api::text(name)));
}
inline std::string global_object_names() {
  return c_api::string(::fk_global_object_names());
}

}  // namespace funkcja
