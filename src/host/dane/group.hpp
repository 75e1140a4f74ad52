// A record group of the host: named, typed fields that a procedure fills from text and the
// host reads back. The C interface hands it over as fk_group (funkcja/c/objects.h), whose
// header states the conversion rules this class follows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::dane {

enum class FieldType { kText, kInt32, kByte, kDecimal, kDate };

struct FieldSpec {
  std::string name;  // as declared, with its prefix: "KP:NAZWA"
  FieldType type = FieldType::kText;
  std::uint32_t size = 0;    // text: capacity; decimal: total digits
  std::uint32_t places = 0;  // decimal: digits after the point
};

class Group {
 public:
  Group() = default;
  explicit Group(std::vector<FieldSpec> layout);

  // Adds a field at the end; its number (1 = first), or 0 when the field_spec is refused (see
  // fk_group_add_field) or the layout is fixed.
  std::size_t add_field(FieldSpec field_spec);
  // A group whose layout others rely on (a queue's buffer, a process-wide group) takes no new
  // fields.
  void fix_layout() { fixed_ = true; }
  // Only the library fixes a layout, on a group that is part of another object: the C
  // interface does not free such a group.
  bool layout_fixed() const { return fixed_; }

  // The lock of the process-wide object this group belongs to; nullptr for every other group.
  // The C interface takes it around each call.
  std::recursive_mutex* guard() const { return guard_; }
  void set_guard(std::recursive_mutex* guard) { guard_ = guard; }

  std::size_t field_count() const { return specs_.size(); }
  // Field n's field_spec, 1-based; REQUIRES 1 <= n <= field_count().
  const FieldSpec& field_spec(std::size_t n) const { return specs_[n - 1]; }
  const std::vector<FieldSpec>& layout() const { return specs_; }

  // The name by which a procedure knows a field: the part after the first ":", in upper case
  // (code page 1250 letters included), trailing blanks removed.
  static std::string key_of(std::string_view name);
  // The first field whose key equals key_of(name); 0 when none.
  std::size_t find(std::string_view name) const;

  // Sets field n from text by the runtime's conversion rules; false when there is no field n.
  bool set(std::size_t n, std::string_view value);
  // Field n as text; empty for a field that does not exist.
  std::string get(std::size_t n) const;
  // Field n as a number: int32, byte and date fields as they are, a decimal cut toward zero, a
  // text read as a whole number (0 when it is not one).
  std::int64_t get_number(std::size_t n) const;

  void clear();  // every field to its empty or zero value

  // Whole values, for copies between groups of one layout (queue entries).
  struct Value {
    std::string text;         // text fields
    std::int64_t number = 0;  // int32, byte, date; a decimal in units of its last place
  };
  const std::vector<Value>& values() const { return values_; }
  // Replaces the values; false (nothing changed) when their count differs from the layout's.
  bool assign_values(const std::vector<Value>& values);
  bool assign_values(std::span<const Value> values);

  // The conversions of one field, for holders of values outside a group (queue entries):
  // text into field_spec's type, and a value back to text or to a number as get() and get_number().
  static Value convert(const FieldSpec& field_spec, std::string_view value);
  static std::string text_of(const FieldSpec& field_spec, const Value& value);
  static std::int64_t number_of(const FieldSpec& field_spec, const Value& value);

 private:
  std::vector<FieldSpec> specs_;
  std::vector<Value> values_;
  bool fixed_ = false;
  std::recursive_mutex* guard_ = nullptr;
};

}  // namespace funkcja::dane
