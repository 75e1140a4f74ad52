#include "host/sqlite/tsql_parser.hpp"

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "host/sqlite/polish.hpp"

namespace funkcja::sqlite::tsql {

using namespace funkcja::literals;

// The server's name or abbreviation of a date part, as tsql_datepart spells it; any other
// word is refused, so nothing but these few names ever reaches the statement.
std::string_view date_part(std::string_view name) {
  struct Part {
    std::string_view name;
    std::string_view part;
  };
  static constexpr Part kParts[] = {
      {"YEAR", "YY"},        {"YY", "YY"},        {"YYYY", "YY"},    {"QUARTER", "QQ"},
      {"QQ", "QQ"},          {"Q", "QQ"},         {"MONTH", "MM"},   {"MM", "MM"},
      {"M", "MM"},           {"DAYOFYEAR", "DY"}, {"DY", "DY"},      {"Y", "DY"},
      {"DAY", "DD"},         {"DD", "DD"},        {"D", "DD"},       {"WEEK", "WK"},
      {"WK", "WK"},          {"WW", "WK"},        {"WEEKDAY", "DW"}, {"DW", "DW"},
      {"HOUR", "HH"},        {"HH", "HH"},        {"MINUTE", "MI"},  {"MI", "MI"},
      {"N", "MI"},           {"SECOND", "SS"},    {"SS", "SS"},      {"S", "SS"},
      {"MILLISECOND", "MS"}, {"MS", "MS"}};
  for (const Part& p : kParts) {
    if (iequals(name, p.name)) return p.part;
  }
  unsupported("część daty "_cp, upper_ascii(name));
}

// A text between apostrophes. The database reads a statement only up to a NUL, so a text
// holding NUL bytes is written as the bytes of its UTF-8 form instead, which carry any byte:
// CAST(X'410042' AS TEXT) is "A", NUL, "B".
std::string string_literal(std::string_view text) {
  std::string out;
  if (text.find('\0') != std::string_view::npos) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string utf8 = cp_to_utf8(text);
    out.reserve(utf8.size() * 2 + 20);
    out += "CAST(X'";
    for (const char c : utf8) {
      const auto b = static_cast<unsigned char>(c);
      out += kHex[b >> 4];
      out += kHex[b & 0x0F];
    }
    out += "' AS TEXT)";
    return out;
  }
  out.reserve(text.size() + 2);
  out += '\'';
  while (true) {
    const auto quote = text.find('\'');
    out.append(text.substr(0, quote));
    if (quote == std::string_view::npos) break;
    out += "''";
    text.remove_prefix(quote + 1);
  }
  out += '\'';
  return out;
}

// Binary operators * / % in one run: the translation nests them, and the database cannot
// read the nesting of a longer run either.
constexpr int kMaxOperatorRun = 100;

// A run of OR (or of AND) is written flat, (a OR b OR c): the same value, built in linear
// time, and read by the database without a nesting level per operator.
Expression Parser::or_expr() {
  Expression first = and_expr();
  if (!is("OR")) return first;
  std::string out = "(" + first.sql;
  while (accept("OR")) out += " OR " + and_expr().sql;
  return {out + ")", ValueType::kNumber};
}

Expression Parser::and_expr() {
  Expression first = not_expr();
  if (!is("AND")) return first;
  std::string out = "(" + first.sql;
  while (accept("AND")) out += " AND " + not_expr().sql;
  return {out + ")", ValueType::kNumber};
}

Expression Parser::not_expr() {
  if (accept("NOT")) {
    Level level(*this, "NOT");
    return {"(NOT " + not_expr().sql + ")", ValueType::kNumber};
  }
  return predicate();
}

Expression Parser::predicate() {
  if (accept("EXISTS")) {
    expect("(");
    const std::string sub = select();
    expect(")");
    return {"EXISTS (" + sub + ")", ValueType::kNumber};
  }
  Expression left = additive();
  const bool negated = is("NOT") && (is("LIKE", 1) || is("IN", 1) || is("BETWEEN", 1));
  if (negated) take();
  const std::string no = negated ? "NOT " : "";
  if (accept("LIKE")) {
    const Expression pattern = additive();
    std::string out = "(" + left.sql + " " + no + "LIKE " + pattern.sql;
    if (accept("ESCAPE")) out += " ESCAPE " + additive().sql;
    return {out + ")", ValueType::kNumber};
  }
  if (accept("IN")) {
    Level level(*this, "listy IN");
    expect("(");
    std::string out = "(" + collated(left) + " " + no + "IN (";
    if (is("SELECT")) {
      out += select();
    } else {
      out += expression_list();
    }
    expect(")");
    return {out + "))", ValueType::kNumber};
  }
  if (accept("BETWEEN")) {
    const Expression low = additive();
    expect("AND");
    const Expression high = additive();
    return {"(" + collated(left) + " " + no + "BETWEEN " + low.sql + " AND " + high.sql + ")",
            ValueType::kNumber};
  }
  if (accept("IS")) {
    const bool not_null = accept("NOT");
    expect("NULL");
    return {"(" + left.sql + (not_null ? " IS NOT NULL)" : " IS NULL)"), ValueType::kNumber};
  }
  static constexpr std::string_view kOps[] = {"=", "<>", "!=", "<", ">", "<=", ">="};
  for (const auto op : kOps) {
    if (is_sym(op)) {
      take();
      if (is("ALL") || is("ANY") || is("SOME")) unsupported(upper_ascii(peek().text));
      const Expression right = additive();
      const std::string sql_op = op == "!=" ? "<>" : std::string(op);
      if (sql_op == "=" && !left.prefix_of.empty() && right.string_literal) {
        return {prefix_match(left, right), ValueType::kNumber};
      }
      // A whole number needs no collation, and without one an index on a column of numbers
      // (id_firmy = 1) answers the comparison; a text column still compares in its own.
      const std::string rhs = right.integer_literal ? right.sql : collated(right);
      return {"(" + left.sql + " " + sql_op + " " + rhs + ")", ValueType::kNumber};
    }
  }
  return left;
}

// SUBSTRING(c, 1, n) = 'text' (the autocomplete lookups) as the same comparison plus a range
// of c that holds every text beginning with 'text' in the collation: from 'text' up to 'text'
// followed by the last code point, which sorts after every character. The range lets an index
// on c answer at once; the comparison, kept, decides, so the range only has to keep every row
// the comparison keeps:
// - trailing blanks are left out of the bounds, as the comparison ignores them;
// - a column of numbers compares with the bounds as numbers, which keeps every match as long
//   as the text reads as an unsigned number or not at all: a signed text, or one that begins
//   like a number in exponent form ("1.0e"), is left to the comparison alone, like an empty one.
std::string Parser::prefix_match(const Expression& substring, const Expression& text) {
  const std::string equal = "(" + substring.sql + " = " + collated(text) + ")";
  // text.sql is the literal between apostrophes (a text with NUL is a CAST: left alone).
  if (text.sql.size() < 3 || text.sql.front() != '\'') return equal;
  std::string bound = text.sql.substr(0, text.sql.size() - 1);
  while (bound.size() > 1 && bound.back() == ' ') bound.pop_back();
  const char lead = bound.size() > 1 ? bound[1] : '\'';
  const bool exponent =
      lead >= '0' && lead <= '9' && bound.find_first_of("eE") != std::string::npos;
  if (lead == '\'' || lead == '-' || lead == '+' || exponent) return equal;
  bound += '\'';
  const std::string c = substring.prefix_of + " COLLATE PL";
  return "(" + equal + " AND " + c + " >= " + bound + " AND " + c + " < " + bound +
         " || char(1114111))";
}

// Each operator wraps what stands to its left: ((a - b) || c) or tsql_add(a, b). The
// openings are gathered and written once at the end, so a long run takes linear time.
Expression Parser::additive() {
  Expression left = multiplicative();
  if (!is_sym("+") && !is_sym("-")) return left;
  std::vector<std::string_view> openings;
  std::string rest;  // everything after the first operand
  while (is_sym("+") || is_sym("-")) {
    const bool plus = take().text == "+";
    const Expression right = multiplicative();
    ValueType result_type = ValueType::kNumber;
    if (!plus) {
      openings.push_back("(");
      rest += " - " + right.sql + ")";
    } else if (left.type == ValueType::kText && right.type == ValueType::kText) {
      openings.push_back("(");
      rest += " || " + right.sql + ")";
      result_type = ValueType::kText;
    } else if (left.type == ValueType::kNumber && right.type == ValueType::kNumber) {
      openings.push_back("(");
      rest += " + " + right.sql + ")";
    } else {
      // Decided by the values: texts are joined, numbers added.
      openings.push_back("tsql_add(");
      rest += ", " + right.sql + ")";
      result_type = (left.type == ValueType::kText || right.type == ValueType::kText)
                        ? ValueType::kText
                        : ValueType::kUnknown;
    }
    left.type = result_type;
  }
  std::string out;
  for (auto it = openings.rbegin(); it != openings.rend(); ++it) out += *it;
  out += left.sql;
  out += rest;
  return {std::move(out), left.type};
}

// "/" and "%" go through functions that fail on a zero divisor, as the server does; "*"
// stays the database's own.
Expression Parser::multiplicative() {
  Expression left = unary();
  while (is_sym("*") || is_sym("/") || is_sym("%")) {
    const std::string op = take().text;
    const Expression right = unary();
    if (op == "*") {
      left = {"(" + left.sql + " * " + right.sql + ")", ValueType::kNumber};
    } else {
      left = {(op == "/" ? "tsql_divide(" : "tsql_modulo(") + left.sql + ", " + right.sql + ")",
              ValueType::kNumber};
    }
  }
  return left;
}

Expression Parser::unary() {
  count_operand();
  if (is_sym("-") || is_sym("+")) {
    Level level(*this, "znaki + i -");
    if (take().text == "+") return unary();
    Expression e = unary();
    return {"(-" + e.sql + ")", ValueType::kNumber};
  }
  return primary();
}

// An operand right after * / % lengthens the run of those operators on this level; any
// other operand starts a new run.
void Parser::count_operand() {
  const bool in_run = position_ > 0 && tokens_[position_ - 1].kind == TokenKind::kSymbol &&
                      (tokens_[position_ - 1].text == "*" || tokens_[position_ - 1].text == "/" ||
                       tokens_[position_ - 1].text == "%");
  int& run = operator_runs_[depth_];
  run = in_run ? run + 1 : 0;
  if (run > kMaxOperatorRun) {
    unsupported(std::string("ponad "_cp) + std::to_string(kMaxOperatorRun) +
                std::string(" operatorów * / % z rzędu"_cp));
  }
}

Expression Parser::primary() {
  const Token& t = peek();
  switch (t.kind) {
    case TokenKind::kNumber: {
      const std::string n = take().text;
      const bool whole = n.find_first_not_of("0123456789") == std::string::npos;
      return {n, ValueType::kNumber, whole};
    }
    case TokenKind::kString: {
      Expression literal{string_literal(take().text), ValueType::kText};
      literal.string_literal = true;
      return literal;
    }
    case TokenKind::kSymbol:
      if (t.text == "(") {
        Level level(*this, "nawiasy");
        take();
        if (is("SELECT")) {
          const std::string sub = select();
          expect(")");
          return {"(" + sub + ")", ValueType::kUnknown};
        }
        Expression inner = expression();
        expect(")");
        inner.sql = "(" + inner.sql + ")";
        inner.integer_literal = false;
        return inner;
      }
      syntax(t);
    case TokenKind::kEnd:
      syntax(t);
    case TokenKind::kIdent:
      break;
  }
  if (iequals(t.text, "NULL")) {
    take();
    return {"NULL", ValueType::kNull};
  }
  if (iequals(t.text, "CASE")) return case_expr();
  // LEFT( and RIGHT( are functions here; the joins of the same names are read in FROM.
  const bool call = is_sym("(", 1) && (iequals(t.text, "LEFT") || iequals(t.text, "RIGHT"));
  if (reserved(t.text) && !call) syntax(t);
  std::string name = take().text;
  if (is_sym("(")) {
    Level level(*this, "wywołania funkcji"_cp);
    return function_call(name);
  }
  std::string out = quote_ident(name);
  if (iequals(name, "dbo") && is_sym(".") && peek(1).kind == TokenKind::kIdent && is_sym("(", 2)) {
    take();
    Level level(*this, "wywołania funkcji"_cp);
    return dbo_function(take().text);
  }
  while (accept(".")) {
    if (accept("*")) unsupported("* w wyrażeniu"_cp);
    out += "." + quote_ident(ident());
  }
  Expression column{out, ValueType::kUnknown};
  column.column = true;
  return column;
}

Expression Parser::case_expr() {
  Level level(*this, "CASE");
  expect("CASE");
  std::string out = "CASE";
  // Each WHEN compares with the value as "=" does, in the collation.
  if (!is("WHEN")) out += " " + collated(expression());
  ValueType result_type = ValueType::kUnknown;
  bool first = true;
  while (accept("WHEN")) {
    out += " WHEN " + expression().sql;
    expect("THEN");
    const Expression r = expression();
    if (first) result_type = r.type;
    first = false;
    out += " THEN " + r.sql;
  }
  if (first) syntax(peek());
  if (accept("ELSE")) out += " ELSE " + expression().sql;
  expect("END");
  return {out + " END", result_type};
}

std::vector<Expression> Parser::arguments() {
  expect("(");
  std::vector<Expression> args;
  if (!is_sym(")")) {
    do args.push_back(expression());
    while (accept(","));
  }
  expect(")");
  return args;
}

std::string Parser::expression_list() {
  std::string out = expression().sql;
  while (accept(",")) out += ", " + expression().sql;
  return out;
}

std::string Parser::joined(const std::vector<Expression>& args) {
  std::string out;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i > 0) out += ", ";
    out += args[i].sql;
  }
  return out;
}

// dbo.NAME(args): a function of the database's own, called by its name as written.
Expression Parser::dbo_function(const std::string& name) {
  const std::vector<Expression> args = arguments();
  for (const unsigned char c : name) {
    if (!ident_char(c) || c >= 0x80) unsupported("funkcja serwera "_cp, name);
  }
  return {name + "(" + joined(args) + ")", ValueType::kUnknown};
}

Parser::DataType Parser::data_type() {
  DataType t{upper_ascii(ident()), {}, {}};
  const auto digits = [this] {
    const Token& n = take();
    if (n.kind != TokenKind::kNumber ||
        n.text.find_first_not_of("0123456789") != std::string::npos) {
      syntax(n);
    }
    return n.text;
  };
  if (accept("(")) {
    if (is("MAX")) {
      take();
      t.size = "max";
    } else {
      t.size = digits();
    }
    if (accept(",")) t.scale = digits();
    expect(")");
  }
  return t;
}

// A size as written (digits): its value, or nothing when it is past any limit.
std::optional<std::int64_t> Parser::size_of(const std::string& text) {
  return funkcja::text::read_whole(text).optional();
}

Expression Parser::converted(const DataType& type, const Expression& value,
                             const std::string& style) {
  const std::string& n = type.name;
  const auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return s;
  };
  if (n == "DATETIME" || n == "SMALLDATETIME" || n == "DATE" || n == "DATETIME2") {
    return {"tsql_datetime(" + value.sql + ")", ValueType::kText};
  }
  if (n == "VARCHAR" || n == "NVARCHAR" || n == "CHAR" || n == "NCHAR" || n == "TEXT") {
    if (!type.scale.empty()) unsupported("skala typu "_cp, n);
    // A text without a size holds 30 characters; text and (max) any length (size 0).
    std::string size = type.size.empty() ? "30" : type.size;
    if (n == "TEXT") {
      if (!type.size.empty()) unsupported("rozmiar typu TEXT"_cp);
      size = "0";
    } else if (size == "max") {
      size = "0";
    } else {
      const std::int64_t longest = n[0] == 'N' ? 4000 : 8000;
      const auto v = size_of(size);
      if (v && *v < 1) {
        throw Failure{std::string("Nieprawidłowy rozmiar ("_cp) + size + ") typu '" + lower(n) +
                      "'."};
      }
      if (!v || *v > longest) {
        throw Failure{"The size (" + size + ") given to the type '" + lower(n) +
                      "' exceeds the maximum allowed for any data type (" +
                      std::to_string(longest) + ")."};
      }
    }
    const std::string pad = (n == "CHAR" || n == "NCHAR") ? "1" : "0";
    return {"tsql_varchar(" + value.sql + ", " + size + ", " + (style.empty() ? "NULL" : style) +
                ", " + pad + ")",
            ValueType::kText};
  }
  if (type.size == "max" ||
      (!type.size.empty() && n != "NUMERIC" && n != "DECIMAL" && n != "FLOAT")) {
    unsupported("rozmiar typu "_cp, n);
  }
  static constexpr std::pair<std::string_view, int> kWhole[] = {
      {"BIT", 1}, {"TINYINT", 8}, {"SMALLINT", 16}, {"INT", 32}, {"INTEGER", 32}, {"BIGINT", 64}};
  for (const auto& [name, bits] : kWhole) {
    if (n == name)
      return {"tsql_int(" + value.sql + ", " + std::to_string(bits) + ")", ValueType::kNumber};
  }
  if (n == "NUMERIC" || n == "DECIMAL" || n == "MONEY" || n == "SMALLMONEY") {
    // decimal alone is decimal(18, 0); money keeps 4 decimals.
    const bool money = n == "MONEY" || n == "SMALLMONEY";
    std::int64_t precision = n == "MONEY" ? 19 : (n == "SMALLMONEY" ? 10 : 18);
    std::int64_t scale = money ? 4 : 0;
    if (!type.size.empty()) {
      const auto p = size_of(type.size);
      if (p && *p < 1) {
        throw Failure{std::string("Nieprawidłowa precyzja ("_cp) + type.size + ") typu '" +
                      lower(n) + "'."};
      }
      if (!p || *p > 38) {
        throw Failure{"Specified column precision " + type.size +
                      " is greater than the maximum precision of 38."};
      }
      precision = *p;
    }
    if (!type.scale.empty()) {
      const auto s = size_of(type.scale);
      if (!s || *s > precision) {
        throw Failure{"The scale (" + type.scale + ") must be within the range 0 to " +
                      std::to_string(precision) + "."};
      }
      scale = *s;
    }
    return {"tsql_decimal(" + value.sql + ", " + std::to_string(precision) + ", " +
                std::to_string(scale) + ")",
            ValueType::kNumber};
  }
  if (n == "FLOAT" || n == "REAL") return {"tsql_number(" + value.sql + ")", ValueType::kNumber};
  unsupported("konwersja na typ "_cp, n);
}

// A call of one of the server's functions: conversions, date parts and aggregates here, the
// rest through the table of server functions.
Expression Parser::function_call(const std::string& name) {
  const std::string f = upper_ascii(name);
  if (f == "CONVERT") {
    expect("(");
    const DataType t = data_type();
    expect(",");
    const Expression value = expression();
    std::string style;
    if (accept(",")) {
      const Token& s = take();
      if (s.kind != TokenKind::kNumber) unsupported("styl konwersji, który nie jest liczbą"_cp);
      style = s.text;
    }
    expect(")");
    return converted(t, value, style);
  }
  if (f == "CAST") {
    expect("(");
    const Expression value = expression();
    expect("AS");
    const DataType t = data_type();
    expect(")");
    return converted(t, value, {});
  }
  if (f == "DATEPART" || f == "DATENAME") {
    if (f == "DATENAME") unsupported("DATENAME");
    expect("(");
    const std::string_view part = date_part(ident());
    expect(",");
    const Expression value = expression();
    expect(")");
    if (part == "WK") {
      // Weeks start on Monday (the weekday numbering of tsql_datepart) and week 1 holds
      // 1 January: the week of a day is (day of year - weekday + 6) / 7 + 1.
      return {"((tsql_datepart('DY', " + value.sql + ") - tsql_datepart('DW', " + value.sql +
                  ") + 6) / 7 + 1)",
              ValueType::kNumber};
    }
    return {"tsql_datepart('" + std::string(part) + "', " + value.sql + ")", ValueType::kNumber};
  }
  if (f == "COUNT") {
    expect("(");
    std::string out = "count(";
    if (accept("*")) {
      out += "*";
    } else {
      if (accept("DISTINCT")) out += "DISTINCT ";
      out += expression().sql;
    }
    expect(")");
    return {out + ")", ValueType::kNumber};
  }
  if (f == "SUM" || f == "AVG" || f == "MIN" || f == "MAX") {
    expect("(");
    std::string out = f == "AVG" ? "avg(" : (f == "SUM" ? "sum(" : (f == "MIN" ? "min(" : "max("));
    if (accept("DISTINCT")) out += "DISTINCT ";
    const Expression e = expression();
    expect(")");
    if (f == "MIN" || f == "MAX") {
      return {out + e.sql + ")", e.type};
    }
    return {out + e.sql + ")", ValueType::kNumber};
  }
  const ServerFunction* known = server_function(f);
  if (known == nullptr) unsupported("funkcja "_cp, name);
  std::vector<Expression> args = arguments();
  const auto count = static_cast<int>(args.size());
  // The server's third argument of ROUND truncates instead; the embedded one does not.
  if (f == "ROUND" && count == 3) unsupported("ROUND z obcinaniem"_cp);
  if (count < known->min_args || count > known->max_args) {
    throw Failure{std::string("Zła liczba argumentów funkcji "_cp) + f};
  }
  ValueType result_type = known->result;
  if (result_type == ValueType::kUnknown) {
    for (const Expression& a : args) {
      if (a.type != ValueType::kNull) {
        result_type = a.type;
        break;
      }
    }
  }
  // NULLIF compares its arguments as "=" does, in the collation.
  if (f == "NULLIF") args[0].sql = collated(args[0]);
  Expression call{std::string(known->name) + "(" + joined(args) + ")", result_type};
  if (f == "SUBSTRING" && args[0].column && args[1].integer_literal && args[1].sql == "1" &&
      args[2].integer_literal) {
    call.prefix_of = args[0].sql;
  }
  return call;
}

}  // namespace funkcja::sqlite::tsql
