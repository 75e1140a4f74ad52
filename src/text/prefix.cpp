// Rewriting the host's record filters into the where clauses of SQL statements, and the
// caption swap of the budget edition.
//
//   WYTNIJ_PREFIX("ZAP:KOD = 5 AND (ZAP:DATA > 10:30)")        == "KOD = 5 AND (DATA > 10:30)"
//   WYTNIJ_PREFIX_WSTAWA("ZAP:KOD = 5 AND (ZAP:DATA > 10:30)") == "a.KOD = 5 AND (a.DATA > 10:30)"
//   WYTNIJ_PREFIX("sql(kod in (1,2))")                          == "(kod in (1,2))"
//   WYTNIJ_PREFIX("INSTRING('AB',UPPER(NAZWA),1,1) <> 0 AND X = 1")
//       == "UPPER(NAZWA) like '%'+'AB'+'%' AND X = 1"
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "text/case.hpp"
#include "text/procedures.hpp"

namespace funkcja::text {
namespace {

constexpr auto npos = std::string_view::npos;

constexpr std::size_t kFilterText = 3000;
constexpr std::size_t kCaptionText = 5000;
constexpr std::size_t kInstringArgument = 100;
constexpr std::size_t kSqlWrappers = 10;

constexpr std::string_view kInstring = "INSTRING";
// INSTRING('first',second,n,m) <> 0: the first argument starts after "INSTRING('", and the
// call ends nine characters after the comma that closes the second argument.
constexpr std::size_t kFirstArgument = kInstring.size() + 2;
constexpr std::size_t kCallTail = 9;

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// A table prefix runs back from its colon to one of these (or to the start of the filter).
bool ends_prefix(char c) {
  return c == kBlank || c == '(' || c == ')' || c == ',';
}

// Every table prefix (ZAP:) removed, its colon replaced by `alias`. The text is walked from its
// end, so that a colon is met before the prefix it closes: the colon turns skipping on, the
// character that ends the prefix turns it off. A colon followed by two digits belongs to a
// time (10:30) and is kept with what stands in front of it.
std::string remove_prefixes(std::string_view filter, std::string_view alias) {
  const std::string reversed(filter.rbegin(), filter.rend());
  const std::string alias_reversed(alias.rbegin(), alias.rend());
  std::string out;
  out.reserve(filter.size() + alias.size());
  bool in_prefix = false;
  for (std::size_t i = 0; i < reversed.size(); ++i) {
    const char c = reversed[i];
    if (c == ':') {
      // The two characters walked just before it are the two that follow it in the filter.
      const bool in_time = i >= 2 && is_digit(reversed[i - 1]) && is_digit(reversed[i - 2]);
      if (!in_time) {
        if (!in_prefix) out += alias_reversed;
        in_prefix = true;
        continue;
      }
    } else if (ends_prefix(c)) {
      in_prefix = false;
    }
    if (!in_prefix) out += c;
  }
  std::reverse(out.begin(), out.end());
  return out;
}

// Position of the first "SQL(" at or after `from`, its letters in any case.
std::size_t find_sql_wrapper(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i + 3 < text.size(); ++i) {
    if (upper(text[i]) == 'S' && upper(text[i + 1]) == 'Q' && upper(text[i + 2]) == 'L' &&
        text[i + 3] == '(') {
      return i;
    }
  }
  return npos;
}

// Deletes the letters of the first ten SQL( wrappers, keeping their parentheses.
void open_sql_wrappers(std::string& text) {
  std::size_t from = 0;
  for (std::size_t n = 0; n < kSqlWrappers; ++n) {
    const std::size_t at = find_sql_wrapper(text, from);
    if (at == npos) break;
    text.erase(at, 3);
    // "SQL" in front of the deleted letters now meets the parenthesis: SQLSQL( gives SQL(.
    from = at >= 3 ? at - 3 : 0;
  }
}

// The text still to be searched for INSTRING, held back to front so that a rewritten call can
// be put in front of it to be searched again at the cost of the rewrite's own length.
class Unsearched {
 public:
  explicit Unsearched(std::string_view text) : reversed_(text.rbegin(), text.rend()) {}

  std::size_t size() const { return reversed_.size(); }
  char operator[](std::size_t i) const { return reversed_[reversed_.size() - 1 - i]; }

  // Position of the first INSTRING, or npos.
  std::size_t find_instring() const {
    static constexpr std::string_view kBackwards = "GNIRTSNI";
    const std::size_t at = std::string_view(reversed_).rfind(kBackwards);
    return at == npos ? npos : reversed_.size() - at - kBackwards.size();
  }

  // Position of the first c at or after `from`, or npos.
  std::size_t find(char c, std::size_t from) const {
    for (std::size_t i = from; i < size(); ++i) {
      if ((*this)[i] == c) return i;
    }
    return npos;
  }

  std::string substr(std::size_t from, std::size_t length) const {
    std::string out;
    out.reserve(length);
    for (std::size_t i = from; i < from + length; ++i) out += (*this)[i];
    return out;
  }

  // The first n characters appended to out and taken away.
  void move_to(std::string& out, std::size_t n) {
    out.append(reversed_.rbegin(), reversed_.rbegin() + static_cast<std::ptrdiff_t>(n));
    drop(n);
  }
  void drop(std::size_t n) { reversed_.resize(reversed_.size() - n); }
  void put_in_front(std::string_view text) { reversed_.append(text.rbegin(), text.rend()); }
  // The last n characters cut off.
  void cut_end(std::size_t n) { reversed_.erase(0, std::min(n, reversed_.size())); }

 private:
  std::string reversed_;
};

struct InstringCall {
  enum class Form { kWhole, kMalformed, kNothingAfterIsWhole };
  Form form;
  std::size_t length = 0;  // characters the rewrite replaces
  std::string rewritten;
};

// Reads the INSTRING call at the front of the text. A call without "('" after its name, without
// an apostrophe closing its first argument, or without the two commas around its second
// argument is malformed; when an apostrophe or comma is missing up to the end of the text, no
// later call can have it either.
InstringCall read_instring(const Unsearched& t) {
  using Form = InstringCall::Form;
  if (t.size() < kFirstArgument || t[kInstring.size()] != '(' || t[kInstring.size() + 1] != '\'') {
    return {Form::kMalformed, 0, {}};
  }
  const std::size_t quote = t.find('\'', kFirstArgument);
  const std::size_t comma = quote == npos ? npos : t.find(',', quote + 1);
  const std::size_t second_end = comma == npos ? npos : t.find(',', comma + 1);
  if (second_end == npos) return {Form::kNothingAfterIsWhole, 0, {}};
  const std::string first =
      t.substr(kFirstArgument, std::min(quote - kFirstArgument, kInstringArgument));
  const std::string second =
      t.substr(comma + 1, std::min(second_end - comma - 1, kInstringArgument));
  const std::size_t length = std::min(t.size(), second_end + 1 + kCallTail);
  return {Form::kWhole, length, second + " like '%'+'" + first + "'+'%'"};
}

// Every INSTRING('a',b,1,1) <> 0 written as b like '%'+'a'+'%', searching again from the start
// after each rewrite as the rewrite may hold or complete another call. A malformed call is left
// as it stands and the search goes on after it; each rewrite removes two commas and adds none,
// so the rewriting ends.
std::string rewrite_instrings(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  Unsearched rest(text);
  for (;;) {
    const std::size_t at = rest.find_instring();
    if (at == npos) break;
    rest.move_to(out, at);
    InstringCall call = read_instring(rest);
    if (call.form == InstringCall::Form::kNothingAfterIsWhole) break;
    if (call.form == InstringCall::Form::kMalformed) {
      rest.move_to(out, kInstring.size());
      continue;
    }
    rest.drop(call.length);
    rest.put_in_front(call.rewritten);
    // Cut to the working buffer: only a call that ran to the end of the text can grow it.
    const std::size_t size = out.size() + rest.size();
    if (size > kFilterText) rest.cut_end(size - kFilterText);
    // Everything before the call held no INSTRING, but its last characters may begin one that
    // the rewrite completes.
    const std::size_t back = std::min(out.size(), kInstring.size() - 1);
    rest.put_in_front(std::string_view(out).substr(out.size() - back));
    out.resize(out.size() - back);
  }
  rest.move_to(out, rest.size());
  return out;
}

// The filter is trimmed and cut to the working buffer from its start, so that every filter
// of up to 3000 characters is kept whole however many blanks surround it.
std::string rewrite_filter(std::string_view filter, std::string_view alias) {
  std::string text = remove_prefixes(cut(trim(filter), kFilterText), alias);
  if (text.size() > kFilterText) text.resize(kFilterText);
  open_sql_wrappers(text);
  return rewrite_instrings(text);
}

}  // namespace

std::string WYTNIJ_PREFIX(std::string_view filter) {
  return rewrite_filter(filter, {});
}

std::string WYTNIJ_PREFIX_WSTAWA(std::string_view filter) {
  return rewrite_filter(filter, "a.");
}

// The budget edition calls the two columns the other way round: the first Klasyfikacja and
// the first Transakcja of the caption swap places, through placeholders.
std::string ZAMIEN_KLASYFIKACJA_TRANSAKCJA(std::string_view caption) {
  std::string out(clip_to(caption, kCaptionText));
  if (dane::get_int(dane::Global::DANE_CZY_WERSJA_BUDZET) != 1) return out;
  constexpr std::string_view kSteps[][2] = {{"Klasyfikacja", "kxxx"},
                                            {"Transakcja", "txxx"},
                                            {"kxxx", "Transakcja"},
                                            {"txxx", "Klasyfikacja"}};
  for (const auto& [find, replacement] : kSteps) {
    out = REPLACEPROC(out, find, replacement);
    if (out.size() > kCaptionText) out.resize(kCaptionText);
  }
  return out;
}

}  // namespace funkcja::text
