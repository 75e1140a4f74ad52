// Search, cut and replace procedures: worked cases, capacity boundaries and hostile bytes.
#include "funkcja/strings.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "frame/cp_literal.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using std::string;

struct Case {
  Case(const char* what, string got, std::string_view want)
      : what(what), got(std::move(got)), want(want) {}
  Case(const char* what, int32_t got, int32_t want)
      : what(what), got(std::to_string(got)), want(std::to_string(want)) {}
  const char* what;
  string got;
  string want;
};

void check(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

string times(std::size_t n, char c) {
  return string(n, c);
}
string times(std::size_t n, std::string_view s) {
  string out;
  for (std::size_t i = 0; i < n; ++i) out.append(s);
  return out;
}

// Every byte value once, blank included, in ascending order.
string all_bytes() {
  string s;
  for (int b = 0; b < 256; ++b) s.push_back(static_cast<char>(b));
  return s;
}

// ---- Replacing ---------------------------------------------------------------------------

TEST(Replace, WorkedCases) {
  check({{"every occurrence", STR_REPLACE("aXbXc", "X", "YY"), "aYYbYYc"},
         {"first occurrence only", ZAMIEN_WYRAZENIE("aXbXc", "X", "YY"), "aYYbXc"},
         {"find equal to replacement", STR_REPLACE("  ab  ", "a", "a"), "  ab"},
         {"find equal after clipping", STR_REPLACE("ab", "b", "b  "), "ab"},
         {"empty find", STR_REPLACE("ab  ", "", "z"), "ab"},
         {"all-blank find", STR_REPLACE("a b", "   ", "z"), "a b"},
         {"empty replacement deletes", STR_REPLACE("a b a", "a", ""), " b "},
         {"find clipped", STR_REPLACE("x y", "x ", "z"), "z y"},
         {"leading blanks of find kept", STR_REPLACE("a b", " b", "c"), "ac"},
         {"replacement searched again", STR_REPLACE("a", "a", "ab"), "a" + times(1000, 'b')},
         {"rescan from position 1", STR_REPLACE("abab", "ab", "ba"), "bbaa"},
         {"TG_REPLACE is STR_REPLACE", TG_REPLACE("abab", "ab", "ba"), "bbaa"},
         {"case-blind search", STR_REPLACEUPPER("Ala ma kota", "A", "o"), "olo mo koto"},
         {"case-blind Polish", STR_REPLACEUPPER("Łódź łÓdŹ"_cp, "ŁÓDŹ"_cp, "X"), "X X"},
         {"case-blind keeps other case", STR_REPLACEUPPER("zażółć"_cp, "ŻÓ"_cp, "-"), "za-łć"_cp},
         {"case-sensitive equality test", STR_REPLACEUPPER("abc", "A", "a"), "abc"},
         {"upper equal find", STR_REPLACEUPPER("abc", "b", "b"), "abc"},
         {"first only, missing", ZAMIEN_WYRAZENIE("abc  ", "x", "y"), "abc"},
         {"first only, empty find", ZAMIEN_WYRAZENIE("abc", " ", "y"), "abc"},
         {"first only, no rescan", ZAMIEN_WYRAZENIE("a", "a", "ab"), "ab"}});
}

TEST(Replace, ProcWorksOnArgumentsAsPassed) {
  check({{"find with trailing blank", REPLACEPROC("a b c", "b ", "X"), "a Xc"},
         {"blank find", REPLACEPROC("ab  ", " ", "_"), "ab_ "},
         {"replacement with blanks", REPLACEPROC("abc", "b", " b "), "a b c"},
         {"first only", REPLACEPROC("aXbXc", "X", "YY"), "aYYbXc"},
         {"missing", REPLACEPROC("abc", "z", "x"), "abc"},
         {"empty find", REPLACEPROC("abc", "", "x"), "abc"},
         {"empty text", REPLACEPROC("", "a", "x"), ""}});
}

TEST(Replace, Proc2ReplacesEveryOccurrenceOnce) {
  const string marker = "@@##@@$$";
  check({{"dot doubled", REPLACEPROC2("a.b.c", ".", ".."), "a..b..c"},
         {"marker in the input", REPLACEPROC2("x" + marker + "y.z", ".", "-"), "x-y-z"},
         {"marker only", REPLACEPROC2(marker, "q", "R"), "R"},
         {"as passed", REPLACEPROC2("a a ", " ", "_"), "a_a_"},
         {"empty find", REPLACEPROC2("a.b" + marker, "", "x"), "a.b" + marker},
         {"no occurrence", REPLACEPROC2("abc", "x", "y"), "abc"},
         {"non-overlapping", REPLACEPROC2("aaaaa", "aa", "b"), "bba"},
         {"replacement holds the marker", REPLACEPROC2("a.b", ".", marker), "a" + marker + "b"},
         // Finds that share characters with the marker: each occurrence of the input is replaced
         // once, and nothing of the marker shows in the result.
         {"find inside the marker", REPLACEPROC2("a@b@", "@", "X"), "aXbX"},
         {"find overlapping the marker", REPLACEPROC2("aa@", "a@", "X"), "aX"},
         {"find overlapping a marker of the input", REPLACEPROC2("$" + marker, "$@", "X"),
          "X@##@@$$"}});
}

TEST(Replace, CharactersAndMasks) {
  check({{"blank removed", ZAMIEN_ZNAK(" a b c  ", " ", ""), "abc"},
         {"empty character is a blank", ZAMIEN_ZNAK("a b", "", "_"), "a_b"},
         {"two-character replacement", ZAMIEN_ZNAK("a-b-", "-", "=>"), "a=>b=>"},
         {"character is first of clipped", ZAMIEN_ZNAK("a-b", "-x", "+"), "a+b"},
         {"replacement cut to 2 then clipped", ZAMIEN_ZNAK("a-b", "-", "x y"), "axb"},
         {"all-blank text", ZAMIEN_ZNAK("   ", "a", "b"), ""},
         {"Polish character", ZAMIEN_ZNAK("źdźbło"_cp, "ź"_cp, "z"), "zdzbło"_cp},
         {"mask", ZAMIEN_ZNAKI("a*b?"), "a%b_"},
         {"mask keeps trailing blanks", ZAMIEN_ZNAKI("*?  "), "%_  "},
         {"apostrophes", ZAMIEN_SKOBKI("it's 'x'  ", "`"), "it`s `x`"},
         {"apostrophe to blank", ZAMIEN_SKOBKI("a'b", ""), "a b"},
         {"apostrophe, first of clipped", ZAMIEN_SKOBKI("a'b", "\"x"), "a\"b"},
         {"apostrophes, all-blank text", ZAMIEN_SKOBKI("   ", "x"), ""}});
}

// ---- Counting and locating -----------------------------------------------------------------

TEST(Count, WorkedCases) {
  check({{"non-overlapping", LICZBA_WYSTAPIEN("aa", "aaaa"), 2},
         {"odd length", LICZBA_WYSTAPIEN("aa", "aaaaa"), 2},
         {"empty substring", LICZBA_WYSTAPIEN("", "aaa"), 0},
         {"blank substring", LICZBA_WYSTAPIEN("  ", "a  a"), 0},
         {"all-blank text", LICZBA_WYSTAPIEN("a", "   "), 0},
         {"substring clipped", LICZBA_WYSTAPIEN("a ", "a a"), 2},
         {"case-sensitive", LICZBA_WYSTAPIEN("A", "aAa"), 1},
         {"second occurrence", STR_POZYCJA_WYSTAPIENIA("ab", "xabyab", 2), 5},
         {"first occurrence", STR_POZYCJA_WYSTAPIENIA("ab", "xabyab", 1), 2},
         {"beyond the last", STR_POZYCJA_WYSTAPIENIA("ab", "xabyab", 3), 0},
         {"n zero", STR_POZYCJA_WYSTAPIENIA("ab", "xabyab", 0), 0},
         {"n negative", STR_POZYCJA_WYSTAPIENIA("ab", "xabyab", INT32_MIN), 0},
         {"n huge", STR_POZYCJA_WYSTAPIENIA("a", "aaa", INT32_MAX), 0},
         {"position after a skipped overlap", STR_POZYCJA_WYSTAPIENIA("aa", "aaaaa", 2), 3},
         {"empty substring position", STR_POZYCJA_WYSTAPIENIA(" ", "a b", 1), 0},
         {"inner blanks", STR_WYSTAPIENIE_ZNAKU("a b c  ", ""), 2},
         {"leading blank counted", STR_WYSTAPIENIE_ZNAKU(" a b", " "), 2},
         {"first of clipped", STR_WYSTAPIENIE_ZNAKU("abcabc", "bx"), 2},
         {"all-blank text", STR_WYSTAPIENIE_ZNAKU("   ", " "), 0},
         {"Polish letter", STR_WYSTAPIENIE_ZNAKU("łąka łódź"_cp, "ł"_cp), 2}});
}

// ---- Cutting -------------------------------------------------------------------------------

TEST(Cut, CommaSeparatedField) {
  check({{"empty field", WYTNIJ_STR("a,b,,c", "3"), ""},
         {"last field", WYTNIJ_STR("a,b,,c", "4"), "c"},
         {"first field", WYTNIJ_STR("a,b,,c", "1"), "a"},
         {"beyond the last", WYTNIJ_STR("a,b,,c", "5"), ""},
         {"blanks inside kept", WYTNIJ_STR("a, b", "2"), " b"},
         {"text trimmed", WYTNIJ_STR("  a , b  ", "1"), "a "},
         {"all-blank text", WYTNIJ_STR("   ", "1"), ""},
         {"number with blanks", WYTNIJ_STR("a,b", " 2 "), "b"},
         {"leading zeros", WYTNIJ_STR("a,b", "002"), "b"},
         {"plus sign", WYTNIJ_STR("a,b", "+2"), "b"},
         {"whole number with point", WYTNIJ_STR("a,b", "2.00"), "b"},
         {"zero", WYTNIJ_STR("a,b", "0"), ""},
         {"negative", WYTNIJ_STR("a,b", "-1"), ""},
         {"negative zero", WYTNIJ_STR("a,b", "-0"), ""},
         {"fractional", WYTNIJ_STR("a,b", "1.5"), ""},
         {"non-numeric", WYTNIJ_STR("a,b", "x"), ""},
         {"digits then letters", WYTNIJ_STR("a,b", "1x"), ""},
         {"exponent", WYTNIJ_STR("a,b", "1e0"), ""},
         {"empty number", WYTNIJ_STR("a,b", ""), ""},
         {"inner blank", WYTNIJ_STR("a,b", "1 1"), ""},
         {"overflowing", WYTNIJ_STR("a,b", "99999999999999999999"), ""},
         {"int32 wrap-around", WYTNIJ_STR("a,b", "4294967297"), ""}});
}

TEST(Cut, BeforeTheNthCharacter) {
  check({{"n 1", STRING_WYTNIJ_DO("12-34-56", "-", 1), "12"},
         {"n 2", STRING_WYTNIJ_DO("12-34-56", "-", 2), "12-34"},
         {"n 3", STRING_WYTNIJ_DO("12-34-56", "-", 3), "12-34-56"},
         {"n 0 is first", STRING_WYTNIJ_DO("12-34-56", "-", 0), "12"},
         {"n negative is first", STRING_WYTNIJ_DO("12-34-56", "-", INT32_MIN), "12"},
         {"n huge", STRING_WYTNIJ_DO("12-34-56", "-", INT32_MAX), "12-34-56"},
         {"empty before", STRING_WYTNIJ_DO("-12", "-", 1), ""},
         {"empty character is a blank", STRING_WYTNIJ_DO("a b", "", 1), "a"},
         {"character as passed", STRING_WYTNIJ_DO("a b-c", " -", 1), "a"},
         {"text as passed", STRING_WYTNIJ_DO("ab  ", "x", 1), "ab  "},
         {"trailing blank found", STRING_WYTNIJ_DO("ab  ", " ", 2), "ab "}});
}

TEST(Cut, ToWidth) {
  const string blank_at_12 = times(11, 'a') + " " + times(18, 'b');
  const string blank_at_5 = "aaaa " + times(25, 'b');
  const string no_blank = times(30, 'x');
  check({{"after last blank within width", STRING_CUT("Ala ma kota i psa", 10, " "), "Ala ma "},
         {"blank delimiter at the width", STRING_CUT("Ala ma kota", 7, " "), "Ala ma "},
         {"short text whole", STRING_CUT("abc   ", 10, ";"), "abc"},
         {"text of exactly the width", STRING_CUT("abcde", 5, " "), "abcde"},
         {"absent delimiter, blank near", STRING_CUT(blank_at_12, 20, ";"), times(11, 'a') + " "},
         {"absent delimiter, blank far", STRING_CUT(blank_at_5, 20, ";"), blank_at_5.substr(0, 20)},
         {"absent delimiter, no blank", STRING_CUT(no_blank, 20, ";"), times(20, 'x')},
         {"no blank, width 14", STRING_CUT(no_blank, 14, ";"), times(14, 'x')},
         {"no blank, width 13", STRING_CUT(no_blank, 13, ";"), ""},
         {"delimiter within width", STRING_CUT("ab;cd;efgh;ij", 7, ";"), "ab;cd;"},
         {"delimiter at position 1", STRING_CUT(";abcdefgh", 5, ";"), ";"},
         {"delimiter after width", STRING_CUT("abcdefghijklmnop;q", 15, ";"), "abcdefghijklmno"},
         {"empty delimiter is a blank", STRING_CUT("ab cd ef", 4, ""), "ab "},
         {"CR: short text, first line", STRING_CUT("ab\rcd\ref", 20, "\r"), "ab\r"},
         {"CR: at position 1 skipped", STRING_CUT("\rab\rcd", 20, "\r"), "\rab\r"},
         {"CR: only at position 1", STRING_CUT("\rabc", 20, "\r"), "\rabc"},
         {"CR: within width", STRING_CUT("abc\rdefghijkl", 5, "\r"), "abc\r"},
         {"CR: first line beyond width", STRING_CUT("\rabcdefgh\rij", 5, "\r"), "\rabcdefgh\r"},
         {"CR: lone leading CR", STRING_CUT("\rabcdefgh", 5, "\r"), "\r"},
         {"width 0", STRING_CUT("abc", 0, " "), ""},
         {"width negative", STRING_CUT("a b c", -5, " "), ""},
         {"width minimum", STRING_CUT("\rab\r", INT32_MIN, "\r"), ""},
         {"width maximum", STRING_CUT("abc  ", INT32_MAX, " "), "abc"}});
}

TEST(Cut, GroupReverseReplicate) {
  check({{"groups", STRING_GRUPUJ("ABCDEFGHIJ", 4, "-"), "ABCD-EFGH-IJ"},
         {"no separator at the end", STRING_GRUPUJ("ABCDEFGH", 4, "-"), "ABCD-EFGH"},
         {"size 1", STRING_GRUPUJ("ABCD", 1, "+"), "A+B+C+D"},
         {"size 0", STRING_GRUPUJ("ABC  ", 0, "-"), "ABC"},
         {"size negative", STRING_GRUPUJ("ABC", INT32_MIN, "-"), "ABC"},
         {"size larger than text", STRING_GRUPUJ("ABC", INT32_MAX, "-"), "ABC"},
         {"empty separator is a blank", STRING_GRUPUJ("ABCD", 2, ""), "AB CD"},
         {"separator clipped", STRING_GRUPUJ("ABCD", 2, " - "), "AB -CD"},
         {"empty text", STRING_GRUPUJ("   ", 2, "-"), ""},
         {"reverse", STRING_ODWROC("abc"), "cba"},
         {"reverse as passed", STRING_ODWROC("ab  "), "  ba"},
         {"reverse empty", STRING_ODWROC(""), ""},
         {"replicate", STR_REPLICATE("abc", 100), times(85, "abc")},
         {"replicate clipped", STR_REPLICATE("ab ", 3), "ababab"},
         {"replicate leading blank", STR_REPLICATE(" a", 2), " a a"},
         {"replicate count 0", STR_REPLICATE("x", 0), ""},
         {"replicate count negative", STR_REPLICATE("x", INT32_MIN), ""},
         {"replicate count huge", STR_REPLICATE("x", INT32_MAX), times(255, 'x')},
         {"replicate blank text", STR_REPLICATE("   ", 5), ""}});
}

// ---- Capacities ----------------------------------------------------------------------------

TEST(Capacity, ReplaceTextOf5000) {
  for (const std::size_t n : {4999u, 5000u, 5001u}) {
    SCOPED_TRACE(n);
    const string text = times(n - 1, 'a') + "z";
    EXPECT_EQ(STR_REPLACE(text, "q", "r"), text.substr(0, 5000));
    EXPECT_EQ(STR_REPLACEUPPER(text, "Q", "r"), text.substr(0, 5000));
    // The z at position 5001 lies beyond the buffer.
    EXPECT_EQ(STR_REPLACE(text, "z", "y").back(), n <= 5000 ? 'y' : 'a');
  }
  // A replacement that runs over the capacity is cut there.
  const string full = times(4999, 'a') + "X";
  EXPECT_EQ(STR_REPLACE(full, "X", "YYY"), times(4999, 'a') + "Y");
  // Growing text: the end is cut after every pass, and the limit stops at 1000 passes.
  EXPECT_EQ(STR_REPLACE(times(4999, 'a'), "a", "bb"), times(2000, 'b') + times(3000, 'a'));
  // Trailing blanks beyond 5000 do not matter; blanks within are clipped.
  EXPECT_EQ(STR_REPLACE(times(10, 'a') + times(6000, ' '), "a", "b"), times(10, 'b'));
}

TEST(Capacity, ReplaceArgumentsOf100) {
  const string a100 = times(100, 'a');
  EXPECT_EQ(STR_REPLACE(a100 + "c", a100 + "b", "X"), "Xc");  // find cut to 100
  EXPECT_EQ(STR_REPLACE("x", "x", times(101, 'r')), times(100, 'r'));
  EXPECT_EQ(ZAMIEN_WYRAZENIE("x", "x", times(101, 'r')), times(100, 'r'));
  EXPECT_EQ(ZAMIEN_WYRAZENIE(times(4001, 'a'), "q", "r"), times(4000, 'a'));
  EXPECT_EQ(ZAMIEN_WYRAZENIE(times(3999, 'a') + "X", "X", "YY"), times(3999, 'a') + "Y");
}

TEST(Capacity, Proc2Of49999) {
  EXPECT_EQ(REPLACEPROC2(times(50'000, 'a'), "q", "r"), times(49'999, 'a'));
  EXPECT_EQ(REPLACEPROC2(times(49'998, 'a') + ".", ".", "XYZ"), times(49'998, 'a') + "X");
  EXPECT_EQ(REPLACEPROC2(times(49'999, '.'), ".", ""), "");
  EXPECT_EQ(REPLACEPROC2(times(49'999, '.'), ".", "ab"), times(24'999, "ab") + "a");
  // Many short finds in a long text: every one is replaced and the end of the text is kept.
  EXPECT_EQ(REPLACEPROC2(times(7000, "a."), ".", ""), times(7000, 'a'));
  EXPECT_EQ(REPLACEPROC2(times(5000, "a."), ".", "@@##@@$$"), times(5000, "a@@##@@$$"));
}

TEST(Capacity, OtherProcedures) {
  EXPECT_EQ(ZAMIEN_ZNAK(times(3000, 'a'), "a", "bb"), times(4000, 'b'));
  EXPECT_EQ(ZAMIEN_ZNAK(times(4001, 'a'), "x", "y"), times(4000, 'a'));
  EXPECT_EQ(ZAMIEN_ZNAK(times(1999, 'a') + "-", "a", "bb"), times(3998, 'b') + "-");
  EXPECT_EQ(ZAMIEN_ZNAK(times(2000, 'a') + "-", "a", "bb"), times(4000, 'b'));
  EXPECT_EQ(ZAMIEN_ZNAKI(times(201, '*')), times(200, '%'));
  EXPECT_EQ(ZAMIEN_SKOBKI(times(1001, '\''), "x"), times(1000, 'x'));

  const string tail = times(499, 'x') + "ab";  // a at position 500, b beyond the buffer
  EXPECT_EQ(LICZBA_WYSTAPIEN("ab", tail), 0);
  EXPECT_EQ(LICZBA_WYSTAPIEN("a", tail), 1);
  EXPECT_EQ(STR_POZYCJA_WYSTAPIENIA("a", tail, 1), 500);
  EXPECT_EQ(LICZBA_WYSTAPIEN(times(100, 'x') + "y", times(100, 'x')), 1);  // substring cut
  EXPECT_EQ(STR_WYSTAPIENIE_ZNAKU(times(3001, 'a'), "a"), 3000);

  EXPECT_EQ(WYTNIJ_STR(times(197, 'a') + ",b", "2"), "b");
  EXPECT_EQ(WYTNIJ_STR(times(198, 'a') + ",b", "2"), "");          // b at position 200
  EXPECT_EQ(WYTNIJ_STR("  " + times(197, 'a') + ",b", "2"), "b");  // trimmed before the cut
  EXPECT_EQ(STRING_WYTNIJ_DO(times(4000, 'a') + "-", "-", 1), times(4000, 'a'));
  EXPECT_EQ(STRING_WYTNIJ_DO(times(3999, 'a') + "-", "-", 1), times(3999, 'a'));
  EXPECT_EQ(STRING_CUT(times(501, 'a'), 1000, " "), times(500, 'a'));
  EXPECT_EQ(STRING_GRUPUJ(times(301, 'a'), 0, "-"), times(300, 'a'));
  EXPECT_EQ(STR_REPLICATE("ab", 1000), times(127, "ab"));
  EXPECT_EQ(STR_REPLICATE(times(255, 'a'), 2), times(255, 'a'));
  EXPECT_EQ(STR_REPLICATE(times(256, 'a'), 1), "");

  const string long_text = times(1000, "ab") + "z";
  const string reversed = STRING_ODWROC(long_text);
  EXPECT_EQ(reversed, string(long_text.rbegin() + 1, long_text.rend()));  // first 2000 only
}

TEST(Capacity, GroupsOf300NeverEndWithTheSeparator) {
  const string x300 = times(300, 'x');
  // Where the 300 characters would end with a separator, whole or cut, it is left out.
  EXPECT_EQ(STRING_GRUPUJ(x300, 4, "-"), times(59, "xxxx-") + "xxxx");
  EXPECT_EQ(STRING_GRUPUJ(x300, 2, "--"), times(74, "xx--") + "xx");
  EXPECT_EQ(STRING_GRUPUJ(x300, 4, "---"), times(42, "xxxx---") + "xxxx");
  EXPECT_EQ(STRING_GRUPUJ(x300, 299, "-"), times(299, 'x'));
  EXPECT_EQ(STRING_GRUPUJ(x300, 300, "-"), x300);
  EXPECT_EQ(STRING_GRUPUJ(x300, 3, "<19-character-sep->"),
            times(13, "xxx<19-character-sep->") + "xxx");
}

// ---- Hostile bytes -------------------------------------------------------------------------

TEST(HostileBytes, EveryByteValueIsPlainText) {
  const string bytes = all_bytes();  // ends with 0xFF, so clipping keeps all of it
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const char c = static_cast<char>(b);
    const string one(1, c);
    const string replacement = c == '<' || c == '>' ? "[]" : "<>";
    string want;
    for (const char x : bytes) want += x == c ? replacement : string(1, x);
    if (c == ' ') {
      EXPECT_EQ(STR_REPLACE(bytes, one, replacement), bytes);  // a blank find is empty
    } else {
      EXPECT_EQ(STR_REPLACE(bytes, one, replacement), want);
      EXPECT_EQ(LICZBA_WYSTAPIEN(one, bytes), 1);
      EXPECT_EQ(STR_POZYCJA_WYSTAPIENIA(one, bytes, 1), b + 1);
    }
    EXPECT_EQ(ZAMIEN_ZNAK(bytes, one, replacement), want);
    EXPECT_EQ(REPLACEPROC(bytes, one, replacement), want);
    EXPECT_EQ(REPLACEPROC2(bytes, one, replacement), want);
    EXPECT_EQ(STR_WYSTAPIENIE_ZNAKU(bytes, one), 1);
    EXPECT_EQ(STRING_WYTNIJ_DO(bytes, one, 1), bytes.substr(0, static_cast<std::size_t>(b)));
    EXPECT_EQ(STRING_CUT(bytes, 1000, one), c == '\r' ? bytes.substr(0, 14) : bytes);
  }
  EXPECT_EQ(STRING_ODWROC(bytes), string(bytes.rbegin(), bytes.rend()));
  EXPECT_EQ(STRING_GRUPUJ(bytes, 300, "-"), bytes);
  EXPECT_EQ(WYTNIJ_STR(bytes, "2"), bytes.substr(45, 199 - 45));  // after the comma 0x2C
  EXPECT_EQ(ZAMIEN_ZNAKI(bytes).size(), 200u);
}

TEST(HostileBytes, NulInsideTexts) {
  const string nul(1, '\0');
  const string a_nul_b = "a" + nul + "b";
  check({{"replace NUL", STR_REPLACE(a_nul_b, nul, "x"), "axb"},
         {"replace by NUL", STR_REPLACE("a-b", "-", nul), a_nul_b},
         {"case-blind NUL", STR_REPLACEUPPER("a" + nul + "Ab", nul + "a", "x"), "axb"},
         {"first NUL only", ZAMIEN_WYRAZENIE(a_nul_b + nul, nul, "x"), "axb" + nul},
         {"NUL field separator is text", WYTNIJ_STR(a_nul_b + ",c", "1"), a_nul_b},
         {"NUL in field number", WYTNIJ_STR("a,b", "1" + nul), ""},
         {"NUL delimiter", STRING_CUT(a_nul_b + "cdefg", 3, nul), "a" + nul},
         {"NUL separator", STRING_GRUPUJ("abcd", 2, nul), "ab" + nul + "cd"},
         {"NUL replicated", STR_REPLICATE(nul, 3), nul + nul + nul},
         {"NUL apostrophe replacement", ZAMIEN_SKOBKI("a'b", nul), a_nul_b}});
  EXPECT_EQ(LICZBA_WYSTAPIEN(nul, a_nul_b + nul), 2);
}

}  // namespace
}  // namespace funkcja
