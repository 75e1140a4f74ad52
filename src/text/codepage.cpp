// Code-page conversion: one table look-up per byte of the input.
//
//   WINTOLATIN_TG("Łódź")   -> "\x9D\xA2d\xAB"  (code page 852)
//   LATINTOWIN_TG of that   -> "Łódź"

#include "text/codepage_tables.hpp"
#include "text/procedures.hpp"

namespace funkcja::text {
namespace {

// One look-up per byte, read from the input and written to the result: the loop has no
// branch that depends on the text, so a text dense in Polish letters converts as fast as
// plain ASCII (skipping ASCII runs was faster on sparse texts but three times slower on
// dense ones).
std::string convert(std::string_view text, const codepage::ByteTable& table) {
  std::string out(text.size(), '\0');
  const auto* src = reinterpret_cast<const unsigned char*>(text.data());
  auto* dst = reinterpret_cast<unsigned char*>(out.data());
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) dst[i] = table[src[i]];
  return out;
}

}  // namespace

std::string WINTOLATIN_TG(std::string_view text) {
  return convert(text, codepage::kWindowsToLatin2);
}

std::string LATINTOWIN_TG(std::string_view text) {
  return convert(text, codepage::kLatin2ToWindows);
}

std::string WINTOMAZOVIA_TG(std::string_view text) {
  return convert(text, codepage::kWindowsToMazovia);
}

std::string MAZOVIATOWIN_TG(std::string_view text) {
  return convert(text, codepage::kMazoviaToWindows);
}

std::string WINTOWIN_TG(std::string_view text) {
  return std::string(text);
}

}  // namespace funkcja::text
