// C exports of the lifecycle entry points.
#include "frame/export.hpp"
#include "host/lifecycle.hpp"

using namespace funkcja;

extern "C" FK_API void FUNKCJA_INIT(fk_errorclass* errors, fk_iniclass* settings) {
  abi::guarded_void([&] {
    library().init(reinterpret_cast<dane::ERRORCLASS*>(errors),
                   reinterpret_cast<dane::INICLASS*>(settings));
  });
}
FK_REGISTER(FUNKCJA_INIT, "errors?, settings?");

extern "C" FK_API void FUNKCJA_KILL() {
  abi::guarded_void([] { library().kill(); });
}
FK_REGISTER(FUNKCJA_KILL, "");
