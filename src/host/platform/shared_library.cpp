#include "host/platform/shared_library.hpp"

#include <dlfcn.h>

namespace funkcja::platform {
namespace {

class DlLibrary : public SharedLibrary {
 public:
  explicit DlLibrary(void* handle) : handle_(handle) {}
  ~DlLibrary() override { ::dlclose(handle_); }
  void* symbol(const char* name) override { return ::dlsym(handle_, name); }

 private:
  void* handle_;
};

}  // namespace

std::unique_ptr<SharedLibrary> SharedLibrary::open(const std::string& path) {
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  return std::make_unique<DlLibrary>(handle);
}

std::optional<std::string> utility_library_path(std::string_view local_folder) {
  while (!local_folder.empty() && local_folder.back() == ' ') local_folder.remove_suffix(1);
  std::string path(local_folder.empty() ? std::string_view(".") : local_folder);
  if (path.back() != '/') path += '/';
  path += "TEMIXutilKS.so";
  if (path.size() > kMaxUtilityLibraryPath) return std::nullopt;
  return path;
}

}  // namespace funkcja::platform
