// The amount-in-words procedures as the library calls them inside; the exported C functions wrap
// them and the public C++ interface (include/funkcja/) describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace funkcja::words {

// As funkcja/words.hpp.
std::string SLOWNIE(double amount);
std::string SLOWNIEWALUTA(double amount, std::string_view currency);

}  // namespace funkcja::words
