// C exports of the process-wide lists and groups.
#include <string>

#include "frame/export.hpp"
#include "host/dane/handles.hpp"
#include "host/dane/process_objects.hpp"

using namespace funkcja;

extern "C" FK_API fk_queue* fk_global_queue(fk_text name) {
  return abi::guarded([&] { return dane::handle_of(dane::process_queue(abi::in(name))); },
                      static_cast<fk_queue*>(nullptr));
}

extern "C" FK_API fk_group* fk_global_group(fk_text name) {
  return abi::guarded([&] { return dane::handle_of(dane::process_group(abi::in(name))); },
                      static_cast<fk_group*>(nullptr));
}

extern "C" FK_API fk_text fk_global_object_names(void) {
  return abi::text_result([] {
    std::string names;
    for (const auto& n : dane::process_object_names()) {
      names += n;
      names += '\n';
    }
    return names;
  });
}
