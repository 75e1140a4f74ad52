// Character filters: each keeps, drops or rewrites single bytes of a code page 1250 text
// through one 256-entry table, and cuts the result to the filter's capacity.
//
//   TYLKO_CYFRY("PL 1-2 3")                 -> "123"
//   TYLKO_KWOTY("kwota: -1 234,50 zł")      -> " -1 234,50 "
//   CLEARFORFILENAME("a:b/c*d?.txt")        -> "abcd.txt"
//   BEZPL("Łódź") -> "Lodz";  USUN_POLSKIE_ZNAKI("Łódź") -> "lodz"

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "text/byte_filter.hpp"
#include "text/procedures.hpp"

namespace funkcja::text {
namespace {

using namespace funkcja::literals;
using text::ByteFilter;

constexpr std::string_view kPolishLetters = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_cp;
static_assert(kPolishLetters.size() == 18);

constexpr ByteFilter kDigits = ByteFilter::drop_all().keep_range('0', '9');
constexpr ByteFilter kDigitsSoft = kDigits.keep("-.,");
constexpr ByteFilter kAmountCharacters = kDigits.keep(" ,.-+");
constexpr ByteFilter kNoBlanks = ByteFilter::keep_all().drop(" ");
constexpr ByteFilter kFileNameSafe = ByteFilter::keep_all().drop("*/\\:?\"<>|");
constexpr ByteFilter kNoLineBreaks = ByteFilter::keep_all().drop("\r\n");
constexpr ByteFilter kPrintable = ByteFilter::keep_all()
                                      .replace_range('\x00', '\x09', ' ')
                                      .replace("\x0B\x0C\x7F\x81", "    ")
                                      .replace_range('\x0E', '\x1F', ' ');
constexpr ByteFilter kPlainLetters =
    ByteFilter::keep_all().replace(kPolishLetters, "acelnoszzACELNOSZZ");
constexpr ByteFilter kPlainSmallLetters =
    ByteFilter::keep_all().replace(kPolishLetters, "acelnoszzacelnoszz");

// A filter of a clipped argument: an argument that is empty after clipping gives `if_empty`.
std::string clipped(const ByteFilter& filter, std::string_view argument, std::size_t capacity,
                    std::string_view if_empty = {}) {
  const std::string_view text = text::clip(argument);
  if (text.empty()) return std::string(if_empty);
  return filter.apply(text, capacity);
}

}  // namespace

std::string TYLKO_CYFRY(std::string_view text) {
  return clipped(kDigits, text, 2000);
}

std::string OPUSC_ALFANUMERYCZNE(std::string_view text) {
  return clipped(kDigits, text, 254, "0");
}

std::string OPUSC_ALFANUMERYCZNE_SOFT(std::string_view text) {
  return clipped(kDigitsSoft, text, 254, "0");
}

std::string TYLKO_KWOTY(std::string_view text) {
  return clipped(kAmountCharacters, text, 2000);
}

std::string OPUSC_SPACE(std::string_view text) {
  return clipped(kNoBlanks, text, 1000);
}

std::string CLEARFORFILENAME(std::string_view text) {
  return kFileNameSafe.apply(text, 200);
}

std::string USUN_ZNAKI_STERUJACE(std::string_view text) {
  std::string out = kNoLineBreaks.apply(text, 4000);
  // Joined lines often start with the indent of a continuation line: one blank goes.
  if (!out.empty() && out.front() == text::kBlank) out.erase(0, 1);
  return out;
}

std::string USUN_ZNAKI_NIEDRUKOWALNE(std::string_view text) {
  return kPrintable.apply(text, 4000);
}

std::string BEZPL(std::string_view text) {
  return clipped(kPlainLetters, text, 500);
}

std::string USUN_POLSKIE_ZNAKI(std::string_view text) {
  return clipped(kPlainSmallLetters, text, 3999);
}

}  // namespace funkcja::text
