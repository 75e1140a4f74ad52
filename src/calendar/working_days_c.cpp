// C exports of the Easter, holiday, working-day and month-name procedures.
#include "calendar/procedures.hpp"
#include "frame/export.hpp"

namespace abi = funkcja::abi;

extern "C" FK_API int32_t PODAJDATEWIELKANOCY(int32_t year) {
  return abi::guarded([&] { return funkcja::calendar::PODAJDATEWIELKANOCY(year); }, int32_t{0});
}
FK_REGISTER(PODAJDATEWIELKANOCY, "year");

extern "C" FK_API uint8_t ISDZIENROBOCZY(int32_t date) {
  return abi::guarded([&] { return funkcja::calendar::ISDZIENROBOCZY(date); }, uint8_t{0});
}
FK_REGISTER(ISDZIENROBOCZY, "date");

extern "C" FK_API uint8_t ISNIEDZIELALUBSWIETO(int32_t date) {
  return abi::guarded([&] { return funkcja::calendar::ISNIEDZIELALUBSWIETO(date); }, uint8_t{0});
}
FK_REGISTER(ISNIEDZIELALUBSWIETO, "date");

extern "C" FK_API int32_t PODAJOSTATNIDZIENROBOCZY(int32_t date) {
  return abi::guarded([&] { return funkcja::calendar::PODAJOSTATNIDZIENROBOCZY(date); },
                      int32_t{0});
}
FK_REGISTER(PODAJOSTATNIDZIENROBOCZY, "date");

extern "C" FK_API fk_text NAZWA_MIESIACA(int32_t month, int32_t year) {
  return abi::text_result([&] { return funkcja::calendar::NAZWA_MIESIACA(month, year); });
}
FK_REGISTER(NAZWA_MIESIACA, "month, year");
