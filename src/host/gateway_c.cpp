// C exports of the SQL pass-through gateway.
#include "frame/export.hpp"
#include "host/gateway.hpp"

using namespace funkcja;

extern "C" FK_API void EXECSQL(fk_text statement) {
  abi::guarded_void([&] { funkcja::gateway::EXECSQL(abi::in(statement)); });
}
FK_REGISTER(EXECSQL, "statement");

extern "C" FK_API void EXECSQL1(fk_text statement) {
  abi::guarded_void([&] { funkcja::gateway::EXECSQL1(abi::in(statement)); });
}
FK_REGISTER(EXECSQL1, "statement");

extern "C" FK_API void EXECVAX(fk_text statement) {
  abi::guarded_void([&] { funkcja::gateway::EXECVAX(abi::in(statement)); });
}
FK_REGISTER(EXECVAX, "statement");

extern "C" FK_API void EXECVAY(fk_text statement) {
  abi::guarded_void([&] { funkcja::gateway::EXECVAY(abi::in(statement)); });
}
FK_REGISTER(EXECVAY, "statement");

extern "C" FK_API void EXECVAZ(fk_text statement) {
  abi::guarded_void([&] { funkcja::gateway::EXECVAZ(abi::in(statement)); });
}
FK_REGISTER(EXECVAZ, "statement");

extern "C" FK_API fk_text FUNCVAY(fk_text statement) {
  return abi::text_result([&] { return funkcja::gateway::FUNCVAY(abi::in(statement)); });
}
FK_REGISTER(FUNCVAY, "statement");

extern "C" FK_API fk_text FUNCVAZ(fk_text statement) {
  return abi::text_result([&] { return funkcja::gateway::FUNCVAZ(abi::in(statement)); });
}
FK_REGISTER(FUNCVAZ, "statement");
