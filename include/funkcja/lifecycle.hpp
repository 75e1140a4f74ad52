// C++ interface: the library's once-only entry points.
#pragma once

#include "funkcja/export.h"

namespace funkcja {
namespace dane {
class ERRORCLASS;
class INICLASS;
}  // namespace dane

// Hands the library the host's error and settings managers (either may be null: the library
// keeps its own) and starts the data library. Only the first call acts.
FK_API void FUNKCJA_INIT(dane::ERRORCLASS* errors, dane::INICLASS* settings);
// Stops the data library. Only the first call acts.
FK_API void FUNKCJA_KILL();

}  // namespace funkcja
