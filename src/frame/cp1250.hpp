// Code page 1250 and Unicode: the one table through which text crosses the library's edges.
//
// Inside the library every text is code page 1250 bytes. Polish literals are written in UTF-8
// source and turned into code page 1250 at compile time ("Łódź"_cp); the command-line host
// and the windows convert at their edges with utf8_to_cp1250 / cp1250_to_utf8.
//
// The five bytes that code page 1250 leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to
// the Unicode control characters of the same number, as Windows does, so every byte value
// survives a round trip through UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace funkcja::cp1250 {

// Unicode code point of every code page 1250 byte from 0x80 to 0xFF.
inline constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

constexpr char32_t to_unicode(unsigned char byte) {
  return byte < 0x80 ? char32_t{byte} : kHighHalf[byte - 0x80];
}

namespace detail {

// The highest code point that code page 1250 holds (U+2122, the trade mark sign).
constexpr char32_t highest_code_point() {
  char32_t highest = 0;
  for (const char32_t cp : kHighHalf) highest = cp > highest ? cp : highest;
  return highest;
}

// Code point -> byte for every code point up to the highest one the code page holds: one
// look-up instead of a search through the high half. 0 marks a code point the code page lacks
// (the byte 0 itself is U+0000, below 0x80, and never looked up here). About 8.5 KiB.
using FromUnicodeTable = std::array<unsigned char, highest_code_point() + 1>;

constexpr FromUnicodeTable make_from_unicode() {
  FromUnicodeTable table{};
  for (std::size_t i = 0; i < 0x80; ++i) table[i] = static_cast<unsigned char>(i);
  for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
    table[kHighHalf[i]] = static_cast<unsigned char>(0x80 + i);
  }
  return table;
}

inline constexpr FromUnicodeTable kFromUnicode = make_from_unicode();

}  // namespace detail

// The code page 1250 byte of a code point, or nothing when the code page lacks it.
constexpr std::optional<unsigned char> from_unicode(char32_t code_point) {
  if (code_point < 0x80) return static_cast<unsigned char>(code_point);
  if (code_point >= detail::kFromUnicode.size()) return std::nullopt;
  const unsigned char byte = detail::kFromUnicode[code_point];
  if (byte == 0) return std::nullopt;
  return byte;
}

// Decodes one UTF-8 sequence at text[pos]; advances pos. Nothing on malformed input
// (overlong forms, surrogates, truncated or stray continuation bytes).
constexpr std::optional<char32_t> decode_utf8(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  std::size_t extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (pos + extra >= text.size()) return std::nullopt;  // sequence cut short
  for (std::size_t i = 1; i <= extra; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    return std::nullopt;
  }
  pos += extra + 1;
  return cp;
}

// Why a UTF-8 text could not become code page 1250.
enum class ConversionError { kInvalidUtf8, kNotRepresentable };

struct Utf8Result {
  std::string text;
  std::optional<ConversionError> error;
  std::size_t error_offset = 0;  // byte offset of the offending sequence in the input
};

inline Utf8Result utf8_to_cp1250(std::string_view utf8) {
  Utf8Result result;
  result.text.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const auto cp = decode_utf8(utf8, pos);
    if (!cp) return {{}, ConversionError::kInvalidUtf8, start};
    const auto byte = from_unicode(*cp);
    if (!byte) return {{}, ConversionError::kNotRepresentable, start};
    result.text.push_back(static_cast<char>(*byte));
  }
  return result;
}

inline void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

inline std::string cp1250_to_utf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char c : text) append_utf8(out, to_unicode(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace funkcja::cp1250
