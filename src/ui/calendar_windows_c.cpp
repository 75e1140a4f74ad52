// C exports of the calendar window and the period dialogs. A missing in/out date reads as 0;
// out texts are written only when the dialog is confirmed.
#include <string>

#include "frame/export.hpp"
#include "ui/calendar_windows.hpp"

using namespace funkcja;

namespace {

// The caller's in/out number, or a local stand-in when the caller passed none.
class Number {
 public:
  explicit Number(int32_t* caller) : caller_(caller), value_(caller != nullptr ? *caller : 0) {}
  ~Number() {
    if (caller_ != nullptr) *caller_ = value_;
  }
  Number(const Number&) = delete;
  Number& operator=(const Number&) = delete;
  int32_t& value() { return value_; }

 private:
  int32_t* caller_;
  int32_t value_;
};

}  // namespace

extern "C" FK_API fk_text KALENDARZ(int32_t x, int32_t y, fk_text date) {
  return abi::text_result([&] { return ui::KALENDARZ(x, y, abi::in(date)); });
}
FK_REGISTER(KALENDARZ, "x, y, date");

extern "C" FK_API void KALENDARZ1(void) {
  abi::guarded_void([] { ui::KALENDARZ1(); });
}
FK_REGISTER(KALENDARZ1, "");

extern "C" FK_API uint8_t GET_ZAKRES_DAT(int32_t* from, int32_t* to) {
  return abi::guarded(
      [&] {
        Number f(from), t(to);
        return ui::GET_ZAKRES_DAT(f.value(), t.value());
      },
      uint8_t{0});
}
FK_REGISTER(GET_ZAKRES_DAT, "from, to");

extern "C" FK_API uint8_t GET_ZAKRES_DAT_KM(int32_t* from, int32_t* to, fk_buffer period_name) {
  return abi::guarded(
      [&] {
        Number f(from), t(to);
        std::string name;
        const uint8_t r = ui::GET_ZAKRES_DAT_KM(f.value(), t.value(), name);
        if (r == 1) abi::in(period_name).assign(name);
        return r;
      },
      uint8_t{0});
}
FK_REGISTER(GET_ZAKRES_DAT_KM, "from, to, period_name[64]");

extern "C" FK_API uint8_t GET_ZAKRES_DAT_RPT_REJESTRY(int32_t* from, int32_t* to,
                                                      fk_buffer period_name,
                                                      fk_buffer register_name,
                                                      int32_t register_kind) {
  return abi::guarded(
      [&] {
        Number f(from), t(to);
        std::string name, reg;
        const uint8_t r =
            ui::GET_ZAKRES_DAT_RPT_REJESTRY(f.value(), t.value(), name, reg, register_kind);
        if (r == 1) {
          abi::in(period_name).assign(name);
          abi::in(register_name).assign(reg);
        }
        return r;
      },
      uint8_t{0});
}
FK_REGISTER(GET_ZAKRES_DAT_RPT_REJESTRY,
            "from, to, period_name[64], register_name[64], register_kind");

extern "C" FK_API uint8_t GET_PARAMETRY_ZEST_VAT(int32_t* from, int32_t* to, fk_buffer period_name,
                                                 int32_t* form, int32_t* only_non_zero,
                                                 int32_t* only_summary) {
  return abi::guarded(
      [&] {
        Number f(from), t(to), id(form), non_zero(only_non_zero), summary(only_summary);
        std::string name;
        const uint8_t r = ui::GET_PARAMETRY_ZEST_VAT(f.value(), t.value(), name, id.value(),
                                                     non_zero.value(), summary.value());
        if (r == 1) abi::in(period_name).assign(name);
        return r;
      },
      uint8_t{0});
}
FK_REGISTER(GET_PARAMETRY_ZEST_VAT, "from, to, period_name[64], form, only_non_zero, only_summary");

extern "C" FK_API int32_t GET_DATE(int32_t date, fk_text name, fk_text information) {
  return abi::guarded([&] { return ui::GET_DATE(date, abi::in(name), abi::in(information)); },
                      int32_t{0});
}
FK_REGISTER(GET_DATE, "date, name, information");
