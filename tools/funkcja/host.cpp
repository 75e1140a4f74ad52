#include "host.hpp"

#include <dlfcn.h>
#include <unistd.h>

#include <charconv>
#include <climits>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>

#include "edges.hpp"
#include "objects.hpp"

namespace funkcja::cli {
namespace {

std::string library_path() {
  if (const char* env = std::getenv("FUNKCJA_LIBRARY"); env != nullptr && *env != '\0') return env;
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const auto beside = self.parent_path().parent_path() / "lib" / "libfunkcja.so";
    if (std::filesystem::exists(beside, ec)) return beside.string();
  }
  return "libfunkcja.so";
}

const char* kind_name(fk_kind kind) {
  switch (kind) {
    case FK_NONE:
      return "none";
    case FK_TEXT:
      return "text";
    case FK_INT32:
      return "int32";
    case FK_BYTE:
      return "byte";
    case FK_DOUBLE:
      return "double";
    case FK_TEXT_INOUT:
      return "in/out text";
    case FK_INT32_INOUT:
      return "in/out int32";
    case FK_BYTE_INOUT:
      return "in/out byte";
    case FK_OBJECT:
      return "object";
  }
  return "?";
}

long long whole_number(const std::string& typed, long long low, long long high,
                       const std::string& what) {
  std::string_view s = typed;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  // One plus sign may stand before the digits; "+-1" is not a number.
  if (s.size() > 1 && s.front() == '+' && s[1] != '-' && s[1] != '+') s.remove_prefix(1);
  long long value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size() || value < low || value > high) {
    throw UsageError(what + ": expected a whole number from " + std::to_string(low) + " to " +
                     std::to_string(high) + ", got '" + typed + "'");
  }
  return value;
}

double real_number(const std::string& typed, const std::string& what) {
  std::string_view s = typed;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  if (s.size() > 1 && s.front() == '+' && s[1] != '-' && s[1] != '+') s.remove_prefix(1);
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) {
    throw UsageError(what + ": expected a number, got '" + typed + "'");
  }
  return value;
}

Json text_json(fk_text t) {
  return Json(to_utf8(t));
}

// A JSON argument as the command line would have typed it.
std::string typed(const Json& value, const std::string& what) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_null()) return "";
  if (value.is_boolean()) return value.get<bool>() ? "1" : "0";
  if (value.is_number()) return value.dump();
  throw UsageError(what + ": a string or a number (objects go to object parameters only)");
}

Json value_json(const fk_value& v) {
  switch (v.kind) {
    case FK_TEXT:
      return text_json(v.as.text);
    case FK_INT32:
      return v.as.i32;
    case FK_BYTE:
      return v.as.byte;
    case FK_DOUBLE:
      return v.as.dbl;
    default:
      return nullptr;
  }
}

}  // namespace

Host::Host() {
  const std::string path = library_path();
  handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* why = ::dlerror();
    throw UsageError("cannot load " + path + ": " + (why != nullptr ? why : "unknown error"));
  }
  bind_edges(*this);
}

Host::~Host() {
  if (handle_ != nullptr) ::dlclose(handle_);
}

template <class Fn>
Fn Host::symbol(const char* name) const {
  void* address = ::dlsym(handle_, name);
  if (address == nullptr) throw UsageError(std::string("the library does not export ") + name);
  return reinterpret_cast<Fn>(address);
}

void* Host::function(const char* name) const {
  return symbol<void*>(name);
}

bool Host::exported(const char* name) const {
  return ::dlsym(handle_, name) != nullptr;
}

std::vector<const fk_procedure*> Host::procedures() const {
  size_t count = 0;
  const fk_procedure* table =
      symbol<const fk_procedure* (*)(size_t*)>("funkcja_procedures")(&count);
  std::vector<const fk_procedure*> all;
  for (size_t i = 0; i < count; ++i) all.push_back(&table[i]);
  return all;
}

const fk_procedure& Host::procedure(const std::string& name) const {
  std::string upper = name;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  const fk_procedure* p =
      symbol<const fk_procedure* (*)(const char*)>("funkcja_find_procedure")(upper.c_str());
  if (p == nullptr) throw UsageError("unknown procedure '" + name + "' (see 'funkcja list')");
  return *p;
}

void Host::set_global(const std::string& assignment) {
  const auto eq = assignment.find('=');
  if (eq == std::string::npos) throw UsageError("--set takes NAME=VALUE, got '" + assignment + "'");
  const std::string name = assignment.substr(0, eq);
  const std::string value = to_cp1250(assignment.substr(eq + 1), "--set " + name);
  const auto set = symbol<int (*)(fk_text, fk_text)>("fk_global_set");
  if (set(fk_text{name.data(), name.size()}, fk_text{value.data(), value.size()}) == 0) {
    throw UsageError("--set: unknown global or value of the wrong form: '" + assignment + "'");
  }
}

void Host::open_database(const std::string& url) {
  void* address = ::dlsym(handle_, "fk_database_open");
  if (address == nullptr) throw UsageError("this library build has no database support");
  const auto open = reinterpret_cast<int (*)(fk_text)>(address);
  const std::string converted = to_cp1250(url, "--db");
  if (open(fk_text{converted.data(), converted.size()}) == 0) {
    // The library knows why (not a database, locked, read-only, unknown kind): say it.
    std::string reason;
    if (void* error = ::dlsym(handle_, "fk_database_error"); error != nullptr) {
      reason = text_json(reinterpret_cast<fk_text (*)()>(error)()).get<std::string>();
    }
    throw UsageError("cannot open the database " + url + (reason.empty() ? "" : ": " + reason));
  }
}

void Host::bind_settings() {
  const fk_text name{"GGG_SCIEZKA_SET", 15};
  const fk_text now = symbol<fk_text (*)(fk_text)>("fk_global_get")(name);
  std::string path(now.ptr != nullptr ? now.ptr : "", now.len);
  if (settings_ != nullptr && path == settings_path_) return;
  const fk_text file{path.data(), path.size()};
  if (settings_ == nullptr) {
    // Lives until the process ends: the library keeps using it while it stays loaded.
    settings_ = symbol<fk_iniclass* (*)(fk_text)>("fk_iniclass_new")(file);
    symbol<void (*)(fk_errorclass*, fk_iniclass*)>("FUNKCJA_INIT")(nullptr, settings_);
  } else {
    symbol<void (*)(fk_iniclass*, fk_text)>("fk_iniclass_init")(settings_, file);
  }
  settings_path_ = std::move(path);
}

void Host::push_answer(int button) const {
  symbol<void (*)(int32_t)>("fk_msgbox_push_answer")(button);
}

void Host::reset_headless() const {
  symbol<void (*)()>("fk_headless_reset")();
}

void Host::echo_message_boxes(bool on) {
  symbol<void (*)(int)>("fk_msgbox_set_echo")(on ? 1 : 0);
}

Json Host::call(const fk_procedure& p, const std::vector<Json>& args,
                GlobalObjects* globals) const {
  if (args.size() > p.param_count) {
    throw UsageError(std::string(p.name) + " takes at most " + std::to_string(p.param_count) +
                     " arguments, got " + std::to_string(args.size()));
  }
  for (size_t i = args.size(); i < p.param_count; ++i) {
    if (!p.params[i].omittable) {
      throw UsageError(std::string(p.name) + " needs " + std::to_string(i + 1) +
                       "+ arguments: " + describe(p));
    }
  }
  // Storage that the arguments point into, stable for the duration of the call.
  std::deque<std::string> texts;
  std::deque<std::vector<char>> buffers;
  std::deque<int32_t> ints;
  std::deque<uint8_t> bytes;
  std::unique_ptr<CallObjects> objects;
  std::vector<fk_value> values(p.param_count);
  for (size_t i = 0; i < p.param_count; ++i) {
    const fk_param& param = p.params[i];
    const bool given = i < args.size();
    const std::string what = std::string(p.name) + " " + param.name;
    if (given && param.kind == FK_OBJECT && (args[i].is_object() || args[i].is_array())) {
      if (!objects) objects = std::make_unique<CallObjects>(*this);
      values[i].kind = FK_OBJECT;
      values[i].as.object = objects->make(args[i], object_kind(param), what);
      continue;
    }
    const std::string typed = given ? cli::typed(args[i], what) : std::string();
    fk_value& v = values[i];
    v.kind = param.kind;
    switch (param.kind) {
      case FK_TEXT:
        texts.push_back(to_cp1250(typed, what));
        v.as.text = fk_text{texts.back().data(), texts.back().size()};
        break;
      case FK_INT32:
        v.as.i32 =
            given ? static_cast<int32_t>(whole_number(typed, INT32_MIN, INT32_MAX, what)) : 0;
        break;
      case FK_BYTE:
        v.as.byte = given ? static_cast<uint8_t>(whole_number(typed, 0, 255, what)) : 0;
        break;
      case FK_DOUBLE:
        v.as.dbl = given ? real_number(typed, what) : 0.0;
        break;
      case FK_TEXT_INOUT: {
        const std::string start = to_cp1250(typed, what);
        size_t capacity = param.capacity > 0 ? param.capacity : 1024;
        if (capacity < start.size() + 1 && param.capacity == 0) capacity = start.size() + 1;
        buffers.emplace_back(capacity, '\0');
        start.copy(buffers.back().data(), std::min(start.size(), capacity - 1));
        v.as.buffer = fk_buffer{buffers.back().data(), capacity};
        break;
      }
      case FK_INT32_INOUT:
        ints.push_back(given ? static_cast<int32_t>(whole_number(typed, INT32_MIN, INT32_MAX, what))
                             : 0);
        v.as.i32_ref = &ints.back();
        break;
      case FK_BYTE_INOUT:
        bytes.push_back(given ? static_cast<uint8_t>(whole_number(typed, 0, 255, what)) : 0);
        v.as.byte_ref = &bytes.back();
        break;
      case FK_OBJECT:
        if (given && !typed.empty() && typed != "null") {
          throw UsageError(what + ": an object is given as its JSON form or null");
        }
        v.as.object = nullptr;
        break;
      case FK_NONE:
        break;
    }
  }
  if (globals != nullptr) globals->remember();
  fk_value result{};
  if (p.invoke(values.data(), &result) != 0) {
    throw UsageError(std::string(p.name) + ": the library refused the arguments");
  }
  Json out = Json::object();
  out["result"] = value_json(result);
  Json outs = Json::object();
  for (size_t i = 0; i < p.param_count; ++i) {
    const fk_value& v = values[i];
    switch (v.kind) {
      case FK_TEXT_INOUT: {
        const fk_buffer& b = v.as.buffer;
        const size_t len = ::strnlen(b.ptr, b.capacity);
        outs[p.params[i].name] = text_json(fk_text{b.ptr, len});
        break;
      }
      case FK_INT32_INOUT:
        outs[p.params[i].name] = *v.as.i32_ref;
        break;
      case FK_BYTE_INOUT:
        outs[p.params[i].name] = *v.as.byte_ref;
        break;
      case FK_OBJECT:
        if (objects && v.as.object != nullptr) outs[p.params[i].name] = objects->state(v.as.object);
        break;
      default:
        break;
    }
  }
  if (globals != nullptr) {
    Json changed = globals->changed();
    for (auto& [name, state] : changed.items()) outs[name] = std::move(state);
  }
  out["out"] = std::move(outs);
  return out;
}

std::string describe(const fk_procedure& p) {
  std::string line = std::string(p.name) + "(";
  for (size_t i = 0; i < p.param_count; ++i) {
    if (i > 0) line += ", ";
    // An object parameter by the object it takes: "queue rows".
    const std::string object = object_kind(p.params[i]);
    line += (object.empty() ? std::string(kind_name(p.params[i].kind)) : object) + " " +
            p.params[i].name;
    if (p.params[i].capacity > 0) line += "[" + std::to_string(p.params[i].capacity) + "]";
    if (p.params[i].omittable) line += "?";
  }
  line += ")";
  if (p.result != FK_NONE) line += std::string(" -> ") + kind_name(p.result);
  return line;
}

std::string object_kind(const fk_param& param) {
  return param.kind == FK_OBJECT && param.object != nullptr ? param.object : "";
}

std::string one_line(const Json& value) {
  if (value.is_object()) {
    std::string out = "{";
    bool first = true;
    for (const auto& [key, item] : value.items()) {
      out += first ? "" : ", ";
      out += Json(key).dump(-1, ' ', false, Json::error_handler_t::replace) + ": " + one_line(item);
      first = false;
    }
    return out + "}";
  }
  if (value.is_array()) {
    std::string out = "[";
    for (size_t i = 0; i < value.size(); ++i) out += (i > 0 ? ", " : "") + one_line(value[i]);
    return out + "]";
  }
  // Bytes that are not UTF-8 (from a bad input line quoted in an error) become U+FFFD, so the
  // line is always valid JSON.
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string plain(const Json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_null()) return "";
  return value.dump();
}

}  // namespace funkcja::cli
