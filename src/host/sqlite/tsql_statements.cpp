#include "host/sqlite/tsql_parser.hpp"

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "host/sqlite/polish.hpp"
#include "host/sqlite/server_functions.hpp"
#include "host/sqlite/tsql_lexer.hpp"

namespace funkcja::sqlite::tsql {

using namespace funkcja::literals;

// Words that end an expression or a table reference and so are never aliases.
bool reserved(std::string_view word) {
  static constexpr std::string_view kWords[] = {
      "SELECT",  "FROM",  "WHERE", "GROUP",    "ORDER",  "HAVING", "INNER",  "LEFT",   "RIGHT",
      "FULL",    "OUTER", "CROSS", "JOIN",     "ON",     "WITH",   "UNION",  "EXCEPT", "INTERSECT",
      "AND",     "OR",    "NOT",   "AS",       "SET",    "VALUES", "INTO",   "BY",     "ASC",
      "DESC",    "WHEN",  "THEN",  "ELSE",     "END",    "CASE",   "IN",     "IS",     "LIKE",
      "BETWEEN", "NULL",  "TOP",   "DISTINCT", "EXISTS", "ESCAPE", "OPTION", "FOR",    "COMPUTE"};
  for (const auto w : kWords) {
    if (iequals(word, w)) return true;
  }
  return false;
}

bool table_hint(std::string_view word) {
  static constexpr std::string_view kHints[] = {
      "NOLOCK",       "READUNCOMMITTED", "ROWLOCK",  "UPDLOCK",
      "HOLDLOCK",     "READPAST",        "PAGLOCK",  "TABLOCK",
      "TABLOCKX",     "XLOCK",           "NOWAIT",   "READCOMMITTED",
      "SERIALIZABLE", "REPEATABLEREAD",  "NOEXPAND", "READCOMMITTEDLOCK"};
  for (const auto h : kHints) {
    if (iequals(word, h)) return true;
  }
  return false;
}

std::string quote_ident(std::string_view name) {
  // The database would read the statement only up to the NUL.
  if (name.find('\0') != std::string_view::npos) unsupported("znak NUL w nazwie"_cp);
  std::string out = "\"";
  for (const char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string nesting_message(std::string_view construct) {
  return std::string("zbyt głębokie zagnieżdżenie ("_cp) + std::string(construct) + ", ponad " +
         std::to_string(kMaxNesting) + std::string(" poziomów)"_cp);
}

Translation Parser::run() {
  Translation t;
  const Token& first = peek();
  if (first.kind != TokenKind::kIdent) syntax(first);
  if (is("SELECT")) {
    t.sql = select();
  } else if (is("INSERT")) {
    t.sql = insert();
  } else if (is("UPDATE")) {
    t.sql = update();
  } else if (is("DELETE")) {
    t.sql = remove();
  } else if (is("CALL") || is("EXEC") || is("EXECUTE")) {
    t.call = call();
  } else if (is("BEGIN") || is("COMMIT") || is("ROLLBACK")) {
    t.transaction = transaction_step();
  } else {
    unsupported("polecenie " + upper_ascii(first.text));
  }
  accept(";");
  if (peek().kind != TokenKind::kEnd) {
    if (is("UNION") || is("EXCEPT") || is("INTERSECT")) unsupported(upper_ascii(peek().text));
    if (peek().kind == TokenKind::kIdent &&
        (is("SELECT") || is("INSERT") || is("UPDATE") || is("DELETE"))) {
      unsupported("kilka poleceń w jednym"_cp);
    }
    syntax(peek());
  }
  if (!t.call) t.sql = cp_to_utf8(t.sql);
  return t;
}

std::vector<Token> Parser::checked_tokens(std::string_view statement) {
  if (statement.size() > kMaxStatementLength) {
    unsupported(std::string("polecenie dłuższe niż "_cp) + std::to_string(kMaxStatementLength) +
                std::string(" znaków"_cp));
  }
  return tokenize(statement);
}

std::string Parser::select() {
  Level level(*this, "podzapytania");
  expect("SELECT");
  std::string out = "SELECT ";
  if (accept("DISTINCT")) {
    out += "DISTINCT ";
  } else {
    accept("ALL");
  }
  std::string limit;
  if (accept("TOP")) {
    const bool paren = accept("(");
    const Token& n = peek();
    if (n.kind != TokenKind::kNumber ||
        n.text.find_first_not_of("0123456789") != std::string::npos) {
      unsupported("TOP z wyrażeniem"_cp);
    }
    limit = take().text;
    if (paren) expect(")");
    if (is("PERCENT")) unsupported("TOP PERCENT");
    if (is("WITH") && is("TIES", 1)) unsupported("TOP WITH TIES");
  }
  out += select_list();
  if (is("INTO")) unsupported("SELECT INTO");
  if (accept("FROM")) {
    out += " FROM ";
    out += from_list();
  }
  if (accept("WHERE")) {
    out += " WHERE ";
    out += condition();
  }
  if (is("GROUP")) {
    take();
    expect("BY");
    out += " GROUP BY ";
    out += ordering(false);
  }
  if (accept("HAVING")) {
    out += " HAVING ";
    out += condition();
  }
  if (is("ORDER")) {
    take();
    expect("BY");
    out += " ORDER BY ";
    out += ordering(true);
  }
  if (is("OPTION")) unsupported("OPTION");
  if (is("FOR")) unsupported("FOR XML/BROWSE");
  if (!limit.empty()) out += " LIMIT " + limit;
  return out;
}

std::string Parser::select_list() {
  std::string out;
  do {
    if (!out.empty()) out += ", ";
    if (accept("*")) {
      out += "*";
      continue;
    }
    if (peek().kind == TokenKind::kIdent && is_sym(".", 1) && is_sym("*", 2)) {
      out += quote_ident(take().text) + ".*";
      take();
      take();
      continue;
    }
    // alias = expression
    if (peek().kind == TokenKind::kIdent && is_sym("=", 1) && !reserved(peek().text)) {
      const std::string alias = take().text;
      take();
      out += expression().sql + " AS " + quote_ident(alias);
      continue;
    }
    out += expression().sql;
    if (accept("AS")) {
      const Token& a = take();
      if (a.kind != TokenKind::kIdent && a.kind != TokenKind::kString) syntax(a);
      out += " AS " + quote_ident(a.text);
    } else if ((peek().kind == TokenKind::kIdent && !reserved(peek().text)) ||
               peek().kind == TokenKind::kString) {
      out += " AS " + quote_ident(take().text);
    }
  } while (accept(","));
  return out;
}

std::string Parser::ordering(bool directions) {
  std::string out;
  do {
    if (!out.empty()) out += ", ";
    const Expression e = expression();
    out += e.integer_literal ? e.sql : e.sql + " COLLATE PL";
    if (directions) {
      if (accept("DESC")) {
        out += " DESC";
      } else if (accept("ASC")) {
        out += " ASC";
      }
    }
  } while (accept(","));
  return out;
}

// Table hints: WITH (NOLOCK, ...) or (NOLOCK) straight after the table.
void Parser::skip_hints() {
  while (true) {
    if (is("WITH") && is_sym("(", 1)) {
      take();
    } else if (!(is_sym("(") && peek(1).kind == TokenKind::kIdent && table_hint(peek(1).text))) {
      return;
    }
    expect("(");
    do {
      const std::string h = ident();
      if (!table_hint(h)) unsupported("wskazówka tabeli "_cp, upper_ascii(h));
    } while (accept(","));
    expect(")");
  }
}

// A table name, possibly dbo.NAME or DATABASE.dbo.NAME: the name alone.
std::string Parser::table_name() {
  std::string name = ident();
  if (!accept(".")) return name;
  if (!iequals(name, "dbo")) {
    // DATABASE.dbo.NAME
    if (!(is("dbo") && is_sym(".", 1))) unsupported("schemat "_cp, name);
    take();
    take();
  }
  return ident();
}

// The alias of a table, as written; empty when there is none.
std::string Parser::alias_name() {
  if (accept("AS")) return ident();
  if (peek().kind == TokenKind::kIdent && !reserved(peek().text) && !table_hint(peek().text)) {
    return take().text;
  }
  return {};
}

Parser::TableReference Parser::table_ref() {
  if (is_sym("(")) {
    take();
    if (!is("SELECT")) unsupported("nawias w klauzuli FROM"_cp);
    std::string out = "(" + select() + ")";
    expect(")");
    const std::string alias = alias_name();
    if (alias.empty()) syntax(peek());
    return {out + " AS " + quote_ident(alias), {}, alias};
  }
  const std::string name = table_name();
  std::string out;
  if (is_sym("(") && !(peek(1).kind == TokenKind::kIdent && table_hint(peek(1).text))) {
    // dbo.FUNCTION(args): a table function of the server
    const auto tmpl = table_function(name);
    if (!tmpl) unsupported("funkcja tabelaryczna "_cp, name);
    take();
    std::vector<std::string> args;
    if (!is_sym(")")) {
      do args.push_back(expression().sql);
      while (accept(","));
    }
    expect(")");
    out = "(" + fill_template(*tmpl, args) + ")";
    std::string alias = alias_name();
    if (alias.empty()) alias = name;
    return {out + " AS " + quote_ident(alias), {}, alias};
  }
  TableReference ref{quote_ident(name), name, {}};
  skip_hints();
  ref.alias = alias_name();
  if (!ref.alias.empty()) ref.sql += " AS " + quote_ident(ref.alias);
  skip_hints();
  return ref;
}

std::string Parser::fill_template(const std::string& tmpl, const std::vector<std::string>& args) {
  std::string out;
  for (std::size_t i = 0; i < tmpl.size(); ++i) {
    if (tmpl[i] == '?' && i + 1 < tmpl.size() && digit(static_cast<unsigned char>(tmpl[i + 1]))) {
      std::size_t j = i + 1;
      std::size_t n = 0;
      while (j < tmpl.size() && digit(static_cast<unsigned char>(tmpl[j]))) {
        n = n * 10 + static_cast<std::size_t>(tmpl[j] - '0');
        ++j;
      }
      if (n == 0 || n > args.size()) unsupported("za mało argumentów funkcji tabelarycznej"_cp);
      out += "(" + args[n - 1] + ")";
      i = j - 1;
    } else {
      out += tmpl[i];
    }
  }
  return out;
}

// The tables of a FROM clause, joined; each table is also listed in *refs when given.
std::string Parser::from_list(std::vector<TableReference>* refs) {
  const auto next_ref = [&] {
    TableReference ref = table_ref();
    if (refs != nullptr) refs->push_back(ref);
    return std::move(ref.sql);
  };
  std::string out = next_ref();
  while (true) {
    if (accept(",")) {
      out += ", " + next_ref();
      continue;
    }
    std::string join;
    if (is("INNER") && is("JOIN", 1)) {
      take();
      take();
      join = " INNER JOIN ";
    } else if (is("JOIN")) {
      take();
      join = " INNER JOIN ";
    } else if (is("LEFT")) {
      take();
      accept("OUTER");
      expect("JOIN");
      join = " LEFT OUTER JOIN ";
    } else if (is("CROSS") && is("JOIN", 1)) {
      take();
      take();
      out += " CROSS JOIN " + next_ref();
      continue;
    } else if (is("RIGHT") || is("FULL")) {
      unsupported(upper_ascii(peek().text) + " JOIN");
    } else if (is("CROSS") || is("OUTER")) {
      unsupported(upper_ascii(peek().text) + " APPLY");
    } else {
      break;
    }
    out += join + next_ref();
    expect("ON");
    out += " ON " + condition();
  }
  return out;
}

std::string Parser::insert() {
  expect("INSERT");
  accept("INTO");
  std::string out = "INSERT INTO " + quote_ident(table_name());
  skip_hints();
  if (is_sym("(") && !is("SELECT", 1)) {
    take();
    out += " (";
    bool first = true;
    do {
      if (!first) out += ", ";
      first = false;
      out += quote_ident(ident());
    } while (accept(","));
    expect(")");
    out += ")";
  }
  if (accept("VALUES")) {
    out += " VALUES ";
    bool first_row = true;
    do {
      if (!first_row) out += ", ";
      first_row = false;
      expect("(");
      out += "(" + expression_list() + ")";
      expect(")");
    } while (accept(","));
  } else if (is("SELECT")) {
    out += " " + select();
  } else if (is("DEFAULT")) {
    unsupported("DEFAULT VALUES");
  } else {
    syntax(peek());
  }
  return out;
}

// UPDATE target SET ... [FROM ...] [WHERE ...]. When the target is one of the FROM's tables
// (by its alias, or by its name when it stands there once), the server changes the rows of
// that table that the join yields, each with values from its joined row as it stood before
// the statement. The embedded database joins its target to FROM as a further table, so the
// join is computed in a subquery that also carries the target's row id, and the target is
// matched to it by that id:
//   update KONTRAHENT set nazwa='B' from KONTRAHENT k where k.id_kontrahenta=1
//     -> UPDATE "KONTRAHENT" AS "cel$" SET "nazwa" = "zrodlo$"."wartosc$1"
//        FROM (SELECT "k".rowid AS "wiersz$", 'B' AS "wartosc$1" FROM "KONTRAHENT" AS "k"
//              WHERE ...) AS "zrodlo$" WHERE "zrodlo$"."wiersz$" = "cel$".rowid
// A target not among the FROM's tables is joined to them as on the server.
std::string Parser::update() {
  expect("UPDATE");
  if (is("TOP")) unsupported("UPDATE TOP");
  const std::string target = table_name();
  skip_hints();
  expect("SET");
  struct Assignment {
    std::string qualifier;  // alias.column: the alias
    std::string column;
    std::string value;
  };
  std::vector<Assignment> set;
  do {
    Assignment a;
    a.column = ident();
    if (accept(".")) {
      a.qualifier = std::move(a.column);
      a.column = ident();
    }
    expect("=");
    a.value = expression().sql;
    set.push_back(std::move(a));
  } while (accept(","));
  std::vector<TableReference> refs;
  std::string from;
  if (accept("FROM")) from = from_list(&refs);
  std::string where;
  if (accept("WHERE")) where = condition();

  const TableReference* in_from = target_in_from(target, refs);
  for (const Assignment& a : set) {
    const bool names_target = a.qualifier.empty() || iequals(a.qualifier, target) ||
                              (in_from != nullptr && (iequals(a.qualifier, in_from->alias) ||
                                                      iequals(a.qualifier, in_from->table)));
    if (!names_target) unsupported("UPDATE kolumny innej tabeli niż zmieniana: "_cp, a.qualifier);
  }
  if (in_from == nullptr) {
    std::string out = "UPDATE " + quote_ident(target) + " SET ";
    for (std::size_t i = 0; i < set.size(); ++i) {
      if (i > 0) out += ", ";
      out += quote_ident(set[i].column) + " = " + set[i].value;
    }
    if (!from.empty()) out += " FROM " + from;
    if (!where.empty()) out += " WHERE " + where;
    return out;
  }
  const std::string source = quote_ident("zrodlo$");
  std::string out =
      "UPDATE " + quote_ident(in_from->table) + " AS " + quote_ident("cel$") + " SET ";
  std::string values;
  for (std::size_t i = 0; i < set.size(); ++i) {
    const std::string value = quote_ident("wartosc$" + std::to_string(i + 1));
    if (i > 0) out += ", ";
    out += quote_ident(set[i].column) + " = " + source + "." + value;
    values += ", " + set[i].value + " AS " + value;
  }
  const std::string& name = in_from->alias.empty() ? in_from->table : in_from->alias;
  out += " FROM (SELECT " + quote_ident(name) + ".rowid AS " + quote_ident("wiersz$") + values +
         " FROM " + from;
  if (!where.empty()) out += " WHERE " + where;
  out += ") AS " + source + " WHERE " + source + "." + quote_ident("wiersz$") + " = " +
         quote_ident("cel$") + ".rowid";
  return out;
}

// The FROM's table that an UPDATE's target names, or null when none does. A name that fits
// more than one table, or a subquery, cannot be translated exactly and is refused.
const Parser::TableReference* Parser::target_in_from(std::string_view target,
                                                     const std::vector<TableReference>& refs) {
  const TableReference* found = nullptr;
  for (const TableReference& r : refs) {
    if (r.alias.empty() || !iequals(r.alias, target)) continue;
    if (found != nullptr) unsupported("UPDATE z niejednoznacznym aliasem "_cp, target);
    found = &r;
  }
  if (found == nullptr) {
    for (const TableReference& r : refs) {
      if (!iequals(r.table, target)) continue;
      if (found != nullptr)
        unsupported("UPDATE tabeli występującej kilka razy w FROM: "_cp, target);
      found = &r;
    }
  }
  if (found != nullptr && found->table.empty()) {
    unsupported("UPDATE podzapytania lub funkcji tabelarycznej: "_cp, target);
  }
  return found;
}

std::string Parser::remove() {
  expect("DELETE");
  if (is("TOP")) unsupported("DELETE TOP");
  accept("FROM");
  std::string out = "DELETE FROM " + quote_ident(table_name());
  skip_hints();
  if (is("FROM")) unsupported("DELETE ... FROM ... JOIN");
  if (accept("WHERE")) out += " WHERE " + condition();
  return out;
}

CallStatement Parser::call() {
  take();  // CALL / EXEC
  CallStatement c;
  c.name = table_name();
  const bool paren = accept("(");
  const bool any = paren ? !is_sym(")") : peek().kind != TokenKind::kEnd && !is_sym(";");
  if (any) {
    do c.args.push_back(call_arg());
    while (accept(","));
  }
  if (paren) expect(")");
  return c;
}

// BEGIN TRAN[SACTION]; COMMIT or ROLLBACK, optionally followed by TRAN[SACTION] or WORK. A
// named transaction or a savepoint is refused: one unnamed transaction is all the connection
// keeps.
TransactionStep Parser::transaction_step() {
  const bool begin = is("BEGIN");
  const TransactionStep step = begin          ? TransactionStep::kBegin
                               : is("COMMIT") ? TransactionStep::kCommit
                                              : TransactionStep::kRollback;
  take();
  const bool tran = accept("TRAN") || accept("TRANSACTION");
  if (begin && !tran) unsupported("BEGIN bez TRANSACTION"_cp);
  if (!tran && !begin) accept("WORK");
  if (peek().kind == TokenKind::kIdent) unsupported("nazwana transakcja"_cp);
  return step;
}

CallArg Parser::call_arg() {
  CallArg a;
  bool negative = false;
  if (accept("-")) {
    negative = true;
  } else {
    accept("+");
  }
  const Token& t = peek();
  if (t.kind == TokenKind::kString && !negative) {
    a.kind = CallArg::Kind::kText;
    a.text = take().text;
  } else if (t.kind == TokenKind::kNumber) {
    const std::string spelled = (negative ? "-" : "") + take().text;
    a.text = spelled;
    if (const auto whole = funkcja::text::read_whole(spelled)) {
      a.kind = CallArg::Kind::kInteger;
      a.integer = *whole;
    } else {
      a.kind = CallArg::Kind::kReal;
      a.real = std::strtod(spelled.c_str(), nullptr);
    }
  } else if (t.kind == TokenKind::kIdent && iequals(t.text, "NULL") && !negative) {
    take();
  } else {
    unsupported("argument procedury, który nie jest stałą"_cp);
  }
  return a;
}

}  // namespace funkcja::sqlite::tsql
