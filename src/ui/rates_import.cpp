// The rate download: the utility library fetches a rate table as text, the database's import
// procedure stores it and returns the table's day. For example
//
//   std::int32_t day = 0;
//   POBIERZKURSYNBP(0, day)   // the latest NBP table: 1, and day = the table's day
//
// loads TEMIXutilKS from $GLO:LOCALPATH, calls PobierzKursyNBPwartosc, sends
// "call TG_ImportKusowWalutNBP(0,'TABELA|...')" on VAX_FK and reads the day from its first
// row. Every failure ends with 0 after one message; rates already stored become a question
// whose "Tak" gives 2.
#include "ui/rates_import.hpp"

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/standard_date.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"
#include "host/platform/env.hpp"
#include "host/sql_text.hpp"
#include "text/picture.hpp"
#include "ui/procedures.hpp"
#include "ui/rates_progress.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

// The rate text is held in 50,000 bytes: at most 49,999 characters.
constexpr std::size_t kRateCapacity = 49999;

using Latest = const char* (*)();
using OnDay = const char* (*)(const char*);

struct Bank {
  const char* procedure;
  const char* latest_export;
  const char* day_export;
  const char* import_procedure;
  std::string_view missing_function;
  std::string_view latest_failed;
  std::string_view day_failed;
  std::string_view bank_name;  // in "... brak kursów walut w banku NBP."
  bool iso_day;                // the day text YYYY-MM-DD, else YYMMDD
};

const Bank& nbp() {
  static const Bank b{
      "POBIERZKURSYNBP",
      "PobierzKursyNBPwartosc",
      "PobierzKursyNBPwartoscNaDzien",
      "TG_ImportKusowWalutNBP",
      "Wystąpił błąd podczas uruchamiania funkcji importu kursów walut z banku NBP."_cp,
      "Błąd wykonania funkcji pobrania kursów walut z NBP."_cp,
      "Błąd wykonania funkcji pobrania kursów walut na dzień z NBP."_cp,
      "NBP",
      false};
  return b;
}

const Bank& ecb() {
  static const Bank b{
      "POBIERZKURSYECB",
      "PobierzKursyECBwartosc",
      "PobierzKursyECBwartoscNaDzien",
      "TG_ImportKusowWalutECB",
      "Wystąpił błąd podczas uruchamiania funkcji importu kursów walut z banku ECB."_cp,
      "Błąd wykonania funkcji pobrania kursów walut z ECB."_cp,
      "Błąd wykonania funkcji pobrania kursów walut na dzień z banku ECB."_cp,
      "ECB",
      true};
  return b;
}

std::string two_digits(std::int32_t n) {
  return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

// YYMMDD or YYYY-MM-DD of a standard date; empty for a day the calendar does not hold.
std::string day_text(std::int32_t day, bool iso) {
  const auto c = date::to_civil(day);
  if (!c) return {};
  if (!iso) return two_digits(c->year % 100) + two_digits(c->month) + two_digits(c->day);
  return two_digits(c->year / 100) + two_digits(c->year % 100) + "-" + two_digits(c->month) + "-" +
         two_digits(c->day);
}

// The system's short date, as the runtime's picture @d17 shows it.
std::string short_date(std::int32_t day) {
  return text::picture_date(day, text::short_date_format());
}

// The returned text copied at once, cut to the buffer's capacity.
std::string copy_answer(const char* answer) {
  if (answer == nullptr) return {};
  return std::string(answer, ::strnlen(answer, kRateCapacity));
}

// Fetches the rate text, or tells the user why there is none: nothing then.
std::optional<std::string> fetch_rates(const Bank& bank, platform::SharedLibrary& library,
                                       std::int32_t day) {
  std::string rates;
  if (day == 0) {
    auto fn = reinterpret_cast<Latest>(library.symbol(bank.latest_export));
    if (fn == nullptr) {
      MSG_OST(bank.missing_function);
      return std::nullopt;
    }
    rates = copy_answer(fn());
  } else {
    auto fn = reinterpret_cast<OnDay>(library.symbol(bank.day_export));
    if (fn == nullptr) {
      MSG_OST(bank.missing_function);
      return std::nullopt;
    }
    const std::string asked = day_text(day, bank.iso_day);
    rates = copy_answer(fn(asked.c_str()));
    if (text::clip(rates) == "02") {
      MSG_INF(std::string("Na dzień "_cp) + (bank.iso_day ? asked : short_date(day)) +
              std::string(" brak kursów walut w banku "_cp) + std::string(bank.bank_name) + ".");
      return std::nullopt;
    }
  }
  const std::string_view status = text::clip(rates);
  if (status.empty()) return std::nullopt;  // nothing came back: no message
  if (status == "01") {
    MSG_OST(day == 0 ? bank.latest_failed : bank.day_failed);
    return std::nullopt;
  }
  return rates;
}

// Sends the rates to the import procedure; the result of the call.
std::uint8_t import_rates(const Bank& bank, std::uint8_t flag, const std::string& rates,
                          std::int32_t& date) {
  dane::QueryTable& vax = dane::thread_tables().VAX_FK;
  struct CloseTable {
    dane::QueryTable& t;
    ~CloseTable() { t.close(); }
  } close_table{vax};
  // The rate text holds no apostrophe; quoting it anyway keeps a foreign utility library from
  // ending the statement early.
  gateway::send(vax, std::string("call ") + bank.import_procedure + "(" + std::to_string(flag) +
                         "," + sql::quoted(rates) + ")");
  if (vax.error_code() != dane::kNoError) {
    const std::string message = vax.error_message();
    std::uint8_t result = 0;
    if (message.find("uzupełniona"_cp) != std::string::npos) {
      const std::int32_t answer = MSG_QST(
          message + std::string(" Czy chcesz ponownie pobrać kursy walut na dany dzień ?"_cp),
          "&Tak|&Nie", 1);
      result = answer == 1 ? 2 : 0;
    } else {
      MSG_OST(message);
    }
    gateway::next(vax);  // reads past the result
    return result;
  }
  gateway::next(vax);
  // The first column as a whole number; a text that is none reads as 0, as the runtime's
  // conversion gives.
  const auto day = text::read_int32(vax.field(1).text);
  date = day ? *day : 0;
  return 1;
}

std::uint8_t download(const Bank& bank, std::uint8_t flag, std::int32_t& date) {
  std::uint8_t result = 0;
  with_rates_progress(bank.procedure, [&] {
    const auto path = platform::utility_library_path(dane::get_text(dane::Global::GLO_LOCALPATH));
    std::unique_ptr<platform::SharedLibrary> library;
    if (path) library = platform::Env::current().load_library(*path);
    if (!library) {
      MSG_OST("Wystąpił błąd podczas ładowania biblioteki TEMIXutilKS.dll"_cp);
      return;
    }
    const auto rates = fetch_rates(bank, *library, date);
    if (rates) result = import_rates(bank, flag, *rates, date);
  });
  return result;
}

}  // namespace

std::uint8_t POBIERZKURSYNBP(std::uint8_t flag, std::int32_t& date) {
  return download(nbp(), flag, date);
}

std::uint8_t POBIERZKURSYECB(std::uint8_t flag, std::int32_t& date) {
  return download(ecb(), flag, date);
}

}  // namespace funkcja::ui
