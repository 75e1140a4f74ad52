// C exports of the rate download.
#include "frame/export.hpp"
#include "ui/rates_import.hpp"

using namespace funkcja;

namespace {

// A null date asks for the latest table and receives nothing.
template <std::uint8_t (*Procedure)(std::uint8_t, std::int32_t&)>
uint8_t download(uint8_t flag, int32_t* date) {
  return abi::guarded(
      [&] {
        std::int32_t day = date != nullptr ? *date : 0;
        const std::uint8_t result = Procedure(flag, day);
        if (date != nullptr) *date = day;
        return result;
      },
      uint8_t{0});
}

}  // namespace

extern "C" FK_API uint8_t POBIERZKURSYNBP(uint8_t flag, int32_t* date) {
  return download<&ui::POBIERZKURSYNBP>(flag, date);
}
FK_REGISTER(POBIERZKURSYNBP, "flag, date");

extern "C" FK_API uint8_t POBIERZKURSYECB(uint8_t flag, int32_t* date) {
  return download<&ui::POBIERZKURSYECB>(flag, date);
}
FK_REGISTER(POBIERZKURSYECB, "flag, date");
