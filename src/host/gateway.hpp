// The gateway as the library's procedures use it. Every database step of a procedure runs a
// statement on one of the calling thread's query tables and reads its rows:
//
//   dane::QueryTable& t = dane::thread_tables().VAX_FK;
//   gateway::run(t, statement, gateway::Errors::kReport);   // MSG_OST on a failed statement
//   while (gateway::next(t)) use(t.field(1).text);
//
// Statements are built with sql::Statement (host/sql_text.hpp), which quotes every text value.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "host/dane/tables.hpp"

namespace funkcja::gateway {

// Close, open with mode 0x22, clear the record, and send the statement without its trailing
// blanks (leading blanks are kept). The rows wait on the table; its error code tells whether
// the statement failed.
void send(dane::QueryTable& table, std::string_view statement);

enum class Errors { kSilent, kReport };

// send(), then, when asked to report, a failed statement's database message as a warning.
void run(dane::QueryTable& table, std::string_view statement, Errors errors = Errors::kSilent);

// The next row into the table's record: false when there is none (or the statement failed).
bool next(dane::QueryTable& table);

// The first column of the first row as text cut to capacity, then the table closed; empty
// text when the statement fails or yields no row.
std::string first_value(dane::QueryTable& table, std::string_view statement, std::size_t capacity);

// The gateway procedures, as funkcja/gateway.hpp describes them.
void EXECSQL(std::string_view statement);
void EXECSQL1(std::string_view statement);
void EXECVAX(std::string_view statement);
void EXECVAY(std::string_view statement);
void EXECVAZ(std::string_view statement);
std::string FUNCVAY(std::string_view statement);
std::string FUNCVAZ(std::string_view statement);

}  // namespace funkcja::gateway
