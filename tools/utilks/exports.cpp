// The exports of the utility library that the rate download of libfunkcja loads for one call.
// Each returns a NUL-terminated text owned by the library: valid on the calling thread until
// its next call into the library; the caller copies it at once and never frees it.
#include <exception>
#include <string>

#include "ecb_client.hpp"
#include "gus_window.hpp"
#include "nbp_client.hpp"
#include "rate_table.hpp"

#define UTILKS_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

thread_local std::string answer;
// The entity chosen in the calling thread's last search window (empty: none).
thread_local std::string chosen_entity;

// Nothing may unwind into the caller: any failure is the status "01".
template <class Body>
const char* answer_of(Body&& body) noexcept {
  try {
    answer = body();
  } catch (...) {
    try {
      answer = utilks::kFailed;
    } catch (...) {
      return utilks::kFailed;
    }
  }
  return answer.c_str();
}

}  // namespace

UTILKS_EXPORT const char* PobierzKursyNBPwartosc() {
  return answer_of([] { return utilks::nbp_latest(); });
}

UTILKS_EXPORT const char* PobierzKursyNBPwartoscNaDzien(const char* yymmdd) {
  return answer_of([yymmdd] {
    return yymmdd != nullptr ? utilks::nbp_on_day(yymmdd) : std::string(utilks::kFailed);
  });
}

UTILKS_EXPORT const char* PobierzKursyECBwartosc() {
  return answer_of([] { return utilks::ecb_latest(); });
}

UTILKS_EXPORT const char* PobierzKursyECBwartoscNaDzien(const char* day) {
  return answer_of(
      [day] { return day != nullptr ? utilks::ecb_on_day(day) : std::string(utilks::kFailed); });
}

// Shows the register's search window; what the user chose waits for PobierzGUSwartosc.
UTILKS_EXPORT void PobierzGUSokno() {
  try {
    chosen_entity.clear();
    chosen_entity = utilks::gus::run_search_window();
  } catch (...) {
    chosen_entity.clear();
  }
}

// The entity chosen in the last search window as XML (see gus_record.hpp), or empty text.
UTILKS_EXPORT const char* PobierzGUSwartosc() {
  return chosen_entity.c_str();
}
