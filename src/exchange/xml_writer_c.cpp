// C exports of the SQL-to-XML writer.
#include "exchange/xml_writer.hpp"
#include "frame/export.hpp"

namespace abi = funkcja::abi;

extern "C" FK_API void SQL2XMLWRITER_WATEK(fk_text call, fk_text file_name) {
  abi::guarded_void(
      [&] { funkcja::exchange::SQL2XMLWRITER_WATEK(abi::in(call), abi::in(file_name)); });
}
FK_REGISTER(SQL2XMLWRITER_WATEK, "call, file_name");

extern "C" FK_API void SQL2XMLWRITER_TG(fk_text call, fk_text file_name) {
  abi::guarded_void(
      [&] { funkcja::exchange::SQL2XMLWRITER_TG(abi::in(call), abi::in(file_name)); });
}
FK_REGISTER(SQL2XMLWRITER_TG, "call, file_name?");
