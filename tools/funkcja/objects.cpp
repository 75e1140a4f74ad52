#include "objects.hpp"

#include <charconv>

#include "edges.hpp"

namespace funkcja::cli {

// The library's C functions of the host objects, looked up once.
struct ObjectApi {
  fk_group* (*group_new)();
  void (*group_free)(fk_group*);
  size_t (*group_add_field)(fk_group*, fk_text, fk_field_type, uint32_t, uint32_t);
  size_t (*group_field_count)(const fk_group*);
  fk_text (*group_field_name)(const fk_group*, size_t);
  fk_field_type (*group_field_type)(const fk_group*, size_t);
  uint32_t (*group_field_size)(const fk_group*, size_t);
  uint32_t (*group_field_places)(const fk_group*, size_t);
  size_t (*group_find)(const fk_group*, fk_text);
  int (*group_set)(fk_group*, size_t, fk_text);
  fk_text (*group_get)(const fk_group*, size_t);
  void (*group_clear)(fk_group*);
  fk_queue* (*queue_new_of)(const fk_group*);
  void (*queue_free)(fk_queue*);
  size_t (*queue_count)(const fk_queue*);
  fk_group* (*queue_buffer)(fk_queue*);
  void (*queue_clear)(fk_queue*);
  size_t (*queue_add)(fk_queue*);
  void (*queue_set)(fk_queue*, size_t, size_t, fk_text);
  fk_text (*queue_get)(const fk_queue*, size_t, size_t);
  fk_browse* (*browse_new)(fk_text);
  void (*browse_free)(fk_browse*);
  fk_text (*browse_statement)(const fk_browse*);
  fk_queue* (*global_queue)(fk_text);
  fk_group* (*global_group)(fk_text);
  fk_text (*global_object_names)();
};

namespace {

template <class Fn>
void bind(const Host& host, Fn& fn, const char* name) {
  fn = reinterpret_cast<Fn>(host.function(name));
}

// The host objects of the library host opened; throws UsageError for a library without them.
const ObjectApi& object_api(const Host& host) {
  static const ObjectApi api = [&] {
    ObjectApi a{};
    bind(host, a.group_new, "fk_group_new");
    bind(host, a.group_free, "fk_group_free");
    bind(host, a.group_add_field, "fk_group_add_field");
    bind(host, a.group_field_count, "fk_group_field_count");
    bind(host, a.group_field_name, "fk_group_field_name");
    bind(host, a.group_field_type, "fk_group_field_type");
    bind(host, a.group_field_size, "fk_group_field_size");
    bind(host, a.group_field_places, "fk_group_field_places");
    bind(host, a.group_find, "fk_group_find");
    bind(host, a.group_set, "fk_group_set");
    bind(host, a.group_get, "fk_group_get");
    bind(host, a.group_clear, "fk_group_clear");
    bind(host, a.queue_new_of, "fk_queue_new_of");
    bind(host, a.queue_free, "fk_queue_free");
    bind(host, a.queue_count, "fk_queue_count");
    bind(host, a.queue_buffer, "fk_queue_buffer");
    bind(host, a.queue_clear, "fk_queue_clear");
    bind(host, a.queue_add, "fk_queue_add");
    bind(host, a.queue_set, "fk_queue_set");
    bind(host, a.queue_get, "fk_queue_get");
    bind(host, a.browse_new, "fk_browse_new");
    bind(host, a.browse_free, "fk_browse_free");
    bind(host, a.browse_statement, "fk_browse_statement");
    bind(host, a.global_queue, "fk_global_queue");
    bind(host, a.global_group, "fk_global_group");
    bind(host, a.global_object_names, "fk_global_object_names");
    return a;
  }();
  return api;
}

// The most fields read from an entry of a queue of texts.
constexpr size_t kMaxTextFields = 1000;

fk_text c_text(const std::string& s) {
  return fk_text{s.data(), s.size()};
}

std::string copied(fk_text t) {
  return std::string(t.ptr != nullptr ? t.ptr : "", t.len);
}

struct TypeName {
  const char* name;
  fk_field_type type;
};
constexpr TypeName kTypes[] = {{"text", FK_FIELD_TEXT},
                               {"int32", FK_FIELD_INT32},
                               {"byte", FK_FIELD_BYTE},
                               {"decimal", FK_FIELD_DECIMAL},
                               {"date", FK_FIELD_DATE}};

fk_field_type type_named(const Json& name, const std::string& what) {
  if (name.is_string()) {
    for (const TypeName& t : kTypes) {
      if (name.get<std::string>() == t.name) return t.type;
    }
  }
  throw UsageError(what + ": \"type\" is one of text, int32, byte, decimal, date");
}

const char* name_of(fk_field_type type) {
  for (const TypeName& t : kTypes) {
    if (t.type == type) return t.name;
  }
  return "?";
}

// A field's value as the library takes it: code page 1250 text.
std::string value_text(const Json& value, const std::string& what) {
  if (value.is_string()) return to_cp1250(value.get<std::string>(), what);
  if (value.is_null()) return "";
  if (value.is_boolean()) return value.get<bool>() ? "1" : "0";
  if (value.is_number()) return value.dump();
  throw UsageError(what + ": a value is a string or a number");
}

// A field's value as answered: numbers for int32, byte and date, else the text as held.
Json value_json(const std::string& held, fk_field_type type) {
  if (type == FK_FIELD_INT32 || type == FK_FIELD_BYTE || type == FK_FIELD_DATE) {
    long long n = 0;
    const auto [end, ec] = std::from_chars(held.data(), held.data() + held.size(), n);
    if (ec == std::errc() && end == held.data() + held.size()) return n;
  }
  return to_utf8(held);
}

uint32_t count_in(const Json& desc, const char* key, const std::string& what) {
  if (!desc.contains(key)) return 0;
  const Json& v = desc[key];
  if (!v.is_number_unsigned() || v.get<unsigned long long>() > 0xFFFFFFFFull) {
    throw UsageError(what + ": \"" + key + "\" is a whole number from 0");
  }
  return v.get<uint32_t>();
}

// Adds the fields that descriptions give to an empty group; with values, sets them too.
void build_layout(const ObjectApi& api, fk_group* group, const Json& fields, bool with_values,
                  const std::string& what) {
  if (!fields.is_array()) throw UsageError(what + ": a list of field descriptions");
  size_t number = 0;
  for (const Json& desc : fields) {
    const std::string where = what + " field " + std::to_string(++number);
    if (!desc.is_object() || !desc.contains("name") || !desc["name"].is_string()) {
      throw UsageError(where + ": {\"name\": ..., \"type\": ..., ...}");
    }
    for (const auto& [key, value] : desc.items()) {
      if (key != "name" && key != "type" && key != "size" && key != "places" &&
          (key != "value" || !with_values)) {
        throw UsageError(where + ": unknown key \"" + key + "\"");
      }
    }
    const std::string name = to_cp1250(desc["name"].get<std::string>(), where);
    const fk_field_type type = type_named(desc.value("type", Json("text")), where);
    const size_t added = api.group_add_field(
        group, c_text(name), type, count_in(desc, "size", where), count_in(desc, "places", where));
    if (added == 0) {
      throw UsageError(where + ": refused (a text needs a size from 1, a decimal 1 to 18 digits " +
                       "and places up to its size)");
    }
    if (with_values && desc.contains("value")) {
      api.group_set(group, added, c_text(value_text(desc["value"], where)));
    }
  }
}

// The field descriptions of a group's layout, with its values when asked.
Json layout_json(const ObjectApi& api, const fk_group* group, bool with_values) {
  Json fields = Json::array();
  const size_t count = api.group_field_count(group);
  for (size_t f = 1; f <= count; ++f) {
    const fk_field_type type = api.group_field_type(group, f);
    Json desc = {{"name", to_utf8(api.group_field_name(group, f))}, {"type", name_of(type)}};
    if (type == FK_FIELD_TEXT || type == FK_FIELD_DECIMAL) {
      desc["size"] = api.group_field_size(group, f);
    }
    if (type == FK_FIELD_DECIMAL) desc["places"] = api.group_field_places(group, f);
    if (with_values) desc["value"] = value_json(copied(api.group_get(group, f)), type);
    fields.push_back(std::move(desc));
  }
  return fields;
}

// The number of a field named in a form; throws when the group has none of that name.
size_t field_named(const ObjectApi& api, const fk_group* group, const std::string& name,
                   const std::string& what) {
  const std::string cp = to_cp1250(name, what);
  const size_t field = api.group_find(group, c_text(cp));
  if (field == 0) throw UsageError(what + ": no field \"" + name + "\"");
  return field;
}

// Entries into a queue: by position (an array) or by name (an object, for a queue with a
// layout).
void fill_queue(const ObjectApi& api, fk_queue* queue, const Json& entries, bool has_layout,
                const std::string& what) {
  if (!entries.is_array()) throw UsageError(what + ": \"entries\" is a list of entries");
  const fk_group* buffer = api.queue_buffer(queue);
  const size_t fields = has_layout ? api.group_field_count(buffer) : 0;
  size_t number = 0;
  for (const Json& values : entries) {
    const std::string where = what + " entry " + std::to_string(++number);
    const size_t entry = api.queue_add(queue);
    if (values.is_array()) {
      if (has_layout && values.size() > fields) {
        throw UsageError(where + ": " + std::to_string(values.size()) + " values for " +
                         std::to_string(fields) + " fields");
      }
      for (size_t f = 0; f < values.size(); ++f) {
        api.queue_set(queue, entry, f + 1, c_text(value_text(values[f], where)));
      }
    } else if (values.is_object() && has_layout) {
      for (const auto& [name, value] : values.items()) {
        api.queue_set(queue, entry, field_named(api, buffer, name, where),
                      c_text(value_text(value, where)));
      }
    } else {
      throw UsageError(where + (has_layout ? ": an array of values or an object by field name"
                                           : ": an array of texts"));
    }
  }
}

// A queue's entries by position, without the empty texts at the end of each (given again,
// the fields left off are empty just the same). A queue of texts has no layout to say how
// many fields an entry has: its fields are read while they hold text, at least `width` of
// them.
Json entries_json(const ObjectApi& api, fk_queue* queue, size_t width) {
  const fk_group* buffer = api.queue_buffer(queue);
  const size_t fields = api.group_field_count(buffer);
  Json entries = Json::array();
  const size_t count = api.queue_count(queue);
  for (size_t e = 1; e <= count; ++e) {
    Json values = Json::array();
    for (size_t f = 1; f <= (fields > 0 ? fields : kMaxTextFields); ++f) {
      const std::string held = copied(api.queue_get(queue, e, f));
      if (fields == 0 && held.empty() && f > width) break;
      values.push_back(
          value_json(held, fields > 0 ? api.group_field_type(buffer, f) : FK_FIELD_TEXT));
    }
    while (!values.empty() && values.back() == "") values.erase(values.size() - 1);
    entries.push_back(std::move(values));
  }
  return entries;
}

const Json& only_member(const Json& form, const char* key, const std::string& what) {
  if (!form.is_object() || form.size() != 1 || !form.contains(key)) {
    throw UsageError(what + ": {\"" + key + "\": ...}");
  }
  return form[key];
}

}  // namespace

bool is_object_form(const Json& value) {
  return value.is_object() && value.size() == 1 &&
         (value.contains("group") || value.contains("queue") || value.contains("browse"));
}

// ---- Objects of one call ----

struct CallObjects::Made {
  enum class Kind { kGroup, kQueue, kBrowse } kind;
  void* handle = nullptr;
  bool has_layout = false;  // a queue given with its layout
  size_t width = 0;         // a queue of texts: its widest entry given
};

CallObjects::CallObjects(const Host& host) : api_(object_api(host)) {}

CallObjects::~CallObjects() {
  for (const auto& m : made_) {
    switch (m->kind) {
      case Made::Kind::kGroup:
        api_.group_free(static_cast<fk_group*>(m->handle));
        break;
      case Made::Kind::kQueue:
        api_.queue_free(static_cast<fk_queue*>(m->handle));
        break;
      case Made::Kind::kBrowse:
        api_.browse_free(static_cast<fk_browse*>(m->handle));
        break;
    }
  }
}

void* CallObjects::make(const Json& form, const std::string& kind, const std::string& what) {
  if (!is_object_form(form)) {
    throw UsageError(what + ": an object is {\"group\": [...]}, {\"queue\": {...}} or " +
                     "{\"browse\": \"select ...\"}");
  }
  const std::string given = form.begin().key();
  if (!kind.empty() && kind != given) {
    throw UsageError(what + ": takes a " + kind + ", not a " + given);
  }
  auto m = std::make_unique<Made>();
  if (given == "group") {
    m->kind = Made::Kind::kGroup;
    auto* group = api_.group_new();
    m->handle = group;
    made_.push_back(std::move(m));
    build_layout(api_, group, form["group"], true, what);
  } else if (given == "queue") {
    const Json& q = form["queue"];
    if (!q.is_object())
      throw UsageError(what + ": {\"queue\": {\"layout\": [...], \"entries\": [...]}}");
    for (const auto& [key, value] : q.items()) {
      if (key != "layout" && key != "entries") {
        throw UsageError(what + ": a queue has \"layout\" and \"entries\", not \"" + key + "\"");
      }
    }
    m->kind = Made::Kind::kQueue;
    m->has_layout = q.contains("layout");
    fk_queue* queue = nullptr;
    if (m->has_layout) {
      fk_group* layout = api_.group_new();
      try {
        build_layout(api_, layout, q["layout"], false, what + " layout");
      } catch (...) {
        api_.group_free(layout);
        throw;
      }
      queue = api_.queue_new_of(layout);
      api_.group_free(layout);
    } else {
      queue = api_.queue_new_of(nullptr);
    }
    m->handle = queue;
    const Json entries = q.value("entries", Json::array());
    if (!m->has_layout && entries.is_array()) {
      for (const Json& e : entries) m->width = std::max(m->width, e.is_array() ? e.size() : 0);
    }
    Made& made = *m;
    made_.push_back(std::move(m));
    fill_queue(api_, queue, entries, made.has_layout, what);
  } else {
    const Json& statement = form["browse"];
    if (!statement.is_string()) throw UsageError(what + ": {\"browse\": \"select ...\"}");
    m->kind = Made::Kind::kBrowse;
    m->handle = api_.browse_new(c_text(to_cp1250(statement.get<std::string>(), what)));
    made_.push_back(std::move(m));
  }
  return made_.back()->handle;
}

Json CallObjects::state(void* handle) const {
  for (const auto& m : made_) {
    if (m->handle != handle) continue;
    switch (m->kind) {
      case Made::Kind::kGroup:
        return {{"group", layout_json(api_, static_cast<fk_group*>(handle), true)}};
      case Made::Kind::kQueue: {
        auto* queue = static_cast<fk_queue*>(handle);
        Json q = Json::object();
        if (m->has_layout) q["layout"] = layout_json(api_, api_.queue_buffer(queue), false);
        q["entries"] = entries_json(api_, queue, m->width);
        return {{"queue", std::move(q)}};
      }
      case Made::Kind::kBrowse:
        return {{"browse", to_utf8(api_.browse_statement(static_cast<fk_browse*>(handle)))}};
    }
  }
  return nullptr;
}

// ---- Process-wide lists and groups ----

GlobalObjects::GlobalObjects(const Host& host) : api_(nullptr) {
  if (!host.exported("fk_global_object_names")) return;
  api_ = &object_api(host);
  const std::string names = copied(api_->global_object_names());
  size_t start = 0;
  for (size_t nl; (nl = names.find('\n', start)) != std::string::npos; start = nl + 1) {
    if (nl > start) names_.push_back(names.substr(start, nl - start));
  }
}

bool GlobalObjects::knows(const std::string& name) const {
  if (api_ == nullptr) return false;
  const std::string cp = to_cp1250(name, "set " + name);
  return api_->global_queue(c_text(cp)) != nullptr || api_->global_group(c_text(cp)) != nullptr;
}

void GlobalObjects::set(const std::string& name, const Json& form) {
  const std::string what = "set " + name;
  const std::string cp = to_cp1250(name, what);
  if (fk_queue* queue = api_->global_queue(c_text(cp))) {
    const Json& q = only_member(form, "queue", what);
    if (!q.is_object() || q.contains("layout") || q.size() != 1 || !q.contains("entries")) {
      throw UsageError(what + ": {\"queue\": {\"entries\": [...]}} (the layout is the library's)");
    }
    api_->queue_clear(queue);
    fill_queue(*api_, queue, q["entries"], true, what);
  } else if (fk_group* group = api_->global_group(c_text(cp))) {
    const Json& values = only_member(form, "group", what);
    const size_t fields = api_->group_field_count(group);
    if (values.is_object()) {
      std::vector<std::pair<size_t, std::string>> set;  // all checked before any is set
      for (const auto& [field, value] : values.items()) {
        set.emplace_back(field_named(*api_, group, field, what), value_text(value, what));
      }
      api_->group_clear(group);
      for (const auto& [field, text] : set) api_->group_set(group, field, c_text(text));
    } else if (values.is_array() && values.size() <= fields) {
      std::vector<std::string> texts;
      for (const Json& v : values) texts.push_back(value_text(v, what));
      api_->group_clear(group);
      for (size_t f = 0; f < texts.size(); ++f) api_->group_set(group, f + 1, c_text(texts[f]));
    } else {
      throw UsageError(what + ": {\"group\": {FIELD: value, ...}} or {\"group\": [value, ...]} " +
                       "with at most " + std::to_string(fields) + " values");
    }
  } else {
    throw UsageError(what + ": not a process-wide list or group");
  }
  // The line's own spelling names it in the answer.
  for (const auto& n : names_) {
    const std::string library = to_cp1250(n, what);
    if (api_->global_queue(c_text(library)) == api_->global_queue(c_text(cp)) &&
        api_->global_group(c_text(library)) == api_->global_group(c_text(cp))) {
      set_as_[n] = name;
    }
  }
}

Json GlobalObjects::state_of(const std::string& name) const {
  const std::string cp = to_cp1250(name, name);
  if (fk_queue* queue = api_->global_queue(c_text(cp))) {
    return {{"queue", {{"entries", entries_json(*api_, queue, 0)}}}};
  }
  if (const fk_group* group = api_->global_group(c_text(cp))) {
    Json values = Json::object();
    const size_t count = api_->group_field_count(group);
    for (size_t f = 1; f <= count; ++f) {
      values[to_utf8(api_->group_field_name(group, f))] =
          value_json(copied(api_->group_get(group, f)), api_->group_field_type(group, f));
    }
    return {{"group", std::move(values)}};
  }
  return nullptr;
}

void GlobalObjects::remember() {
  before_.clear();
  if (api_ == nullptr) return;
  for (const auto& n : names_) before_[n] = state_of(n);
}

Json GlobalObjects::changed() const {
  Json out = Json::object();
  if (api_ == nullptr) return out;
  for (const auto& n : names_) {
    const auto set = set_as_.find(n);
    const auto before = before_.find(n);
    Json now = state_of(n);
    if (set != set_as_.end()) {
      out[set->second] = std::move(now);
    } else if (before != before_.end() && before->second != now) {
      out[n] = std::move(now);
    }
  }
  return out;
}

}  // namespace funkcja::cli
