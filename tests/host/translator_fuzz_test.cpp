// Random statements from a fixed seed (tests/support/fuzz.hpp), nested far past the bound,
// with long operator runs, huge texts of any byte and random damage: each is translated to one
// the database prepares or refused with the translator's own message, cached alike.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/cp_literal.hpp"
#include "host/sqlite/functions.hpp"
#include "host/sqlite/polish.hpp"
#include "host/sqlite/translator.hpp"
#include "support/database_fixture.hpp"
#include "support/fuzz.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using TranslatorFuzz = testing::DemoDatabase;

class Generator : public testing::FuzzRandom {
 public:
  explicit Generator(std::uint32_t seed) : FuzzRandom(seed) {
    // Bytes that pass unchanged through the database's UTF-8 and back.
    for (int b = 0; b < 256; ++b) {
      const std::string one(1, static_cast<char>(b));
      if (sqlite::utf8_to_cp(sqlite::cp_to_utf8(one)) == one) bytes_.push_back(one[0]);
    }
  }

  // A text of any round-tripping bytes (NUL and apostrophes included); now and then huge.
  std::string text() {
    std::size_t length = below(12);
    if (chance(3)) length = 100'000 + below(1'500'000);
    std::string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
      out += chance(10) ? pick(kSpecial)[0] : bytes_[below(bytes_.size())];
    }
    return out;
  }

  static std::string literal(std::string_view text) {
    std::string out = "'";
    for (const char c : text) {
      if (c == '\'') out += '\'';
      out += c;
    }
    return out + "'";
  }

  // A constant, or a column of the tables in reach (columns_).
  std::string atom() {
    static constexpr std::string_view kAtoms[] = {"1",    "0",   "-7",        "2.5",
                                                  "NULL", "'x'", "getdate()", "'2026-03-15'"};
    if (chance(20)) return literal(text());
    if (!columns_.empty() && chance(40)) return std::string(columns_[below(columns_.size())]);
    return std::string(pick(kAtoms));
  }

  // The columns of KONTRAHENT, as named where the table stands alone or as "k".
  static constexpr std::string_view kOwnColumns[] = {"nazwa", "id_firmy", "termin_platnosci"};
  static constexpr std::string_view kAliasColumns[] = {"nazwa", "k.nazwa", "id_firmy",
                                                       "termin_platnosci"};

  // Runs `make` with the given columns in reach, then restores the ones before.
  template <typename Make>
  std::string with_columns(std::span<const std::string_view> columns, Make make) {
    const auto outer = columns_;
    columns_ = columns;
    std::string out = make();
    columns_ = outer;
    return out;
  }

  std::string expr(int depth) {
    if (depth <= 0 || chance(25)) return atom();
    static constexpr std::string_view kOps[] = {" + ", " - ", " * ", " / ", " % "};
    static constexpr std::string_view kParts[] = {"yy", "mm", "dd", "wk",   "dw",
                                                  "q",  "ms", "xx", "[yy]", "hh"};
    switch (below(11)) {
      case 0:
        return "(" + expr(depth - 1) + ")";
      case 1:
        return "- " + expr(depth - 1);  // "--" would open a comment
      case 2:
      case 3:
        return expr(depth - 1) + std::string(pick(kOps)) + expr(depth - 1);
      case 4:
        return "Substring(" + expr(depth - 1) + ", 1, " + expr(depth - 1) + ")";
      case 5:
        return "isnull(" + expr(depth - 1) + ", " + expr(depth - 1) + ")";
      case 6:
        return "convert(varchar(20), " + expr(depth - 1) + ")";
      case 7:
        return "datepart(" + std::string(pick(kParts)) + ", " + expr(depth - 1) + ")";
      case 8:
        return "case when " + condition(depth - 1) + " then " + expr(depth - 1) + " else " +
               expr(depth - 1) + " end";
      case 9:
        return with_columns(kAliasColumns, [&] {
          return "(select top 1 nazwa from KONTRAHENT k where " + condition(depth - 1) + ")";
        });
      default:
        return "Len(" + expr(depth - 1) + ")";
    }
  }

  std::string condition(int depth) {
    if (depth <= 0) return atom() + " = " + atom();
    switch (below(7)) {
      case 0:
        return condition(depth - 1) + " and " + condition(depth - 1);
      case 1:
        return condition(depth - 1) + " or " + condition(depth - 1);
      case 2:
        return "not " + condition(depth - 1);
      case 3:
        return expr(depth - 1) + " in (" + expr(depth - 1) + ", " + expr(depth - 1) + ")";
      case 4:
        return with_columns(kAliasColumns, [&] {
          return "exists (select 1 from KONTRAHENT k where " + condition(depth - 1) + ")";
        });
      case 5:
        return expr(depth - 1) + " like " + literal(text());
      default:
        return expr(depth - 1) + " <> " + expr(depth - 1);
    }
  }

  // One construct nested far: around the translator's bound or far past it.
  std::string deep() {
    static constexpr std::string_view kOpen[] = {
        "(", "- ", "not ", "abs(", "(select ", "case when 1=1 then ", "1 in (", "+ "};
    static constexpr std::string_view kClose[] = {")", "", "", ")", ")", " end", ")", ""};
    const std::size_t depth = chance(50) ? 80 + below(50) : 500 + below(8000);
    std::string open, close;
    for (std::size_t i = 0; i < depth; ++i) {
      const std::size_t k = below(std::size(kOpen));
      open += kOpen[k];
      close.insert(0, kClose[k]);
    }
    // "not" needs a condition and "1 in (" a list: both take "1=1"-shaped middles badly, which
    // is fine: a syntax error is an answer too.
    return "select 1 where 1 = " + open + "1" + close;
  }

  // A statement of the grammar; `deep` tells whether it was nested past the bound on purpose.
  std::string statement(bool& deep_one) {
    deep_one = chance(15);
    if (deep_one) return deep();
    const int depth = static_cast<int>(below(6));
    switch (below(7)) {
      case 0:
        return with_columns(kAliasColumns, [&] {
          return "update KONTRAHENT set nazwa = " + expr(depth) + " from KONTRAHENT k where " +
                 condition(depth);
        });
      case 1:
        return "insert into OPISY (opis_dok, typ) values (" + expr(depth) + ", 'F')";
      case 2:
        return with_columns(kOwnColumns, [&] {
          return "delete from KONTRAHENT where id_firmy = 99 and " + condition(depth);
        });
      case 3:
        return "call OBSLUGA_KONFIG_BROW(1, 'AKOWALSKA', 1, 1, " + literal(text()) + ")";
      default:
        return with_columns(kAliasColumns, [&] {
          return "select " + expr(depth) + ", " + expr(depth) +
                 " from KONTRAHENT k with (nolock) where " + condition(depth) + " order by 1";
        });
    }
  }

  // Random damage: bytes dropped, inserted or replaced by the dialect's own symbols.
  void damage(std::string& s) {
    const int edits = 1 + static_cast<int>(below(4));
    for (int e = 0; e < edits && !s.empty(); ++e) {
      const std::size_t at = below(static_cast<std::uint32_t>(s.size()));
      switch (below(3)) {
        case 0:
          s.erase(at, 1 + below(8));
          break;
        case 1:
          s.insert(at, 1, static_cast<char>(below(256)));
          break;
        default:
          s[at] = "()',.+-*/%=<>\"[]\0"[below(17)];
      }
    }
  }

 private:
  static constexpr std::string_view kSpecial[] = {
      std::string_view("\0", 1), "'", "''", "\"", "]", "\n", "-"};
  std::vector<char> bytes_;
  std::span<const std::string_view> columns_;
};

// The translator's own refusals; nothing else may come back as a message.
bool translator_message(std::string_view error) {
  static constexpr std::string_view kForms[] = {"Nieobsługiwana konstrukcja SQL: "_cp,
                                                "Błąd składni SQL w pobliżu "_cp,
                                                "Niezamknięty tekst w poleceniu SQL."_cp,
                                                "Zła liczba argumentów funkcji "_cp,
                                                "Nieprawidłowy rozmiar ("_cp,
                                                "Nieprawidłowa precyzja ("_cp,
                                                "The size (",
                                                "Specified column precision ",
                                                "The scale ("};
  for (const auto form : kForms) {
    if (error.starts_with(form)) return true;
  }
  return false;
}

// A connection of its own to the test's database, with the server's functions, on which a
// translated statement is prepared (not run).
class Preparer {
 public:
  explicit Preparer(const std::string& path) {
    sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
    sqlite::register_functions(db_);
  }
  ~Preparer() { sqlite3_close_v2(db_); }
  Preparer(const Preparer&) = delete;
  Preparer& operator=(const Preparer&) = delete;

  // "" when the statement prepares, else the database's message.
  std::string error_of(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    const int rc =
        sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size() + 1), &statement, nullptr);
    sqlite3_finalize(statement);
    return rc == SQLITE_OK ? std::string() : std::string(sqlite3_errmsg(db_));
  }

 private:
  sqlite3* db_ = nullptr;
};

TEST_F(TranslatorFuzz, EveryStatementIsTranslatedToOneThatPreparesOrRefusedWithAMessage) {
  Generator g(20261207);
  Preparer preparer(path_);
  const std::size_t rounds = testing::fuzz_rounds(500);
  std::size_t prepared = 0;
  for (std::size_t round = 0; round < rounds; ++round) {
    bool deep = false;
    std::string s = g.statement(deep);
    const bool damaged = g.chance(30);
    if (damaged) g.damage(s);
    SCOPED_TRACE(::testing::Message() << "round " << round << ": " << s.substr(0, 200));
    const auto t = sqlite::translate(s);
    if (round % 4 == 0) {
      const sqlite::Translation& cached = sqlite::translate_cached(s);
      ASSERT_EQ(cached.error, t.error);
      ASSERT_EQ(cached.sql, t.sql);
    }
    if (!t.ok()) {
      EXPECT_TRUE(translator_message(t.error)) << sqlite::cp_to_utf8(t.error.substr(0, 300));
      EXPECT_LT(t.error.size(), 300u) << t.error.substr(0, 300);
      if (!damaged && !deep) {
        // The grammar's only constructs outside the subset: unknown date parts.
        EXPECT_TRUE(t.error.starts_with("Nieobsługiwana konstrukcja SQL: część daty "_cp))
            << sqlite::cp_to_utf8(t.error);
      }
      continue;
    }
    if (!t.call) {
      ASSERT_EQ(t.sql.find('\0'), std::string::npos);
      if (!damaged) {
        // The database's parser has a depth of its own, which the deepest statements within
        // the translator's bound may pass.
        const std::string error = preparer.error_of(t.sql);
        if (!(deep && error == "parser stack overflow")) {
          EXPECT_EQ(error, "") << t.sql.substr(0, 300);
        }
        ++prepared;
      }
    }
    // The database gets what was translated; it may refuse it at run time (a conversion, a
    // division by zero), but it answers.
    std::string error;
    auto cursor = dane::thread_connection()->execute(s, error);
    if (!cursor) {
      EXPECT_FALSE(error.empty());
    }
  }
  EXPECT_GT(prepared, rounds / 3);
}

TEST_F(TranslatorFuzz, HugeTextsWithAnyByteComeBackExactly) {
  Generator g(7);
  for (int round = 0; round < 12; ++round) {
    std::string text = g.text();
    if (round % 3 == 0) text += std::string(300'000 + g.below(700'000), '\0');
    if (round % 4 == 1) text = std::string("x\0y", 3) + text;
    const std::string statement = "select " + Generator::literal(text) + " + ''";
    const std::string error = error_of(statement);
    ASSERT_EQ(error, "") << "round " << round << " size " << statement.size();
    const auto back = rows(statement);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_TRUE(back[0] == text) << "round " << round << ": " << back[0].size() << " bytes back of "
                                 << text.size();
  }
}

}  // namespace
}  // namespace funkcja
