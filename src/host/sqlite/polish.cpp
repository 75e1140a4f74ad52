#include "host/sqlite/polish.hpp"

#include <array>

#include "frame/cp1250.hpp"
#include "frame/cp1250_case.hpp"
#include "frame/cp_literal.hpp"

namespace funkcja::sqlite {
namespace {

using namespace funkcja::literals;

struct Tables {
  std::array<std::uint16_t, 256> weight{};
};

// The base letter of every accented small letter of the code page, letter for letter; the
// Polish letters are letters of their own and are listed in kAlphabet instead.
constexpr std::string_view kAccented = "šťžşľŕáâăäĺçčéëěíîďđňôőöřůúűüýţß"_cp;
constexpr std::string_view kAccentedBase = "stzslraaaalcceeeiiddnoooruuuuyts";
static_assert(kAccented.size() == kAccentedBase.size());

// The Polish alphabet in its order.
constexpr std::string_view kAlphabet = "aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż"_cp;

Tables build() {
  Tables t;
  // Letters: each letter of the alphabet 16 weights apart so that accented foreign letters
  // fit right after their base letter.
  constexpr std::uint16_t kLetters = 0x200;
  std::array<std::uint16_t, 256> letter{};
  for (std::size_t i = 0; i < kAlphabet.size(); ++i) {
    letter[static_cast<unsigned char>(kAlphabet[i])] =
        static_cast<std::uint16_t>(kLetters + i * 16);
  }
  std::array<int, 256> variants{};
  for (std::size_t i = 0; i < kAccented.size(); ++i) {
    const auto accented = static_cast<unsigned char>(kAccented[i]);
    const auto base = static_cast<unsigned char>(kAccentedBase[i]);
    letter[accented] = static_cast<std::uint16_t>(letter[base] + 1 + variants[base]++);
  }
  for (int c = 0; c < 256; ++c) {
    const unsigned char low = cp1250::kLower[c];
    if (letter[low] != 0) {
      t.weight[c] = letter[low];
    } else if (c < 0x80) {
      t.weight[c] = static_cast<std::uint16_t>(c);  // blanks, punctuation and digits first
    } else {
      t.weight[c] = static_cast<std::uint16_t>(0x100 + c);  // other signs before letters
    }
  }
  return t;
}

const Tables& tables() {
  static const Tables t = build();
  return t;
}

// Next character of a UTF-8 text as (code page byte or 0, code point). Malformed bytes are
// taken one by one as code points of their own.
struct Char {
  unsigned char byte;
  char32_t cp;
};

Char next_char(std::string_view s, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  if (lead < 0x80) {
    ++pos;
    return {lead, lead};
  }
  const std::size_t start = pos;
  const auto cp = cp1250::decode_utf8(s, pos);
  if (!cp) {
    pos = start + 1;
    return {0, 0x110000u + lead};
  }
  return {cp1250::from_unicode(*cp).value_or(0), *cp};
}

std::string_view clip_utf8(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

unsigned char upper_cp(unsigned char c) {
  return cp1250::kUpper[c];
}
unsigned char lower_cp(unsigned char c) {
  return cp1250::kLower[c];
}

std::string upper_text(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(upper_cp(static_cast<unsigned char>(c)));
  return out;
}

std::string lower_text(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(lower_cp(static_cast<unsigned char>(c)));
  return out;
}

std::uint16_t weight_cp(unsigned char c) {
  return tables().weight[c];
}

int compare_cp(std::string_view a, std::string_view b) {
  a = clip_utf8(a);
  b = clip_utf8(b);
  const auto& w = tables().weight;
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int d = w[static_cast<unsigned char>(a[i])] - w[static_cast<unsigned char>(b[i])];
    if (d != 0) return d;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int compare_utf8(std::string_view a, std::string_view b) {
  a = clip_utf8(a);
  b = clip_utf8(b);
  const auto& w = tables().weight;
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const Char x = next_char(a, i);
    const Char y = next_char(b, j);
    // Characters outside the code page weigh more than any code page character.
    const std::uint32_t wx = (x.byte != 0 || x.cp == 0) ? w[x.byte] : 0x10000u + x.cp;
    const std::uint32_t wy = (y.byte != 0 || y.cp == 0) ? w[y.byte] : 0x10000u + y.cp;
    if (wx != wy) return wx < wy ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

void append_utf8_as_cp(std::string& out, std::string_view utf8) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[pos]);
    if (c < 0x80) {
      // A run of ASCII is the same in both: copied at once.
      std::size_t end = pos + 1;
      while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80) ++end;
      out.append(utf8, pos, end - pos);
      pos = end;
      continue;
    }
    const Char ch = next_char(utf8, pos);
    out += ch.byte != 0 ? static_cast<char>(ch.byte) : '?';
  }
}

std::string utf8_to_cp(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  append_utf8_as_cp(out, utf8);
  return out;
}

std::string cp_to_utf8(std::string_view cp1250) {
  return cp1250::cp1250_to_utf8(cp1250);
}

}  // namespace funkcja::sqlite
