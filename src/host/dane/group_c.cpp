// C exports of the record group.
#include <new>
#include <optional>
#include <string>

#include "frame/export.hpp"
#include "host/dane/handles.hpp"

using namespace funkcja;
using dane::group_of;

namespace {

// Types outside the enumeration come back as nothing.
std::optional<dane::FieldType> field_type_of(fk_field_type type) {
  switch (type) {
    case FK_FIELD_TEXT:
      return dane::FieldType::kText;
    case FK_FIELD_INT32:
      return dane::FieldType::kInt32;
    case FK_FIELD_BYTE:
      return dane::FieldType::kByte;
    case FK_FIELD_DECIMAL:
      return dane::FieldType::kDecimal;
    case FK_FIELD_DATE:
      return dane::FieldType::kDate;
    default:
      return std::nullopt;
  }
}

fk_field_type c_type_of(dane::FieldType type) {
  switch (type) {
    case dane::FieldType::kText:
      return FK_FIELD_TEXT;
    case dane::FieldType::kInt32:
      return FK_FIELD_INT32;
    case dane::FieldType::kByte:
      return FK_FIELD_BYTE;
    case dane::FieldType::kDecimal:
      return FK_FIELD_DECIMAL;
    case dane::FieldType::kDate:
      return FK_FIELD_DATE;
  }
  return FK_FIELD_NONE;
}

bool has_field(const fk_group* group, size_t field) {
  return group != nullptr && field >= 1 && field <= group_of(group)->field_count();
}

}  // namespace

extern "C" FK_API fk_group* fk_group_new(void) {
  return dane::handle_of(new (std::nothrow) dane::Group);
}

extern "C" FK_API void fk_group_free(fk_group* group) {
  if (group == nullptr || group_of(group)->layout_fixed()) return;
  delete group_of(group);
}

extern "C" FK_API size_t fk_group_add_field(fk_group* group, fk_text name, fk_field_type type,
                                            uint32_t size, uint32_t places) {
  return abi::guarded(
      [&]() -> size_t {
        const auto t = field_type_of(type);
        if (group == nullptr || !t) return 0;
        const auto lock = dane::hold(group_of(group));
        return group_of(group)->add_field({std::string(abi::in(name)), *t, size, places});
      },
      size_t{0});
}

extern "C" FK_API size_t fk_group_field_count(const fk_group* group) {
  return group != nullptr ? group_of(group)->field_count() : 0;
}

extern "C" FK_API fk_text fk_group_field_name(const fk_group* group, size_t field) {
  return abi::text_result([&] {
    return has_field(group, field) ? group_of(group)->field_spec(field).name : std::string();
  });
}

extern "C" FK_API fk_field_type fk_group_field_type(const fk_group* group, size_t field) {
  return has_field(group, field) ? c_type_of(group_of(group)->field_spec(field).type)
                                 : FK_FIELD_NONE;
}

extern "C" FK_API uint32_t fk_group_field_size(const fk_group* group, size_t field) {
  return has_field(group, field) ? group_of(group)->field_spec(field).size : 0;
}

extern "C" FK_API uint32_t fk_group_field_places(const fk_group* group, size_t field) {
  return has_field(group, field) ? group_of(group)->field_spec(field).places : 0;
}

extern "C" FK_API size_t fk_group_find(const fk_group* group, fk_text name) {
  return abi::guarded(
      [&] { return group != nullptr ? group_of(group)->find(abi::in(name)) : size_t{0}; },
      size_t{0});
}

extern "C" FK_API int fk_group_set(fk_group* group, size_t field, fk_text value) {
  return abi::guarded(
      [&] {
        if (group == nullptr) return 0;
        const auto lock = dane::hold(group_of(group));
        return group_of(group)->set(field, abi::in(value)) ? 1 : 0;
      },
      0);
}

extern "C" FK_API fk_text fk_group_get(const fk_group* group, size_t field) {
  return abi::text_result([&] {
    if (group == nullptr) return std::string();
    const auto lock = dane::hold(group_of(group));
    return group_of(group)->get(field);
  });
}

extern "C" FK_API void fk_group_clear(fk_group* group) {
  if (group == nullptr) return;
  abi::guarded_void([&] {
    const auto lock = dane::hold(group_of(group));
    group_of(group)->clear();
  });
}
