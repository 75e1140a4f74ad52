#include "host/dane/globals.hpp"

#include <array>
#include <charconv>
#include <limits>
#include <mutex>
#include <shared_mutex>

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/platform/env.hpp"

namespace funkcja::dane {
namespace {

using namespace funkcja::literals;

constexpr std::size_t kCount = static_cast<std::size_t>(Global::kCount);

struct Definition {
  GlobalInfo info;
  std::string_view initial;
};

constexpr std::array<Definition, kCount> kDefinitions = {{
#define FUNKCJA_GLOBAL_DEFINITION(name, type, capacity, initial) \
  {{#name, GlobalType::type, capacity}, initial##_cp},
    FUNKCJA_GLOBALS(FUNKCJA_GLOBAL_DEFINITION)
#undef FUNKCJA_GLOBAL_DEFINITION
}};

struct Value {
  std::int64_t number = 0;
  std::string text;
};

struct Store {
  std::shared_mutex mutex;
  std::array<Value, kCount> values;
};

bool is_numeric(GlobalType t) {
  return t != GlobalType::kText;
}

// "12.5" or "12,5" -> 125000 ten-thousandths; at most 4 decimal places; an empty value is 0.
std::optional<std::int64_t> parse_decimal4(std::string_view s) {
  const auto read =
      text::read_decimal(s, text::NumberRules{.empty_is_zero = true, .comma_is_point = true});
  if (!read || read->fraction.size() > 4) return std::nullopt;
  return text::to_units(*read, 4).optional();
}

std::string format_decimal4(std::int64_t v) {
  std::string out = v < 0 ? "-" : "";
  const std::uint64_t magnitude =
      v < 0 ? static_cast<std::uint64_t>(-(v + 1)) + 1 : static_cast<std::uint64_t>(v);
  out += std::to_string(magnitude / 10000);
  std::string fraction = std::to_string(magnitude % 10000);
  out += '.';
  out.append(4 - fraction.size(), '0');
  out += fraction;
  return out;
}

// Converts text to the stored form of a global; nothing when it does not fit the type.
std::optional<Value> convert(const GlobalInfo& gi, std::string_view text) {
  Value v;
  switch (gi.type) {
    case GlobalType::kText:
      v.text = gi.capacity > 0 ? std::string(text::cut(text, gi.capacity)) : std::string(text);
      return v;
    case GlobalType::kChar:
      v.number = static_cast<unsigned char>(text.empty() ? ' ' : text.front());
      return v;
    case GlobalType::kDecimal4: {
      const auto d = parse_decimal4(text);
      if (!d) return std::nullopt;
      v.number = *d;
      return v;
    }
    case GlobalType::kByte: {
      const auto n = text::read_whole(text);
      if (!n || *n < 0 || *n > 255) return std::nullopt;
      v.number = *n;
      return v;
    }
    case GlobalType::kInt32:
    case GlobalType::kDate: {
      const auto n = text::read_int32(text);
      if (!n) return std::nullopt;
      v.number = *n;
      return v;
    }
  }
  return std::nullopt;
}

std::size_t index(Global g) {
  return static_cast<std::size_t>(g);
}

// Where the settings file lives until the host names its own: $FUNKCJA_SETTINGS, else
// funkcja.ini in the user's configuration folder.
std::string default_settings_path() {
  platform::Env& env = platform::Env::current();
  if (auto explicit_path = env.environment("FUNKCJA_SETTINGS");
      explicit_path && !explicit_path->empty()) {
    return std::move(*explicit_path);
  }
  const std::string folder = env.config_folder();
  return folder.empty() ? "funkcja.ini" : folder + "/funkcja.ini";
}

Store& store() {
  static Store* instance = [] {
    auto* s = new Store;  // shared by every thread until the process ends
    for (std::size_t i = 0; i < kCount; ++i) {
      s->values[i] = *convert(kDefinitions[i].info, kDefinitions[i].initial);
    }
    s->values[index(Global::GGG_SCIEZKA_SET)].text = default_settings_path();
    return s;
  }();
  return *instance;
}

}  // namespace

const GlobalInfo& info(Global g) {
  return kDefinitions[index(g)].info;
}

std::optional<Global> find(std::string_view name) {
  std::string key;
  key.reserve(name.size());
  for (const char c : text::trim(name)) {
    if (c == '$') continue;
    key.push_back(c == ':' ? '_' : (c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c));
  }
  for (std::size_t i = 0; i < kCount; ++i) {
    if (kDefinitions[i].info.name == key) return static_cast<Global>(i);
  }
  return std::nullopt;
}

std::vector<std::string_view> all_names() {
  std::vector<std::string_view> names;
  names.reserve(kDefinitions.size());
  for (const auto& d : kDefinitions) names.push_back(d.info.name);
  return names;
}

std::int64_t get_number(Global g) {
  Store& s = store();
  std::shared_lock lock(s.mutex);
  const Value& v = s.values[index(g)];
  if (is_numeric(info(g).type)) return v.number;
  return text::read_whole(v.text).optional().value_or(0);
}

std::int32_t get_int(Global g) {
  const std::int64_t n = get_number(g);
  if (n > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (n < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(n);
}

std::string get_text(Global g) {
  Store& s = store();
  std::shared_lock lock(s.mutex);
  const Value& v = s.values[index(g)];
  switch (info(g).type) {
    case GlobalType::kText:
      return v.text;
    case GlobalType::kChar:
      return std::string(1, static_cast<char>(v.number));
    case GlobalType::kDecimal4:
      return format_decimal4(v.number);
    default:
      return std::to_string(v.number);
  }
}

void set_number(Global g, std::int64_t value) {
  Store& s = store();
  std::unique_lock lock(s.mutex);
  Value& v = s.values[index(g)];
  if (is_numeric(info(g).type)) {
    v.number = value;
  } else {
    v.text = std::to_string(value);
  }
}

bool set_text(Global g, std::string_view value) {
  auto converted = convert(info(g), value);
  if (!converted) return false;
  Store& s = store();
  std::unique_lock lock(s.mutex);
  s.values[index(g)] = std::move(*converted);
  return true;
}

void reset_all() {
  Store& s = store();
  std::unique_lock lock(s.mutex);
  for (std::size_t i = 0; i < kCount; ++i) {
    s.values[i] = *convert(kDefinitions[i].info, kDefinitions[i].initial);
  }
  s.values[index(Global::GGG_SCIEZKA_SET)].text = default_settings_path();
}

}  // namespace funkcja::dane
