#include "host/dane/queue.hpp"

#include <utility>

namespace funkcja::dane {
namespace {

const FieldSpec kTextField{"", FieldType::kText, 0, 0};

}  // namespace

Queue::Queue() : of_texts_(true) {
  buffer_.fix_layout();
}

Queue::Queue(std::vector<FieldSpec> layout) : buffer_(std::move(layout)) {
  buffer_.fix_layout();
}

const FieldSpec& Queue::spec_of(std::size_t field) const {
  return of_texts_ ? kTextField : buffer_.spec(field);
}

void Queue::shape_buffer(std::size_t fields) {
  if (!of_texts_ || fields == buffer_.field_count()) return;
  Entry values = buffer_.values();
  values.resize(fields);
  buffer_ = Group(std::vector<FieldSpec>(fields, kTextField));
  buffer_.assign_values(values);
  buffer_.fix_layout();
  buffer_.set_guard(guard_);
}

std::size_t Queue::append() {
  entries_.push_back(buffer_.values());
  return entries_.size();
}

bool Queue::read(std::size_t entry) {
  if (!has_entry(entry)) return false;
  const Entry& e = entries_[entry - 1];
  shape_buffer(e.size());
  buffer_.assign_values(e);
  return true;
}

bool Queue::update(std::size_t entry) {
  if (!has_entry(entry)) return false;
  entries_[entry - 1] = buffer_.values();
  return true;
}

bool Queue::remove(std::size_t entry) {
  if (!has_entry(entry)) return false;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(entry - 1));
  return true;
}

void Queue::clear() {
  entries_.clear();
  buffer_.clear();
}

std::size_t Queue::add() {
  entries_.emplace_back(of_texts_ ? 0 : buffer_.field_count());
  return entries_.size();
}

bool Queue::set(std::size_t entry, std::size_t field, std::string_view value) {
  if (!has_entry(entry) || field == 0) return false;
  Entry& e = entries_[entry - 1];
  if (field > e.size()) {
    if (!of_texts_) return false;
    e.resize(field);
  }
  e[field - 1] = Group::convert(spec_of(field), value);
  return true;
}

std::string Queue::get(std::size_t entry, std::size_t field) const {
  if (!has_entry(entry) || field == 0 || field > entries_[entry - 1].size()) return {};
  return Group::text_of(spec_of(field), entries_[entry - 1][field - 1]);
}

std::int64_t Queue::get_number(std::size_t entry, std::size_t field) const {
  if (!has_entry(entry) || field == 0 || field > entries_[entry - 1].size()) return 0;
  return Group::number_of(spec_of(field), entries_[entry - 1][field - 1]);
}

std::size_t Queue::field_count(std::size_t entry) const {
  return has_entry(entry) ? entries_[entry - 1].size() : 0;
}

void Queue::share(std::recursive_mutex* guard) {
  guard_ = guard;
  buffer_.set_guard(guard);
}

}  // namespace funkcja::dane
