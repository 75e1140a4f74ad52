#include "host/sqlite/translator.hpp"

#include <algorithm>
#include <charconv>
#include <map>
#include <mutex>
#include <new>
#include <shared_mutex>
#include <unordered_map>

#include "frame/cp_literal.hpp"
#include "host/sqlite/polish.hpp"

namespace funkcja::sqlite {
namespace {

using namespace funkcja::literals;

// ---- Tokens ----

enum class Tok { kIdent, kNumber, kString, kSymbol, kEnd };

struct Token {
  Tok kind;
  std::string text;  // identifiers without brackets; strings without quotes, unescaped
  std::size_t offset;
};

struct Failure {
  std::string message;  // code page 1250
};

// The start of a long name or token only, so that a message stays readable.
std::string excerpt(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return std::string(text);
  return std::string(text.substr(0, limit)) + "...";
}

[[noreturn]] void unsupported(std::string_view construct, std::string_view name = {}) {
  throw Failure{std::string("Nieobsługiwana konstrukcja SQL: "_cp) + excerpt(construct, 120) +
                excerpt(name, 60)};
}

[[noreturn]] void syntax(const Token& near) {
  std::string m("Błąd składni SQL w pobliżu "_cp);
  if (near.kind == Tok::kEnd) {
    m += "końca polecenia"_cp;
  } else {
    const std::string shown = excerpt(near.text, 60);
    m += '\'';
    m += near.kind == Tok::kString ? "'" + shown + "'" : shown;
    m += '\'';
  }
  throw Failure{m};
}

bool ident_start(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
bool ident_char(unsigned char c) {
  return ident_start(c) || (c >= '0' && c <= '9') || c == '$' || c == '#';
}
bool digit(unsigned char c) {
  return c >= '0' && c <= '9';
}

std::vector<Token> tokenize(std::string_view s) {
  std::vector<Token> out;
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (true) {
    while (i < n) {
      const auto c = static_cast<unsigned char>(s[i]);
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++i;
      } else if (c == '-' && i + 1 < n && s[i + 1] == '-') {
        while (i < n && s[i] != '\n') ++i;
      } else if (c == '/' && i + 1 < n && s[i + 1] == '*') {
        const auto end = s.find("*/", i + 2);
        if (end == std::string_view::npos) unsupported("niezamknięty komentarz"_cp);
        i = end + 2;
      } else {
        break;
      }
    }
    if (i >= n) break;
    const std::size_t start = i;
    const auto c = static_cast<unsigned char>(s[i]);
    if ((c == 'N' || c == 'n') && i + 1 < n && s[i + 1] == '\'') {
      ++i;  // N'...' is an ordinary text here
    }
    if (s[i] == '\'') {
      std::string text;
      ++i;
      while (true) {  // piece by piece up to each apostrophe: texts may be long
        const auto quote = s.find('\'', i);
        if (quote == std::string_view::npos) {
          throw Failure{std::string("Niezamknięty tekst w poleceniu SQL."_cp)};
        }
        text.append(s.substr(i, quote - i));
        i = quote + 1;
        if (i < n && s[i] == '\'') {
          text += '\'';
          ++i;
          continue;
        }
        break;
      }
      out.push_back({Tok::kString, std::move(text), start});
    } else if (ident_start(c)) {
      while (i < n && ident_char(static_cast<unsigned char>(s[i]))) ++i;
      out.push_back({Tok::kIdent, std::string(s.substr(start, i - start)), start});
    } else if (c == '[') {
      const auto end = s.find(']', i + 1);
      if (end == std::string_view::npos) unsupported("niezamknięty nawias [ ]"_cp);
      out.push_back({Tok::kIdent, std::string(s.substr(i + 1, end - i - 1)), start});
      i = end + 1;
    } else if (c == '"') {
      const auto end = s.find('"', i + 1);
      if (end == std::string_view::npos) unsupported("niezamknięty cudzysłów"_cp);
      out.push_back({Tok::kIdent, std::string(s.substr(i + 1, end - i - 1)), start});
      i = end + 1;
    } else if (digit(c) || (c == '.' && i + 1 < n && digit(static_cast<unsigned char>(s[i + 1])))) {
      while (i < n && digit(static_cast<unsigned char>(s[i]))) ++i;
      if (i < n && s[i] == '.') {
        ++i;
        while (i < n && digit(static_cast<unsigned char>(s[i]))) ++i;
      }
      if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < n && digit(static_cast<unsigned char>(s[j]))) {
          i = j;
          while (i < n && digit(static_cast<unsigned char>(s[i]))) ++i;
        }
      }
      if (i < n && ident_start(static_cast<unsigned char>(s[i]))) {
        syntax({Tok::kNumber, std::string(s.substr(start, i - start + 1)), start});
      }
      out.push_back({Tok::kNumber, std::string(s.substr(start, i - start)), start});
    } else if (c == '@') {
      unsupported("zmienne (@)"_cp);
    } else {
      static constexpr std::string_view kTwo[] = {"<>", "!=", "<=", ">=", "!<", "!>", "||"};
      std::string sym(1, static_cast<char>(c));
      for (const auto two : kTwo) {
        if (s.substr(i, 2) == two) sym = std::string(two);
      }
      if (sym == "!<" || sym == "!>" || sym == "||") unsupported("operator " + sym);
      static constexpr std::string_view kOne = "=<>+-*/%(),.;";
      if (sym.size() == 1 && kOne.find(sym[0]) == std::string_view::npos) {
        syntax({Tok::kSymbol, sym, start});
      }
      i += sym.size();
      out.push_back({Tok::kSymbol, std::move(sym), start});
    }
  }
  out.push_back({Tok::kEnd, {}, n});
  return out;
}

bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::string upper_ascii(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

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

// ---- Expressions ----

enum class Ty { kUnknown, kText, kNumber, kNull };

struct Ex {
  std::string sql;
  Ty ty = Ty::kUnknown;
  bool integer_literal = false;
};

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

std::shared_mutex& table_functions_mutex() {
  static std::shared_mutex m;
  return m;
}
std::map<std::string, std::string>& table_functions() {
  static std::map<std::string, std::string> f;
  return f;
}

std::optional<std::string> table_function(std::string_view name) {
  std::shared_lock lock(table_functions_mutex());
  const auto it = table_functions().find(upper_ascii(name));
  if (it == table_functions().end()) return std::nullopt;
  return it->second;
}

// Binary operators * / % in one run: the translation nests them, and the database cannot
// read the nesting of a longer run either.
constexpr int kMaxOperatorRun = 100;

std::string nesting_message(std::string_view construct) {
  return std::string("zbyt głębokie zagnieżdżenie ("_cp) + std::string(construct) + ", ponad " +
         std::to_string(kMaxNesting) + std::string(" poziomów)"_cp);
}

class Parser {
 public:
  explicit Parser(std::string_view statement) : toks_(checked_tokens(statement)) {}

  Translation run() {
    Translation t;
    const Token& first = peek();
    if (first.kind != Tok::kIdent) syntax(first);
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
    } else {
      unsupported("polecenie " + upper_ascii(first.text));
    }
    accept(";");
    if (peek().kind != Tok::kEnd) {
      if (is("UNION") || is("EXCEPT") || is("INTERSECT")) unsupported(upper_ascii(peek().text));
      if (peek().kind == Tok::kIdent &&
          (is("SELECT") || is("INSERT") || is("UPDATE") || is("DELETE"))) {
        unsupported("kilka poleceń w jednym"_cp);
      }
      syntax(peek());
    }
    if (!t.call) t.sql = cp_to_utf8(t.sql);
    return t;
  }

 private:
  static std::vector<Token> checked_tokens(std::string_view statement) {
    if (statement.size() > kMaxStatementLength) {
      unsupported(std::string("polecenie dłuższe niż "_cp) + std::to_string(kMaxStatementLength) +
                  std::string(" znaków"_cp));
    }
    return tokenize(statement);
  }

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

  // -- token access --
  const Token& peek(std::size_t ahead = 0) const {
    const std::size_t i = std::min(pos_ + ahead, toks_.size() - 1);
    return toks_[i];
  }
  const Token& take() {
    const Token& t = toks_[pos_];
    if (pos_ + 1 < toks_.size()) ++pos_;
    return t;
  }
  bool is(std::string_view word, std::size_t ahead = 0) const {
    const Token& t = peek(ahead);
    return t.kind == Tok::kIdent && iequals(t.text, word);
  }
  bool is_sym(std::string_view sym, std::size_t ahead = 0) const {
    const Token& t = peek(ahead);
    return t.kind == Tok::kSymbol && t.text == sym;
  }
  bool accept(std::string_view word_or_sym) {
    const Token& t = peek();
    if ((t.kind == Tok::kIdent && iequals(t.text, word_or_sym)) ||
        (t.kind == Tok::kSymbol && t.text == word_or_sym)) {
      take();
      return true;
    }
    return false;
  }
  void expect(std::string_view word_or_sym) {
    if (!accept(word_or_sym)) syntax(peek());
  }
  std::string ident() {
    const Token& t = peek();
    if (t.kind != Tok::kIdent) syntax(t);
    return take().text;
  }

  // -- select --

  std::string select() {
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
      if (n.kind != Tok::kNumber || n.text.find_first_not_of("0123456789") != std::string::npos) {
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

  std::string select_list() {
    std::string out;
    do {
      if (!out.empty()) out += ", ";
      if (accept("*")) {
        out += "*";
        continue;
      }
      if (peek().kind == Tok::kIdent && is_sym(".", 1) && is_sym("*", 2)) {
        out += quote_ident(take().text) + ".*";
        take();
        take();
        continue;
      }
      // alias = expression
      if (peek().kind == Tok::kIdent && is_sym("=", 1) && !reserved(peek().text)) {
        const std::string alias = take().text;
        take();
        out += expression().sql + " AS " + quote_ident(alias);
        continue;
      }
      out += expression().sql;
      if (accept("AS")) {
        const Token& a = take();
        if (a.kind != Tok::kIdent && a.kind != Tok::kString) syntax(a);
        out += " AS " + quote_ident(a.text);
      } else if ((peek().kind == Tok::kIdent && !reserved(peek().text)) ||
                 peek().kind == Tok::kString) {
        out += " AS " + quote_ident(take().text);
      }
    } while (accept(","));
    return out;
  }

  std::string ordering(bool directions) {
    std::string out;
    do {
      if (!out.empty()) out += ", ";
      const Ex e = expression();
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
  void skip_hints() {
    while (true) {
      if (is("WITH") && is_sym("(", 1)) {
        take();
      } else if (!(is_sym("(") && peek(1).kind == Tok::kIdent && table_hint(peek(1).text))) {
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
  std::string table_name() {
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
  std::string alias_name() {
    if (accept("AS")) return ident();
    if (peek().kind == Tok::kIdent && !reserved(peek().text) && !table_hint(peek().text)) {
      return take().text;
    }
    return {};
  }

  std::string alias_if_any() {
    const std::string alias = alias_name();
    return alias.empty() ? alias : " AS " + quote_ident(alias);
  }

  // One table of a FROM clause: its translation and, for a stored table, its name and alias.
  struct TableRef {
    std::string sql;
    std::string table;  // empty for a subquery or a table function
    std::string alias;  // empty when none was written
  };

  TableRef table_ref() {
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
    if (is_sym("(") && !(peek(1).kind == Tok::kIdent && table_hint(peek(1).text))) {
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
    TableRef ref{quote_ident(name), name, {}};
    skip_hints();
    ref.alias = alias_name();
    if (!ref.alias.empty()) ref.sql += " AS " + quote_ident(ref.alias);
    skip_hints();
    return ref;
  }

  static std::string fill_template(const std::string& tmpl, const std::vector<std::string>& args) {
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
  std::string from_list(std::vector<TableRef>* refs = nullptr) {
    const auto next_ref = [&] {
      TableRef ref = table_ref();
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

  // -- insert, update, delete --

  std::string insert() {
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
        out += "(";
        bool first = true;
        do {
          if (!first) out += ", ";
          first = false;
          out += expression().sql;
        } while (accept(","));
        expect(")");
        out += ")";
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
  std::string update() {
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
    std::vector<TableRef> refs;
    std::string from;
    if (accept("FROM")) from = from_list(&refs);
    std::string where;
    if (accept("WHERE")) where = condition();

    const TableRef* in_from = target_in_from(target, refs);
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
  static const TableRef* target_in_from(std::string_view target,
                                        const std::vector<TableRef>& refs) {
    const TableRef* found = nullptr;
    for (const TableRef& r : refs) {
      if (r.alias.empty() || !iequals(r.alias, target)) continue;
      if (found != nullptr) unsupported("UPDATE z niejednoznacznym aliasem "_cp, target);
      found = &r;
    }
    if (found == nullptr) {
      for (const TableRef& r : refs) {
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

  std::string remove() {
    expect("DELETE");
    if (is("TOP")) unsupported("DELETE TOP");
    accept("FROM");
    std::string out = "DELETE FROM " + quote_ident(table_name());
    skip_hints();
    if (is("FROM")) unsupported("DELETE ... FROM ... JOIN");
    if (accept("WHERE")) out += " WHERE " + condition();
    return out;
  }

  // -- call --

  CallStatement call() {
    take();  // CALL / EXEC
    CallStatement c;
    c.name = table_name();
    const bool paren = accept("(");
    const bool any = paren ? !is_sym(")") : peek().kind != Tok::kEnd && !is_sym(";");
    if (any) {
      do c.args.push_back(call_arg());
      while (accept(","));
    }
    if (paren) expect(")");
    return c;
  }

  CallArg call_arg() {
    CallArg a;
    bool negative = false;
    if (accept("-")) {
      negative = true;
    } else {
      accept("+");
    }
    const Token& t = peek();
    if (t.kind == Tok::kString && !negative) {
      a.kind = CallArg::Kind::kText;
      a.text = take().text;
    } else if (t.kind == Tok::kNumber) {
      const std::string spelled = (negative ? "-" : "") + take().text;
      a.text = spelled;
      std::int64_t v = 0;
      const auto [end, ec] = std::from_chars(spelled.data(), spelled.data() + spelled.size(), v);
      if (ec == std::errc() && end == spelled.data() + spelled.size()) {
        a.kind = CallArg::Kind::kInteger;
        a.integer = v;
      } else {
        a.kind = CallArg::Kind::kReal;
        a.real = std::strtod(spelled.c_str(), nullptr);
      }
    } else if (t.kind == Tok::kIdent && iequals(t.text, "NULL") && !negative) {
      take();
    } else {
      unsupported("argument procedury, który nie jest stałą"_cp);
    }
    return a;
  }

  // -- expressions --

  std::string condition() { return expression().sql; }

  Ex expression() { return or_expr(); }

  // A run of OR (or of AND) is written flat, (a OR b OR c): the same value, built in linear
  // time, and read by the database without a nesting level per operator.
  Ex or_expr() {
    Ex first = and_expr();
    if (!is("OR")) return first;
    std::string out = "(" + first.sql;
    while (accept("OR")) out += " OR " + and_expr().sql;
    return {out + ")", Ty::kNumber};
  }

  Ex and_expr() {
    Ex first = not_expr();
    if (!is("AND")) return first;
    std::string out = "(" + first.sql;
    while (accept("AND")) out += " AND " + not_expr().sql;
    return {out + ")", Ty::kNumber};
  }

  Ex not_expr() {
    if (accept("NOT")) {
      Level level(*this, "NOT");
      return {"(NOT " + not_expr().sql + ")", Ty::kNumber};
    }
    return predicate();
  }

  static std::string collated(const Ex& e) { return "(" + e.sql + ") COLLATE PL"; }

  Ex predicate() {
    if (accept("EXISTS")) {
      expect("(");
      const std::string sub = select();
      expect(")");
      return {"EXISTS (" + sub + ")", Ty::kNumber};
    }
    Ex left = additive();
    const bool negated = is("NOT") && (is("LIKE", 1) || is("IN", 1) || is("BETWEEN", 1));
    if (negated) take();
    const std::string no = negated ? "NOT " : "";
    if (accept("LIKE")) {
      const Ex pattern = additive();
      std::string out = "(" + left.sql + " " + no + "LIKE " + pattern.sql;
      if (accept("ESCAPE")) out += " ESCAPE " + additive().sql;
      return {out + ")", Ty::kNumber};
    }
    if (accept("IN")) {
      Level level(*this, "listy IN");
      expect("(");
      std::string out = "(" + collated(left) + " " + no + "IN (";
      if (is("SELECT")) {
        out += select();
      } else {
        bool first = true;
        do {
          if (!first) out += ", ";
          first = false;
          out += expression().sql;
        } while (accept(","));
      }
      expect(")");
      return {out + "))", Ty::kNumber};
    }
    if (accept("BETWEEN")) {
      const Ex low = additive();
      expect("AND");
      const Ex high = additive();
      return {"(" + collated(left) + " " + no + "BETWEEN " + low.sql + " AND " + high.sql + ")",
              Ty::kNumber};
    }
    if (accept("IS")) {
      const bool not_null = accept("NOT");
      expect("NULL");
      return {"(" + left.sql + (not_null ? " IS NOT NULL)" : " IS NULL)"), Ty::kNumber};
    }
    static constexpr std::string_view kOps[] = {"=", "<>", "!=", "<", ">", "<=", ">="};
    for (const auto op : kOps) {
      if (is_sym(op)) {
        take();
        if (is("ALL") || is("ANY") || is("SOME")) unsupported(upper_ascii(peek().text));
        const Ex right = additive();
        const std::string sql_op = op == "!=" ? "<>" : std::string(op);
        return {"(" + left.sql + " " + sql_op + " " + collated(right) + ")", Ty::kNumber};
      }
    }
    return left;
  }

  // Each operator wraps what stands to its left: ((a - b) || c) or tsql_add(a, b). The
  // openings are gathered and written once at the end, so a long run takes linear time.
  Ex additive() {
    Ex left = multiplicative();
    if (!is_sym("+") && !is_sym("-")) return left;
    std::vector<std::string_view> openings;
    std::string rest;  // everything after the first operand
    while (is_sym("+") || is_sym("-")) {
      const bool plus = take().text == "+";
      const Ex right = multiplicative();
      Ty ty = Ty::kNumber;
      if (!plus) {
        openings.push_back("(");
        rest += " - " + right.sql + ")";
      } else if (left.ty == Ty::kText && right.ty == Ty::kText) {
        openings.push_back("(");
        rest += " || " + right.sql + ")";
        ty = Ty::kText;
      } else if (left.ty == Ty::kNumber && right.ty == Ty::kNumber) {
        openings.push_back("(");
        rest += " + " + right.sql + ")";
      } else {
        // Decided by the values: texts are joined, numbers added.
        openings.push_back("tsql_add(");
        rest += ", " + right.sql + ")";
        ty = (left.ty == Ty::kText || right.ty == Ty::kText) ? Ty::kText : Ty::kUnknown;
      }
      left.ty = ty;
    }
    std::string out;
    for (auto it = openings.rbegin(); it != openings.rend(); ++it) out += *it;
    out += left.sql;
    out += rest;
    return {std::move(out), left.ty};
  }

  // "/" and "%" go through functions that fail on a zero divisor, as the server does; "*"
  // stays the database's own.
  Ex multiplicative() {
    Ex left = unary();
    while (is_sym("*") || is_sym("/") || is_sym("%")) {
      const std::string op = take().text;
      const Ex right = unary();
      if (op == "*") {
        left = {"(" + left.sql + " * " + right.sql + ")", Ty::kNumber};
      } else {
        left = {(op == "/" ? "tsql_divide(" : "tsql_modulo(") + left.sql + ", " + right.sql + ")",
                Ty::kNumber};
      }
    }
    return left;
  }

  Ex unary() {
    count_operand();
    if (is_sym("-") || is_sym("+")) {
      Level level(*this, "znaki + i -");
      if (take().text == "+") return unary();
      Ex e = unary();
      return {"(-" + e.sql + ")", Ty::kNumber};
    }
    return primary();
  }

  // An operand right after * / % lengthens the run of those operators on this level; any
  // other operand starts a new run.
  void count_operand() {
    const bool in_run =
        pos_ > 0 && toks_[pos_ - 1].kind == Tok::kSymbol &&
        (toks_[pos_ - 1].text == "*" || toks_[pos_ - 1].text == "/" || toks_[pos_ - 1].text == "%");
    int& run = operator_runs_[depth_];
    run = in_run ? run + 1 : 0;
    if (run > kMaxOperatorRun) {
      unsupported(std::string("ponad "_cp) + std::to_string(kMaxOperatorRun) +
                  std::string(" operatorów * / % z rzędu"_cp));
    }
  }

  Ex primary() {
    const Token& t = peek();
    switch (t.kind) {
      case Tok::kNumber: {
        const std::string n = take().text;
        const bool whole = n.find_first_not_of("0123456789") == std::string::npos;
        return {n, Ty::kNumber, whole};
      }
      case Tok::kString:
        return {string_literal(take().text), Ty::kText};
      case Tok::kSymbol:
        if (t.text == "(") {
          Level level(*this, "nawiasy");
          take();
          if (is("SELECT")) {
            const std::string sub = select();
            expect(")");
            return {"(" + sub + ")", Ty::kUnknown};
          }
          Ex inner = expression();
          expect(")");
          inner.sql = "(" + inner.sql + ")";
          inner.integer_literal = false;
          return inner;
        }
        syntax(t);
      case Tok::kEnd:
        syntax(t);
      case Tok::kIdent:
        break;
    }
    if (iequals(t.text, "NULL")) {
      take();
      return {"NULL", Ty::kNull};
    }
    if (iequals(t.text, "CASE")) return case_expr();
    // LEFT( and RIGHT( are functions here; the joins of the same names are read in FROM.
    const bool call = is_sym("(", 1) && (iequals(t.text, "LEFT") || iequals(t.text, "RIGHT"));
    if (reserved(t.text) && !call) syntax(t);
    std::string name = take().text;
    if (is_sym("(")) {
      Level level(*this, "wywołania funkcji"_cp);
      return function(name);
    }
    std::string out = quote_ident(name);
    if (iequals(name, "dbo") && is_sym(".") && peek(1).kind == Tok::kIdent && is_sym("(", 2)) {
      take();
      Level level(*this, "wywołania funkcji"_cp);
      return server_function(take().text);
    }
    while (accept(".")) {
      if (accept("*")) unsupported("* w wyrażeniu"_cp);
      out += "." + quote_ident(ident());
    }
    return {out, Ty::kUnknown};
  }

  Ex case_expr() {
    Level level(*this, "CASE");
    expect("CASE");
    std::string out = "CASE";
    if (!is("WHEN")) out += " " + expression().sql;
    Ty ty = Ty::kUnknown;
    bool first = true;
    while (accept("WHEN")) {
      out += " WHEN " + expression().sql;
      expect("THEN");
      const Ex r = expression();
      if (first) ty = r.ty;
      first = false;
      out += " THEN " + r.sql;
    }
    if (first) syntax(peek());
    if (accept("ELSE")) out += " ELSE " + expression().sql;
    expect("END");
    return {out + " END", ty};
  }

  std::vector<Ex> arguments() {
    expect("(");
    std::vector<Ex> args;
    if (!is_sym(")")) {
      do args.push_back(expression());
      while (accept(","));
    }
    expect(")");
    return args;
  }

  static std::string joined(const std::vector<Ex>& args) {
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (i > 0) out += ", ";
      out += args[i].sql;
    }
    return out;
  }

  Ex server_function(const std::string& name) {
    const std::vector<Ex> args = arguments();
    for (const unsigned char c : name) {
      if (!ident_char(c) || c >= 0x80) unsupported("funkcja serwera "_cp, name);
    }
    return {name + "(" + joined(args) + ")", Ty::kUnknown};
  }

  // Data type of convert/cast: the name and its sizes as written ("max" for MAX), if any.
  struct Type {
    std::string name;
    std::string size;
    std::string scale;
  };

  Type type() {
    Type t{upper_ascii(ident()), {}, {}};
    const auto digits = [this] {
      const Token& n = take();
      if (n.kind != Tok::kNumber || n.text.find_first_not_of("0123456789") != std::string::npos) {
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
  static std::optional<std::int64_t> size_of(const std::string& text) {
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
  }

  static Ex converted(const Type& type, const Ex& value, const std::string& style) {
    const std::string& n = type.name;
    const auto lower = [](std::string s) {
      for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
      return s;
    };
    if (n == "DATETIME" || n == "SMALLDATETIME" || n == "DATE" || n == "DATETIME2") {
      return {"tsql_datetime(" + value.sql + ")", Ty::kText};
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
              Ty::kText};
    }
    if (type.size == "max" ||
        (!type.size.empty() && n != "NUMERIC" && n != "DECIMAL" && n != "FLOAT")) {
      unsupported("rozmiar typu "_cp, n);
    }
    static constexpr std::pair<std::string_view, int> kWhole[] = {
        {"BIT", 1}, {"TINYINT", 8}, {"SMALLINT", 16}, {"INT", 32}, {"INTEGER", 32}, {"BIGINT", 64}};
    for (const auto& [name, bits] : kWhole) {
      if (n == name)
        return {"tsql_int(" + value.sql + ", " + std::to_string(bits) + ")", Ty::kNumber};
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
              Ty::kNumber};
    }
    if (n == "FLOAT" || n == "REAL") return {"tsql_number(" + value.sql + ")", Ty::kNumber};
    unsupported("konwersja na typ "_cp, n);
  }

  Ex function(const std::string& name) {
    const std::string f = upper_ascii(name);
    if (f == "CONVERT") {
      expect("(");
      const Type t = type();
      expect(",");
      const Ex value = expression();
      std::string style;
      if (accept(",")) {
        const Token& s = take();
        if (s.kind != Tok::kNumber) unsupported("styl konwersji, który nie jest liczbą"_cp);
        style = s.text;
      }
      expect(")");
      return converted(t, value, style);
    }
    if (f == "CAST") {
      expect("(");
      const Ex value = expression();
      expect("AS");
      const Type t = type();
      expect(")");
      return converted(t, value, {});
    }
    if (f == "DATEPART" || f == "DATENAME") {
      if (f == "DATENAME") unsupported("DATENAME");
      expect("(");
      const std::string_view part = date_part(ident());
      expect(",");
      const Ex value = expression();
      expect(")");
      if (part == "WK") {
        // Weeks start on Monday (the weekday numbering of tsql_datepart) and week 1 holds
        // 1 January: the week of a day is (day of year - weekday + 6) / 7 + 1.
        return {"((tsql_datepart('DY', " + value.sql + ") - tsql_datepart('DW', " + value.sql +
                    ") + 6) / 7 + 1)",
                Ty::kNumber};
      }
      return {"tsql_datepart('" + std::string(part) + "', " + value.sql + ")", Ty::kNumber};
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
      return {out + ")", Ty::kNumber};
    }
    if (f == "SUM" || f == "AVG" || f == "MIN" || f == "MAX") {
      expect("(");
      std::string out =
          f == "AVG" ? "avg(" : (f == "SUM" ? "sum(" : (f == "MIN" ? "min(" : "max("));
      if (accept("DISTINCT")) out += "DISTINCT ";
      const Ex e = expression();
      expect(")");
      if (f == "MIN" || f == "MAX") {
        return {out + e.sql + ")", e.ty};
      }
      return {out + e.sql + ")", Ty::kNumber};
    }
    struct Mapping {
      std::string_view tsql;
      std::string_view target;
      int min_args;
      int max_args;
      Ty result;  // kUnknown: the type of the first argument
    };
    static constexpr Mapping kFunctions[] = {
        {"SUBSTRING", "tsql_substring", 3, 3, Ty::kText},
        {"LEFT", "tsql_left", 2, 2, Ty::kText},
        {"RIGHT", "tsql_right", 2, 2, Ty::kText},
        {"LEN", "tsql_len", 1, 1, Ty::kNumber},
        {"REVERSE", "tsql_reverse", 1, 1, Ty::kText},
        {"CHARINDEX", "tsql_charindex", 2, 3, Ty::kNumber},
        {"STUFF", "tsql_stuff", 4, 4, Ty::kText},
        {"REPLACE", "tsql_replace", 3, 3, Ty::kText},
        {"REPLICATE", "tsql_replicate", 2, 2, Ty::kText},
        {"SPACE", "tsql_space", 1, 1, Ty::kText},
        {"UPPER", "tsql_upper", 1, 1, Ty::kText},
        {"LOWER", "tsql_lower", 1, 1, Ty::kText},
        {"LTRIM", "tsql_ltrim", 1, 1, Ty::kText},
        {"RTRIM", "tsql_rtrim", 1, 1, Ty::kText},
        {"ISNULL", "ifnull", 2, 2, Ty::kUnknown},
        {"COALESCE", "coalesce", 2, 16, Ty::kUnknown},
        {"NULLIF", "nullif", 2, 2, Ty::kUnknown},
        {"ABS", "abs", 1, 1, Ty::kNumber},
        {"ROUND", "tsql_round", 2, 3, Ty::kNumber},
        {"FLOOR", "tsql_floor", 1, 1, Ty::kNumber},
        {"CEILING", "tsql_ceiling", 1, 1, Ty::kNumber},
        {"SIGN", "sign", 1, 1, Ty::kNumber},
        {"GETDATE", "tsql_getdate", 0, 0, Ty::kText},
        {"YEAR", "tsql_year", 1, 1, Ty::kNumber},
        {"MONTH", "tsql_month", 1, 1, Ty::kNumber},
        {"DAY", "tsql_day", 1, 1, Ty::kNumber},
        {"ASCII", "tsql_ascii", 1, 1, Ty::kNumber},
        {"CHAR", "tsql_char", 1, 1, Ty::kText},
    };
    for (const auto& m : kFunctions) {
      if (f != m.tsql) continue;
      const std::vector<Ex> args = arguments();
      const auto count = static_cast<int>(args.size());
      if (count < m.min_args || count > m.max_args) {
        throw Failure{std::string("Zła liczba argumentów funkcji "_cp) + f};
      }
      Ty ty = m.result;
      if (ty == Ty::kUnknown) {
        for (const Ex& a : args) {
          if (a.ty != Ty::kNull) {
            ty = a.ty;
            break;
          }
        }
      }
      if (m.tsql == "ROUND" && count == 3) unsupported("ROUND z obcinaniem"_cp);
      return {std::string(m.target) + "(" + joined(args) + ")", ty};
    }
    unsupported("funkcja "_cp, name);
  }

  std::vector<Token> toks_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  // Per level: operands read so far in the current run of * / %.
  int operator_runs_[kMaxNesting + 2] = {};
};

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Translations by statement, bounded by count and by the bytes they hold. A full cache is
// emptied and fills again with what is in use.
struct Cache {
  std::shared_mutex mutex;
  std::unordered_map<std::string, std::shared_ptr<const Translation>, TextHash, std::equal_to<>>
      entries;
  std::size_t bytes = 0;  // of every entry, as entry_bytes() counts it
};

Cache& cache() {
  static Cache* c = new Cache;  // used until the process ends, by every thread
  return *c;
}

// What an entry holds: the statement, its translation and the bookkeeping around them.
std::size_t entry_bytes(std::string_view statement, const Translation& t) {
  constexpr std::size_t kOverhead = 128;  // node, control block, string headers
  std::size_t n = kOverhead + statement.size() + t.sql.size() + t.error.size();
  if (t.call) {
    n += t.call->name.size();
    for (const CallArg& a : t.call->args) n += sizeof(CallArg) + a.text.size();
  }
  return n;
}

}  // namespace

std::string CallArg::as_text() const {
  return kind == Kind::kNull ? std::string() : text;
}

std::int64_t CallArg::as_integer() const {
  switch (kind) {
    case Kind::kInteger:
      return integer;
    case Kind::kReal:
      return static_cast<std::int64_t>(real);
    case Kind::kText: {
      std::string_view s = text;
      while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
      while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
      std::int64_t v = 0;
      const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
      return ec == std::errc() && end == s.data() + s.size() ? v : 0;
    }
    case Kind::kNull:
      break;
  }
  return 0;
}

double CallArg::as_real() const {
  switch (kind) {
    case Kind::kInteger:
      return static_cast<double>(integer);
    case Kind::kReal:
      return real;
    case Kind::kText:
      return std::strtod(text.c_str(), nullptr);
    case Kind::kNull:
      break;
  }
  return 0;
}

Translation translate(std::string_view statement) {
  try {
    return Parser(statement).run();
  } catch (const Failure& f) {
    Translation t;
    t.error = f.message;
    return t;
  } catch (const std::bad_alloc&) {
    Translation t;
    t.error = std::string("Za mało pamięci na przetłumaczenie polecenia SQL."_cp);
    return t;
  }
}

std::shared_ptr<const Translation> translate_cached(std::string_view statement) {
  Cache& c = cache();
  {
    std::shared_lock lock(c.mutex);
    const auto it = c.entries.find(statement);
    if (it != c.entries.end()) return it->second;
  }
  auto made = std::make_shared<const Translation>(translate(statement));
  const std::size_t bytes = entry_bytes(statement, *made);
  if (bytes > kTranslationCacheEntryBytes) return made;  // used once or seldom: not kept
  std::unique_lock lock(c.mutex);
  if (c.entries.find(statement) != c.entries.end()) return made;  // another thread's is kept
  if (c.entries.size() >= kTranslationCacheEntries || c.bytes + bytes > kTranslationCacheBytes) {
    c.entries.clear();
    c.bytes = 0;
  }
  c.entries.emplace(std::string(statement), made);
  c.bytes += bytes;
  return made;
}

void clear_translation_cache() {
  std::unique_lock lock(cache().mutex);
  cache().entries.clear();
  cache().bytes = 0;
}

std::size_t translation_cache_size() {
  std::shared_lock lock(cache().mutex);
  return cache().entries.size();
}

std::size_t translation_cache_bytes() {
  std::shared_lock lock(cache().mutex);
  return cache().bytes;
}

void register_table_function(const std::string& name, std::string sql_template) {
  std::unique_lock lock(table_functions_mutex());
  table_functions()[upper_ascii(name)] = std::move(sql_template);
}

}  // namespace funkcja::sqlite
