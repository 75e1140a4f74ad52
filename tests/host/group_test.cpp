// Record groups through the C interface: every field type and its conversions, capacities,
// lookups by name, clearing and refusals.
#include <gtest/gtest.h>

#include <string>

#include "frame/cp_literal.hpp"
#include "funkcja/funkcja.h"

namespace {

using namespace funkcja::literals;

std::string text_of(fk_text t) {
  return std::string(t.ptr != nullptr ? t.ptr : "", t.len);
}

fk_text as_text(std::string_view s) {
  return {s.data(), s.size()};
}

struct GroupHandle {
  fk_group* g = fk_group_new();
  ~GroupHandle() { fk_group_free(g); }
};

TEST(Group, FieldsConvertTheirValuesByType) {
  struct Case {
    fk_field_type type;
    uint32_t size, places;
    const char* value;
    const char* read_back;
  };
  const Case cases[] = {
      {FK_FIELD_TEXT, 5, 0, "abcdefgh", "abcde"},  // cut to capacity
      {FK_FIELD_TEXT, 5, 0, "ab  ", "ab  "},       // held as given
      {FK_FIELD_INT32, 0, 0, " -42 ", "-42"},
      {FK_FIELD_INT32, 0, 0, "12.99", "12"},  // fraction dropped toward zero
      {FK_FIELD_INT32, 0, 0, "-12.99", "-12"},
      {FK_FIELD_INT32, 0, 0, "2147483648", "2147483647"},  // saturates
      {FK_FIELD_INT32, 0, 0, "-99999999999999999999", "-2147483648"},
      {FK_FIELD_INT32, 0, 0, "12a", "0"},  // junk
      {FK_FIELD_INT32, 0, 0, "", "0"},
      {FK_FIELD_INT32, 0, 0, "1e3", "0"},
      {FK_FIELD_BYTE, 0, 0, "300", "44"},  // low 8 bits
      {FK_FIELD_BYTE, 0, 0, "-1", "255"},
      {FK_FIELD_BYTE, 0, 0, "7.9", "7"},
      {FK_FIELD_BYTE, 0, 0, "x", "0"},
      {FK_FIELD_DECIMAL, 5, 2, "12.5", "12.50"},
      {FK_FIELD_DECIMAL, 5, 2, "1.005", "1.01"},  // half away from zero
      {FK_FIELD_DECIMAL, 5, 2, "-1.005", "-1.01"},
      {FK_FIELD_DECIMAL, 5, 2, "-0.004", "0.00"},
      {FK_FIELD_DECIMAL, 5, 2, "123456", "999.99"},  // beyond its digits: saturates
      {FK_FIELD_DECIMAL, 5, 2, "-123456", "-999.99"},
      {FK_FIELD_DECIMAL, 5, 0, "7.5", "8"},
      {FK_FIELD_DECIMAL, 18, 4, "abc", "0.0000"},
      {FK_FIELD_DATE, 0, 0, "36163", "36163"},
      {FK_FIELD_DATE, 0, 0, "36163.7", "36163"},
      {FK_FIELD_DATE, 0, 0, "2024-01-01", "0"},
  };
  for (const Case& c : cases) {
    GroupHandle h;
    ASSERT_EQ(fk_group_add_field(h.g, fk_cstr("A:F"), c.type, c.size, c.places), 1u);
    EXPECT_EQ(fk_group_set(h.g, 1, fk_cstr(c.value)), 1);
    EXPECT_EQ(text_of(fk_group_get(h.g, 1)), c.read_back) << c.type << " " << c.value;
  }
}

TEST(Group, FieldSpecsAreCheckedWhenAdded) {
  struct Case {
    fk_field_type type;
    uint32_t size, places;
    bool accepted;
    uint32_t size_kept;
  };
  const Case cases[] = {
      {FK_FIELD_TEXT, 0, 0, false, 0},
      {FK_FIELD_TEXT, 1, 0, true, 1},
      {FK_FIELD_TEXT, 1000000, 0, true, 1000000},
      {FK_FIELD_TEXT, 1000001, 0, false, 0},
      {FK_FIELD_DECIMAL, 0, 0, false, 0},
      {FK_FIELD_DECIMAL, 18, 18, true, 18},
      {FK_FIELD_DECIMAL, 19, 2, false, 0},
      {FK_FIELD_DECIMAL, 4, 5, false, 0},
      {FK_FIELD_INT32, 77, 3, true, 0},
      {FK_FIELD_BYTE, 0, 0, true, 0},
      {FK_FIELD_DATE, 9, 9, true, 0},
      {FK_FIELD_NONE, 1, 0, false, 0},
      {static_cast<fk_field_type>(42), 1, 0, false, 0},
  };
  for (const Case& c : cases) {
    GroupHandle h;
    const size_t n = fk_group_add_field(h.g, fk_cstr("X"), c.type, c.size, c.places);
    EXPECT_EQ(n, c.accepted ? 1u : 0u) << c.type << " " << c.size << "/" << c.places;
    EXPECT_EQ(fk_group_field_count(h.g), c.accepted ? 1u : 0u);
    if (c.accepted) {
      EXPECT_EQ(fk_group_field_type(h.g, 1), c.type);
      EXPECT_EQ(fk_group_field_size(h.g, 1), c.size_kept);
    }
  }
}

TEST(Group, FieldsAreFoundByTheirNameAfterThePrefixInAnyCase) {
  GroupHandle h;
  fk_group_add_field(h.g, fk_cstr("KP:NAZWA"), FK_FIELD_TEXT, 10, 0);
  fk_group_add_field(h.g, as_text("KP:ULICA_ŁĄKOWA"_cp), FK_FIELD_TEXT, 10, 0);
  fk_group_add_field(h.g, fk_cstr("BEZPREFIKSU"), FK_FIELD_INT32, 0, 0);
  fk_group_add_field(h.g, fk_cstr("XX:NAZWA"), FK_FIELD_INT32, 0, 0);  // same key: second
  struct Case {
    std::string_view name;
    size_t found;
  };
  const Case cases[] = {
      {"NAZWA", 1},
      {"nazwa", 1},
      {"ZZ:Nazwa  ", 1},
      {"KP:NAZWA", 1},
      {"ulica_łąkowa"_cp, 2},
      {"ULICA_ŁĄKOWA"_cp, 2},
      {"bezprefiksu", 3},
      {"KP:", 0},
      {"", 0},
      {"NAZW", 0},
      {"KP:NAZWA:", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(fk_group_find(h.g, as_text(c.name)), c.found) << std::string(c.name);
  EXPECT_EQ(text_of(fk_group_field_name(h.g, 1)), "KP:NAZWA");
}

TEST(Group, ClearEmptiesEveryFieldAndMissingFieldsAreRefused) {
  GroupHandle h;
  fk_group_add_field(h.g, fk_cstr("T"), FK_FIELD_TEXT, 3, 0);
  fk_group_add_field(h.g, fk_cstr("I"), FK_FIELD_INT32, 0, 0);
  fk_group_add_field(h.g, fk_cstr("D"), FK_FIELD_DECIMAL, 6, 3);
  fk_group_set(h.g, 1, fk_cstr("abc"));
  fk_group_set(h.g, 2, fk_cstr("5"));
  fk_group_set(h.g, 3, fk_cstr("1.5"));
  fk_group_clear(h.g);
  EXPECT_EQ(text_of(fk_group_get(h.g, 1)), "");
  EXPECT_EQ(text_of(fk_group_get(h.g, 2)), "0");
  EXPECT_EQ(text_of(fk_group_get(h.g, 3)), "0.000");

  EXPECT_EQ(fk_group_set(h.g, 0, fk_cstr("1")), 0);
  EXPECT_EQ(fk_group_set(h.g, 4, fk_cstr("1")), 0);
  EXPECT_EQ(text_of(fk_group_get(h.g, 4)), "");
  EXPECT_EQ(fk_group_field_type(h.g, 4), FK_FIELD_NONE);
  EXPECT_EQ(text_of(fk_group_field_name(h.g, 0)), "");
  EXPECT_EQ(fk_group_set(nullptr, 1, fk_cstr("1")), 0);
  EXPECT_EQ(fk_group_field_count(nullptr), 0u);
  fk_group_free(nullptr);
}

}  // namespace
