// The SQL pass-through gateway: EXECSQL, EXECSQL1, EXECVAX, EXECVAY and EXECVAZ send a
// statement on their query table and leave its rows pending there; FUNCVAY and FUNCVAZ return
// the first column of the first row. For example FUNCVAY("select nazwa from FIRMA where
// id_firmy=1") gives "PHU Żuraw Sp. z o.o." on the demo database.
#include "host/gateway.hpp"
#include "host/system_messages.hpp"

#include "frame/text_rules.hpp"

namespace funkcja {
namespace gateway {

namespace {
constexpr std::int32_t kReadWriteDenyWrite = 0x22;
}  // namespace

void send(dane::QueryTable& table, std::string_view statement) {
  table.close();
  table.open(kReadWriteDenyWrite);
  table.clear_record();
  table.set_statement(text::clip(statement));
}

void run(dane::QueryTable& table, std::string_view statement, Errors errors) {
  send(table, statement);
  if (errors == Errors::kReport && table.error_code() != dane::kNoError) {
    system_messages::warning(table.error_message());
  }
}

bool next(dane::QueryTable& table) {
  table.next();
  return table.error_code() == dane::kNoError;
}

std::string first_value(dane::QueryTable& table, std::string_view statement, std::size_t capacity) {
  send(table, statement);
  table.next();  // a failed read leaves the cleared record, so the value is empty text
  std::string value(text::cut(table.field(1).as_text(), capacity));
  table.close();
  return value;
}

namespace {
constexpr std::size_t kFuncVayCapacity = 500;
constexpr std::size_t kFuncVazCapacity = 8000;
}  // namespace

void EXECSQL(std::string_view statement) {
  gateway::send(dane::thread_tables().ZAPYTANIESQL, statement);
}
void EXECSQL1(std::string_view statement) {
  gateway::send(dane::thread_tables().ZAPYTANIESQL1, statement);
}
void EXECVAX(std::string_view statement) {
  gateway::send(dane::thread_tables().VAX_FK, statement);
}
void EXECVAY(std::string_view statement) {
  gateway::send(dane::thread_tables().VAY_FK, statement);
}
void EXECVAZ(std::string_view statement) {
  gateway::send(dane::thread_tables().VAZ_FK, statement);
}

std::string FUNCVAY(std::string_view statement) {
  return gateway::first_value(dane::thread_tables().VAY_FK, statement, kFuncVayCapacity);
}

std::string FUNCVAZ(std::string_view statement) {
  return gateway::first_value(dane::thread_tables().VAZ_FK, statement, kFuncVazCapacity);
}

}  // namespace gateway
}  // namespace funkcja
