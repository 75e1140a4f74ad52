// C export of XMLDOGRUPY.
#include "exchange/xml_to_group.hpp"
#include "frame/export.hpp"
#include "host/dane/handles.hpp"

namespace abi = funkcja::abi;
namespace dane = funkcja::dane;

extern "C" FK_API void XMLDOGRUPY(fk_text xml, fk_group* group, uint8_t positional) {
  abi::guarded_void([&] {
    if (group == nullptr) return;
    funkcja::exchange::XMLDOGRUPY(abi::in(xml), *dane::group_of(group), positional);
  });
}
FK_REGISTER(XMLDOGRUPY, "xml, group, positional?");
