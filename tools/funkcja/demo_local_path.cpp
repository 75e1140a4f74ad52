#include "demo_local_path.hpp"

#include <dlfcn.h>

#include <string>

namespace funkcja::cli {

bool point_local_path_at_library(const Host& host, const char* procedure) {
  if (!host.exported(procedure)) return false;
  Dl_info info{};
  if (dladdr(host.function(procedure), &info) == 0 || info.dli_fname == nullptr) return false;
  const std::string path = info.dli_fname;
  const auto slash = path.find_last_of('/');
  std::string folder = slash == std::string::npos || slash == 0 ? "." : path.substr(0, slash);
  const std::string global = "GLO_LOCALPATH";
  const auto set_global =
      reinterpret_cast<int (*)(fk_text, fk_text)>(host.function("fk_global_set"));
  return set_global(fk_text{global.data(), global.size()}, fk_text{folder.data(), folder.size()}) !=
         0;
}

}  // namespace funkcja::cli
