#include "host/dane/queue.hpp"

#include <algorithm>
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
  width_ = buffer_.field_count();
}

const FieldSpec& Queue::spec_of(std::size_t field) const {
  return of_texts_ ? kTextField : buffer_.field_spec(field);
}

std::span<Group::Value> Queue::entry_values(std::size_t entry) {
  if (of_texts_) return texts_[entry - 1];
  return {cells_.data() + (entry - 1) * width_, width_};
}

std::span<const Group::Value> Queue::entry_values(std::size_t entry) const {
  if (of_texts_) return texts_[entry - 1];
  return {cells_.data() + (entry - 1) * width_, width_};
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
  const auto& values = buffer_.values();
  if (of_texts_) {
    texts_.push_back(values);
  } else {
    cells_.insert(cells_.end(), values.begin(), values.end());
  }
  return ++count_;
}

bool Queue::read(std::size_t entry) {
  if (!has_entry(entry)) return false;
  const auto values = entry_values(entry);
  shape_buffer(values.size());
  buffer_.assign_values(values);
  return true;
}

bool Queue::update(std::size_t entry) {
  if (!has_entry(entry)) return false;
  if (of_texts_) {
    texts_[entry - 1] = buffer_.values();
  } else {
    std::ranges::copy(buffer_.values(), entry_values(entry).begin());
  }
  return true;
}

bool Queue::remove(std::size_t entry) {
  if (!has_entry(entry)) return false;
  if (of_texts_) {
    texts_.erase(texts_.begin() + static_cast<std::ptrdiff_t>(entry - 1));
  } else {
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>((entry - 1) * width_);
    cells_.erase(first, first + static_cast<std::ptrdiff_t>(width_));
  }
  --count_;
  return true;
}

void Queue::clear() {
  texts_.clear();
  cells_.clear();
  count_ = 0;
  buffer_.clear();
}

std::size_t Queue::add() {
  if (of_texts_) {
    texts_.emplace_back();
  } else {
    cells_.resize(cells_.size() + width_);
  }
  return ++count_;
}

bool Queue::set(std::size_t entry, std::size_t field, std::string_view value) {
  if (!has_entry(entry) || field == 0) return false;
  if (of_texts_) {
    Entry& e = texts_[entry - 1];
    if (field > e.size()) e.resize(field);
  } else if (field > width_) {
    return false;
  }
  entry_values(entry)[field - 1] = Group::convert(spec_of(field), value);
  return true;
}

std::string Queue::get(std::size_t entry, std::size_t field) const {
  if (field == 0 || field > field_count(entry)) return {};
  return Group::text_of(spec_of(field), entry_values(entry)[field - 1]);
}

std::int64_t Queue::get_number(std::size_t entry, std::size_t field) const {
  if (field == 0 || field > field_count(entry)) return 0;
  return Group::number_of(spec_of(field), entry_values(entry)[field - 1]);
}

std::size_t Queue::field_count(std::size_t entry) const {
  if (!has_entry(entry)) return 0;
  return of_texts_ ? texts_[entry - 1].size() : width_;
}

void Queue::share(std::recursive_mutex* guard) {
  guard_ = guard;
  buffer_.set_guard(guard);
}

}  // namespace funkcja::dane
