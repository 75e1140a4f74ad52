// C host interface of the data library: globals by name and the manager objects a
// host hands to FUNKCJA_INIT.
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "frame/export.hpp"
#include "host/dane/framework.hpp"
#include "host/dane/globals.hpp"

namespace funkcja::dane {
namespace {

bool set_global(std::string_view name, std::string_view value) {
  const auto g = dane::find(name);
  return g && dane::set_text(*g, value);
}

std::optional<std::string> get_global(std::string_view name) {
  const auto g = dane::find(name);
  if (!g) return std::nullopt;
  return dane::get_text(*g);
}

}  // namespace
}  // namespace funkcja::dane

using namespace funkcja;

namespace {
dane::ERRORCLASS* errors_of(const fk_errorclass* e) {
  return reinterpret_cast<dane::ERRORCLASS*>(const_cast<fk_errorclass*>(e));
}
}  // namespace

extern "C" FK_API int fk_global_set(fk_text name, fk_text value) {
  return abi::guarded([&] { return dane::set_global(abi::in(name), abi::in(value)) ? 1 : 0; }, 0);
}

extern "C" FK_API fk_text fk_global_get(fk_text name) {
  return abi::text_result([&] { return dane::get_global(abi::in(name)).value_or(""); });
}

extern "C" FK_API int fk_global_exists(fk_text name) {
  return abi::guarded([&] { return dane::find(abi::in(name)) ? 1 : 0; }, 0);
}

extern "C" FK_API fk_text fk_global_names(void) {
  return abi::text_result([] {
    std::string names;
    for (const auto n : dane::all_names()) {
      names += n;
      names += '\n';
    }
    return names;
  });
}

extern "C" FK_API fk_errorclass* fk_errorclass_new(void) {
  auto* errors = new (std::nothrow) dane::ERRORCLASS;
  if (errors != nullptr) errors->Init(&dane::thread_error_status());
  return reinterpret_cast<fk_errorclass*>(errors);
}

extern "C" FK_API void fk_errorclass_free(fk_errorclass* errors) {
  delete errors_of(errors);
}

extern "C" FK_API fk_text fk_errorclass_procedure_name(const fk_errorclass* errors) {
  return abi::text_result(
      [&] { return errors != nullptr ? errors_of(errors)->procedure_name() : std::string(); });
}

extern "C" FK_API fk_iniclass* fk_iniclass_new(fk_text path) {
  return abi::guarded(
      [&] {
        auto* settings = new dane::INICLASS;
        settings->Init(abi::in(path));
        return reinterpret_cast<fk_iniclass*>(settings);
      },
      static_cast<fk_iniclass*>(nullptr));
}

extern "C" FK_API void fk_iniclass_init(fk_iniclass* settings, fk_text path) {
  abi::guarded_void([&] {
    if (settings != nullptr) reinterpret_cast<dane::INICLASS*>(settings)->Init(abi::in(path));
  });
}

extern "C" FK_API void fk_iniclass_free(fk_iniclass* settings) {
  delete reinterpret_cast<dane::INICLASS*>(settings);
}
