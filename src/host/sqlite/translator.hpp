// Translation of the server's dialect (Transact-SQL, as the library and its host write it)
// into the embedded database's SQL. A tokenizer and a recursive-descent parser read the
// statement forms in use: select (top, table hints, aliases, inner and left outer joins,
// subqueries, group by, having, order by), insert, update, delete, "CALL name(args)" for
// stored procedures, and the transaction statements that keep several statements together.
// Expressions keep the server's meaning: "+" joins texts and adds numbers, text comparisons and
// ordering follow the Polish case-insensitive collation, and the server's functions (convert,
// datepart, Substring, Charindex, Stuff ...) map to functions of the same behaviour registered in
// the embedded database.
//
//   select top 1 nazwa from KONTRAHENT with (NOLOCK) where id_firmy=1 order by nazwa
//     -> SELECT "nazwa" FROM "KONTRAHENT" WHERE "id_firmy" = (1) COLLATE PL
//        ORDER BY "nazwa" COLLATE PL LIMIT 1
//
// A construct outside this subset is refused with a message that names it; nothing is ever
// sent half-translated. Translations are kept in a process-wide cache keyed by the statement.
//
// A text literal may hold any byte, NUL included: the embedded database reads its statement
// only up to a NUL, so such a text is written as the hex bytes of its UTF-8 form.
//
// This header is the translator's whole interface. Behind it: tsql_lexer (the tokens) and
// tsql_tokens (the stream the parser reads), tsql_statements and tsql_expressions (the parser,
// in tsql_parser.hpp), server_functions (the one table of the server's functions, shared with
// the registration on each connection) and translation_cache.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::sqlite {

// One argument of a stored-procedure call: a literal.
struct CallArg {
  enum class Kind { kNull, kInteger, kReal, kText };
  Kind kind = Kind::kNull;
  std::int64_t integer = 0;
  double real = 0;
  std::string text;  // code page 1250; also the literal's spelling for numbers

  // The argument as text ("" for NULL), as a stored procedure reads a text parameter.
  std::string as_text() const;
  // The argument as a whole number (texts read as decimal, else 0).
  std::int64_t as_integer() const;
  double as_real() const;
};

struct CallStatement {
  std::string name;  // as written, without a "dbo." prefix
  std::vector<CallArg> args;
};

// The server's transaction statements, which the connection carries out itself: BEGIN TRAN
// [SACTION], COMMIT [TRAN[SACTION] | WORK], ROLLBACK [TRAN[SACTION] | WORK].
enum class TransactionStep { kNone, kBegin, kCommit, kRollback };

struct Translation {
  std::string sql;                    // the embedded database's statement, UTF-8
  std::optional<CallStatement> call;  // set for CALL / EXEC
  std::string error;                  // code page 1250 message when not translatable
  // BEGIN, COMMIT or ROLLBACK of a transaction: no statement, the connection acts itself.
  TransactionStep transaction = TransactionStep::kNone;
  bool ok() const { return error.empty(); }
};

// Bounds of what is translated. Deeper nesting or a longer statement is refused with a
// message; real statements stay far below both, and the nesting bound keeps the parser's
// recursion well inside any thread's stack (sanitizer builds included).
inline constexpr std::size_t kMaxStatementLength = 16u << 20;  // characters
inline constexpr int kMaxNesting = 100;  // parentheses, subqueries, CASE, NOT, calls ... together

// Bounds of the translation cache: entries, bytes held in all, and the largest statement kept
// (a larger one is translated each time it comes).
inline constexpr std::size_t kTranslationCacheEntries = 4096;
inline constexpr std::size_t kTranslationCacheBytes = 32u << 20;
inline constexpr std::size_t kTranslationCacheEntryBytes = 1u << 20;
// Bounds of each thread's map of its recent statements in front of it (a larger translation is
// fetched from the process-wide cache each time).
inline constexpr std::size_t kThreadTranslationEntries = 64;
inline constexpr std::size_t kThreadTranslationBytes = 256u << 10;
inline constexpr std::size_t kThreadTranslationEntryBytes = 16u << 10;

// Translates one statement (code page 1250 text).
Translation translate(std::string_view statement);

// As translate(), through the cache (thread-safe). The translation stays valid until the
// calling thread's next call of translate_cached(); a repeated statement is answered from the
// thread's own map without a lock or any write that other threads see.
const Translation& translate_cached(std::string_view statement);
// Empties the process-wide cache; each thread's map is dropped at its next lookup.
void clear_translation_cache();
std::size_t translation_cache_size();
std::size_t translation_cache_bytes();
// The calling thread's map, as its last lookup left it.
std::size_t thread_translation_cache_size();
std::size_t thread_translation_cache_bytes();

// SQL templates of the server's table functions (a select in the embedded database's dialect
// with ?1, ?2 ... for the arguments), used in FROM as dbo.NAME(args). Registered by the
// embedded database's catalogue of server objects.
void register_table_function(const std::string& name, std::string sql_template);

}  // namespace funkcja::sqlite
