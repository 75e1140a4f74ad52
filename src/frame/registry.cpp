// The procedure table and the per-thread result slot of the C interface.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "frame/export.hpp"

namespace funkcja::abi {
namespace {

struct Registry {
  std::mutex mutex;
  std::deque<std::string> names;  // stable storage for parameter names
  std::deque<std::vector<fk_param>> params;
  std::vector<fk_procedure> procedures;
  bool sorted = false;
};

Registry& registry() {
  static Registry* instance = new Registry;  // lives until the process ends
  return *instance;
}

// Parses "text, type?, buffer[256]" into parameter records. Registration happens while the
// library loads, so a malformed list is a programming error and stops the load loudly.
std::vector<fk_param> parse_params(Registry& r, const ProcedureInfo& info) {
  std::vector<fk_param> out;
  std::string_view names = info.param_names;
  while (!names.empty()) {
    const auto comma = names.find(',');
    std::string_view item = names.substr(0, comma);
    names = comma == std::string_view::npos ? std::string_view() : names.substr(comma + 1);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    fk_param p{};
    if (!item.empty() && item.back() == '?') {
      p.omittable = 1;
      item.remove_suffix(1);
    }
    if (const auto open = item.find('['); open != std::string_view::npos) {
      p.capacity = static_cast<uint32_t>(
          std::strtoul(std::string(item.substr(open + 1)).c_str(), nullptr, 10));
      item = item.substr(0, open);
    }
    r.names.emplace_back(item);
    p.name = r.names.back().c_str();
    out.push_back(p);
  }
  if (out.size() != info.arity) {
    std::fprintf(stderr, "funkcja: %s names %zu parameters but takes %zu\n", info.name, out.size(),
                 info.arity);
    std::abort();
  }
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i].kind = info.param_kinds[i];
    out[i].object = info.param_objects[i];
  }
  return out;
}

}  // namespace

Registrar::Registrar(const ProcedureInfo& info) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  r.params.push_back(parse_params(r, info));
  r.procedures.push_back({info.name, info.result, info.arity, r.params.back().data(), info.invoke});
  r.sorted = false;
}

fk_text keep(std::string&& text) {
  thread_local std::string slot;
  slot = std::move(text);
  return {slot.data(), slot.size()};
}

namespace {
const std::vector<fk_procedure>& sorted_procedures() {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (!r.sorted) {
    std::sort(r.procedures.begin(), r.procedures.end(),
              [](const fk_procedure& a, const fk_procedure& b) {
                return std::strcmp(a.name, b.name) < 0;
              });
    r.sorted = true;
  }
  return r.procedures;
}
}  // namespace

}  // namespace funkcja::abi

extern "C" FK_API const fk_procedure* funkcja_procedures(size_t* count) {
  const auto& all = funkcja::abi::sorted_procedures();
  if (count != nullptr) *count = all.size();
  return all.data();
}

extern "C" FK_API const fk_procedure* funkcja_find_procedure(const char* name) {
  if (name == nullptr) return nullptr;
  const auto& all = funkcja::abi::sorted_procedures();
  const auto it = std::lower_bound(
      all.begin(), all.end(), name,
      [](const fk_procedure& p, const char* n) { return std::strcmp(p.name, n) < 0; });
  return it != all.end() && std::strcmp(it->name, name) == 0 ? &*it : nullptr;
}
