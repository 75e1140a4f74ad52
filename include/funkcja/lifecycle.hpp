// C++ interface: the library's once-only entry points.
#pragma once

#include "funkcja/c_bridge.hpp"

namespace funkcja {
namespace dane {
class ERRORCLASS;
class INICLASS;
}  // namespace dane

// Hands the library the host's error and settings managers (either may be null: the library
// keeps its own) and starts the data library. Only the first call acts.
inline void FUNKCJA_INIT(dane::ERRORCLASS* errors, dane::INICLASS* settings) {
  ::FUNKCJA_INIT(reinterpret_cast<fk_errorclass*>(errors),
                 reinterpret_cast<fk_iniclass*>(settings));
}
// Stops the data library. Only the first call acts, and a killed library stays killed:
// FUNKCJA_INIT after FUNKCJA_KILL does nothing.
inline void FUNKCJA_KILL() {
  ::FUNKCJA_KILL();
}

}  // namespace funkcja
