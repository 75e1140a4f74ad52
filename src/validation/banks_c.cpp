// C exports of the bank-account and bank procedures.
#include "frame/export.hpp"
#include "validation/procedures.hpp"

namespace abi = funkcja::abi;
namespace validation = funkcja::validation;

extern "C" FK_API fk_text GRUPUJ_RACH_BANK(fk_text account) {
  return abi::text_result([&] { return validation::GRUPUJ_RACH_BANK(abi::in(account)); });
}
FK_REGISTER(GRUPUJ_RACH_BANK, "account");

extern "C" FK_API uint8_t NUMER_KONTA_WKLEJ(fk_buffer check_digits, fk_buffer rest) {
  return abi::guarded(
      [&] { return validation::NUMER_KONTA_WKLEJ(abi::in(check_digits), abi::in(rest)); },
      std::uint8_t{0});
}
FK_REGISTER(NUMER_KONTA_WKLEJ, "check_digits[3], rest[25]");

extern "C" FK_API int32_t RACHUNEK_BANKOWY_CHECK(int32_t account, int32_t owner, fk_text type) {
  return abi::guarded(
      [&] { return validation::RACHUNEK_BANKOWY_CHECK(account, owner, abi::in(type)); },
      std::int32_t{0});
}
FK_REGISTER(RACHUNEK_BANKOWY_CHECK, "account, owner, type");

extern "C" FK_API fk_text RACHUNEK_BANKOWY_GET(int32_t account, int32_t owner, fk_text type,
                                               uint8_t grouped) {
  return abi::text_result(
      [&] { return validation::RACHUNEK_BANKOWY_GET(account, owner, abi::in(type), grouped); });
}
FK_REGISTER(RACHUNEK_BANKOWY_GET, "account, owner, type, grouped");

extern "C" FK_API fk_text RACHUNEK_BANKOWY_DEFAULT(int32_t owner, fk_text type,
                                                   uint8_t number_wanted) {
  return abi::text_result(
      [&] { return validation::RACHUNEK_BANKOWY_DEFAULT(owner, abi::in(type), number_wanted); });
}
FK_REGISTER(RACHUNEK_BANKOWY_DEFAULT, "owner, type, number_wanted");

extern "C" FK_API int32_t GETBANKNBP(fk_text unused) {
  return abi::guarded([&] { return validation::GETBANKNBP(abi::in(unused)); }, std::int32_t{0});
}
FK_REGISTER(GETBANKNBP, "unused?");

extern "C" FK_API fk_text GETNAZWABANKU(fk_text unused, int32_t bank) {
  return abi::text_result([&] { return validation::GETNAZWABANKU(abi::in(unused), bank); });
}
FK_REGISTER(GETNAZWABANKU, "unused, bank");
