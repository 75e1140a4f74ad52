// C exports of the lifecycle entry points.
#include "frame/export.hpp"
#include "funkcja/lifecycle.hpp"
#include "host/lifecycle.hpp"

namespace funkcja {

void FUNKCJA_INIT(dane::ERRORCLASS* errors, dane::INICLASS* settings) {
  library().init(errors, settings);
}

void FUNKCJA_KILL() {
  library().kill();
}

}  // namespace funkcja

using namespace funkcja;

extern "C" FK_API void FUNKCJA_INIT(fk_errorclass* errors, fk_iniclass* settings) {
  abi::guarded_void([&] {
    funkcja::FUNKCJA_INIT(reinterpret_cast<dane::ERRORCLASS*>(errors),
                          reinterpret_cast<dane::INICLASS*>(settings));
  });
}
FK_REGISTER(FUNKCJA_INIT, "errors?, settings?");

extern "C" FK_API void FUNKCJA_KILL() {
  abi::guarded_void([] { funkcja::FUNKCJA_KILL(); });
}
FK_REGISTER(FUNKCJA_KILL, "");
