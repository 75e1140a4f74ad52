// C exports of the CSV export of lists.
#include "exchange/export_csv.hpp"
#include "frame/export.hpp"
#include "host/dane/handles.hpp"

namespace abi = funkcja::abi;
namespace dane = funkcja::dane;

extern "C" FK_API void EXPORT2EXCEL(fk_browse* browse, fk_queue* queue, int32_t list) {
  abi::guarded_void([&] {
    funkcja::exchange::EXPORT2EXCEL(dane::browse_of(browse), dane::queue_of(queue), list);
  });
}
FK_REGISTER(EXPORT2EXCEL, "browse?, queue, list");

extern "C" FK_API void fk_export_list_columns(int32_t list, fk_text columns) {
  abi::guarded_void([&] { funkcja::exchange::set_list_columns(list, abi::in(columns)); });
}
