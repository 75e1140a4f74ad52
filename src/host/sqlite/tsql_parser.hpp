// The recursive-descent parser of the server's dialect. Statements (select, insert, update,
// delete, call) are translated in tsql_statements.cpp, expressions in tsql_expressions.cpp;
// both write the embedded database's SQL as they read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/sqlite/server_functions.hpp"
#include "host/sqlite/translator.hpp"
#include "host/sqlite/tsql_tokens.hpp"

namespace funkcja::sqlite::tsql {

struct Expression {
  std::string sql;
  ValueType type = ValueType::kUnknown;  // of its value, as far as the translation can tell
  bool integer_literal = false;
  bool string_literal = false;
  bool column = false;  // a bare column reference
  // For SUBSTRING(column, 1, n): the column, so that comparing it with a text can also be
  // written as a range of the column, which an index answers.
  std::string prefix_of{};
};

// Words that end an expression or a table reference and so are never aliases.
bool reserved(std::string_view word);
// The server's table hints (NOLOCK ...), which the embedded database does without.
bool table_hint(std::string_view word);
// A name between double quotes, as the embedded database reads it.
std::string quote_ident(std::string_view name);
// The refusal of a construct nested past kMaxNesting.
std::string nesting_message(std::string_view construct);

// The server's name or abbreviation of a date part, as tsql_datepart spells it; any other
// word is refused, so nothing but these few names ever reaches the statement.
std::string_view date_part(std::string_view name);

// A text between apostrophes (or, holding NUL, the hex bytes of its UTF-8 form).
std::string string_literal(std::string_view text);

class Parser : private TokenStream {
 public:
  explicit Parser(std::string_view statement) : TokenStream(checked_tokens(statement)) {}

  Translation run();

 private:
  static std::vector<Token> checked_tokens(std::string_view statement);

  // One level of the recursive descent. Every construct that nests (parentheses, subqueries,
  // CASE, NOT, signs, function calls, IN lists) takes one, so the recursion stays shallow
  // whatever the input.
  class Level {
   public:
    Level(Parser& p, std::string_view construct) : p_(p) {
      if (++p_.depth_ > kMaxNesting) unsupported(nesting_message(construct));
    }
    ~Level() { --p_.depth_; }
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

   private:
    Parser& p_;
  };

  // statements
  std::string select();
  std::string select_list();
  std::string ordering(bool directions);
  void skip_hints();
  std::string table_name();
  std::string alias_name();

  // One table of a FROM clause: its translation and, for a stored table, its name and alias.
  struct TableReference {
    std::string sql;
    std::string table;  // empty for a subquery or a table function
    std::string alias;  // empty when none was written
  };
  TableReference table_ref();
  static std::string fill_template(const std::string& tmpl, const std::vector<std::string>& args);
  std::string from_list(std::vector<TableReference>* refs = nullptr);
  std::string insert();
  std::string update();
  static const TableReference* target_in_from(std::string_view target,
                                              const std::vector<TableReference>& refs);
  std::string remove();
  CallStatement call();
  CallArg call_arg();
  TransactionStep transaction_step();

  // expressions
  std::string condition() { return expression().sql; }
  Expression expression() { return or_expr(); }
  Expression or_expr();
  Expression and_expr();
  Expression not_expr();
  static std::string collated(const Expression& e) { return "(" + e.sql + ") COLLATE PL"; }
  Expression predicate();
  static std::string prefix_match(const Expression& substring, const Expression& text);
  Expression additive();
  Expression multiplicative();
  Expression unary();
  void count_operand();
  Expression primary();
  Expression case_expr();
  std::vector<Expression> arguments();
  // "a, b, c" (one at least): each expression translated, joined with ", ".
  std::string expression_list();
  static std::string joined(const std::vector<Expression>& args);
  Expression dbo_function(const std::string& name);

  // Data type of convert/cast: the name and its sizes as written ("max" for MAX), if any.
  struct DataType {
    std::string name;
    std::string size;
    std::string scale;
  };
  DataType data_type();
  static std::optional<std::int64_t> size_of(const std::string& text);
  static Expression converted(const DataType& type, const Expression& value,
                              const std::string& style);
  Expression function_call(const std::string& name);

  int depth_ = 0;

  // Per level: operands read so far in the current run of * / %.
  int operator_runs_[kMaxNesting + 2] = {};
};

}  // namespace funkcja::sqlite::tsql
