#include "nbp_client.hpp"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "http_get.hpp"
#include "rate_table.hpp"
#include "settings.hpp"

namespace utilks {
namespace {

// The shortest plain decimal that reads back as the same double ("4.2312", never "4e-05").
std::string decimal_text(double value) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string();
}

std::string fetch(const std::string& url, std::string_view expected_day, bool day_asked) {
  const Settings s = current_settings();
  const HttpAnswer a = http_get(url, s.timeout_ms, s.connect_ms);
  if (!a.received) return kFailed;
  if (a.status == 404 && day_asked) return kNoTable;
  if (a.status != 200) return kFailed;
  return nbp_parse(a.body, expected_day);
}

}  // namespace

std::string nbp_parse(std::string_view body, std::string_view expected_day) {
  const auto doc = nlohmann::json::parse(body, nullptr, false);
  if (doc.is_discarded() || !doc.is_array() || doc.empty() || !doc[0].is_object()) return kFailed;
  const auto& t = doc[0];
  const auto text_of = [](const nlohmann::json& o, const char* key) {
    const auto it = o.find(key);
    return it != o.end() && it->is_string() ? it->get<std::string>() : std::string();
  };
  RateTable table;
  table.number = text_of(t, "no");
  table.day = text_of(t, "effectiveDate");
  if (text_of(t, "table") != "A") return kFailed;
  if (!expected_day.empty() && table.day != expected_day) return kFailed;
  const auto rates = t.find("rates");
  if (rates == t.end() || !rates->is_array()) return kFailed;
  for (const auto& r : *rates) {
    if (!r.is_object()) return kFailed;
    const auto mid = r.find("mid");
    if (mid == r.end() || !mid->is_number()) return kFailed;
    const double value = mid->get<double>();
    if (!std::isfinite(value) || value <= 0) return kFailed;
    table.rates.push_back({text_of(r, "code"), 1, decimal_text(value)});
  }
  auto text = rate_text(table);
  return text ? *text : std::string(kFailed);
}

std::string nbp_latest() {
  return fetch(current_settings().nbp_url + "/?format=json", {}, false);
}

std::string nbp_on_day(std::string_view yymmdd) {
  if (yymmdd.size() != 6) return kFailed;
  const std::string day = "20" + std::string(yymmdd.substr(0, 2)) + "-" +
                          std::string(yymmdd.substr(2, 2)) + "-" + std::string(yymmdd.substr(4, 2));
  if (!valid_day(day)) return kFailed;
  return fetch(current_settings().nbp_url + "/" + day + "/?format=json", day, true);
}

}  // namespace utilks
