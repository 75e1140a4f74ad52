// The four period dialogs, each a description of how it differs from the shared mechanism
// (ui/range_dialog.hpp), and the procedures that run them and write the caller's variables.
#include "frame/cp_literal.hpp"
#include "ui/calendar_windows.hpp"
#include "ui/range_dialog.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

constexpr std::string_view kChoosePeriod = "Wybór okresu"_cp;

const RangeVariant kZakresDat{.key = "Get_Zakres_Dat",
                              .caption = kChoosePeriod,
                              .header = kChoosePeriod,
                              .current_entries = true};

const RangeVariant kZakresDatKm{.key = "Get_Zakres_Dat_KM",
                                .caption = kChoosePeriod,
                                .header = kChoosePeriod,
                                .names_period = true};

RangeVariant registers(std::int32_t kind) {
  return {.key = "Get_Zakres_Dat_RPT_REJESTRY",
          .caption = "Wybór okresu i rejestru"_cp,
          .header = "Wybór okresu i rejestru"_cp,
          .names_period = true,
          .extra = RangeExtra::kRegister,
          .register_kind = kind};
}

const RangeVariant kZestawienieVat{.key = "Get_Parametry_zest_VAT",
                                   .caption = "Podatek za okres - podsumowanie",
                                   .header = "Podatek za okres",
                                   .names_period = true,
                                   .extra = RangeExtra::kVatForm};

}  // namespace

std::uint8_t GET_ZAKRES_DAT(std::int32_t& from, std::int32_t& to) {
  const RangeAnswer a = run_range_dialog(kZakresDat, from, to);
  if (!a.confirmed) return 0;
  from = a.from;
  to = a.to;
  return 1;
}

std::uint8_t GET_ZAKRES_DAT_KM(std::int32_t& from, std::int32_t& to, std::string& period_name) {
  const RangeAnswer a = run_range_dialog(kZakresDatKm, from, to);
  if (!a.confirmed) return 0;
  from = a.from;
  to = a.to;
  period_name = a.period_name;
  return 1;
}

std::uint8_t GET_ZAKRES_DAT_RPT_REJESTRY(std::int32_t& from, std::int32_t& to,
                                         std::string& period_name, std::string& register_name,
                                         std::int32_t register_kind) {
  const RangeVariant variant = registers(register_kind);
  const RangeAnswer a = run_range_dialog(variant, from, to);
  if (!a.confirmed) return 0;
  from = a.from;
  to = a.to;
  period_name = a.period_name;
  register_name = a.register_name;
  return 1;
}

std::uint8_t GET_PARAMETRY_ZEST_VAT(std::int32_t& from, std::int32_t& to, std::string& period_name,
                                    std::int32_t& form, std::int32_t& only_non_zero,
                                    std::int32_t& only_summary) {
  const RangeAnswer a = run_range_dialog(kZestawienieVat, from, to);
  if (!a.confirmed) return 0;
  from = a.from;
  to = a.to;
  period_name = a.period_name;
  form = a.form;
  only_non_zero = a.only_non_zero;
  only_summary = a.only_summary;
  return 1;
}

}  // namespace funkcja::ui
