#include "host/sqlite/polish.hpp"

#include <array>

#include "frame/cp1250.hpp"

namespace funkcja::sqlite {
namespace {

struct Tables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
  std::array<std::uint16_t, 256> weight{};
  // Code point -> code page byte for every code point below kReverse (0: none).
  static constexpr char32_t kReverse = 0x2200;
  std::array<unsigned char, kReverse> reverse{};
};

// Pairs of (upper, lower) code page 1250 letters outside ASCII.
constexpr unsigned char kCasePairs[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E},
                                           {0x8F, 0x9F}, {0xA3, 0xB3}, {0xA5, 0xB9}, {0xAA, 0xBA},
                                           {0xAF, 0xBF}, {0xBC, 0xBE}};

// The base letter of every accented lower-case letter of the code page; Polish letters are
// letters of their own and are listed in kAlphabet instead.
constexpr std::pair<unsigned char, char> kAccented[] = {
    {0x9A, 's'}, {0x9D, 't'}, {0x9E, 'z'}, {0xBA, 's'}, {0xBE, 'l'}, {0xE0, 'r'}, {0xE1, 'a'},
    {0xE2, 'a'}, {0xE3, 'a'}, {0xE4, 'a'}, {0xE5, 'l'}, {0xE7, 'c'}, {0xE8, 'c'}, {0xE9, 'e'},
    {0xEB, 'e'}, {0xEC, 'e'}, {0xED, 'i'}, {0xEE, 'i'}, {0xEF, 'd'}, {0xF0, 'd'}, {0xF2, 'n'},
    {0xF4, 'o'}, {0xF5, 'o'}, {0xF6, 'o'}, {0xF8, 'r'}, {0xF9, 'u'}, {0xFA, 'u'}, {0xFB, 'u'},
    {0xFC, 'u'}, {0xFD, 'y'}, {0xFE, 't'}, {0xDF, 's'}};

Tables build() {
  Tables t;
  for (int c = 0; c < 256; ++c) {
    t.upper[c] = static_cast<unsigned char>(c);
    t.lower[c] = static_cast<unsigned char>(c);
  }
  for (int c = 'a'; c <= 'z'; ++c) {
    t.upper[c] = static_cast<unsigned char>(c - 32);
    t.lower[c - 32] = static_cast<unsigned char>(c);
  }
  for (const auto& p : kCasePairs) {
    t.upper[p[1]] = p[0];
    t.lower[p[0]] = p[1];
  }
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c == 0xF7) continue;  // division sign; 0xD7 is the multiplication sign
    t.upper[c] = static_cast<unsigned char>(c - 32);
    t.lower[c - 32] = static_cast<unsigned char>(c);
  }
  // Letters: the Polish alphabet, each letter 16 weights apart so that accented foreign
  // letters fit right after their base letter.
  constexpr std::uint16_t kLetters = 0x200;
  const std::string_view alphabet =
      "a\xB9"
      "bc\xE6"
      "de\xEA"
      "fghijkl\xB3mn\xF1o\xF3pqrs\x9Ctuvwxyz\x9F\xBF";
  std::array<std::uint16_t, 256> letter{};
  for (std::size_t i = 0; i < alphabet.size(); ++i) {
    letter[static_cast<unsigned char>(alphabet[i])] = static_cast<std::uint16_t>(kLetters + i * 16);
  }
  std::array<int, 256> variants{};
  for (const auto& [accented, base] : kAccented) {
    const auto b = static_cast<unsigned char>(base);
    letter[accented] = static_cast<std::uint16_t>(letter[b] + 1 + variants[b]++);
  }
  for (int c = 0; c < 256; ++c) {
    const unsigned char low = t.lower[c];
    if (letter[low] != 0) {
      t.weight[c] = letter[low];
    } else if (c < 0x80) {
      t.weight[c] = static_cast<std::uint16_t>(c);  // blanks, punctuation and digits first
    } else {
      t.weight[c] = static_cast<std::uint16_t>(0x100 + c);  // other signs before letters
    }
  }
  for (int c = 0; c < 256; ++c) {
    const char32_t cp = cp1250::to_unicode(static_cast<unsigned char>(c));
    if (cp < Tables::kReverse) t.reverse[cp] = static_cast<unsigned char>(c);
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
  const auto& t = tables();
  const unsigned char b = *cp < Tables::kReverse ? t.reverse[*cp] : 0;
  return {b, *cp};
}

std::string_view clip_utf8(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

unsigned char upper_cp(unsigned char c) {
  return tables().upper[c];
}
unsigned char lower_cp(unsigned char c) {
  return tables().lower[c];
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
      out += static_cast<char>(c);
      ++pos;
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
