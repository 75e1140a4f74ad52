// The demo's utility library lies beside libfunkcja in the build (and the install): this points
// $GLO:LOCALPATH at that folder, found from where the given procedure was loaded.
#pragma once

#include "host.hpp"

namespace funkcja::cli {

// False when the procedure is not exported or the global cannot be set.
bool point_local_path_at_library(const Host& host, const char* procedure);

}  // namespace funkcja::cli
