// C exports of the identifier checks.
#include "frame/export.hpp"
#include "validation/procedures.hpp"

namespace abi = funkcja::abi;

extern "C" FK_API uint8_t IBANSPR(fk_text account) {
  return abi::guarded([&] { return funkcja::validation::IBANSPR(abi::in(account)); },
                      std::uint8_t{1});
}
FK_REGISTER(IBANSPR, "account");

extern "C" FK_API uint8_t SPR_NIP(fk_text nip) {
  return abi::guarded([&] { return funkcja::validation::SPR_NIP(abi::in(nip)); }, std::uint8_t{0});
}
FK_REGISTER(SPR_NIP, "nip");

extern "C" FK_API fk_text OCZYSC_NIP(fk_text nip) {
  return abi::text_result([&] { return funkcja::validation::OCZYSC_NIP(abi::in(nip)); });
}
FK_REGISTER(OCZYSC_NIP, "nip");
