// A shared library loaded for a while and its exported functions, and where the library looks
// for the maker's utility library TEMIXutilKS.
//
// The utility library lies in the host's local folder ($GLO:LOCALPATH). On Windows the host
// names it FOLDER\TEMIXutilKS.dll; on this platform the file is FOLDER/TEMIXutilKS.so, built
// from tools/utilks. utility_library_path() is the one place that decides this form.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace funkcja::platform {

class SharedLibrary {
 public:
  virtual ~SharedLibrary() = default;  // releases the library
  // The address of an exported function, or nullptr when the library has none of that name.
  virtual void* symbol(const char* name) = 0;

  // Loads the file at path (dlopen, its own symbols kept to itself); nullptr when it cannot
  // be loaded. The library is released when the object is destroyed.
  static std::unique_ptr<SharedLibrary> open(const std::string& path);
};

// The longest path of the utility library that is tried; a longer one is not loaded.
inline constexpr std::size_t kMaxUtilityLibraryPath = 200;

// The utility library's path in a local folder: the folder without trailing blanks, then
// "/TEMIXutilKS.so" (no second slash after a folder that ends with one; "./" for an empty
// folder, so the system's library search never picks another file). Nothing when the whole
// path is longer than kMaxUtilityLibraryPath.
std::optional<std::string> utility_library_path(std::string_view local_folder);

}  // namespace funkcja::platform
