/* C interface: the SQL pass-through gateway (statements in code page 1250, server dialect). */
#ifndef FUNKCJA_C_GATEWAY_H
#define FUNKCJA_C_GATEWAY_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

FK_API void EXECSQL(fk_text statement);
FK_API void EXECSQL1(fk_text statement);
FK_API void EXECVAX(fk_text statement);
FK_API void EXECVAY(fk_text statement);
FK_API void EXECVAZ(fk_text statement);
FK_API fk_text FUNCVAY(fk_text statement);
FK_API fk_text FUNCVAZ(fk_text statement);

#ifdef __cplusplus
}
#endif

#endif
