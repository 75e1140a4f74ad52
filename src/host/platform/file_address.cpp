#include "host/platform/file_address.hpp"

#include "frame/cp1250.hpp"
#include "frame/text_rules.hpp"

namespace funkcja::platform {
namespace {

std::string with_slashes(std::string_view path) {
  std::string out(path);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

}  // namespace

std::string percent_encoded(std::string_view utf8, std::string_view keep) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(utf8.size());
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '~' ||
                       keep.find(ch) != std::string_view::npos;
    if (plain) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string folder_file(std::string_view folder, std::string_view name) {
  std::string path = with_slashes(text::clip(folder));
  while (!path.empty() && path.back() == '/') path.pop_back();
  std::string_view rest = name;
  while (!rest.empty() && (rest.front() == '\\' || rest.front() == '/')) rest.remove_prefix(1);
  return path + "/" + with_slashes(rest);
}

std::string file_address(std::string_view path) {
  const std::string slashed = with_slashes(path);
  // Everything printable in ASCII stays as written, but what would end the path early.
  static const std::string kPathCharacters = "/:!$&'()*+,;=@[]^`{|}";
  return (slashed.starts_with('/') ? "file://" : "file:///") +
         percent_encoded(cp1250::cp1250_to_utf8(slashed), kPathCharacters);
}

}  // namespace funkcja::platform
