// A queue of the host: entries of one layout and a record buffer through which entries are
// added, read and updated, as the runtime's queues work. A queue made without a layout holds
// texts: an entry has as many text fields, of no capacity, as were written into it. The C
// interface hands it over as fk_queue (funkcja/c/objects.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/dane/group.hpp"

namespace funkcja::dane {

class Queue {
 public:
  Queue();  // a queue of texts
  explicit Queue(std::vector<FieldSpec> layout);

  Queue(const Queue&) = delete;
  Queue& operator=(const Queue&) = delete;

  bool of_texts() const { return of_texts_; }
  // The buffer: a group of the queue's layout (a queue of texts: as many text fields as the
  // last entry read or the columns copied in). Its layout is fixed.
  Group& buffer() { return buffer_; }
  const Group& buffer() const { return buffer_; }

  std::size_t count() const { return count_; }
  std::size_t append();            // the buffer as a new last entry; its number
  bool read(std::size_t entry);    // entry (1 = first) into the buffer
  bool update(std::size_t entry);  // the buffer into entry
  bool remove(std::size_t entry);  // later entries move up
  void clear();                    // no entries, buffer cleared
  std::size_t add();               // an empty entry at the end; its number

  // Field f of entry n directly. A queue of texts grows the entry to the field; a queue with a
  // layout refuses a field it does not have. False when refused or there is no entry n.
  bool set(std::size_t entry, std::size_t field, std::string_view value);
  // Empty text or 0 for an entry or field that does not exist.
  std::string get(std::size_t entry, std::size_t field) const;
  std::int64_t get_number(std::size_t entry, std::size_t field) const;
  std::size_t field_count(std::size_t entry) const;

  // A queue of texts: its buffer to exactly n text fields, values of the first ones kept.
  void shape_buffer(std::size_t fields);

  // A process-wide list: shared by every thread under guard, never freed by the C interface.
  void share(std::recursive_mutex* guard);
  bool shared() const { return guard_ != nullptr; }
  std::recursive_mutex* guard() const { return guard_; }

 private:
  using Entry = std::vector<Group::Value>;
  const FieldSpec& spec_of(std::size_t field) const;  // REQUIRES a field of the layout
  bool has_entry(std::size_t entry) const { return entry >= 1 && entry <= count_; }
  // Entry n's values; REQUIRES has_entry(n).
  std::span<Group::Value> entry_values(std::size_t entry);
  std::span<const Group::Value> entry_values(std::size_t entry) const;

  bool of_texts_ = false;
  Group buffer_;
  std::size_t count_ = 0;
  // A queue with a layout keeps its entries one after another, width_ values each, so an
  // append costs no allocation of its own; a queue of texts keeps each entry apart, as each
  // has its own number of fields.
  std::size_t width_ = 0;
  std::vector<Group::Value> cells_;
  std::vector<Entry> texts_;
  std::recursive_mutex* guard_ = nullptr;
};

}  // namespace funkcja::dane
