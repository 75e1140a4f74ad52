// Random statements of the server's dialect, from a fixed seed and within a time budget:
// nesting of every kind far past the translator's bound, long runs of operators, huge texts
// with any byte, and random damage to all of them. The translator must answer each with a
// statement or a message, never crash, and the database must run what it was given.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "frame/cp_literal.hpp"
#include "host/database_fixture.hpp"
#include "host/sqlite/polish.hpp"
#include "host/sqlite/translator.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using TranslatorFuzz = testing::DemoDatabase;

constexpr auto kBudget = std::chrono::seconds(4);
constexpr int kMaxRounds = 3000;

class Generator {
 public:
  explicit Generator(std::uint32_t seed) : rng_(seed) {
    // Bytes that pass unchanged through the database's UTF-8 and back.
    for (int b = 0; b < 256; ++b) {
      const std::string one(1, static_cast<char>(b));
      if (sqlite::utf8_to_cp(sqlite::cp_to_utf8(one)) == one) bytes_.push_back(one[0]);
    }
  }

  std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }
  bool chance(std::uint32_t percent) { return below(100) < percent; }
  template <std::size_t N>
  std::string_view pick(const std::string_view (&items)[N]) {
    return items[below(N)];
  }

  // A text of any round-tripping bytes (NUL and apostrophes included); now and then huge.
  std::string text() {
    std::size_t length = below(12);
    if (chance(3)) length = 100'000 + below(1'500'000);
    std::string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
      out +=
          chance(10) ? pick(kSpecial)[0] : bytes_[below(static_cast<std::uint32_t>(bytes_.size()))];
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

  std::string atom() {
    static constexpr std::string_view kAtoms[] = {
        "1",       "0",        "-7",        "2.5", "NULL",         "nazwa",
        "k.nazwa", "id_firmy", "getdate()", "'x'", "'2026-03-15'", "termin_platnosci"};
    if (chance(20)) return literal(text());
    return std::string(pick(kAtoms));
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
        return "-" + expr(depth - 1);
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
        return "(select top 1 nazwa from KONTRAHENT k where " + condition(depth - 1) + ")";
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
        return "exists (select 1 from FIRMA where " + condition(depth - 1) + ")";
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
    const int depth =
        chance(50) ? 80 + static_cast<int>(below(50)) : 500 + static_cast<int>(below(8000));
    std::string open, close;
    for (int i = 0; i < depth; ++i) {
      const std::uint32_t k = below(std::size(kOpen));
      open += kOpen[k];
      close.insert(0, kClose[k]);
    }
    // "not" needs a condition and "1 in (" a list: both take "1=1"-shaped middles badly, which
    // is fine: a syntax error is an answer too.
    return "select 1 where 1 = " + open + "1" + close;
  }

  std::string statement() {
    if (chance(15)) return deep();
    const int depth = static_cast<int>(below(6));
    switch (below(7)) {
      case 0:
        return "update KONTRAHENT set nazwa = " + expr(depth) + " from KONTRAHENT k where " +
               condition(depth);
      case 1:
        return "insert into OPISY (opis_dok, typ) values (" + expr(depth) + ", 'F')";
      case 2:
        return "delete from OPISY where typ = 'F' and " + condition(depth);
      case 3:
        return "call OBSLUGA_KONFIG_BROW(1, 'AKOWALSKA', 1, 1, " + literal(text()) + ")";
      default:
        return "select " + expr(depth) + ", " + expr(depth) +
               " from KONTRAHENT k with (nolock) where " + condition(depth) + " order by 1";
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
  std::mt19937 rng_;
  std::vector<char> bytes_;
};

TEST_F(TranslatorFuzz, RandomAndHostileStatementsGetAnAnswerNeverACrash) {
  Generator g(20261207);
  const auto start = std::chrono::steady_clock::now();
  int rounds = 0;
  for (; rounds < kMaxRounds && std::chrono::steady_clock::now() - start < kBudget; ++rounds) {
    std::string s = g.statement();
    if (g.chance(30)) g.damage(s);
    const auto t = sqlite::translate(s);
    if (!t.ok()) {
      EXPECT_FALSE(t.error.empty());
      EXPECT_LT(t.error.size(), 300u) << t.error.substr(0, 300);
      continue;
    }
    if (!t.call) {
      EXPECT_EQ(t.sql.find('\0'), std::string::npos) << s.substr(0, 200);
    }
    // The database gets what was translated; it may refuse it (a type, a depth of its own),
    // but it answers.
    std::string error;
    auto cursor = dane::thread_connection()->execute(s, error);
    if (!cursor) {
      EXPECT_FALSE(error.empty()) << s.substr(0, 200);
    }
  }
  EXPECT_GT(rounds, 50);
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
