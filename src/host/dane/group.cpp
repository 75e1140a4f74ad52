#include "host/dane/group.hpp"

#include <algorithm>
#include <limits>
#include <utility>

#include "frame/cp1250_case.hpp"
#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"

namespace funkcja::dane {
namespace {

constexpr std::uint32_t kMaxTextSize = 1'000'000;
constexpr std::uint32_t kMaxDecimalDigits = 18;

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();

constexpr std::int64_t power_of_ten(std::uint32_t n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// A whole number or a decimal, its fraction dropped toward zero; beyond int32 it saturates,
// anything that is not a number gives 0.
std::int64_t int32_of(std::string_view value) {
  const auto read = text::read_decimal(value);
  if (!read) return 0;
  const auto& digits = read->integer;  // leading zeros already dropped
  std::int64_t magnitude = 0;
  if (digits.size() > 10) {
    magnitude = kInt32Max + 1;
  } else {
    for (const char c : digits) magnitude = magnitude * 10 + (c - '0');
  }
  const std::int64_t whole = read->negative ? -magnitude : magnitude;
  if (whole > kInt32Max) return kInt32Max;
  if (whole < kInt32Min) return kInt32Min;
  return whole;
}

// A decimal in units of its last place, rounded half away from zero; a value beyond the
// field's digits saturates at its largest (or smallest) value, anything else gives 0.
std::int64_t decimal_of(std::string_view value, const FieldSpec& field_spec) {
  const auto read = text::read_decimal(value);
  if (!read) return 0;
  const std::int64_t limit = power_of_ten(field_spec.size) - 1;
  const auto units = text::to_units(*read, static_cast<int>(field_spec.places));
  if (!units) return read->negative ? -limit : limit;  // beyond int64: beyond any field
  if (*units > limit) return limit;
  if (*units < -limit) return -limit;
  return *units;
}

std::string decimal_text(std::int64_t units, std::uint32_t places) {
  const std::uint64_t magnitude =
      units < 0 ? static_cast<std::uint64_t>(-(units + 1)) + 1 : static_cast<std::uint64_t>(units);
  const auto power = static_cast<std::uint64_t>(power_of_ten(places));
  std::string out = units < 0 ? "-" : "";
  out += std::to_string(magnitude / power);
  if (places > 0) {
    const std::string fraction = std::to_string(magnitude % power);
    out += '.';
    out.append(places - fraction.size(), '0');
    out += fraction;
  }
  return out;
}

}  // namespace

Group::Group(std::vector<FieldSpec> layout) : specs_(std::move(layout)), values_(specs_.size()) {}

std::size_t Group::add_field(FieldSpec field_spec) {
  if (fixed_) return 0;
  switch (field_spec.type) {
    case FieldType::kText:
      if (field_spec.size < 1 || field_spec.size > kMaxTextSize) return 0;
      field_spec.places = 0;
      break;
    case FieldType::kDecimal:
      if (field_spec.size < 1 || field_spec.size > kMaxDecimalDigits ||
          field_spec.places > field_spec.size)
        return 0;
      break;
    case FieldType::kInt32:
    case FieldType::kByte:
    case FieldType::kDate:
      field_spec.size = 0;
      field_spec.places = 0;
      break;
    default:
      return 0;
  }
  specs_.push_back(std::move(field_spec));
  values_.emplace_back();
  return specs_.size();
}

std::string Group::key_of(std::string_view name) {
  const auto colon = name.find(':');
  if (colon != std::string_view::npos) name.remove_prefix(colon + 1);
  std::string key(text::clip(name));
  for (char& c : key) c = static_cast<char>(cp1250::kUpper[static_cast<unsigned char>(c)]);
  return key;
}

std::size_t Group::find(std::string_view name) const {
  const std::string key = key_of(name);
  if (key.empty()) return 0;
  for (std::size_t i = 0; i < specs_.size(); ++i) {
    if (key_of(specs_[i].name) == key) return i + 1;
  }
  return 0;
}

Group::Value Group::convert(const FieldSpec& field_spec, std::string_view value) {
  Value v;
  switch (field_spec.type) {
    case FieldType::kText:
      // A text field of no capacity (a queue of texts) keeps the whole value.
      v.text.assign(field_spec.size > 0 ? text::cut(value, field_spec.size) : value);
      break;
    case FieldType::kInt32:
    case FieldType::kDate:
      v.number = int32_of(value);
      break;
    case FieldType::kByte:
      v.number = static_cast<std::uint8_t>(static_cast<std::uint32_t>(int32_of(value)) & 0xFFu);
      break;
    case FieldType::kDecimal:
      v.number = decimal_of(value, field_spec);
      break;
  }
  return v;
}

std::string Group::text_of(const FieldSpec& field_spec, const Value& value) {
  switch (field_spec.type) {
    case FieldType::kText:
      return value.text;
    case FieldType::kDecimal:
      return decimal_text(value.number, field_spec.places);
    default:
      return std::to_string(value.number);
  }
}

std::int64_t Group::number_of(const FieldSpec& field_spec, const Value& value) {
  switch (field_spec.type) {
    case FieldType::kText: {
      const auto read = text::read_whole(value.text);
      return read ? *read : 0;
    }
    case FieldType::kDecimal:
      return value.number / power_of_ten(field_spec.places);
    default:
      return value.number;
  }
}

bool Group::set(std::size_t n, std::string_view value) {
  if (n < 1 || n > specs_.size()) return false;
  const FieldSpec& field_spec = specs_[n - 1];
  Value& v = values_[n - 1];
  if (field_spec.type == FieldType::kText) {
    // In place, so a buffer filled record after record keeps its text's storage.
    v.text.assign(field_spec.size > 0 ? text::cut(value, field_spec.size) : value);
  } else {
    v.number = convert(field_spec, value).number;
  }
  return true;
}

std::string Group::get(std::size_t n) const {
  if (n < 1 || n > specs_.size()) return {};
  return text_of(specs_[n - 1], values_[n - 1]);
}

std::int64_t Group::get_number(std::size_t n) const {
  if (n < 1 || n > specs_.size()) return 0;
  return number_of(specs_[n - 1], values_[n - 1]);
}

void Group::clear() {
  for (Value& v : values_) {
    v.text.clear();
    v.number = 0;
  }
}

bool Group::assign_values(const std::vector<Value>& values) {
  return assign_values(std::span<const Value>(values));
}

bool Group::assign_values(std::span<const Value> values) {
  if (values.size() != values_.size()) return false;
  std::copy(values.begin(), values.end(), values_.begin());
  return true;
}

}  // namespace funkcja::dane
