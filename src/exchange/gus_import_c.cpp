// C export of PODAJDANEGUS.
#include "exchange/gus_import.hpp"
#include "frame/export.hpp"
#include "host/dane/handles.hpp"

namespace abi = funkcja::abi;
namespace dane = funkcja::dane;

extern "C" FK_API uint8_t PODAJDANEGUS(fk_group* group) {
  return abi::guarded(
      [&]() -> uint8_t {
        if (group == nullptr) return 0;
        return funkcja::exchange::PODAJDANEGUS(*dane::group_of(group));
      },
      uint8_t{0});
}
FK_REGISTER(PODAJDANEGUS, "group");
