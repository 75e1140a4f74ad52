// Operation logs. LOG_DODAJ(7, "KSIĘGOWANIE", "Dokumenty", "FS/1", "", "", "") writes a row of
// FK_LOG_1 under operation number max(id_operacji) + 1, taken by the database together with
// the row, and every further call with key 7 shares that number;
// LOG_ADD(1001, "D", "DOK", "Dodano dokument") writes a row of UZYTKOWNIK_FK_LOG stamped with
// the server's time; LOG_DISPLAY("R", "D") gives "Dodawanie".
#include <array>
#include <mutex>

#include "frame/cp_literal.hpp"
#include "frame/standard_date.hpp"
#include "host/gateway.hpp"
#include "host/platform/env.hpp"
#include "host/sql_text.hpp"
#include "host/system_messages.hpp"
#include "lookups/logs.hpp"
#include "lookups/procedures.hpp"
#include "lookups/session.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

constexpr std::size_t kDetailCapacity = 250;
constexpr std::size_t kDisplayCapacity = 50;
constexpr std::int32_t kReadWriteDenyWrite = 0x22;

// The last operation key and its number, shared by every thread of the process. The check of
// the key and the choice of a new number happen under one lock, so two threads that switch
// keys at once never hand out the same new number for different operations.
struct Operation {
  std::mutex mutex;
  std::int32_t key = 0;
  std::int32_t number = 0;
};

Operation& operation() {
  static Operation* o = new Operation;  // lives until the process ends
  return *o;
}

// The six texts of a log row as the caller passed them, in the order of their columns.
using LogTexts = std::array<std::string_view, 6>;

// A row of an operation whose number is known, through EXECSQL.
void insert_row(std::int32_t number, const LogTexts& texts) {
  sql::Statement s(
      "insert into FK_LOG_1 (id_firmy,id_uzytkownika_n,id_uzytkownika,id_operacji,data_operacji,"
      "rodzaj_operacji,miejsce_wywolania,tekst_1,tekst_2,tekst_3,tekst_4,tekst_5) values (");
  s.number(lookups::company()).text(",").number(lookups::user_number()).text(",");
  s.quoted(lookups::user_login()).text(",").number(number).text(",").number(platform::today());
  for (const std::string_view t : texts) s.text(",").quoted(text::clip(t));
  s.text(",'')");
  gateway::EXECSQL(s);
}

// The first row of a new operation: the stored procedure takes max(id_operacji) + 1 and writes
// the row in one write transaction, so processes sharing the database never take the same
// number. A failure is reported and leaves the cleared record: the number becomes 1, and the
// row is written the plain way.
std::int32_t first_row_of_new_operation(const LogTexts& texts) {
  sql::Statement s("CALL TG_LogNowaOperacja(");
  s.number(lookups::company()).text(",").number(lookups::user_number()).text(",");
  s.quoted(lookups::user_login()).text(",").number(platform::today());
  for (const std::string_view t : texts) s.text(",").quoted(text::clip(t));
  s.text(")");
  dane::QueryTable& t = dane::thread_tables().ZAPYTANIESQL;
  gateway::run(t, s, gateway::Errors::kReport);
  const bool written = t.error_code() == dane::kNoError;
  t.next();
  const std::int32_t number = written ? t.field(1).as_int32() : 1;
  if (!written) insert_row(number, texts);
  return number;
}

}  // namespace

void lookups::reset_operation_numbers() {
  Operation& op = operation();
  std::lock_guard lock(op.mutex);
  op.key = 0;
  op.number = 0;
}

namespace {

struct Code {
  std::string_view code;
  std::string_view text;
};

}  // namespace

namespace lookups {

void LOG_DODAJ(std::int32_t operation_key, std::string_view rodzaj_operacji,
               std::string_view miejsce_wywolania, std::string_view tekst_1,
               std::string_view tekst_2, std::string_view tekst_3, std::string_view tekst_4) {
  const LogTexts texts = {rodzaj_operacji, miejsce_wywolania, tekst_1, tekst_2, tekst_3, tekst_4};
  Operation& op = operation();
  std::lock_guard lock(op.mutex);
  if (operation_key != op.key) {
    op.number = first_row_of_new_operation(texts);
    op.key = operation_key;
    return;
  }
  insert_row(op.number, texts);  // a failed insert is not reported
}

void LOG_ADD(std::int32_t id_zapisu, std::string_view rodzaj_operacji,
             std::string_view modul_operacji, std::string_view szczegoly_operacji) {
  dane::QueryTable& t = dane::thread_tables().UZYTKOWNIK_FK_LOG;
  t.close();
  t.open(kReadWriteDenyWrite);
  t.clear_record();
  sql::Statement s(
      "insert into UZYTKOWNIK_FK_LOG (id_firmy,id_lata_obrot,id_uzytkownika,id_zapisu,"
      "rodzaj_operacji,modul_operacji,szczegoly_operacji,dataczas) values(");
  s.number(lookups::company()).text(",").number(lookups::fiscal_year()).text(",");
  s.number(lookups::user_number()).text(",").number(id_zapisu).text(",");
  s.quoted(rodzaj_operacji).text(",").quoted(modul_operacji).text(",");
  s.quoted(text::cut(text::clip(szczegoly_operacji), kDetailCapacity)).text(",getdate())");
  t.set_statement(text::clip(s.str()));
  if (t.error_code() != dane::kNoError) system_messages::warning(t.error_message());
  t.close();
}

std::string LOG_DISPLAY(std::string_view kind, std::string_view code) {
  static constexpr Code kOperations[] = {
      {"D", "Dodawanie"},    {"P", "Poprawianie"}, {"U", "Usuwanie"},      {"Z", "Zatwierdzanie"},
      {"I", "Pozostałe"_cp}, {"R", "Rozliczanie"}, {"O", "Rozłączanie"_cp}};
  static constexpr Code kModules[] = {
      {"SYS", "System"},           {"DOK", "Dokumenty"},        {"ROZ", "Rozrachunki"},
      {"KSI", "Księga główna"_cp}, {"KON", "Kontrahenci"},      {"PRA", "Pracownicy"},
      {"URZ", "Urzędy"_cp},        {"RAC", "Rachunki bankowe"}, {"POZ", "Pozostałe"_cp}};
  const char k = text::clip(kind).size() == 1 ? text::clip(kind)[0] : '\0';
  const auto look = [&](const auto& table) -> std::string {
    for (const Code& c : table) {
      if (text::same(c.code, code)) return std::string(text::cut(c.text, kDisplayCapacity));
    }
    return {};
  };
  if (k == 'R' || k == 'r') return look(kOperations);
  if (k == 'M' || k == 'm') return look(kModules);
  return {};
}

}  // namespace lookups
}  // namespace funkcja
