#include "settings.hpp"

#include <cstdlib>
#include <string_view>

namespace utilks {
namespace {

std::string text_or(const char* name, std::string_view fallback) {
  const char* v = std::getenv(name);
  std::string s = v != nullptr && *v != '\0' ? std::string(v) : std::string(fallback);
  while (!s.empty() && s.back() == '/') s.pop_back();
  return s;
}

// A positive whole number of milliseconds, else the fallback.
long millis_or(const char* name, long fallback) {
  const char* v = std::getenv(name);
  if (v == nullptr || *v == '\0') return fallback;
  char* end = nullptr;
  const long n = std::strtol(v, &end, 10);
  return end != nullptr && *end == '\0' && n > 0 ? n : fallback;
}

}  // namespace

Settings current_settings() {
  Settings s;
  s.nbp_url = text_or("FUNKCJA_NBP_URL", "https://api.nbp.pl/api/exchangerates/tables/A");
  s.ecb_url = text_or("FUNKCJA_ECB_URL", "https://www.ecb.europa.eu/stats/eurofxref");
  s.gus_url = text_or("FUNKCJA_GUS_URL",
                      "https://wyszukiwarkaregontest.stat.gov.pl/wsBIR/UslugaBIRzewnPubl.svc");
  s.gus_key = text_or("FUNKCJA_GUS_KEY", "abcde12345abcde12345");
  s.timeout_ms = millis_or("FUNKCJA_RATES_TIMEOUT_MS", 30000);
  s.connect_ms = millis_or("FUNKCJA_RATES_CONNECT_MS", 10000);
  return s;
}

}  // namespace utilks
